#include "browser/rowdelegate.h"

namespace dorva {

RowDelegate::RowDelegate(int height, int indent, QObject* parent)
    : QStyledItemDelegate(parent), height_(height), indent_(indent) {}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(height_);
    size.rwidth() += indent_ * index.data(levelRole).toInt();
    return size;
}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    QStyleOptionViewItem row(option);
    row.rect.setLeft(option.rect.left() + indent_ * index.data(levelRole).toInt());
    QStyledItemDelegate::paint(painter, row, index);
}

} // namespace dorva
