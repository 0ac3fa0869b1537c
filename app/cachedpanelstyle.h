#pragma once

#include <QProxyStyle>

namespace dorva {

// The Fusion style, drawing text field panels, the page frame and group box frames once per
// size and state and then copying them, with the same pixels. Frames taller or wider than their
// corners are spliced from one small drawing whose middle row and column are stretched.
// Drawing a text field's antialiased frame is most of what painting the field costs, and a tall
// frame drawn directly has Qt hand each of its long edges to worker threads, one wake-up each.
class CachedPanelStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    // Fusion's drawing of the element, with the option moved to the rectangle.
    void drawSmall(PrimitiveElement element, const QStyleOption& option, const QRect& rect,
                   QPainter* painter, const QWidget* widget) const;
};

// Puts CachedPanelStyle over the application's style when that is Fusion; any other style the
// user chose (-style, QT_STYLE_OVERRIDE, the desktop's) is left as it is.
void useCachedPanels();

} // namespace dorva
