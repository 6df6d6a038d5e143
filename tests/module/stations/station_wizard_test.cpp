// The wizard's state without its window: catalogue choice, the cascade of level boxes, the
// stored settings, fetching a drawn station back, the end buttons and the meter gaps.

#include "station_test_support.h"
#include "test_folder.h"

#include "stations/station_wizard.h"

#include "corekit/node.h"
#include "corekit/registry.h"

#include <gtest/gtest.h>

using namespace orvane::test;
using namespace WoSt;

namespace {

const QString kKey = "Test\\Dialogs\\DlgWohnungsstation";

// Catalogue "A" (data version 2): group "Wohnungsstationen" with two series, the first with
// two products; group "Frischwasser" with one product. Catalogue "B" is of a data version too new to use.
class WizardTest : public FolderTest {
protected:
    WizardTest() {
        StationDb a(memory, "A", 2);
        const RowId wt = a.exchanger("WT", {{65, 10, 50, {{6, 300, 22}, {18, 1200, 30}}}});
        const RowId d1 = a.product("D_1", wt);
        const RowId d2 = a.product("D_2", wt);
        const RowId d3 = a.product("D_3", wt);
        a.daten(d2, DatenColumn::HeatMeter, {1});
        a.daten(d2, DatenColumn::WaterMeter, {1});
        a.entry(a.selection("Auswahl1_1"), "WOST_GRP", "Wohnungsstationen");
        a.entry(a.selection("Auswahl1_1/Auswahl2_1"), "SERIE_K", "Kompakt");
        a.entry(a.selection("Auswahl1_1/Auswahl2_1/Auswahl3_1"), "P_1", "Kompakt 1", d1);
        a.entry(a.selection("Auswahl1_1/Auswahl2_1/Auswahl3_1"), "P_2", "Kompakt 2", d2);
        a.entry(a.selection("Auswahl1_1/Auswahl2_2"), "SERIE_C", "Komfort");
        a.entry(a.selection("Auswahl1_1/Auswahl2_2/Auswahl3_1"), "P_C", "Komfort 1", d1);
        a.entry(a.selection("Auswahl1_2"), "FRWS_GRP", "Frischwasser");
        a.entry(a.selection("Auswahl1_2/Auswahl2_1"), "P_F", "FWS 1", d3);
        StationDb b(memory, "B", 4);
        b.entry(b.selection("Auswahl1_1"), "WOST_B", "Zu neu");
    }

    std::unique_ptr<CStationWizard> open(const CNode* input = nullptr, bool revit = false) {
        auto wizard =
            std::make_unique<CStationWizard>(input, tWizardContext{&catalogs, kKey, revit, QString()});
        opened = wizard->Open();
        return wizard;
    }

    static QStringList names(const tLevelBox& box) {
        QStringList out;
        for (const tSelLevel* entry : box.entries)
            out << entry->name;
        return out;
    }

    ConstantWater water;
    ScopedWaterProperties useWater{water};
    MemoryDb memory;
    MessageLog messages;
    FixedCatalogs catalogs{{{"Hersteller A", "A", "/a"}, {"Hersteller B", "B", "/b"}}, memory};
    bool opened = false;
};

} // namespace

TEST_F(WizardTest, OpensOnTheFirstProductOfEachLevel) {
    const auto w = open();
    ASSERT_TRUE(opened);
    EXPECT_EQ(w->CatalogIndex(), 0);
    const auto& levels = w->Levels();
    EXPECT_EQ(names(levels[0]), (QStringList{"Wohnungsstationen", "Frischwasser"}));
    EXPECT_EQ(names(levels[1]), (QStringList{"Kompakt", "Komfort"}));
    EXPECT_EQ(names(levels[2]), (QStringList{"Kompakt 1", "Kompakt 2"}));
    EXPECT_FALSE(levels[3].visible);
    EXPECT_EQ(w->Product().name, "Kompakt 1");
    EXPECT_EQ(w->Product().stationType, 0);
    EXPECT_TRUE(w->State().display.drawEnabled) << w->State().display.result.toStdString();
}

TEST_F(WizardTest, CascadeFollowsEveryLevelAndHidesEmptyOnes) {
    const auto w = open();
    w->SelectLevel(2, 1);
    EXPECT_EQ(w->Product().name, "Kompakt 2");
    w->SelectLevel(0, 1); // Frischwasser: one level less
    EXPECT_EQ(names(w->Levels()[1]), QStringList{"FWS 1"});
    EXPECT_FALSE(w->Levels()[2].visible);
    EXPECT_TRUE(w->Levels()[2].entries.empty());
    EXPECT_EQ(w->Product().stationType, 1);
    w->SelectLevel(0, 0);
    EXPECT_EQ(w->Levels()[2].selected, 0) << "a new branch starts at its first entries";
}

