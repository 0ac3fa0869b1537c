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
    const auto hL = ColorButton::haLeft, hC = ColorButton::haCenter, hR = ColorButton::haRight;
    const auto vT = ColorButton::vaTop, vC = ColorButton::vaCenter, vB = ColorButton::vaBottom;
    // On a 33 x 16 button.
    struct Case {
        ColorButton::HAlignment h;
        ColorButton::VAlignment v;
        bool capFixed, focused, down;
        int offsetH, offsetV, textHeight;
        QPoint topLeft;
    } const cases[] = {
        {hC, vC, true, false, false, 0, 0, 12, {0, 2}},
        {hC, vC, true, false, false, 0, 0, 13, {0, 1}},
        {hC, vC, true, false, false, 0, 0, 23, {0, -3}},
        {hL, vT, true, false, false, 0, 0, 12, {5, 4}},
        {hR, vB, true, false, false, 0, 0, 12, {-5, -1}},
        {hL, vT, false, false, false, 0, 0, 12, {4, 3}},
        {hR, vB, false, false, false, 0, 0, 12, {-4, 0}},
        {hL, vT, false, true, false, 0, 0, 12, {5, 4}},
        {hC, vC, false, false, false, 0, 0, 12, {0, 2}},
        {hC, vC, true, false, true, 0, 0, 12, {1, 3}},
        {hL, vT, true, false, true, 3, -2, 12, {9, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.h << " " << c.v << " fixed " << c.capFixed << " focused " << c.focused
                     << " down " << c.down << " text " << c.textHeight);
        ColorButtonState s;
        s.size = QSize(33, 16);
        s.textHeight = c.textHeight;
        s.capAlignH = c.h;
        s.capAlignV = c.v;
        s.capFixed = c.capFixed;
        s.focused = c.focused;
        s.down = c.down;
        s.capOffsetH = c.offsetH;
        s.capOffsetV = c.offsetV;
        EXPECT_EQ(colorButtonGeometry(s).textRect, QRect(c.topLeft, QSize(33, c.textHeight)));
    }
    auto s = state(ColorButton::bsIELike);
    s.capFixed = false;
    s.capAlignH = hL;
    EXPECT_EQ(colorButtonGeometry(s).textRect.left(), 5);
    EXPECT_EQ(colorButtonGeometry(s).textAlignment, Qt::AlignLeft);
}

} // namespace
} // namespace dorva
