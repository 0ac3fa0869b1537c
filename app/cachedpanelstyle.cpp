#include "app/cachedpanelstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>

namespace dorva {

namespace {

constexpr auto kFusion = "fusion";

// A copy is only the same as drawing where it lands on whole pixels of the device, unscaled but
// for a whole device pixel ratio, and is drawn plainly. The device transform holds what the
// painter's own transform does not: where a widget is rendered into another painter.
bool copiesExactly(const QPainter* painter) {
    const QTransform transform = painter->deviceTransform();
    const qreal ratio = painter->device()->devicePixelRatio();
    return ratio == qRound(ratio) && transform.type() <= QTransform::TxScale &&
           transform.m11() == ratio && transform.m22() == ratio &&
           transform.dx() == qRound(transform.dx()) && transform.dy() == qRound(transform.dy()) &&
           painter->opacity() == 1.0 &&
           painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

// A panel is the same in every column of its middle: its corners and ends lie within this many
// pixels of its sides, and its background is one colour. So a wider panel is drawn from one of
// kSplicedWidth, its middle column stretched, and fields of every width share one drawing.
constexpr int kSides = 6;
constexpr int kSplicedWidth = 2 * kSides + 1;

bool spliceable(const QStyleOptionFrame& frame, const QPainter* painter) {
    return frame.rect.width() > kSplicedWidth && frame.palette.base().style() == Qt::SolidPattern &&
           !painter->testRenderHint(QPainter::SmoothPixmapTransform);
}

QString panelKey(const QStyleOptionFrame& frame, int width, qreal ratio) {
    return QStringLiteral("dorva-panel-%1x%2-%3-%4-%5-%6-%7-%8-%9")
        .arg(width)
        .arg(frame.rect.height())
        .arg(frame.lineWidth)
        .arg(frame.midLineWidth)
        .arg(static_cast<int>(frame.features))
        .arg(static_cast<int>(frame.state))
        .arg(static_cast<int>(frame.direction))
        .arg(frame.palette.cacheKey())
        .arg(ratio);
}

} // namespace

void CachedPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || !frame || frame->lineWidth <= 0 || frame->rect.isEmpty() ||
        !copiesExactly(painter)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatio();
    const bool spliced = spliceable(*frame, painter);
    const QRect& rect = frame->rect;
    const QString key = panelKey(*frame, spliced ? kSplicedWidth : rect.width(), ratio);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        QStyleOptionFrame drawn(*frame);
        drawn.rect = QRect(0, 0, spliced ? kSplicedWidth : rect.width(), rect.height());
        panel = QPixmap(drawn.rect.size() * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QPainter panelPainter(&panel);
        QProxyStyle::drawPrimitive(element, &drawn, &panelPainter, widget);
        panelPainter.end();
        QPixmapCache::insert(key, panel);
    }
    if (!spliced) {
        painter->drawPixmap(rect.topLeft(), panel);
        return;
    }
    // The source rectangles count the pixmap's own pixels.
    const qreal height = rect.height() * ratio;
    const qreal sides = kSides * ratio;
    painter->drawPixmap(QRectF(rect.left(), rect.top(), kSides, rect.height()), panel,
                        QRectF(0, 0, sides, height));
    painter->drawPixmap(
        QRectF(rect.left() + kSides, rect.top(), rect.width() - 2 * kSides, rect.height()), panel,
        QRectF(sides, 0, ratio, height));
    painter->drawPixmap(QRectF(rect.right() + 1 - kSides, rect.top(), kSides, rect.height()), panel,
                        QRectF(sides + ratio, 0, sides, height));
}

void useCachedPanels() {
    QStyle* style = QApplication::style();
    if (dynamic_cast<CachedPanelStyle*>(style) || style->name() != QLatin1String(kFusion))
        return;
    QApplication::setStyle(new CachedPanelStyle(QLatin1String(kFusion)));
}

} // namespace dorva
