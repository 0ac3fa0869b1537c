#include "app/cachedpanelstyle.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Scaling {
    qreal painterScale; // through the painter: the style sees none of it in its own transform
    qreal pixelRatio;   // of the device, as on a high-density screen
};

QImage painted(QLineEdit& field, QStyle* style, Scaling scaling) {
    field.setStyle(style);
    const qreal scale = scaling.painterScale * scaling.pixelRatio;
    QImage image((field.size() + QSize(2, 2)) * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scaling.pixelRatio);
    image.fill(Qt::lightGray);
    QPainter painter(&image);
    painter.translate(1, 1);
    painter.scale(scaling.painterScale, scaling.painterScale);
    field.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Copied panels are the very pixels Fusion draws: for every state a field shows, at several
// sizes, on the first paint (drawn into the cache) and the second (copied from it), on a device
// of twice the pixel density, and where a scaling painter leaves nothing to copy.
TEST(CachedPanelStyle, PaintsTheSamePixelsAsFusion) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
    const std::unique_ptr<QStyle> cached(new dorva::CachedPanelStyle(QStringLiteral("fusion")));
    QPixmapCache::clear();
    const Scaling scalings[] = {{1, 1}, {1, 1}, {1, 2}, {1, 2}, {1.5, 1}, {2, 1}};
    for (const int width : {37, 52, 193}) {
        for (int state = 0; state < 4; ++state) {
            QLineEdit field(QStringLiteral("255"));
            field.resize(width, 21);
            field.setEnabled(state != 1);
            field.setReadOnly(state == 2);
            field.setFrame(state != 3);
            for (const Scaling scaling : scalings) {
                const QImage expected = painted(field, fusion.get(), scaling);
                EXPECT_EQ(painted(field, cached.get(), scaling), expected)
                    << width << " " << state << " " << scaling.painterScale << " "
                    << scaling.pixelRatio;
            }
            field.setStyle(nullptr);
        }
    }
}

// Wide panels are spliced from a narrow one: every width, state and direction must still come
// out as Fusion draws it, also where the field has focus and its frame is highlighted.
TEST(CachedPanelStyle, SplicedPanelsAreFusionsPixels) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
    const std::unique_ptr<QStyle> cached(new dorva::CachedPanelStyle(QStringLiteral("fusion")));
    QPixmapCache::clear();
    const auto draw = [](QStyle* style, const QStyleOptionFrame& option, qreal ratio) {
        QImage image((option.rect.size() + QSize(4, 4)) * ratio,
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::lightGray);
        QPainter painter(&image);
        QStyleOptionFrame shifted(option);
        shifted.rect.moveTo(2, 2);
        style->drawPrimitive(QStyle::PE_PanelLineEdit, &shifted, &painter);
        return image;
    };
    QPalette yellow;
    yellow.setColor(QPalette::Base, QColor(255, 255, 200));
    const QStyle::State states[] = {
        QStyle::State_Enabled, QStyle::State_Enabled | QStyle::State_HasFocus, QStyle::State_None,
        QStyle::State_Enabled | QStyle::State_ReadOnly};
    for (const int width : {14, 15, 20, 64, 301})
        for (const int height : {12, 20, 21})
            for (const QStyle::State state : states)
                for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft})
                    for (const QPalette& palette : {QPalette(), yellow})
                        for (const qreal ratio : {1.0, 2.0}) {
                            QStyleOptionFrame option;
                            option.rect = QRect(0, 0, width, height);
                            option.lineWidth = 1;
                            option.state = state;
                            option.direction = direction;
                            option.palette = palette;
                            // The second drawing comes from the cache.
                            for (int pass = 0; pass < 2; ++pass)
                                ASSERT_EQ(draw(cached.get(), option, ratio),
                                          draw(fusion.get(), option, ratio))
                                    << width << "x" << height << " state " << int(state)
                                    << " direction " << direction << " ratio " << ratio;
                        }
}

} // namespace
