#include "app/cachedpanelstyle.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Scaling {
    qreal painterScale; // through the painter: the style sees none of it in its own transform
    qreal pixelRatio;   // of the device, as on a high-density screen
};

QImage painted(QWidget& field, QStyle* style, Scaling scaling) {
    field.setStyle(style);
    for (QWidget* child : field.findChildren<QWidget*>())
        child->setStyle(style);
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
    // A base that is not one colour cannot be spliced.
    QPalette shaded;
    QLinearGradient gradient(0, 0, 300, 0);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, Qt::darkCyan);
    shaded.setBrush(QPalette::Base, gradient);
    const QStyle::State states[] = {
        QStyle::State_Enabled, QStyle::State_Enabled | QStyle::State_HasFocus, QStyle::State_None,
        QStyle::State_Enabled | QStyle::State_ReadOnly};
    for (const int width : {14, 15, 20, 64, 301})
        for (const int height : {12, 20, 21})
            for (const QStyle::State state : states)
                for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft})
                    for (const QPalette& palette : {QPalette(), yellow, shaded})
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

// Page and group box frames are spliced from small drawings in both directions: they must come
// out as Fusion draws them for every size, tab position and kind of box, whatever the title's
// font.
TEST(CachedPanelStyle, SplicedFramesAreFusionsPixels) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
    const std::unique_ptr<QStyle> cached(new dorva::CachedPanelStyle(QStringLiteral("fusion")));
    QPixmapCache::clear();
    const auto compare = [&](QWidget& widget, QSize size, const QString& what) {
        widget.setFixedSize(size);
        widget.setAttribute(Qt::WA_DontShowOnScreen);
        widget.show(); // lays the tabs out
        for (const Scaling scaling : {Scaling{1, 1}, Scaling{1, 2}, Scaling{1.5, 1}}) {
            // Changing the style lays the widget out again; its second drawing is settled. The
            // second drawing with the cache copies what the first one drew into it.
            painted(widget, fusion.get(), scaling);
            const QImage expected = painted(widget, fusion.get(), scaling);
            painted(widget, cached.get(), scaling);
            ASSERT_EQ(painted(widget, cached.get(), scaling), expected)
                << size.width() << "x" << size.height() << " " << what.toStdString() << " ratio "
                << scaling.pixelRatio;
        }
    };
    const QTabWidget::TabPosition positions[] = {QTabWidget::North, QTabWidget::South,
                                                 QTabWidget::West, QTabWidget::East};
    for (const QSize size : {QSize(60, 50), QSize(301, 240), QSize(772, 430)})
        for (const QTabWidget::TabPosition position : positions)
            for (const int current : {0, 1}) {
                QTabWidget tabs;
                tabs.addTab(new QLabel(QStringLiteral("Mission")), QStringLiteral("Mission"));
                tabs.addTab(new QWidget, QStringLiteral("Actor"));
                tabs.setTabPosition(position);
                tabs.setCurrentIndex(current);
                tabs.setLayoutDirection(current ? Qt::RightToLeft : Qt::LeftToRight);
                compare(tabs, size,
                        QStringLiteral("tabs at %1, tab %2").arg(position).arg(current));
            }
    for (const QSize size : {QSize(40, 30), QSize(120, 61), QSize(400, 300)})
        for (const QString& title : {QString(), QStringLiteral("Map Properties")})
            for (int kind = 0; kind < 5; ++kind) {
                QGroupBox box(title);
                box.setCheckable(kind == 1);
                box.setLayoutDirection(kind == 1 ? Qt::RightToLeft : Qt::LeftToRight);
                box.setFlat(kind == 2);
                box.setEnabled(kind != 3);
                if (kind == 4) {
                    QFont big = box.font();
                    big.setPointSize(big.pointSize() * 3);
                    box.setFont(big);
                }
                auto* layout = new QVBoxLayout(&box);
                layout->addWidget(new QCheckBox(QStringLiteral("Fog")));
                compare(box, size, QStringLiteral("box \"%1\" kind %2").arg(title).arg(kind));
            }
}

} // namespace
