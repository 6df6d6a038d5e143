#include "process_choices.h"
#include "station_test_support.h"

#include "stations/station_check.h"

#include "corekit/translation.h"
#include "frame/app.h"

#include <gtest/gtest.h>

using namespace orvane::test;
using WoSt::RowId;

namespace {

// Curves of a small heat exchanger: 60, 65 and 70 °C supply, 10 °C cold water.
std::vector<TestCurve> standardCurves() {
    return {{60, 10, 45, {{6, 350, 24}, {12, 800, 28}, {16, 1150, 32}}},
            {65, 10, 50, {{6, 300, 22}, {12, 700, 25}, {18, 1200, 30}}},
            {70, 10, 55, {{6, 280, 21}, {12, 650, 24}, {20, 1250, 29}}}};
}

class CheckTest : public ::testing::Test {
protected:
    CheckTest() : s(memory, "CHK", 2) {
        exchanger = s.exchanger("WT_10", standardCurves());
        daten = s.product("D_1", exchanger);
        s.daten(daten, WoSt::DatenColumn::KvPrim, {1.5});
        s.daten(daten, WoSt::DatenColumn::KvPwc, {2.0});
        s.daten(daten, WoSt::DatenColumn::OpeningPwc, {100});
        s.daten(daten, WoSt::DatenColumn::KvPwh, {2.0});
        s.daten(daten, WoSt::DatenColumn::OpeningPwh, {50});
        s.daten(daten, WoSt::DatenColumn::DpSecMin, {200.0});
        s.daten(daten, WoSt::DatenColumn::OperatingMode, {1});
        catalog = s.catalog();
        catalog.data = s.datenTable;
        catalog.heatExchangers = s.exchangers;
        catalog.distributorSets = s.table("VerteilerSets");
        wizard.catalog = &catalog;
        wizard.product.supported = 1;
        wizard.product.stationType = 0;
        wizard.product.dataRow = daten;
        wizard.product.heatExchangerId = exchanger;
    }

    void check() { WoSt::CheckStation(wizard); }
    const WoSt::tCheckDisplay& shown() const { return wizard.display; }
    QString errorText(const QString& error) const { return QStringLiteral("Fehler: ") + error; }
    // Checks and expects the error: shown in the error look, with drawing disabled.
    void expectError(const QString& error) {
        check();
        EXPECT_EQ(shown().result, errorText(error));
        EXPECT_EQ(shown().resultLook, WoSt::ResultLook::Error);
        EXPECT_FALSE(shown().drawEnabled);
    }

    void withFloorHeating(int maxCircuits) {
        s.daten(daten, WoSt::DatenColumn::TvlSecMin, {25});
        s.daten(daten, WoSt::DatenColumn::TvlSecMax, {45});
        if (maxCircuits > 0)
            wizard.product.distributorSetId =
                s.distributorSet("VS", {{"VT_BASE", 1.0, 0}, {"VT_MAX", 1.0, maxCircuits}});
        wizard.reqHz.tVL = 35.0;
        wizard.reqHz.tRL = 28.0;
    }

    ConstantWater water;
    WoSt::ScopedWaterProperties useWater{water};
    MemoryDb memory;
    MessageLog messages;
    StationDb s;
    RowId exchanger = 0, daten = 0;
    WoSt::tCatalog catalog;
    WoSt::tWizardState wizard;
};

const QString kDesignText = QStringLiteral("VL/RL-Temp.\t65/25 °C\r\n"
                                           "Druckverlust-TW\t409 mbar\r\n"
                                           "Druckverlust-HZ\t230 mbar\r\n"
                                           "Schaltung\t\tParallel");

const QString kNoCurve =
    QStringLiteral("Das gewählte Gerät kann für die angegebenen Temperaturen nicht ausgelegt werden.");

} // namespace

