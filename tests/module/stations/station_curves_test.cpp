#include "stations/station_curves.h"

#include <gtest/gtest.h>

using WoSt::tAnsatzKennlinieItem;
using WoSt::tKennlinieItem;

namespace {

std::vector<tAnsatzKennlinieItem> sorted(std::vector<tAnsatzKennlinieItem> items) {
    WoSt::SortAnsatzKennlinien(items);
    return items;
}

std::int64_t rowAt(const std::vector<tAnsatzKennlinieItem>& items, std::optional<size_t> index) {
    return index ? items[*index].row : -1;
}

} // namespace

TEST(FittedCurves, SortByTemperaturesInTurn) {
    const auto items = sorted({{1, 65, 10, 50}, {2, 60, 12, 45}, {3, 60, 10, 55}, {4, 60, 10, 45}});
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].row, 4);
    EXPECT_EQ(items[1].row, 3);
    EXPECT_EQ(items[2].row, 2);
    EXPECT_EQ(items[3].row, 1);
}

TEST(FittedCurves, SupplyTemperatureMayLieUpToFiveDegreesAbove) {
    const auto items = sorted({{1, 60, 10, 50}, {2, 65, 10, 50}, {3, 70, 10, 50}});
    EXPECT_EQ(rowAt(items, WoSt::FindOperatingPoint(items, 62, 10, 50, false)), 2);
    EXPECT_EQ(rowAt(items, WoSt::FindOperatingPoint(items, 60, 10, 50, false)), 1);
    EXPECT_EQ(rowAt(items, WoSt::FindOperatingPoint(items, 65, 10, 50, false)), 2);

    const auto gap = sorted({{1, 60, 10, 50}, {3, 70, 10, 50}});
    EXPECT_FALSE(WoSt::FindOperatingPoint(gap, 62, 10, 50, false));
    EXPECT_FALSE(WoSt::FindOperatingPoint(gap, 65, 10, 50, false)); // 70 is five above, not less
    EXPECT_FALSE(WoSt::FindOperatingPoint(gap, 75, 10, 50, false));
}

TEST(FittedCurves, ColdAndHotWaterAreSearchedOnwardFromTheSupplyMatch) {
    const auto items = sorted({{1, 60, 10, 45}, {2, 60, 10, 55}, {3, 60, 15, 45}, {4, 60, 15, 60}});
    EXPECT_EQ(rowAt(items, WoSt::FindOperatingPoint(items, 60, 10, 50, false)), 2);
    EXPECT_EQ(rowAt(items, WoSt::FindOperatingPoint(items, 60, 12, 50, false)), 4);
    EXPECT_EQ(rowAt(items, WoSt::FindOperatingPoint(items, 60, 12, 40, false)), 3);
    EXPECT_FALSE(WoSt::FindOperatingPoint(items, 60, 16, 40, false));
    EXPECT_FALSE(WoSt::FindOperatingPoint(items, 60, 10, 61, false));
}

TEST(FittedCurves, HeatingRodTakesTheHottestCurveOfTheSupplyTemperature) {
    const auto items = sorted({{1, 60, 10, 40}, {2, 60, 10, 45}, {3, 60, 10, 48}, {4, 65, 10, 70}});
    // Without rod the search runs on into the 65 °C curves.
    EXPECT_EQ(rowAt(items, WoSt::FindOperatingPoint(items, 60, 10, 55, false)), 4);

    const auto only60 = sorted({{1, 60, 10, 40}, {2, 60, 10, 45}, {3, 60, 10, 48}});
    EXPECT_FALSE(WoSt::FindOperatingPoint(only60, 60, 10, 55, false));
    EXPECT_EQ(rowAt(only60, WoSt::FindOperatingPoint(only60, 60, 10, 55, true)), 3);
    // A curve that reaches the temperature by itself is taken before the rod is considered.
    EXPECT_EQ(rowAt(only60, WoSt::FindOperatingPoint(only60, 60, 10, 44, true)), 2);
}

TEST(FittedCurves, RowZeroIsNoOperatingPoint) {
    const auto items = sorted({{0, 60, 10, 50}});
    EXPECT_FALSE(WoSt::FindOperatingPoint(items, 60, 10, 50, false));
    EXPECT_FALSE(WoSt::FindOperatingPoint(items, 60, 10, 50, true));
    EXPECT_FALSE(WoSt::FindOperatingPoint({}, 60, 10, 50, true));
}

TEST(Characteristic, SegmentsIncludeTheirStartAndTheLastItsEnd) {
    const std::vector<tKennlinieItem> points{{5, 300, 20}, {10, 600, 25}, {20, 1300, 30}};
    EXPECT_EQ(WoSt::FindSegment(points, 5.0), std::optional<size_t>(0));
    EXPECT_EQ(WoSt::FindSegment(points, 9.99), std::optional<size_t>(0));
    EXPECT_EQ(WoSt::FindSegment(points, 10.0), std::optional<size_t>(1));
    EXPECT_EQ(WoSt::FindSegment(points, 20.0), std::optional<size_t>(1));
    EXPECT_EQ(WoSt::FindSegment(points, 20.0 + 1e-11), std::optional<size_t>(1));
    EXPECT_FALSE(WoSt::FindSegment(points, 20.0 + 1e-9));
    EXPECT_FALSE(WoSt::FindSegment(points, 4.9));
    EXPECT_FALSE(WoSt::FindSegment(points, 5.0 - 1e-9));
    EXPECT_EQ(WoSt::FindSegment(points, 5.0 - 1e-11), std::optional<size_t>(0));
}

TEST(Characteristic, FewerThanTwoPointsHaveNoSegment) {
    EXPECT_FALSE(WoSt::FindSegment({}, 1.0));
    EXPECT_FALSE(WoSt::FindSegment({{10, 600, 25}}, 10.0));
}

TEST(Characteristic, InterpolatesInProportion) {
    const std::vector<tKennlinieItem> points{{10, 600, 25}, {20, 1300, 31}};
    const tKennlinieItem at = WoSt::Interpolate(points, 0, 12.5);
    EXPECT_DOUBLE_EQ(at.flow, 12.5);
    EXPECT_DOUBLE_EQ(at.vPrim, 775.0);
    EXPECT_DOUBLE_EQ(at.tRLPrim, 26.5);
}

TEST(Characteristic, AscendingMeansStrictlyRising) {
    EXPECT_TRUE(WoSt::IsAscending({{5, 0, 0}, {6, 0, 0}}));
    EXPECT_TRUE(WoSt::IsAscending({{5, 0, 0}}));
    EXPECT_FALSE(WoSt::IsAscending({{5, 0, 0}, {5, 0, 0}}));
    EXPECT_FALSE(WoSt::IsAscending({{6, 0, 0}, {5, 0, 0}, {7, 0, 0}}));
}
