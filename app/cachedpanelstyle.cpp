#include "app/cachedpanelstyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>
#include <array>
#include <iterator>
#include <optional>
#include <vector>

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

// Corners, rounded ends and the frames' lines lie within this many pixels of a side.
constexpr int kEdge = 6;

// Along one axis: the pixels at either end that are drawn as they are. The one pixel between
// them is the same all along the middle, so it is stretched over the rest. No ends: the axis is
// drawn whole.
struct Cut {
    int head = 0;
    int tail = 0;

    bool cuts(int length) const { return head + tail > 0 && length > head + 1 + tail; }
    int drawnLength(int length) const { return cuts(length) ? head + 1 + tail : length; }
};

struct Splicing {
    Cut across;
    Cut down;
    std::array<int, 6> drawnWith; // what else the drawing depends on, for the cache key
};

// Plain colours look the same wherever a copy lands, and the middle of a frame is one colour.
bool plainColours(const QPalette& palette) {
    return palette.window().style() == Qt::SolidPattern &&
           palette.base().style() == Qt::SolidPattern &&
           palette.button().style() == Qt::SolidPattern;
}

// How the element is spliced; none where it is drawn directly. A gradient or texture is laid out
// from the device's origin, so a drawing of it could not even be copied whole to another place.
std::optional<Splicing> splicing(QStyle::PrimitiveElement element, const QStyleOption* option,
                                 const QStyle* style, const QWidget* widget) {
    if (!plainColours(option->palette))
        return std::nullopt;
    const Cut ends{kEdge, kEdge};
    switch (element) {
    case QStyle::PE_PanelLineEdit: {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (!frame || frame->lineWidth <= 0)
            return std::nullopt;
        return Splicing{ends,
                        Cut{},
                        {frame->lineWidth, frame->midLineWidth, static_cast<int>(frame->features)}};
    }
    case QStyle::PE_FrameTabWidget: {
        const auto* frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option);
        if (!frame)
            return std::nullopt;
        return Splicing{
            ends, ends, {frame->lineWidth, frame->midLineWidth, static_cast<int>(frame->shape)}};
    }
    case QStyle::PE_FrameGroupBox: {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (!frame)
            return std::nullopt;
        // The frame starts below the title's line, whose height Fusion takes from the box.
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int title =
            qMax(style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, option, widget),
                 option->fontMetrics.height());
        const Cut down{title + 2 * kEdge, kEdge};
        return Splicing{ends,
                        down,
                        {frame->lineWidth, frame->midLineWidth, static_cast<int>(frame->features),
                         option->fontMetrics.height(), box && box->isCheckable(),
                         box && box->title().isEmpty()}};
    }
    default:
        return std::nullopt;
    }
}

constexpr int kBand = 16;

// One piece of an axis: where it lands and where it comes from in the drawing, both counted in
// the widget's pixels.
struct Piece {
    int at;
    int length;
    int from;
    int fromLength;
};

// A stretched middle is copied in bands of at most `band` lines. Qt hands a fill of more than
// about a hundred lines, which a copy clipped to anything but one rectangle is, to worker
// threads, and each such fill costs more in wake-ups than the copy itself.
std::vector<Piece> pieces(const Cut& cut, int length, int band) {
    if (!cut.cuts(length))
        return {{0, length, 0, length}};
    std::vector<Piece> result{{0, cut.head, 0, cut.head}};
    for (int at = cut.head; at < length - cut.tail; at += band)
        result.push_back({at, qMin(band, length - cut.tail - at), cut.head, 1});
    result.push_back({length - cut.tail, cut.tail, cut.head + 1, cut.tail});
    return result;
}

// The key holds the values as they are, which is much cheaper than formatting them as text.
QString drawingKey(QStyle::PrimitiveElement element, const QStyleOption& option,
                   const Splicing& splicing, QSize drawn, int ratio) {
    const std::array<int, 6>& with = splicing.drawnWith;
    const qint64 palette = option.palette.cacheKey();
    const qint32 values[] = {element,
                             drawn.width(),
                             drawn.height(),
                             with[0],
                             with[1],
                             with[2],
                             with[3],
                             with[4],
                             with[5],
                             static_cast<int>(option.state),
                             option.direction,
                             static_cast<qint32>(palette),
                             static_cast<qint32>(palette >> 32),
                             ratio};
    QString key = QStringLiteral("dorva-frame:");
    static_assert(sizeof(qint32) == 2 * sizeof(QChar));
    key.append(reinterpret_cast<const QChar*>(values), 2 * std::size(values));
    return key;
}

} // namespace

void CachedPanelStyle::drawSmall(PrimitiveElement element, const QStyleOption& option,
                                 const QRect& rect, QPainter* painter,
                                 const QWidget* widget) const {
    const auto drawMoved = [&](auto moved) {
        moved.rect = rect;
        QProxyStyle::drawPrimitive(element, &moved, painter, widget);
    };
    if (const auto* tabFrame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(&option))
        drawMoved(*tabFrame);
    else
        drawMoved(*qstyleoption_cast<const QStyleOptionFrame*>(&option));
}

void CachedPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    const std::optional<Splicing> splice =
        option && !option->rect.isEmpty() ? splicing(element, option, this, widget) : std::nullopt;
    if (!splice || !copiesExactly(painter)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const int ratio = qRound(painter->device()->devicePixelRatio());
    const QRect& rect = option->rect;
    const QSize drawn(splice->across.drawnLength(rect.width()),
                      splice->down.drawnLength(rect.height()));
    const QString key = drawingKey(element, *option, *splice, drawn, ratio);
    QPixmap drawing;
    if (!QPixmapCache::find(key, &drawing)) {
        drawing = QPixmap(drawn * ratio);
        drawing.setDevicePixelRatio(ratio);
        drawing.fill(Qt::transparent);
        QPainter drawingPainter(&drawing);
        drawSmall(element, *option, QRect(QPoint(0, 0), drawn), &drawingPainter, widget);
        drawingPainter.end();
        QPixmapCache::insert(key, drawing);
    }
    // Stretching copies of one pixel needs no smoothing, and the pieces land on whole pixels.
    // The source rectangles count the pixmap's own pixels. The middle, one colour, is filled
    // where that colour is opaque: a plain store rather than a blend of every pixel.
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    std::optional<QColor> middle;
    for (const Piece& x : pieces(splice->across, rect.width(), rect.width()))
        for (const Piece& y : pieces(splice->down, rect.height(), kBand)) {
            const QRect target(rect.left() + x.at, rect.top() + y.at, x.length, y.length);
            const QRect source(x.from * ratio, y.from * ratio, x.fromLength * ratio,
                               y.fromLength * ratio);
            if (x.fromLength == 1 && y.fromLength == 1) {
                if (!middle)
                    middle = drawing.toImage().pixelColor(source.topLeft());
                if (middle->alpha() == 255) {
                    painter->fillRect(target, *middle);
                    continue;
                }
            }
            painter->drawPixmap(target, drawing, source);
        }
    painter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void useCachedPanels() {
    QStyle* style = QApplication::style();
    if (dynamic_cast<CachedPanelStyle*>(style) || style->name() != QLatin1String(kFusion))
        return;
    QApplication::setStyle(new CachedPanelStyle(QLatin1String(kFusion)));
}

} // namespace dorva