TEST_F(CheckTest, PassingCheckShowsTheDesignPointAndEnablesDrawing) {
    check();
    EXPECT_EQ(shown().result, kDesignText);
    EXPECT_EQ(shown().resultLook, WoSt::ResultLook::System);
    EXPECT_TRUE(shown().drawEnabled);
    EXPECT_FALSE(shown().fbhEnabled);
    EXPECT_EQ(wizard.design.tVL, 65.0);
    EXPECT_EQ(wizard.design.tW, 50.0);
    EXPECT_EQ(wizard.design.tK, 10.0);
    EXPECT_DOUBLE_EQ(wizard.design.vPrim, 700.0);
    EXPECT_DOUBLE_EQ(wizard.design.tRLPrim, 25.0);
    EXPECT_EQ(wizard.design.fr, 12.0);
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(CheckTest, DesignPointIsInterpolatedAndSupplyMayBeBelowTheCurve) {
    wizard.reqTw.tVL = 62.4; // whole degrees: 62, the 65 °C curve is less than 5 above
    wizard.reqTw.fr = 15.0;
    check();
    EXPECT_TRUE(shown().drawEnabled);
    EXPECT_EQ(wizard.design.tVL, 65.0);
    EXPECT_DOUBLE_EQ(wizard.design.vPrim, 950.0);
    EXPECT_DOUBLE_EQ(wizard.design.tRLPrim, 27.5);
}

TEST_F(CheckTest, HeatOutputGivenInsteadOfTapRate) {
    wizard.reqTw.fr = -1.0;
    wizard.reqTw.hr = 33600.0; // 12 l/min from 10 to 50 °C
    check();
    EXPECT_EQ(shown().result, kDesignText);
    EXPECT_EQ(wizard.design.hr, 33600.0);
}

TEST_F(CheckTest, WaterMeterAddsItsLossAndShowsItsBox) {
    s.daten(daten, WoSt::DatenColumn::WaterMeter, {1});
    wizard.product.hasWaterMeter = 1;
    wizard.waterMeterFlow = 1.44; // twice the flow of 12 l/min
    wizard.waterMeterDp = 100.0;
    check();
    EXPECT_TRUE(shown().result.contains("Druckverlust-TW\t434 mbar"));
    EXPECT_TRUE(shown().waterMeterVisible);
    EXPECT_FALSE(shown().heatMeterVisible);
}

TEST_F(CheckTest, SecondaryMinimumPressureWinsOverASmallPrimaryLoss) {
    s.daten(daten, WoSt::DatenColumn::KvPrim, {10.0}); // a = 5.184 mbar
    check();
    EXPECT_TRUE(shown().result.contains("Druckverlust-HZ\t200 mbar"));
    s.daten(daten, WoSt::DatenColumn::KvPrim, {0.0});
    s.daten(daten, WoSt::DatenColumn::DpSecMin, {-5.0});
    check();
    EXPECT_TRUE(shown().result.contains("Druckverlust-HZ\t0 mbar"));
}

TEST_F(CheckTest, OperatingModes) {
    const std::pair<int, QString> modes[] = {{0, "Vorrang"}, {2, "Vorrang/Parallel"}, {3, QString()}};
    for (const auto& [mode, text] : modes) {
        s.daten(daten, WoSt::DatenColumn::OperatingMode, {mode});
        check();
        EXPECT_TRUE(shown().result.endsWith(QStringLiteral("Schaltung\t\t") + text)) << mode;
    }
}

TEST_F(CheckTest, TemperaturesNoCurveReaches) {
    wizard.reqTw.tVL = 80.0;
    expectError("Die Vorlauftemperatur reicht nicht aus. Der größtmögliche Wert beträgt 70 °C.");
    for (double tVL : {55.0, -5.0}) {
        wizard.reqTw.tVL = tVL;
        expectError(kNoCurve);
    }
    wizard.reqTw.tVL = 65.0;
    wizard.reqTw.tK = 12.0;
    expectError(kNoCurve);
}

QString tooLarge(double fr, double largest) {
    return QStringLiteral("Die Zapfrate von %1 l/min ist zu groß. Der größtmögliche Wert des gewählten "
                          "Wärmetauschers beträgt %2 l/min. Verringern Sie die Zapfrate oder wählen Sie "
                          "einen größeren Wärmetauscher.")
        .arg(fr, 0, 'f', 2)
        .arg(largest, 0, 'f', 2);
}
QString tooSmall(double smallest) {
    return QStringLiteral("Der Volumenstrom ist zu klein. Der kleinstmögliche Wert beträgt %1 l/min.")
        .arg(smallest, 0, 'f', 2);
}

TEST_F(CheckTest, TapRateOutsideTheCharacteristic) {
    wizard.reqTw.fr = 20.0;
    expectError(tooLarge(20.0, 18.0));
    for (double small : {4.0, 0.0}) {
        wizard.reqTw.fr = small;
        expectError(tooSmall(6.0));
    }
    // The first and the last point belong to the characteristic.
    for (auto [fr, tRLPrim] : {std::pair{18.0, 30.0}, std::pair{6.0, 22.0}}) {
        wizard.reqTw.fr = fr;
        check();
        EXPECT_TRUE(shown().drawEnabled);
        EXPECT_DOUBLE_EQ(wizard.design.tRLPrim, tRLPrim);
    }
}

TEST_F(CheckTest, MissingCurveTablesStopWithAMessageAndKeepTheResult) {
    wizard.display.result = "earlier";
    wizard.display.drawEnabled = true;
    memory.addRow(s.exchangers, "WT_GONE");
    wizard.product.heatExchangerId = memory.idOf("WT_GONE");
    check();
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].text, "Tabelle Ansatz_Kennlinien.WT_GONE fehlt!");
    EXPECT_EQ(messages.entries()[0].icon, WoSt::MessageIcon::Stop);
    EXPECT_EQ(shown().result, "earlier");
    EXPECT_FALSE(shown().drawEnabled);

    memory.table("Heizung/Wohnungsstationen/Waermeuebertrager/Ansatz_Kennlinien.WT_HALF");
    wizard.product.heatExchangerId = memory.idOf("WT_HALF");
    check();
    ASSERT_EQ(messages.entries().size(), 2u);
    EXPECT_EQ(messages.entries()[1].text, "Tabelle Ansatz_Kennlinien.WT_HALF.Kennlinien fehlt!");
}

