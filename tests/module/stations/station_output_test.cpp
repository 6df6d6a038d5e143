// The draw node field by field, the optional parts, the material output file and the
// requirement nodes, on a catalogue made in memory.

#include "station_test_support.h"
#include "test_folder.h"

#include "stations/station_output.h"

#include "corekit/node.h"
#include "corekit/tree_items.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace orvane::test;
using WoSt::RowId;

namespace {

// The node's name, then every node and leaf below it in order, as "Path/Key=value" lines.
QStringList flat(const CNode& node, const QString& path = {}) {
    QStringList out;
    if (path.isEmpty())
        out << node.GetName();
    const QString at = path.isEmpty() ? node.GetName() : path;
    for (const auto& leaf : node.Leaves())
        out << at + u'/' + leaf->GetKey() + u'=' + leaf->GetRawData();
    for (const auto& child : node.Children())
        out << at + u'/' + child->GetName() << flat(*child, at + u'/' + child->GetName());
    return out;
}

QStringList opened(const CRecordingUiServices& ui) {
    QStringList paths;
    for (const auto& shown : ui.Shown())
        if (shown.kind == CRecordingUiServices::Kind::OpenDocument)
            paths << shown.text;
    return paths;
}

class DrawNodeTest : public FolderTest {
protected:
    DrawNodeTest() : s(memory, "OUT", 3) {
        using namespace WoSt::DatenColumn;
        const RowId exchanger =
            s.exchanger("WT", {{65, 10, 50, {{6, 300, 22}, {12, 700, 25}, {18, 1200, 30}}}});
        daten = s.product("D_1", exchanger);
        const std::vector<std::pair<int, Cell>> columns{
            {KvPrim, 2.5},      {MassFlowMax, 800.0}, {KvPwc, 2.8},
            {OpeningPwc, 50},   {KvPwh, 2.2},         {OpeningPwh, 40},
            {KvPwhC, 1.0},      {OpeningPwhC, 20},    {HeatMeter, 1},
            {Volume, 3.5},      {WaterMeter, 1},      {DpSecMin, 80.0},
            {DpSecMax, 250.0},  {KvSec, 3.0},         {TvlSecMin, 25},
            {TvlSecMax, 45},    {OperatingMode, 2},   {HeatingRodPower, 7500},
            {DpPrimMax, 1000.0}};
        for (const auto& [column, value] : columns)
            s.daten(daten, column, {value});
        selectionRow = memory.idOf("SEL_1");
        catalog = s.catalog();
        catalog.info.id = "CAT_OUT";
        catalog.info.displayName = "Testwerk";
        catalog.version = 3;
        catalog.data = s.datenTable;
        catalog.heatExchangers = s.exchangers;
        catalog.distributorSets = s.table("VerteilerSets");
        wizard.catalog = &catalog;
        WoSt::tProduct& p = wizard.product;
        p.supported = 1;
        p.stationType = 0;
        p.name = "Station 1";
        p.description = "Beschreibung";
        p.block2D = "OUT_WOHNSTATION_1";
        p.block3D = "OUT_WOHNSTATION_1_3D";
        p.levelRow = selectionRow;
        p.dataRow = daten;
        p.heatExchangerId = exchanger;
        p.hasHeatMeter = p.hasWaterMeter = 1;
        p.accessories = memory.NewMaterialList();
        wizard.heatMeterFlow = 1.5;
        wizard.heatMeterDp = 100.0;
        wizard.waterMeterFlow = 2.5;
        wizard.waterMeterDp = 200.0;
    }

