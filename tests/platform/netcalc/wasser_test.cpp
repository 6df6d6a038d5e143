// Water properties against the verification values published with the formulation
// (region 1 and the saturation line), and the behaviour at the edges of region 1.

#include "netcalc/wasser.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Agreement to the nine significant digits the verification tables give: within half a unit
// of the ninth digit.
void expectDigits(double actual, double published) {
    const double halfUnit = 0.5 * std::pow(10.0, std::floor(std::log10(std::abs(published))) - 8);
    EXPECT_NEAR(actual, published, halfUnit) << "published " << published;
}

} // namespace

TEST(Region1, MatchesThePublishedVerificationValues) {
    struct Point {
        double T, p, v, h, cp;
    };
    const Point points[] = {
        {300.0, 3.0, 0.100215168e-2, 0.115331273e3, 0.417301218e1},
        {300.0, 80.0, 0.971180894e-3, 0.184142828e3, 0.401008987e1},
        {500.0, 3.0, 0.120241800e-2, 0.975542239e3, 0.465580682e1},
    };
    for (const Point& pt : points) {
        SCOPED_TRACE(testing::Message() << "T=" << pt.T << " K, p=" << pt.p << " MPa");
        expectDigits(netcalc::Region1::specificVolume(pt.T, pt.p), pt.v);
        expectDigits(netcalc::Region1::enthalpy(pt.T, pt.p), pt.h);
        expectDigits(netcalc::Region1::isobaricHeatCapacity(pt.T, pt.p), pt.cp);
    }
}

TEST(Region4, SaturationTemperatureMatchesThePublishedValues) {
    expectDigits(netcalc::saturationTemperature(0.1), 0.372755919e3);
    expectDigits(netcalc::saturationTemperature(1.0), 0.453035632e3);
    expectDigits(netcalc::saturationTemperature(10.0), 0.584149488e3);
}

TEST(CWasser, GivesDensityAndHeatCapacityInTheUnitsOfTheHydraulicCalculation) {
    const CWasser at3MPa(3.0);
    // 26.85 °C is 300 K: the first verification point, in kg/m³ and J/(kg·K).
    EXPECT_NEAR(at3MPa.Dichte(26.85), 1.0 / 0.100215168e-2, 1e-5);
    EXPECT_NEAR(at3MPa.SpezWaermeKapazitaet(26.85), 4173.01218, 1e-4);

    // At the default heating-circuit pressure: water is densest near 4 °C, and the familiar
    // values around room and hot-water temperatures hold.
    const CWasser water;
    EXPECT_DOUBLE_EQ(water.Pressure(), CWasser::kDefaultPressureMPa);
    EXPECT_GT(water.Dichte(4.0), water.Dichte(0.5));
    EXPECT_GT(water.Dichte(4.0), water.Dichte(8.0));
    EXPECT_NEAR(water.Dichte(20.0), 998.3, 0.3);
    EXPECT_NEAR(water.Dichte(60.0), 983.3, 0.3);
    EXPECT_NEAR(water.SpezWaermeKapazitaet(40.0), 4179.0, 2.0);
}

TEST(CWasser, ClampsTemperaturesToLiquidWater) {
    const CWasser water(0.1); // boils at 99.6 °C
    EXPECT_NEAR(water.MaxTemperature(), 372.755919 - 273.15 - 0.01, 1e-6);
    EXPECT_DOUBLE_EQ(water.Dichte(150.0), water.Dichte(water.MaxTemperature()));
    EXPECT_DOUBLE_EQ(water.Dichte(-20.0), water.Dichte(0.0));
    EXPECT_DOUBLE_EQ(water.SpezWaermeKapazitaet(-20.0), water.SpezWaermeKapazitaet(0.0));
    EXPECT_TRUE(std::isfinite(water.Dichte(NAN)));
    EXPECT_GT(water.Dichte(150.0), 900.0) << "still liquid, not steam";

    const CWasser highPressure(20.0); // above the saturation line's use: region 1 ends at 350 °C
    EXPECT_NEAR(highPressure.MaxTemperature(), 350.0 - 0.01, 1e-9);
}