TEST_F(CheckTest, EmptyOrBrokenHeatExchangerData) {
    int n = 0;
    for (const std::vector<TestCurve>& curves : {std::vector<TestCurve>{}, {{65, 10, 50, {}}}}) {
        wizard.product.heatExchangerId = s.exchanger(QStringLiteral("WT_BAD%1").arg(++n), curves);
        expectError("Heat exchanger dataset is not available!");
    }
}

// The segment rule holds for points in any order, and a tap rate written as a point (values
// not exact in binary included) meets that point exactly.
TEST_F(CheckTest, SegmentRuleForAnyOrderAndExactPoints) {
    const std::vector<WoSt::tKennlinieItem> unsorted{{12, 700, 25}, {6, 300, 22}, {18, 1200, 30}};
    const std::vector<WoSt::tKennlinieItem> decimal{{5, 300, 20}, {9.81, 600, 24.5}, {13.88, 900, 30}};
    const std::vector<WoSt::tKennlinieItem> twoPoints{{6, 300, 22}, {19.6, 900, 29}};
    const std::vector<WoSt::tKennlinieItem> onePoint{{10, 600, 25}};
    const struct {
        std::vector<WoSt::tKennlinieItem> points;
        double fr;
        double tRLPrim; // expected when drawable
        QString error;
    } cases[] = {
        {unsorted, 9.0, 24.0, {}}, // the second segment (6 to 18) encloses it
        {unsorted, 12.0, 26.0, {}},
        {unsorted, 20.0, 0, tooLarge(20.0, 18.0)},
        {unsorted, 5.0, 0, "Der Volumenstrom ist zu klein. Der kleinstmögliche Wert beträgt 12.00 l/min."},
        {{{6, 300, 22}, {12, 700, 25}, {12, 700, 25}}, 12.0, 25.0, {}},
        {decimal, 13.88, 30.0, {}},
        {decimal, 9.81, 24.5, {}}, // exactly the point: prints 24, not 25
        {twoPoints, 19.6, 29.0, {}},
        {onePoint, 10.0, 0, tooLarge(10.0, 10.0)}, // a single point is no characteristic
        {onePoint, 14.0, 0, tooLarge(14.0, 10.0)},
        {onePoint, 9.0, 0, tooSmall(10.0)},
    };
    int n = 0;
    for (const auto& c : cases) {
        wizard.product.heatExchangerId =
            s.exchanger(QStringLiteral("WT_CASE_%1").arg(n++), {{65, 10, 50, c.points}});
        wizard.reqTw.fr = c.fr;
        check();
        if (c.error.isEmpty()) {
            EXPECT_TRUE(shown().drawEnabled) << c.fr << qPrintable(shown().result);
            EXPECT_EQ(wizard.design.tRLPrim, float(c.tRLPrim)) << c.fr;
        } else {
            EXPECT_EQ(shown().result, errorText(c.error)) << c.fr;
            EXPECT_FALSE(shown().drawEnabled) << c.fr;
        }
    }
}

