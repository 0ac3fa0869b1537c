#pragma once

#include "controls/colorbutton.h"

#include <QRect>
#include <QSize>
#include <vector>

namespace dorva {

// Everything that decides where the colour button's caption and edges go.
struct ColorButtonState {
    QSize size;
    int textHeight = 0; // height of the caption block, one line per line of text
    ColorButton::HAlignment capAlignH = ColorButton::haCenter;
    ColorButton::VAlignment capAlignV = ColorButton::vaCenter;
    ColorButton::ButtonStyle style = ColorButton::bsStd;
    bool capFixed = true;
    bool focusline = true;
    int capOffsetH = 0;
    int capOffsetV = 0;
    bool defaultLook = false;
    bool focused = false;
    bool down = false;
    bool mouseInside = false;
};

enum class EdgeColor { Frame, Highlight, Shadow };

// A one-pixel row or column of the edges, painted in list order so that later ones cover the
// corners of earlier ones.
struct EdgeStroke {
    QRect pixels;
    EdgeColor color;
    bool operator==(const EdgeStroke& other) const {
        return pixels == other.pixels && color == other.color;
    }
};

struct ColorButtonGeometry {
    QRect textRect;              // the caption block's rectangle (may lie partly outside)
    Qt::Alignment textAlignment; // horizontal alignment of each line within textRect
    std::vector<EdgeStroke> edges;
    QRect focusRect; // the dotted focus rectangle; invalid when none is drawn
};

ColorButtonGeometry colorButtonGeometry(const ColorButtonState& state);

} // namespace dorva