TEST_F(WizardTest, UnusableCatalogueKeepsThePreviousOne) {
    const auto w = open();
    EXPECT_FALSE(w->SelectCatalogue(1));
    EXPECT_EQ(w->CatalogIndex(), 0);
    EXPECT_EQ(w->Product().name, "Kompakt 1");
    EXPECT_EQ(messages.texts().size(), 1);
}

TEST_F(WizardTest, DrawSettingsComeBackAtTheNextOpening) {
    {
        const auto w = open();
        w->SelectLevel(1, 1);
        w->SetMirror(1);
        w->SetMeterData(1.5, 100.0, 2.5, 200.0);
        tReqTw tw;
        tw.tW = 55.0;
        w->SetReqTw(tw);
        w->StoreDrawSettings();
    }
    QString stored;
    RegQueryValueW(HKEY_CURRENT_USER, kKey, "LastCmbSel", stored);
    EXPECT_EQ(stored, "0:1:0:-1:-1:-1");
    const auto w = open();
    EXPECT_EQ(w->Product().name, "Komfort 1");
    EXPECT_EQ(w->Mirror(), 1);
    EXPECT_EQ(w->State().reqTw.tW, 55.0);
    // A product without meters leaves the stored meter data alone.
    EXPECT_EQ(w->State().heatMeterFlow, 0.0);
}

TEST_F(WizardTest, FetchedStationBringsItsProductRequirementsAndMeters) {
    CNode input("Input");
    CNode* station = input.AddChild("DrawStation");
    station->SetStrLeafValue("WOST", "MMD", 1, "A");
    station->SetStrLeafValue("WOST", "ARTICLESET", 1, "");
    station->SetStrLeafValue("WOST", "HANDLE", 1, "P_2");
    station->AddChild("ReqTw")->AddChild("PWFLUX")->AddLeaf("tVL", "70");
    station->AddLeaf("DataWMZ", "1.25,80");
    const auto w = open(&input);
    EXPECT_EQ(w->Product().name, "Kompakt 2");
    EXPECT_EQ(w->State().reqTw.tVL, 70.0);
    EXPECT_EQ(w->State().heatMeterFlow, 1.25);
    EXPECT_TRUE(messages.texts().isEmpty());

    station->SetStrLeafValue("WOST", "HANDLE", 1, "GONE");
    const auto again = open(&input);
    EXPECT_EQ(messages.texts(), QStringList{"Produkt GONE konnte nicht mehr gefunden werden."});
    EXPECT_EQ(again->Product().name, "Kompakt 1");
}

TEST_F(WizardTest, CatalogueFilterAndNoCatalogue) {
    CNode input("Input");
    input.AddLeaf("CatFilter", "b");
    const auto w = open(&input);
    EXPECT_EQ(w->Catalogs().size(), 1u);
    input.FindLeaf("CatFilter")->SetRawData("NONE");
    open(&input);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(messages.texts().contains("Keine Herstellerdaten vorhanden!"));
}

TEST_F(WizardTest, EndButtonsFollowTheHost) {
    struct Case {
        const char* leaf;
        int zTyp;
        bool revit;
        const char* draw;
        bool del, fetch, mirror;
    };
    const Case cases[] = {{"SchemeNetType", 1, false, "Übernehmen", false, false, false},
                          {nullptr, 1, false, "Zeichnen <", true, true, true},
                          {nullptr, 0, false, "Zeichnen <", true, true, false},
                          {nullptr, 1, true, "Zeichnen <", false, false, false}};
    for (const Case& c : cases) {
        CNode input("Input");
        if (c.leaf)
            input.AddLeaf(c.leaf, "");
        input.AddLeaf("ZTyp", c.zTyp);
        const tWizardButtons b = open(&input, c.revit)->Buttons();
        EXPECT_EQ(std::make_tuple(QString(b.drawText), b.deleteVisible, b.fetchVisible, b.mirrorVisible),
                  std::make_tuple(QString(c.draw), c.del, c.fetch, c.mirror));
    }
}

TEST_F(WizardTest, MeterGapsInFieldOrderAndDrawNode) {
    const auto w = open();
    EXPECT_EQ(w->FirstMeterGap(), 0) << "no meters, nothing to ask";
    w->SelectLevel(2, 1);
    EXPECT_EQ(w->FirstMeterGap(), WizardControl::HeatMeterFlow);
    w->SetMeterData(1.5, 100, 2.5, 0);
    EXPECT_EQ(w->FirstMeterGap(), WizardControl::WaterMeterDp);
    const auto node = w->CreateDrawNode(QString());
    ASSERT_TRUE(node);
    EXPECT_EQ(node->GetStrLeafValue("WOST", "HANDLE"), "P_2");
    EXPECT_EQ(node->GetStrLeafValue("WOST", "ARTICLESET"), "D_2");
}