TEST_F(CheckTest, HeatingRodCoversTheLastDegrees) {
    wizard.product.heatExchangerId = s.exchanger("WT_LOW", {{65, 10, 45, {{6, 300, 22}, {18, 1200, 30}}}});
    wizard.reqTw.tW = 50.0;
    expectError(kNoCurve); // no rod: no second search

    // 1000 kg/m³ · 4200 J/(kg·K) · 0.2 l/s · 5 K = 4200 W
    s.daten(daten, WoSt::DatenColumn::HeatingRodPower, {3000});
    expectError(QStringLiteral("Die maximale elektrische Leistung des Zusatzheizstabs reicht "
                               "nicht aus. Erforderlich ist 4.2kW."));

    s.daten(daten, WoSt::DatenColumn::HeatingRodPower, {5000});
    check();
    EXPECT_TRUE(shown().drawEnabled);
    EXPECT_TRUE(shown().result.startsWith("VL/RL-Temp.\t65/26 °C, Heizstab 4200 W\r\n"));
    EXPECT_EQ(wizard.design.tW, 45.0);
}

TEST_F(CheckTest, FloorHeatingWithDistributorInTheDevice) {
    withFloorHeating(4);
    wizard.reqHz.nFbh = 3;
    check();
    EXPECT_TRUE(shown().fbhEnabled);
    EXPECT_EQ(wizard.reqHz.fbhPossible, 1);
    EXPECT_EQ(wizard.reqHz.tVLMin, 25);
    EXPECT_EQ(wizard.reqHz.tVLMax, 45);
    EXPECT_EQ(shown().hzSummary, "VL/RL-Temp. 35/28 °C\r\nFBH-Kreise: 3 Stück");
    EXPECT_EQ(shown().result, kDesignText);
    EXPECT_TRUE(shown().drawEnabled);

    wizard.reqHz.nFbh = 0;
    expectError(QStringLiteral("Die gewählte Station enthält einen Fußbodenheizungs-Verteiler. "
                               "Bei Bedarf bitte Anzahl der FBH-Kreise festlegen."));
    EXPECT_EQ(shown().hzSummary, "VL/RL-Temp. 35/28 °C");

    wizard.reqHz.nFbh = 5;
    check();
    EXPECT_EQ(shown().result, errorText(QStringLiteral(
                                  "Die gewählte Station kann maximal 4 Heizkreise am Verteiler aufnehmen.")));
    EXPECT_EQ(shown().hzSummary, QString());

    wizard.reqHz.nFbh = 4;
    for (auto [tVL, tRL] : {std::pair{55.0, 28.0}, std::pair{35.0, 18.0}}) {
        wizard.reqHz.tVL = tVL;
        wizard.reqHz.tRL = tRL;
        expectError(QStringLiteral("VL/RL-Temp. %1/%2 °C").arg(tVL).arg(tRL));
    }
}

TEST_F(CheckTest, FloorHeatingWithExternalDistributor) {
    withFloorHeating(0);
    check();
    const QString note =
        QStringLiteral("An diese Wohnungsstation kann ein externer FBH-Verteiler angeschlossen werden. "
                       "Einstellungen können bei Bedarf an dem externen FBH-Verteiler vorgenommen "
                       "werden.");
    EXPECT_EQ(shown().result, note);
    EXPECT_EQ(shown().resultLook, WoSt::ResultLook::System);
    EXPECT_TRUE(shown().drawEnabled);
    EXPECT_EQ(shown().hzSummary, "VL/RL-Temp. 35/28 °C");

    wizard.reqHz.nFbh = 2;
    expectError(QStringLiteral("Die gewählte Station enthält keinen FBH-Verteiler. Bitte "
                               "Anzahl der FBH-Kreise auf 0 setzen."));
}

