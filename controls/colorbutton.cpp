#include "controls/colorbutton.h"

#include "controls/colorbuttongeometry.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace dorva {

namespace {

// The system colours the button paints with, from the active colour group so that a disabled
// button shows the same face and edge colours as the system draws them.
QColor systemColor(const QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(QPalette::Active, role);
}

// The dotted focus rectangle: every other pixel of the border is inverted against the button
// face colour, so on a face of that colour the dots come out black.
void drawFocusDots(QImage& image, const QRect& rect, QRgb faceColor) {
    if (!rect.isValid())
        return;
    const QRect area = rect.intersected(image.rect());
    const QRgb mask = faceColor & 0x00FFFFFF;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const bool edgeRow = y == rect.top() || y == rect.bottom();
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool edgeColumn = x == rect.left() || x == rect.right();
            if ((edgeRow || edgeColumn) && (x + y) % 2 == 0)
                image.setPixel(x, y, image.pixel(x, y) ^ mask);
        }
    }
}

} // namespace

ColorButton::ColorButton(QWidget* parent) : QPushButton(parent) {
    setAttribute(Qt::WA_Hover, false);
    setMouseTracking(true);
    connect(qApp, &QApplication::focusChanged, this, &ColorButton::updateDefaultLook);
}

ColorButton::~ColorButton() = default;

void ColorButton::setCaptionLines(const QStringList& lines) {
    if (lines.join(QStringLiteral("\r\n")) == captionLines_.join(QStringLiteral("\r\n")))
        return;
    captionLines_ = lines;
    update();
}

QColor ColorButton::color() const {
    if (color_.isValid())
        return color_;
    const QWidget* source = parentWidget() ? parentWidget() : this;
    return source->palette().color(QPalette::Window);
}

void ColorButton::setColor(const QColor& color) {
    setColorMember(color_, color);
}

void ColorButton::resetColor() {
    setColorMember(color_, QColor());
}

void ColorButton::setColorMember(QColor& member, const QColor& color) {
    if (member == color)
        return;
    member = color;
    update();
}

void ColorButton::setCapAlignH(HAlignment alignment) {
    if (alignment == capAlignH_)
        return;
    capAlignH_ = alignment;
    update();
}

void ColorButton::setCapAlignV(VAlignment alignment) {
    if (alignment == capAlignV_)
        return;
    capAlignV_ = alignment;
    update();
}

void ColorButton::setButtonStyle(ButtonStyle style) {
    if (style == buttonStyle_)
        return;
    buttonStyle_ = style;
    update();
}

void ColorButton::setCapFixed(bool fixed) {
    if (fixed == capFixed_)
        return;
    capFixed_ = fixed;
    update();
}

void ColorButton::setFocusline(bool on) {
    if (on == focusline_)
        return;
    focusline_ = on;
    update();
}

void ColorButton::setCapOffsetH(int offset) {
    if (offset == capOffsetH_)
        return;
    capOffsetH_ = offset;
    update();
}

void ColorButton::setCapOffsetV(int offset) {
    if (offset == capOffsetV_)
        return;
    capOffsetV_ = offset;
    update();
}

QColor ColorButton::frameColor() const {
    return frameColor_.isValid() ? frameColor_ : systemColor(this, QPalette::Shadow);
}

void ColorButton::setFrameColor(const QColor& color) {
    setColorMember(frameColor_, color);
}

void ColorButton::resetFrameColor() {
    setColorMember(frameColor_, QColor());
}

QColor ColorButton::edgeHighlight() const {
    return edgeHighlight_.isValid() ? edgeHighlight_ : systemColor(this, QPalette::Light);
}

void ColorButton::setEdgeHighlight(const QColor& color) {
    setColorMember(edgeHighlight_, color);
}

void ColorButton::resetEdgeHighlight() {
    setColorMember(edgeHighlight_, QColor());
}

QColor ColorButton::edgeShadow() const {
    return edgeShadow_.isValid() ? edgeShadow_ : systemColor(this, QPalette::Dark);
}

void ColorButton::setEdgeShadow(const QColor& color) {
    setColorMember(edgeShadow_, color);
}

