// The two requirement dialogs' logic: what the fields show, the conversions between heat
// output and tap rate, "what changed", the ranges and the heating-rod rule.

#include "station_test_support.h"

#include "stations/requirement_forms.h"

#include <gtest/gtest.h>

using namespace orvane::test;
using namespace WoSt;

namespace {

class TwFormTest : public ::testing::Test {
protected:
    ConstantWater water; // 1000 kg/m³, 4200 J/(kg·K): 12 l/min from 10 to 50 °C are 33600 W
    ScopedWaterProperties useWater{water};
    MessageLog messages;
};

} // namespace

TEST_F(TwFormTest, FieldsShowEachOthersConversionRounded) {
    tReqTw req;
    EXPECT_EQ(CTwRequirementForm(req, {}).Entries().heat, "33600");
    req.fr = -1.0;
    req.hr = 10000.0; // 3.5714 l/min
    const tTwEntries shown = CTwRequirementForm(req, {}).Entries();
    EXPECT_EQ(
        std::tie(shown.tK, shown.tW, shown.heat, shown.tapRate, shown.tVL),
        std::make_tuple(QString("10"), QString("50"), QString("10000"), QString("3.57"), QString("65")));
}

TEST_F(TwFormTest, ChangedFieldDecidesWhichValueIsGiven) {
    CTwRequirementForm form(tReqTw{}, {});
    tTwEntries e = form.Entries();
    e.heat = "10000";
    ASSERT_FALSE(form.Read(e));
    EXPECT_EQ(std::tie(form.Record().hr, form.Record().fr), std::make_tuple(10000.0, -1.0));
    // Reading what is shown again changes nothing, although the tap rate shown is rounded.
    ASSERT_FALSE(form.Read(form.Entries()));
    EXPECT_EQ(std::tie(form.Record().hr, form.Record().fr), std::make_tuple(10000.0, -1.0));
    e = form.Entries();
    e.tapRate = "10,5";
    ASSERT_FALSE(form.Read(e));
    EXPECT_EQ(std::tie(form.Record().hr, form.Record().fr), std::make_tuple(-1.0, 10.5));
    EXPECT_EQ(form.Entries().heat, "29400");
    ASSERT_FALSE(form.ChooseTapRate(form.Entries(), 25));
    EXPECT_EQ(std::tie(form.Record().hr, form.Record().fr), std::make_tuple(-1.0, 25.0));
    // Temperatures are taken only when they differ after rounding.
    e = form.Entries();
    e.tK = "10.4";
    e.tW = "55";
    ASSERT_FALSE(form.Read(e));
    EXPECT_EQ(std::tie(form.Record().tK, form.Record().tW), std::make_tuple(10.0, 55.0));
}

TEST_F(TwFormTest, RangesAndTheHeatingRodRule) {
    struct Case {
        const char* field;
        const char* entry;
        tTwProductInfo product;
        int control; // 0: accepted
        const char* message;
        bool rodMessage;
    };
    const tTwProductInfo noRod{true, 0}, rod{true, 6000};
    const Case cases[] = {
        {"tK", "21", {}, TwControl::ColdTemperature, "Geben Sie eine Zahl zwischen 0 und 20 ein.", false},
        {"tK", "-0.5", {}, TwControl::ColdTemperature, "Geben Sie eine Zahl zwischen 0 und 20 ein.", false},
        {"tW", "24.9", {}, TwControl::HotTemperature, "Geben Sie eine Zahl zwischen 25 und 100 ein.", false},
        {"heat", "-1", {}, TwControl::HeatOutput, "Geben Sie eine Zahl zwischen 0 und 100000000 ein.", false},
        {"tap", "viel", {}, TwControl::TapRate, "Geben Sie eine Zahl ein.", false},
        {"tVL", "45", noRod, TwControl::SupplyTemperature, "Geben Sie eine Zahl zwischen 50 und 100 ein.",
         true},
        {"tVL", "101", noRod, TwControl::SupplyTemperature, "Geben Sie eine Zahl zwischen 50 und 100 ein.",
         false},
        {"tVL", "20", rod, 0, "", false},
        {"tVL", "19", rod, TwControl::SupplyTemperature, "Geben Sie eine Zahl zwischen 20 und 100 ein.",
         false},
        {"tVL", "5", {}, 0, "", false}, // without a product the supply is not checked
    };
    for (const Case& c : cases) {
        MessageLog log;
        CTwRequirementForm form(tReqTw{}, c.product);
        tTwEntries e = form.Entries();
        QString& field = QString(c.field) == "tK"     ? e.tK
                         : QString(c.field) == "tW"   ? e.tW
                         : QString(c.field) == "heat" ? e.heat
                         : QString(c.field) == "tap"  ? e.tapRate
                                                      : e.tVL;
        field = c.entry;
        const auto error = form.Read(e);
        SCOPED_TRACE(std::string(c.field) + "=" + c.entry);
        EXPECT_EQ(error ? error->control : 0, c.control);
        if (error && QString(c.message).contains(" und ")) {
            EXPECT_EQ(error->message, c.message);
        }
        EXPECT_EQ(
            log.texts().contains("Das aktuell gewählte Gerät enthält keine zusätzliche elektrische Heizung."),
            c.rodMessage);
        if (!error && QString(c.field) == "tVL") {
            EXPECT_EQ(form.Record().tVL, QString(c.entry).toDouble());
        }
        if (error) {
            EXPECT_EQ(form.Record().tVL, 65.0) << "nothing is taken from refused entries";
        }
    }
}

TEST(RequirementForms, TapRateChoices) {
    EXPECT_EQ(TapRateChoices(), (std::vector<int>{8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 25, 30}));
}

TEST(RequirementForms, FloorHeatingRanges) {
    CHzRequirementForm form(floorHeatingRequest());
    EXPECT_EQ(form.GroupTitle("Sekundärseite"), "Sekundärseite: 25-45 °C");
    EXPECT_FALSE(CHzRequirementForm::CircuitFieldsEnabled(0));
    EXPECT_TRUE(CHzRequirementForm::CircuitFieldsEnabled(1));
    struct Case {
        tHzEntries entries;
        int control;
    };
    const Case cases[] = {
        {{"46", "28", "0", "0", "0", "0"}, HzControl::SupplyTemperature},
        {{"35", "35", "0", "0", "0", "0"}, HzControl::ReturnTemperature}, // at most tVL - 1
        {{"35", "34", "101", "0", "0", "0"}, HzControl::Circuits},
        {{"35", "34", "2.5", "0", "0", "0"}, HzControl::Circuits},
        {{"35", "34", "4", "1000001", "0", "0"}, HzControl::HeatOutput},
        {{"35", "34", "4", "0", "-1", "0"}, HzControl::PressureLoss},
        {{"35", "34", "4", "0", "0", "x"}, HzControl::WaterContent},
    };
    for (const Case& c : cases) {
        const auto error = form.Read(c.entries);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->control, c.control);
        EXPECT_EQ(form.Record().tRL, 28.0) << "a refused dialog takes nothing";
    }
    ASSERT_FALSE(form.Read({"40", "30", "4", "2000", "15000", "12"}));
    EXPECT_EQ(std::tie(form.Record().tVL, form.Record().tRL, form.Record().nFbh, form.Record().q,
                       form.Record().dp, form.Record().vol),
              std::make_tuple(40.0, 30.0, 4, 2000.0, 15000.0, 12.0));
}
