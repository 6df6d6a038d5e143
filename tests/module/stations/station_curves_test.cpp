#include "stations/station_curves.h"

#include <gtest/gtest.h>

using WoSt::tAnsatzKennlinieItem;
using WoSt::tKennlinieItem;

namespace {

std::vector<tAnsatzKennlinieItem> sorted(std::vector<tAnsatzKennlinieItem> items) {
    WoSt::SortAnsatzKennlinien(items);
    return items;
}

TEST(FittedCurves, SortByTemperaturesInTurn) {
    const auto items = sorted({{1, 65, 10, 50}, {2, 60, 12, 45}, {3, 60, 10, 55}, {4, 60, 10, 45}});
    std::vector<std::int64_t> rows;
    for (const auto& item : items)
        rows.push_back(item.row);
    EXPECT_EQ(rows, (std::vector<std::int64_t>{4, 3, 2, 1}));
}

// The row of the curve found for the wanted temperatures, -1 for none.
TEST(FittedCurves, OperatingPointOfTheWantedTemperatures) {
    const auto steps = sorted({{1, 60, 10, 50}, {2, 65, 10, 50}, {3, 70, 10, 50}});
    const auto gap = sorted({{1, 60, 10, 50}, {3, 70, 10, 50}});
    const auto mixed = sorted({{1, 60, 10, 45}, {2, 60, 10, 55}, {3, 60, 15, 45}, {4, 60, 15, 60}});
    const auto rodAndHotter = sorted({{1, 60, 10, 40}, {2, 60, 10, 45}, {3, 60, 10, 48}, {4, 65, 10, 70}});
    const auto only60 = sorted({{1, 60, 10, 40}, {2, 60, 10, 45}, {3, 60, 10, 48}});
    const auto rowZero = sorted({{0, 60, 10, 50}});
    const std::vector<tAnsatzKennlinieItem> none;
    struct Case {
        const std::vector<tAnsatzKennlinieItem>& items;
        int tVL, tK, tW;
        bool rod;
        std::int64_t row;
    };
    const Case cases[] = {
        // The supply temperature may lie up to five degrees below a curve's.
        {steps, 62, 10, 50, false, 2},
        {steps, 60, 10, 50, false, 1},
        {steps, 65, 10, 50, false, 2},
        {gap, 62, 10, 50, false, -1},
        {gap, 65, 10, 50, false, -1}, // 70 is five above, not less
        {gap, 75, 10, 50, false, -1},
        // Cold and hot water are searched onward from the supply match.
        {mixed, 60, 10, 50, false, 2},
        {mixed, 60, 12, 50, false, 4},
        {mixed, 60, 12, 40, false, 3},
        {mixed, 60, 16, 40, false, -1},
        {mixed, 60, 10, 61, false, -1},
        // Without a heating rod the search runs on into hotter supply curves; with one it
        // takes the hottest curve of the supply temperature, unless a curve reaches by itself.
        {rodAndHotter, 60, 10, 55, false, 4},
        {only60, 60, 10, 55, false, -1},
        {only60, 60, 10, 55, true, 3},
        {only60, 60, 10, 44, true, 2},
        // Row 0 is no operating point.
        {rowZero, 60, 10, 50, false, -1},
        {rowZero, 60, 10, 50, true, -1},
        {none, 60, 10, 50, true, -1},
    };
    for (const Case& c : cases) {
        const auto found = WoSt::FindOperatingPoint(c.items, c.tVL, c.tK, c.tW, c.rod);
        EXPECT_EQ(found ? c.items[*found].row : -1, c.row)
            << c.tVL << "/" << c.tK << "/" << c.tW << (c.rod ? " with rod" : "");
    }
}

// Segments include their start, the last one its end too; flows closer than 1e-10 are equal.
TEST(Characteristic, SegmentOfAFlow) {
    const std::vector<tKennlinieItem> points{{5, 300, 20}, {10, 600, 25}, {20, 1300, 30}};
    const std::pair<double, int> cases[] = {{5.0, 0},  {9.99, 0},         {10.0, 1},
                                            {20.0, 1}, {20.0 + 1e-11, 1}, {20.0 + 1e-9, -1},
                                            {4.9, -1}, {5.0 - 1e-9, -1},  {5.0 - 1e-11, 0}};
    for (const auto& [flow, segment] : cases) {
        const auto found = WoSt::FindSegment(points, flow);
        EXPECT_EQ(found ? int(*found) : -1, segment) << flow;
    }
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

} // namespace
