#include "controls/colorbuttongeometry.h"

namespace dorva {

namespace {

// Edge lines are given by their first and last pixel, both inclusive.
void addRow(std::vector<EdgeStroke>& edges, int y, int x1, int x2, EdgeColor color) {
    if (x2 >= x1)
        edges.push_back({QRect(x1, y, x2 - x1 + 1, 1), color});
}

void addColumn(std::vector<EdgeStroke>& edges, int x, int y1, int y2, EdgeColor color) {
    if (y2 >= y1)
        edges.push_back({QRect(x, y1, 1, y2 - y1 + 1), color});
}

// Bounds with right and bottom exclusive, as the edge rules count them.
struct Bounds {
    int left, top, right, bottom;
    void shrink() {
        ++left;
        ++top;
        --right;
        --bottom;
    }
};

void addOutline(std::vector<EdgeStroke>& edges, const Bounds& r, EdgeColor color) {
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    addRow(edges, r.top, r.left, r.right - 1, color);
    addColumn(edges, r.left, r.top, r.bottom - 1, color);
    addColumn(edges, r.right - 1, r.top, r.bottom - 1, color);
    addRow(edges, r.bottom - 1, r.left, r.right - 1, color);
}

void addBevel(std::vector<EdgeStroke>& edges, const Bounds& r, EdgeColor topLeft,
              EdgeColor bottomRight) {
    addRow(edges, r.top, r.left, r.right - 1, topLeft);
    addColumn(edges, r.left, r.top, r.bottom - 1, topLeft);
    addColumn(edges, r.right - 1, r.top, r.bottom - 1, bottomRight);
    addRow(edges, r.bottom - 1, r.left, r.right - 1, bottomRight);
}

void addStandardEdges(std::vector<EdgeStroke>& edges, const ColorButtonState& state, Bounds r) {
    if (state.defaultLook || state.focused) {
        addOutline(edges, r, EdgeColor::Frame);
        r.shrink();
    }
    if (state.down) {
        addOutline(edges, r, EdgeColor::Shadow);
        return;
    }
    addBevel(edges, r, EdgeColor::Highlight, EdgeColor::Frame);
    addColumn(edges, r.right - 2, r.top + 1, r.bottom - 2, EdgeColor::Shadow);
    addRow(edges, r.bottom - 2, r.left + 1, r.right - 2, EdgeColor::Shadow);
}

QRect textRectFor(const ColorButtonState& state) {
    const int width = state.size.width();
    const int height = state.size.height();
    QRect t(0, 0, width, state.textHeight);
    if (state.capAlignV == ColorButton::vaCenter)
        t.translate(0, (height - state.textHeight) / 2);
    else if (state.capAlignV == ColorButton::vaBottom)
        t.translate(0, height - state.textHeight);

    // Margins from the border; the plain raised look without CapFixed sits one pixel closer.
    const bool closer = state.style == ColorButton::bsStd && !state.capFixed &&
                        !state.defaultLook && !state.focused;
    const int nudge = closer ? 1 : 0;
    if (state.capAlignH == ColorButton::haLeft)
        t.translate(5 - nudge, 0);
    else if (state.capAlignH == ColorButton::haRight)
        t.translate(-5 + nudge, 0);
    if (state.capAlignV == ColorButton::vaTop)
        t.translate(0, 4 - nudge);
    else if (state.capAlignV == ColorButton::vaBottom)
        t.translate(0, -5 + nudge);

    t.translate(state.capOffsetH, state.capOffsetV);
    if (state.down)
        t.translate(1, 1);
    return t;
}

Qt::Alignment alignmentFor(ColorButton::HAlignment alignment) {
    switch (alignment) {
    case ColorButton::haLeft:
        return Qt::AlignLeft;
    case ColorButton::haRight:
        return Qt::AlignRight;
    case ColorButton::haCenter:
        break;
    }
    return Qt::AlignHCenter;
}

} // namespace

ColorButtonGeometry colorButtonGeometry(const ColorButtonState& state) {
    ColorButtonGeometry g;
    g.textRect = textRectFor(state);
    g.textAlignment = alignmentFor(state.capAlignH);

    const Bounds client{0, 0, state.size.width(), state.size.height()};
    switch (state.style) {
    case ColorButton::bsStd:
        addStandardEdges(g.edges, state, client);
        break;
    case ColorButton::bsIELike:
        if (state.down)
            addBevel(g.edges, client, EdgeColor::Shadow, EdgeColor::Highlight);
        else if (state.mouseInside)
            addBevel(g.edges, client, EdgeColor::Highlight, EdgeColor::Shadow);
        break;
    case ColorButton::bsNone:
        break;
    }

    if (state.focusline && state.focused && state.defaultLook) {
        const int inset = state.style == ColorButton::bsStd      ? 4
                          : state.style == ColorButton::bsIELike ? 2
                                                                 : 0;
        g.focusRect = QRect(QPoint(0, 0), state.size).adjusted(inset, inset, -inset, -inset);
    }
    return g;
}

} // namespace dorva