TEST_F(CheckTest, FloorHeatingRulesFollowATapRateError) {
    withFloorHeating(4);
    wizard.reqTw.fr = 30.0;
    wizard.reqHz.nFbh = 2;
    check();
    EXPECT_TRUE(shown().result.contains("ist zu groß"));
    EXPECT_EQ(shown().hzSummary, "VL/RL-Temp. 35/28 °C\r\nFBH-Kreise: 2 Stück");
}

TEST_F(CheckTest, WithoutFloorHeatingTheSummaryIsCleared) {
    wizard.display.hzSummary = "old";
    check();
    EXPECT_EQ(shown().hzSummary, QString());
    EXPECT_EQ(wizard.reqHz.fbhPossible, 0);
}

TEST_F(CheckTest, NothingHappensWithoutCatalogueOrSupportedProduct) {
    wizard.display.result = "kept";
    wizard.display.drawEnabled = true;
    wizard.product.supported = 0;
    check();
    wizard.product.supported = 1;
    wizard.catalog = nullptr;
    check();
    EXPECT_EQ(shown().result, "kept");
    EXPECT_TRUE(shown().drawEnabled);
}

TEST_F(CheckTest, DrinkingWaterSummaryThenCheck) {
    WoSt::UpdateTwSummary(wizard);
    EXPECT_EQ(shown().twSummary,
              "Zapfrate\t\t12 l/min, 50 °C\r\nWärmeleistung-TW\t33600 W\r\nVorlauftemp.\t65 °C");
    EXPECT_EQ(shown().result, kDesignText);
}

// The module's translation in the planner's language, as the module's start-up registers it.
class EnglishModule {
public:
    EnglishModule() { g_pTranslationModule = CTranslationManager::GetInstance().AddModule(kModuleName); }
    ~EnglishModule() { g_pTranslationModule = m_previousModule; }

private:
    LanguageScope m_language{"en"};
    CTranslationModule* m_previousModule = g_pTranslationModule;
};

TEST_F(CheckTest, TextsAreShownInThePlannersLanguage) {
    const EnglishModule english;
    withFloorHeating(0);
    WoSt::UpdateTwSummary(wizard);
    EXPECT_EQ(shown().twSummary,
              "Tap rate\t\t12 l/min, 50 °C\r\nHeat output DW\t33600 W\r\nSupply temp.\t65 °C");
    EXPECT_EQ(shown().hzSummary, "Supply/return temp. 35/28 °C");
    EXPECT_TRUE(shown().result.startsWith("An external underfloor-heating manifold"));

    wizard.reqHz.fbhPossible = 0;
    s.daten(daten, WoSt::DatenColumn::TvlSecMin, {0});
    check();
    EXPECT_EQ(shown().result, QStringLiteral("Supply/return temp.\t65/25 °C\r\n"
                                             "Pressure loss DW\t409 mbar\r\n"
                                             "Pressure loss HTG\t230 mbar\r\n"
                                             "Operating mode\t\tParallel"));
    wizard.reqTw.tVL = 80.0;
    check();
    EXPECT_EQ(shown().result,
              QStringLiteral(
                  "Error: The supply temperature is not sufficient. The highest possible value is 70 °C."));
    wizard.reqTw.tVL = 65.0;
    wizard.reqTw.fr = 30.0;
    check();
    EXPECT_TRUE(shown().result.startsWith("Error: The tap rate of 30.00 l/min is too high."))
        << qPrintable(shown().result);
}

TEST(ResultColors, ErrorsAreRedOnButtonFace) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::ButtonText, QColor(200, 210, 220));
    EXPECT_EQ(WoSt::ResultColors(WoSt::ResultLook::Error, palette),
              std::make_pair(QColor(255, 0, 0), QColor(10, 20, 30)));
    EXPECT_EQ(WoSt::ResultColors(WoSt::ResultLook::System, palette),
              std::make_pair(QColor(200, 210, 220), QColor(10, 20, 30)));
}
