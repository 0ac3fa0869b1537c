#include "controls/colorbuttongeometry.h"

#include <gtest/gtest.h>

namespace dorva {
namespace {

using E = EdgeColor;

ColorButtonState state(ColorButton::ButtonStyle style = ColorButton::bsStd) {
    ColorButtonState s;
    s.size = QSize(10, 8);
    s.textHeight = 4;
    s.style = style;
    return s;
}

EdgeStroke row(int y, int x1, int x2, E c) {
    return {QRect(x1, y, x2 - x1 + 1, 1), c};
}
EdgeStroke col(int x, int y1, int y2, E c) {
    return {QRect(x, y1, 1, y2 - y1 + 1), c};
}

TEST(ColorButtonGeometry, StandardEdgesPerState) {
    const std::vector<EdgeStroke> raised = {
        row(0, 0, 9, E::Highlight), col(0, 0, 7, E::Highlight), col(9, 0, 7, E::Frame),
        row(7, 0, 9, E::Frame),     col(8, 1, 6, E::Shadow),    row(6, 1, 8, E::Shadow),
    };
    EXPECT_EQ(colorButtonGeometry(state()).edges, raised);

    const std::vector<EdgeStroke> frameThenRaised = {
        row(0, 0, 9, E::Frame),  col(0, 0, 7, E::Frame),     col(9, 0, 7, E::Frame),
        row(7, 0, 9, E::Frame),  row(1, 1, 8, E::Highlight), col(1, 1, 6, E::Highlight),
        col(8, 1, 6, E::Frame),  row(6, 1, 8, E::Frame),     col(7, 2, 5, E::Shadow),
        row(5, 2, 7, E::Shadow),
    };
    auto focused = state();
    focused.focused = true;
    EXPECT_EQ(colorButtonGeometry(focused).edges, frameThenRaised);
    auto defaultLook = state();
    defaultLook.defaultLook = true;
    EXPECT_EQ(colorButtonGeometry(defaultLook).edges, frameThenRaised);

    auto down = state();
    down.down = true;
    const std::vector<EdgeStroke> sunk = {row(0, 0, 9, E::Shadow), col(0, 0, 7, E::Shadow),
                                          col(9, 0, 7, E::Shadow), row(7, 0, 9, E::Shadow)};
    EXPECT_EQ(colorButtonGeometry(down).edges, sunk);

    down.focused = true;
    const std::vector<EdgeStroke> frameThenSunk = {
        row(0, 0, 9, E::Frame),  col(0, 0, 7, E::Frame),  col(9, 0, 7, E::Frame),
        row(7, 0, 9, E::Frame),  row(1, 1, 8, E::Shadow), col(1, 1, 6, E::Shadow),
        col(8, 1, 6, E::Shadow), row(6, 1, 8, E::Shadow),
    };
    EXPECT_EQ(colorButtonGeometry(down).edges, frameThenSunk);
}

TEST(ColorButtonGeometry, BevelStyleIsFlatUntilHoveredAndSunkWhenDown) {
    auto s = state(ColorButton::bsIELike);
    EXPECT_TRUE(colorButtonGeometry(s).edges.empty());
    s.focused = s.defaultLook = true;
    EXPECT_TRUE(colorButtonGeometry(s).edges.empty());

    s.mouseInside = true;
    const std::vector<EdgeStroke> raised = {row(0, 0, 9, E::Highlight), col(0, 0, 7, E::Highlight),
                                            col(9, 0, 7, E::Shadow), row(7, 0, 9, E::Shadow)};
    EXPECT_EQ(colorButtonGeometry(s).edges, raised);

    s.down = true;
    const std::vector<EdgeStroke> sunk = {row(0, 0, 9, E::Shadow), col(0, 0, 7, E::Shadow),
                                          col(9, 0, 7, E::Highlight), row(7, 0, 9, E::Highlight)};
    EXPECT_EQ(colorButtonGeometry(s).edges, sunk);
    s.mouseInside = false;
    EXPECT_EQ(colorButtonGeometry(s).edges, sunk);

    auto none = state(ColorButton::bsNone);
    none.mouseInside = none.down = none.focused = none.defaultLook = true;
    EXPECT_TRUE(colorButtonGeometry(none).edges.empty());
}

TEST(ColorButtonGeometry, FocusRectangleOnlyWhenFocusedDefaultAndEnabled) {
    const std::pair<ColorButton::ButtonStyle, QRect> insets[] = {
        {ColorButton::bsStd, QRect(4, 4, 4, 2)},
        {ColorButton::bsIELike, QRect(2, 2, 8, 6)},
        {ColorButton::bsNone, QRect(0, 0, 12, 10)},
    };
    for (const auto& [style, rect] : insets) {
        auto s = state(style);
        s.size = QSize(12, 10);
        s.focused = s.defaultLook = true;
        EXPECT_EQ(colorButtonGeometry(s).focusRect, rect) << style;
        s.focusline = false;
        EXPECT_FALSE(colorButtonGeometry(s).focusRect.isValid()) << style;
        s.focusline = true;
        s.defaultLook = false;
        EXPECT_FALSE(colorButtonGeometry(s).focusRect.isValid()) << style;
        s.defaultLook = true;
        s.focused = false;
        EXPECT_FALSE(colorButtonGeometry(s).focusRect.isValid()) << style;
    }
    auto big = state();
    big.size = QSize(33, 16);
    big.focused = big.defaultLook = true;
    EXPECT_EQ(colorButtonGeometry(big).focusRect, QRect(4, 4, 25, 8));
}

TEST(ColorButtonGeometry, CaptionPlacement) {
    struct Case {
        ColorButton::HAlignment h;
        ColorButton::VAlignment v;
        bool capFixed;
        bool focused;
        bool down;
        int offsetH, offsetV;
        QSize size;
        int textHeight;
        QPoint topLeft;
    } const cases[] = {
        {ColorButton::haCenter,
         ColorButton::vaCenter,
         true,
         false,
         false,
         0,
         0,
         {33, 16},
         12,
         {0, 2}},
        {ColorButton::haCenter,
         ColorButton::vaCenter,
         true,
         false,
         false,
         0,
         0,
         {33, 16},
         13,
         {0, 1}},
        {ColorButton::haCenter,
         ColorButton::vaCenter,
         true,
         false,
         false,
         0,
         0,
         {33, 16},
         23,
         {0, -3}},
        {ColorButton::haLeft, ColorButton::vaTop, true, false, false, 0, 0, {33, 16}, 12, {5, 4}},
        {ColorButton::haRight,
         ColorButton::vaBottom,
         true,
         false,
         false,
         0,
         0,
         {33, 16},
         12,
         {-5, -1}},
        {ColorButton::haLeft, ColorButton::vaTop, false, false, false, 0, 0, {33, 16}, 12, {4, 3}},
        {ColorButton::haRight,
         ColorButton::vaBottom,
         false,
         false,
         false,
         0,
         0,
         {33, 16},
         12,
         {-4, 0}},
        {ColorButton::haLeft, ColorButton::vaTop, false, true, false, 0, 0, {33, 16}, 12, {5, 4}},
        {ColorButton::haCenter,
         ColorButton::vaCenter,
         false,
         false,
         false,
         0,
         0,
         {33, 16},
         12,
         {0, 2}},
        {ColorButton::haCenter,
         ColorButton::vaCenter,
         true,
         false,
         true,
         0,
         0,
         {33, 16},
         12,
         {1, 3}},
        {ColorButton::haLeft, ColorButton::vaTop, true, false, true, 3, -2, {33, 16}, 12, {9, 3}},
    };
    for (const auto& c : cases) {
        ColorButtonState s;
        s.size = c.size;
        s.textHeight = c.textHeight;
        s.capAlignH = c.h;
        s.capAlignV = c.v;
        s.capFixed = c.capFixed;
        s.focused = c.focused;
        s.down = c.down;
        s.capOffsetH = c.offsetH;
        s.capOffsetV = c.offsetV;
        const auto g = colorButtonGeometry(s);
        EXPECT_EQ(g.textRect, QRect(c.topLeft, QSize(c.size.width(), c.textHeight)))
            << c.h << " " << c.v << " fixed " << c.capFixed << " down " << c.down;
    }
    auto s = state();
    s.style = ColorButton::bsIELike;
    s.capFixed = false;
    s.capAlignH = ColorButton::haLeft;
    EXPECT_EQ(colorButtonGeometry(s).textRect.left(), 5);
    EXPECT_EQ(colorButtonGeometry(s).textAlignment, Qt::AlignLeft);
}

} // namespace
} // namespace dorva