    // Pumps, valves, parts list with accessories and connections.
    void addFurtherTables() {
        using namespace WoSt::DatenColumn;
        const auto pumps = s.table("Pumpen");
        const auto curves = s.table("Pumpen/Pumpenkennlinie");
        const RowId p1 = memory.addRow(pumps, "P1");
        memory.set(pumps, p1, 0, {"Pumpe 25-60"});
        memory.set(pumps, p1, 1, {"dp-variabel"});
        memory.addRowFor(curves, p1);
        memory.set(curves, p1, 0, {"0;1;2", "0;1"});
        memory.set(curves, p1, 1, {"600.4;400;100", ";299.6;100"});
        const RowId p2 = memory.addRow(pumps, "P2");
        memory.addRowFor(curves, p2);
        memory.set(curves, p2, 0, {"0;1"});
        memory.set(curves, p2, 1, {QString()});
        s.daten(daten, HeatingPump, {Ref{p1}});
        s.daten(daten, SecondPump, {Ref{p2}});
        const auto strings = memory.table("StringTable");
        memory.set(strings, memory.addRow(strings, "HERSTELLERNAME"), 0, {"Testwerk GmbH"});

        const auto texts = memory.table("Heizung/Texte");
        const auto valves = s.table("Strangregulierventile");
        const RowId strv = memory.addRow(valves, "STRV1");
        memory.set(valves, strv, 0, {"1;2;0;4"});
        memory.set(valves, strv, 1, {"0.2;0.5;0.9;1.4"});
        memory.addRowFor(texts, strv);
        memory.set(texts, strv, 1, {"Ventil DN 15"});
        const auto regulators = s.table("Differenzdruckregler");
        const RowId ddr = memory.addRow(regulators, "DDR1");
        memory.set(regulators, ddr, 0, {"50;100;;200"});
        memory.set(regulators, ddr, 1, {"1.6;2.5"});
        s.daten(daten, BalancingValve, {Ref{strv}});
        s.daten(daten, DpRegulator, {Ref{ddr}});
        catalog.pumps = pumps;
        catalog.balancingValves = valves;
        catalog.dpRegulators = regulators;
        catalog.texts = texts;

        const auto groups = memory.table("Heizung/ArtikelSetGruppen");
        const RowId set = memory.addRow(groups, "SET_A");
        memory.set(groups, set, 0, {3.0});
        memory.set(groups, set, 1, {Ref{memory.idOf("KH")}});
        memory.set(groups, set, 2, {0});
        memory.addRowFor(groups, daten);
        memory.set(groups, daten, 0, {1.0, 2.0});
        memory.set(groups, daten, 1, {Ref{memory.idOf("GEH")}, Ref{set}});
        memory.set(groups, daten, 2, {0, 1});
        wizard.product.accessories->Add(2.0, memory.idOf("ABD"), 0);
        wizard.product.accessories->Add(0.0, memory.idOf("RAHMEN"), 0);

        catalog.connections = s.table("Anschluesse");
        const auto ans = s.table("Anschluesse/D_1");
        memory.set(ans, memory.addRow(ans, "TW_PWH_C"), 0, {"G 1/2"});
        memory.set(ans, memory.addRow(ans, "HZ_PRIM_VL"), 0, {"G 3/4"});
    }

    void withFloorHeating() {
        wizard.product.distributorSetId =
            s.distributorSet("VS", {{"VT_BASE", 1.0, 0}, {"VT_4", 2.0, 4}, {"VT_6", 1.0, 6}});
        wizard.reqHz = {0, 0, 35.0, 28.0, 2000.0, 15000.0, 12.0, 4, 0};
    }

    std::unique_ptr<CNode> draw(WoSt::tDrawOptions options = {}) {
        WoSt::UpdateTwSummary(wizard); // the check fills the design point and the floor-heating range
        return WoSt::CreateDrawNode(wizard, options);
    }

