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

QString panelKey(const QStyleOptionFrame& frame, qreal ratio) {
    return QStringLiteral("dorva-panel-%1x%2-%3-%4-%5-%6-%7-%8-%9")
        .arg(frame.rect.width())
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
    const QString key = panelKey(*frame, ratio);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap(frame->rect.size() * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QStyleOptionFrame atOrigin(*frame);
        atOrigin.rect.moveTo(0, 0);
        QPainter panelPainter(&panel);
        QProxyStyle::drawPrimitive(element, &atOrigin, &panelPainter, widget);
        panelPainter.end();
        QPixmapCache::insert(key, panel);
    }
    painter->drawPixmap(frame->rect.topLeft(), panel);
}

void useCachedPanels() {
    QStyle* style = QApplication::style();
    if (dynamic_cast<CachedPanelStyle*>(style) || style->name() != QLatin1String(kFusion))
        return;
    QApplication::setStyle(new CachedPanelStyle(QLatin1String(kFusion)));
}

} // namespace dorva
