#pragma once

#include <QStyledItemDelegate>

namespace dorva {

// The rows of the file browser's lists: every row of a list the same height and, with an
// indent, shifted right by its level (levelRole), so the folder list reads as a tree. A row of
// plain text is drawn the way the style draws it but without laying its text out twice, which
// is most of what painting a long file list costs.
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
