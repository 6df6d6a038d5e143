#include "station_test_support.h"

#include "stations/station_requirements.h"

#include <gtest/gtest.h>

using namespace orvane::test;

class RequirementsTest : public ::testing::Test {
protected:
    ConstantWater water;
    WoSt::ScopedWaterProperties useWater{water};
};

TEST_F(RequirementsTest, TapRateAndHeatOutputConvertIntoEachOther) {
    WoSt::tReqTw req; // 10 °C to 50 °C, 12 l/min
    // 1000 kg/m³ · 4200 J/(kg·K) · 0.2 l/s · 40 K
    EXPECT_DOUBLE_EQ(WoSt::WaermeleistungOf(req), 33600.0);
    EXPECT_DOUBLE_EQ(WoSt::ZapfrateOf(req), 12.0);

    req.fr = -1.0;
    req.hr = 33600.0;
    EXPECT_DOUBLE_EQ(WoSt::ZapfrateOf(req), 12.0);
    EXPECT_DOUBLE_EQ(WoSt::WaermeleistungOf(req), 33600.0);
    // A tap rate of 0 is given, not missing: the heat output does not replace it.
    req.fr = 0.0;
    EXPECT_EQ(WoSt::ZapfrateOf(req), 0.0);
}

// Nothing given, or a heat output without a temperature rise, gives no tap rate.
TEST_F(RequirementsTest, NothingGivenMeansZero) {
    WoSt::tReqTw req;
    req.fr = -1.0;
    req.hr = -1.0;
    EXPECT_EQ(WoSt::ZapfrateOf(req), 0.0);
    EXPECT_EQ(WoSt::WaermeleistungOf(req), 0.0);
    req.hr = 20000.0;
    req.tK = req.tW = 40.0;
    EXPECT_EQ(WoSt::ZapfrateOf(req), 0.0);
}

TEST(RequirementsWithRealWater, ConversionUsesTheWaterOfFiftyDegrees) {
    // Liquid water at 50 °C: density 988.0 kg/m³, specific heat 4.181 kJ/(kg·K).
    WoSt::tReqTw req;
    const double expected = 988.0 * 4181.0 * (12.0 / 60000.0) * 40.0;
    EXPECT_NEAR(WoSt::WaermeleistungOf(req), expected, expected * 1e-3);
    req.fr = -1.0;
    req.hr = expected;
    EXPECT_NEAR(WoSt::ZapfrateOf(req), 12.0, 12.0 * 1e-3);
}
