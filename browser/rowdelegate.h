#pragma once

#include <QStyledItemDelegate>

namespace dorva {

// The rows of the file browser's lists, drawn by the style: every row of a list the same
// height and, with an indent, shifted right by its level (levelRole), so the folder list reads
// as a tree.
class RowDelegate : public QStyledItemDelegate {
public:
    static constexpr int levelRole = Qt::UserRole + 1;

    RowDelegate(int height, int indent, QObject* parent);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    int height_;
    int indent_;
};

} // namespace dorva