void ColorButton::resetEdgeShadow() {
    setColorMember(edgeShadow_, QColor());
}

QString ColorButton::captionText() const {
    const QString caption = text();
    return caption.isEmpty() ? captionLines_.join(QLatin1Char('\n')) : caption;
}

void ColorButton::paintEvent(QPaintEvent*) {
    const QSize size = this->size();
    if (size.isEmpty())
        return;
    QImage face(size, QImage::Format_RGB32);
    const QColor buttonFace = systemColor(this, QPalette::Button);
    {
        QPainter p(&face);
        p.setFont(font());
        p.fillRect(face.rect(), isEnabled() ? color() : buttonFace);

        const QString caption = captionText();
        const int textFlags = Qt::TextShowMnemonic | Qt::TextDontClip | Qt::AlignTop;
        ColorButtonState state;
        state.size = size;
        state.textHeight = caption.isEmpty()
                               ? 0
                               : p.fontMetrics().boundingRect(QRect(), textFlags, caption).height();
        state.capAlignH = capAlignH_;
        state.capAlignV = capAlignV_;
        state.style = buttonStyle_;
        state.capFixed = capFixed_;
        state.focusline = focusline_;
        state.capOffsetH = capOffsetH_;
        state.capOffsetV = capOffsetV_;
        // The default role can change without a change of focus, so the look is worked out
        // again for every paint.
        defaultLook_ = isDefaultLook();
        state.defaultLook = defaultLook_;
        state.focused = hasFocus();
        state.down = isDown();
        state.mouseInside = mouseInside_;
        const ColorButtonGeometry g = colorButtonGeometry(state);

        const int flags = textFlags | static_cast<int>(g.textAlignment);
        if (isEnabled()) {
            p.setPen(palette().color(QPalette::ButtonText));
            p.drawText(g.textRect, flags, caption);
        } else {
            p.setPen(systemColor(this, QPalette::Light));
            p.drawText(g.textRect.translated(1, 1), flags, caption);
            p.setPen(systemColor(this, QPalette::Dark));
            p.drawText(g.textRect, flags, caption);
        }

        for (const EdgeStroke& stroke : g.edges) {
            const QColor c = stroke.color == EdgeColor::Frame       ? frameColor()
                             : stroke.color == EdgeColor::Highlight ? edgeHighlight()
                                                                    : edgeShadow();
            p.fillRect(stroke.pixels, c);
        }
        p.end();
        drawFocusDots(face, g.focusRect, buttonFace.rgb());
    }
    QPainter(this).drawImage(0, 0, face);
}

void ColorButton::enter() {
    mouseInside_ = true;
    update();
    emit mouseEntered(this);
}

void ColorButton::enterEvent(QEnterEvent* event) {
    if (!mouseInside_ || (QApplication::mouseButtons() & Qt::LeftButton))
        enter();
    QPushButton::enterEvent(event);
}

void ColorButton::leaveEvent(QEvent* event) {
    mouseInside_ = false;
    update();
    emit mouseLeft(this);
    QPushButton::leaveEvent(event);
}

void ColorButton::mouseMoveEvent(QMouseEvent* event) {
    if (!mouseInside_ && rect().contains(event->position().toPoint()) &&
        !(event->buttons() & Qt::LeftButton))
        enter();
    QPushButton::mouseMoveEvent(event);
}

void ColorButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click is a click of its own.
    mousePressEvent(event);
}

void ColorButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    updateDefaultLook();
}

void ColorButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    updateDefaultLook();
}

void ColorButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void ColorButton::showEvent(QShowEvent* event) {
    QPushButton::showEvent(event);
    updateDefaultLook();
}

bool ColorButton::isDefaultLook() const {
    const QWidget* focus = window()->focusWidget();
    return focus == this || (isDefault() && focus && !qobject_cast<const QPushButton*>(focus));
}

void ColorButton::updateDefaultLook() {
    const bool look = isDefaultLook();
    if (look == defaultLook_)
        return;
    defaultLook_ = look;
    update();
}

} // namespace dorva
