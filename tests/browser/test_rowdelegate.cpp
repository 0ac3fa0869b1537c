#include "browser/rowdelegate.h"

#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage paintedRow(const QAbstractItemDelegate& delegate, const QListWidget& view,
                  const QModelIndex& index, const QRect& rect) {
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.rect = rect;
    QImage image(120, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    delegate.paint(&painter, option, index);
    return image;
}

// Rows of any level are the list's height; each level moves the row right by the indent, both
// in its size and in the style's drawing of it.
TEST(RowDelegate, RowsHaveTheHeightAndTheIndentOfTheirLevel) {
    QListWidget view;
    const QStyledItemDelegate style;
    const dorva::RowDelegate rows(16, 8, nullptr);
    for (const int level : {0, 1, 3}) {
        SCOPED_TRACE(level);
        auto* item = new QListWidgetItem(QStringLiteral("フォルダ"), &view);
        item->setData(dorva::RowDelegate::levelRole, level);
        const QModelIndex index = view.model()->index(view.count() - 1, 0);
        QStyleOptionViewItem option;
        option.initFrom(&view);
        const QSize plain = style.sizeHint(option, index);
        EXPECT_EQ(rows.sizeHint(option, index), QSize(plain.width() + 8 * level, 16));
        const QRect rect(2, 1, 110, 16);
        EXPECT_EQ(paintedRow(rows, view, index, rect),
                  paintedRow(style, view, index, rect.adjusted(8 * level, 0, 0, 0)));
    }
}

} // namespace
