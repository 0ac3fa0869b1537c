#include "app/rowdelegate.h"
#include "app/uifont.h"

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QStringListModel>
#include <QStyleFactory>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage paintedRow(const QAbstractItemDelegate& delegate, const QListView& view,
                  const QModelIndex& index, QStyle::State state, int height) {
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.font = view.font();
    option.state = state;
    option.rect = QRect(3, 2, 100, height);
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = Qt::ElideRight;
    option.decorationSize = view.iconSize();
    QImage image(110, height + 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    delegate.paint(&painter, option, index);
    return image;
}

// A row of the file list is the same pixels as the style draws: short, long (cut short) and
// Japanese names, one of two lines, plain, selected and with focus, in an active, inactive and
// disabled list, in the interface font and in the platform's.
TEST(RowDelegate, PaintsRowsAsTheStyleDoes) {
    QStringListModel model({QStringLiteral("a.mis"),
                            QStringLiteral("desert_storm_final_assault_v2.mis"),
                            QStringLiteral("砂漠の嵐.atr"), QStringLiteral("WWWWWWWWWWWWWWW.atr"),
                            QStringLiteral("two\nlines.mis"), QString()});
    QListView view;
    view.setModel(&model);
    const dorva::RowDelegate rows(12, 0, nullptr);
    const QStyledItemDelegate expected; // the style draws the whole row
    const QStyle::State states[] = {
        QStyle::State_Enabled | QStyle::State_Active,
        QStyle::State_Enabled | QStyle::State_Active | QStyle::State_Selected,
        QStyle::State_Enabled | QStyle::State_Active | QStyle::State_Selected |
            QStyle::State_HasFocus,
        QStyle::State_Enabled | QStyle::State_HasFocus,
        QStyle::State_Enabled | QStyle::State_Selected,
        QStyle::State_Selected,
        QStyle::State_None,
    };
    QFont larger = dorva::uiFont();
    larger.setPixelSize(15);
    QFont points = QApplication::font();
    points.setPointSizeF(10.5);
    // Under another style the rows are that style's.
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("windows")));
    for (QStyle* style : {static_cast<QStyle*>(nullptr), windows.get()}) {
        view.setStyle(style);
        for (const QFont& font : {dorva::uiFont(), larger, QApplication::font(), points}) {
            view.setFont(font);
            for (const int height : {12, 17})
                for (int row = 0; row < model.rowCount(); ++row)
                    for (const QStyle::State state : states) {
                        const QModelIndex index = model.index(row);
                        EXPECT_EQ(paintedRow(rows, view, index, state, height),
                                  paintedRow(expected, view, index, state, height))
                            << row << " state " << int(state) << " height " << height << " "
                            << font.family().toStdString();
                    }
        }
    }
}

} // namespace