    ConstantWater water;
    WoSt::ScopedWaterProperties useWater{water};
    MemoryDb memory;
    MessageLog messages;
    StationDb s;
    RowId daten = 0, selectionRow = 0;
    WoSt::tCatalog catalog;
    WoSt::tWizardState wizard;
};

// The lines a draw node must flatten to, kept in tests/data/stations/NAME.txt; lines starting
// with '#' are notes, "<folder>" stands for the test's folder.
QStringList expectedNode(const QString& name, const QString& folder) {
    QFile file(testDataPath("stations/" + name + ".txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(u'#'))
            lines << QString(line).replace("<folder>", folder);
    return lines;
}

} // namespace

TEST_F(DrawNodeTest, PlainStationFieldByField) {
    const auto node = draw();
    ASSERT_TRUE(node);
    EXPECT_EQ(flat(*node), expectedNode("draw_node_plain", folder.path()));
    // The device's supply range is 25 ... 45 °C and the floor-heating record asks for 0 °C.
    EXPECT_EQ(
        messages.texts(),
        QStringList{"Die VL-Temperatur liegt außerhalb des zulässigen Einstellungsintervalls des Gerätes."});
}

TEST_F(DrawNodeTest, EveryOptionalPart) {
    addFurtherTables();
    withFloorHeating();
    wizard.product.block2D = "X_OUT_WOHNSTATION_1";
    wizard.product.explode = 1;
    wizard.product.block3D = folder.write("Cat/3D/OUT_BMS_3D.dwg", "block");
    const auto node = draw({false, 2, 1, QString()});
    ASSERT_TRUE(node);
    EXPECT_EQ(flat(*node), expectedNode("draw_node_every_part", folder.path()));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(DrawNodeTest, HostVariantsLeaveOutTheirParts) {
    struct Case {
        WoSt::tDrawOptions options;
        int explode;
        bool has3D, hasMirror, hasProductData, hasFbhIncluded;
    };
    withFloorHeating();
    wizard.product.block3D = folder.write("Cat/3D/OUT_3D.dwg", "block");
    const Case cases[] = {
        {{true, 0, 1, {}}, 0, false, false, true, true},  // scheme net: neither 3D block nor mirror
        {{false, 1, 1, {}}, 0, true, true, false, true},  // ZTyp 1: no product data
        {{false, 0, 0, {}}, 1, true, false, true, false}, // exploded: circuits not included
    };
    for (const Case& c : cases) {
        wizard.product.explode = c.explode;
        const QStringList all = flat(*draw(c.options));
        EXPECT_EQ(all.filter("DrawStation/BlockFile3D=").size(), c.has3D ? 1 : 0);
        EXPECT_EQ(all.filter("DrawStation/Mirror=").size(), c.hasMirror ? 1 : 0);
        EXPECT_EQ(all.contains("DrawStation/ProductData"), c.hasProductData);
        EXPECT_EQ(all.contains("DrawStation/WOST/HZ_FBH_INCL=1"), c.hasFbhIncluded);
        EXPECT_EQ(all.contains("DrawStation/FbhEed"), c.explode == 1);
    }
}

TEST_F(DrawNodeTest, WithoutDatenTableOnlyTheBlocksAndRequirements) {
    catalog.data = 0;
    wizard.product.stationType = 1;
    const QStringList all = flat(*WoSt::CreateDrawNode(wizard, {}));
    for (const char* absent : {"DrawStation/HzEed", "DrawStation/TwEed", "DrawStation/WOST"})
        EXPECT_FALSE(all.contains(absent)) << absent;
    EXPECT_TRUE(all.contains("DrawStation/ReqTw/PWFLUX/fr=12"));
}

TEST_F(DrawNodeTest, MaterialFileHoldsTheNodeBeforeTheRequirementsAndIsOpened) {
    addFurtherTables();
    wizard.product.block3D = folder.write("Cat/3D/OUT_3D.dwg", "block");
    CRecordingUiServices ui;
    const auto node = draw({false, 0, 0, folder.path()});
    const QString file = folder.filePath(WoSt::kMaterialOutputFileName);
    CNode* written = nullptr;
    ASSERT_TRUE(TreeItems::ReadFromFile(file, written));
    const std::unique_ptr<CNode> owned(written);
    QStringList expected = flat(*node);
    expected.removeIf([](const QString& line) {
        return line.startsWith("DrawStation/ReqTw") || line.startsWith("DrawStation/ReqHz") ||
               line.startsWith("DrawStation/DataW") || line.startsWith("DrawStation/ProductData");
    });
    ASSERT_TRUE(flat(*node).contains("DrawStation/ProductData"));
    EXPECT_EQ(flat(*written), expected);
    EXPECT_EQ(opened(ui), QStringList{file});
}

TEST_F(DrawNodeTest, UnwritableTemporaryFolderStillGivesTheNodeAndOpensNothing) {
    CRecordingUiServices ui;
    const auto node = draw({false, 0, 0, folder.filePath("missing/folder")});
    ASSERT_TRUE(node);
    EXPECT_TRUE(node->FindChild("ReqTw"));
    EXPECT_TRUE(opened(ui).isEmpty());
}

TEST(StationOutput, SeriesKv) {
    struct Case {
        double kv;
        int meter;
        double flow, dp, expected;
    };
    const Case cases[] = {{2.5, 1, 1.5, 100.0, 2.212}, {2.8, 1, 2.5, 200.0, 2.504}, {2.5, 0, 1.5, 100.0, 2.5},
                          {2.5, 1, 1.5, 0.0, 2.5},     {0.0, 1, 1.5, 100.0, 4.743}, {0.0, 0, 0.0, 0.0, 0.0},
                          {2.4996, 0, 0, 0, 2.5},      {1.23449, 0, 0, 0, 1.234}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(WoSt::SeriesKv(c.kv, c.meter, c.flow, c.dp), c.expected) << c.kv << " " << c.flow;
}

TEST(StationOutput, EmptyAnswerNodesAndRequirementRoundTrip) {
    EXPECT_EQ(WoSt::CreateDeleteStationNode()->GetName(), "DeleteStation");
    EXPECT_EQ(WoSt::CreateGetStationNode()->GetName(), "GetStation");
    EXPECT_EQ(WoSt::CreateGetStationNode()->NrOfLeaves() + WoSt::CreateGetStationNode()->NrOfChildren(), 0);

    const WoSt::tReqTw tw{8.0, 55.0, 24000.0, -1.0, 70.0, 1.0, 2.0};
    WoSt::tReqTw twBack;
    WoSt::ReadReqTwNode(*WoSt::ReqTwNode(tw), twBack);
    EXPECT_EQ(std::tie(twBack.tK, twBack.tW, twBack.hr, twBack.fr, twBack.tVL),
              std::tie(tw.tK, tw.tW, tw.hr, tw.fr, tw.tVL));
    WoSt::tReqHz hz{20, 45, 38.5, 30.0, 1500.0, 12000.0, 8.0, 5, 1};
    WoSt::tReqHz hzBack;
    WoSt::ReadReqHzNode(*WoSt::ReqHzNode(hz), hzBack);
    EXPECT_EQ(std::tie(hzBack.tVL, hzBack.tRL, hzBack.q, hzBack.dp, hzBack.vol, hzBack.nFbh),
              std::tie(hz.tVL, hz.tRL, hz.q, hz.dp, hz.vol, hz.nFbh));
    // An older drawing's node without some leaves keeps the other values.
    CNode old("PWFLUX");
    old.AddLeaf("tW", "60");
    old.AddLeaf("fr", "kaputt");
    WoSt::tReqTw partial;
    WoSt::ReadReqTwNode(old, partial);
    EXPECT_EQ(partial.tW, 60.0);
    EXPECT_EQ(partial.fr, 12.0);

    double flow = 7, dp = 7;
    EXPECT_FALSE(WoSt::ParseMeterData("1.5", flow, dp));
    EXPECT_EQ(flow, 7.0);
    EXPECT_TRUE(WoSt::ParseMeterData(WoSt::MeterDataText(1.5, 120.0), flow, dp));
    EXPECT_EQ(std::tie(flow, dp), std::make_tuple(1.5, 120.0));
}
