#pragma once

#include <QProxyStyle>

namespace dorva {

// The Fusion style, drawing each text field's panel (its background and antialiased rounded
// frame) once per height and state and then copying it, with the same pixels. Drawing the frame
// is most of what painting a text field costs, and the pages show dozens of them.
class CachedPanelStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Puts CachedPanelStyle over the application's style when that is Fusion; any other style the
// user chose (-style, QT_STYLE_OVERRIDE, the desktop's) is left as it is.
void useCachedPanels();

} // namespace dorva
