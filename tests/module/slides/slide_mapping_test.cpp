#include "slides/corner_mark.h"
#include "slides/slide_colors.h"
#include "slides/slide_mapping.h"

#include <gtest/gtest.h>

namespace {

TEST(SlideMapping, RoundingIsHalfUp) {
    EXPECT_EQ(RoundHalfUp(2.5f), 3);
    EXPECT_EQ(RoundHalfUp(2.49f), 2);
    EXPECT_EQ(RoundHalfUp(-2.5f), -2);
    EXPECT_EQ(RoundHalfUp(-2.51f), -3);
    EXPECT_EQ(RoundHalfUp(0.f), 0);
}

TEST(SlideMapping, KeptAspectScalesByTheSmallerSideAndCentres) {
    // 100 x 50 into 40 x 40: scale 0.4, the figure 20 high is shifted down by 10.
    SlideMapping m;
    ASSERT_TRUE(SlideMappingFor(100, 50, QRect(0, 0, 40, 40), false, m));
    EXPECT_FLOAT_EQ(m.sx, 0.4f);
    EXPECT_FLOAT_EQ(m.sy, 0.4f);
    EXPECT_EQ(m.originX, 0);
    EXPECT_EQ(m.originY, 10);
    EXPECT_EQ(MapSlidePoint(m, 0, 50), QPoint(0, 10)); // top-left of the slide
    EXPECT_EQ(MapSlidePoint(m, 100, 0), QPoint(40, 30));
    EXPECT_EQ(MapSlidePoint(m, 51, 25), QPoint(20, 20)); // 20.4 and 10 + 10.0

    // The rectangle's own corner is added, and centring truncates an odd remainder.
    ASSERT_TRUE(SlideMappingFor(100, 50, QRect(5, 7, 41, 41), false, m));
    EXPECT_EQ(m.originX, 5);
    EXPECT_EQ(m.originY, 7 + (41 - 21) / 2); // 50 x 0.41 = 20.5 rounds to 21
}

TEST(SlideMapping, StretchUsesBothScalesFromTheCorner) {
    SlideMapping m;
    ASSERT_TRUE(SlideMappingFor(100, 50, QRect(3, 4, 40, 40), true, m));
    EXPECT_FLOAT_EQ(m.sx, 0.4f);
    EXPECT_FLOAT_EQ(m.sy, 0.8f);
    EXPECT_EQ(MapSlidePoint(m, 100, 0), QPoint(43, 44));
    EXPECT_EQ(MapSlidePoint(m, 0, 50), QPoint(3, 4));
    // y is flipped: slide y 10 lies (50 - 10) x 0.8 = 32 below the top.
    EXPECT_EQ(MapSlidePoint(m, 0, 10), QPoint(3, 36));
}

TEST(SlideMapping, EmptySlideSizeHasNoMapping) {
    SlideMapping m;
    EXPECT_FALSE(SlideMappingFor(0, 50, QRect(0, 0, 40, 40), false, m));
    EXPECT_FALSE(SlideMappingFor(50, 0, QRect(0, 0, 40, 40), true, m));
}

// The whole table: every numbered colour, the two foreground numbers and the black rest.
TEST(SlideColours, NumbersMapToTheirColours) {
    const COLORREF fore = 0x112233;
    const std::pair<int, COLORREF> table[] = {
        {1, 0x0000FF}, {2, 0x00FFFF}, {3, 0x00FF00},   {4, 0xFFFF00}, {5, 0xFF0000}, {6, 0xFF00FF},
        {7, fore},     {250, fore},   {255, 0xFFFFFF}, {0, 0},        {8, 0},        {249, 0},
        {251, 0},      {254, 0},      {256, 0},        {-7, 0},
    };
    for (const auto& [number, colour] : table)
        EXPECT_EQ(SlideColorToColorRef(number, fore), colour) << "colour " << number;
    EXPECT_EQ(ColorFromColorRef(0xA08867), QColor(0x67, 0x88, 0xA0));
    EXPECT_EQ(ColorRefFromColor(QColor(0x67, 0x88, 0xA0)), 0xA08867u);
}

TEST(CornerMark, StrokeCountGrowsWithScaledButtons) {
    EXPECT_EQ(CornerMarkStrokeCount(34, 34, false), 3);
    EXPECT_EQ(CornerMarkStrokeCount(200, 200, false), 3);
    EXPECT_EQ(CornerMarkStrokeCount(34, 34, true), 3); // 1 + trunc(68 / 24)
    EXPECT_EQ(CornerMarkStrokeCount(70, 34, true), 5); // 1 + trunc(104 / 24)
    EXPECT_EQ(CornerMarkStrokeCount(12, 11, true), 1); // 23 / 24 truncates to 0
    EXPECT_EQ(CornerMarkStrokeCount(12, 12, true), 2);
    EXPECT_EQ(g_cornerMarkColor, 0xA08867u);
}

TEST(CornerMark, StrokesFillATriangleInTheTopLeftCorner) {
    const auto strokes = CornerMarkStrokes(QRect(1, 1, 34, 34), 3);
    ASSERT_EQ(strokes.size(), 3u);
    EXPECT_EQ(strokes[0], QLine(1, 1, 1, 1));
    EXPECT_EQ(strokes[2], QLine(1, 3, 3, 1));
}

} // namespace
