#include "station_test_support.h"

#include "stations/station_catalog.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace orvane::test;
using WoSt::RowId;
using WoSt::TableHandle;

namespace {

const QString kRoot = "/catalogs/acme";

QStringList childNames(const WoSt::tSelLevel& node) {
    QStringList names;
    for (const auto& child : node.children)
        names << child->name;
    return names;
}

// A catalogue of `version` with a group of apartment stations and a list of fresh-water
// stations:
//   Auswahl1_1  group "Wohnungsstationen" (bitmap and description for all its entries)
//     Auswahl2_1  "WS 10" (own bitmap), "WS 20"
//     Auswahl2_2  "WS 30"
//   Auswahl1_2  "FWS 40", "FWS 50"
//   Auswahl1_4  never read: Auswahl1_3 is missing
struct TwoGroupCatalog {
    TwoGroupCatalog(MemoryDb& memory, const QString& key, int version) : s(memory, key, version) {
        wt = s.exchanger("WT_1", {});
        for (const char* k : {"D_10", "D_20", "D_30", "D_40", "D_50"})
            daten[k] = s.product(QString::fromLatin1(k), wt);
        const TableHandle techInfo = s.table("TechInfo");
        const RowId groupText = memory.addRow(techInfo, "TI_GROUP");
        memory.set(techInfo, groupText, 0, {"Stations for flats"});

        const TableHandle groups = s.selection("Auswahl1_1");
        group = s.entry(groups, "WOST_GROUP", "Wohnungsstationen", daten["D_10"]);
        s.selectionCell(groups, group, 3, {"group"});
        s.selectionCell(groups, group, 4, {Ref{groupText}});
        s.selectionCell(groups, group, 5, {"HS_WOHNSTATION_GROUP"});
        s.entry(groups, "WOST_UNUSED", "never shown", daten["D_20"]);

        const TableHandle list1 = s.selection("Auswahl1_1/Auswahl2_1");
        ws10 = s.entry(list1, "L_WS10", "WS 10", daten["D_10"]);
        s.selectionCell(list1, ws10, 3, {"ws10"});
        s.selectionCell(list1, ws10, 4, {Ref{0}});
        ws20 = s.entry(list1, "L_WS20", "WS 20", daten["D_20"]);
        s.selectionCell(list1, ws20, 3, {QString()});
        const TableHandle list2 = s.selection("Auswahl1_1/Auswahl2_2");
        ws30 = s.entry(list2, "L_WS30", "WS 30", daten["D_30"]);

        const TableHandle fresh = s.selection("Auswahl1_2");
        fws40 = s.entry(fresh, "FRWS_40", "FWS 40", daten["D_40"]);
        s.selectionCell(fresh, fws40, 5, {"HS_FWS_40"});
        fws50 = s.entry(fresh, "FRWS_50", "FWS 50", daten["D_50"]);
        s.selectionCell(fresh, fws50, 5, {"HS_FWS_50"});
        s.entry(s.selection("Auswahl1_4"), "L_LOST", "lost");
        if (version < 2) {
            // Version 1 finds a product's data under the identifier of its selection row.
            for (const char* k : {"L_WS10", "L_WS20", "L_WS30", "FRWS_40", "FRWS_50"})
                s.product(QString::fromLatin1(k), wt);
        }

        catalog = s.catalog();
        catalog.info = {nullptr, "ACME", kRoot, "ACME"};
    }

    const WoSt::tSelLevel& node(std::initializer_list<int> path) const {
        const WoSt::tSelLevel* n = catalog.root.get();
        for (int i : path)
            n = n->children.at(static_cast<size_t>(i)).get();
        return *n;
    }

    StationDb s;
    RowId wt = 0, group = 0, ws10 = 0, ws20 = 0, ws30 = 0, fws40 = 0, fws50 = 0;
    std::map<std::string, RowId> daten;
    WoSt::tCatalog catalog;
};

class CatalogTest : public ::testing::Test {
protected:
    MemoryDb memory;
    MessageLog messages;
};

} // namespace

TEST_F(CatalogTest, ListsCatalogsWithStationTablesAndHonoursTheFilter) {
    StationDb alpha(memory, "ALPHA", 1);
    memory.addDatabase("BROKEN"); // no "Heizung"
    memory.table("Sanitaer/Wohnungsstationen");
    StationDb gamma(memory, "Gamma", 2);
    FixedCatalogs source({{"Alpha", "ALPHA", kRoot},
                          {"Broken", "BROKEN", kRoot},
                          {"Gamma", "Gamma", kRoot},
                          {"Gamma again", "gamma", kRoot}},
                         memory);

    WoSt::tCatalogList all;
    EXPECT_EQ(WoSt::ListCatalogs(all, QString(), source), 3);
    EXPECT_EQ(all[0]->info.displayName, "Alpha");
    EXPECT_EQ(all[1]->info.displayName, "Gamma");
    EXPECT_EQ(all[2]->info.displayName, "Gamma again");
    EXPECT_EQ(all[1]->stations, gamma.stations);
    EXPECT_EQ(all[0]->stations, alpha.stations);

    WoSt::tCatalogList filtered;
    EXPECT_EQ(WoSt::ListCatalogs(filtered, "GAMMA", source), 1);
    EXPECT_EQ(filtered[0]->info.displayName, "Gamma");
    EXPECT_EQ(filtered[0]->mmdKey, "Gamma");

    WoSt::tCatalogList none;
    EXPECT_EQ(WoSt::ListCatalogs(none, "BROKEN", source), 0);
    EXPECT_EQ(WoSt::ListCatalogs(none, "OMEGA", source), 0);
}

TEST_F(CatalogTest, SelectionTreeOfVersionOne) {
    TwoGroupCatalog c(memory, "V1", 1);
    ASSERT_TRUE(WoSt::LoadCatalog(c.catalog));
    const WoSt::tSelLevel& root = *c.catalog.root;
    EXPECT_EQ(root.level, 0);
    EXPECT_EQ(c.catalog.version, 1);
    EXPECT_EQ(childNames(root), QStringList({"Wohnungsstationen", "FWS 40", "FWS 50"}));
    const WoSt::tSelLevel& group = c.node({0});
    EXPECT_EQ(group.row, c.group);
    EXPECT_EQ(group.level, 1);
    EXPECT_EQ(group.parent, &root);
    EXPECT_EQ(childNames(group), QStringList({"WS 10", "WS 20", "WS 30"}));
    EXPECT_EQ(c.node({0, 2}).level, 2);
    EXPECT_EQ(c.node({0, 1}).row, c.ws20);
    // Version 1 rows have no article-set column.
    EXPECT_EQ(c.node({0, 1}).articleSetRef, 0);
    EXPECT_EQ(c.node({2}).articleSetRef, 0);
    // Loading again keeps the tree.
    ASSERT_TRUE(WoSt::LoadCatalog(c.catalog));
    EXPECT_EQ(c.catalog.root->children.size(), 3u);
}

TEST_F(CatalogTest, SelectionTreeOfVersionTwoReadsArticleSetsOfListEntries) {
    TwoGroupCatalog c(memory, "V2", 2);
    ASSERT_TRUE(WoSt::LoadCatalog(c.catalog));
    EXPECT_EQ(c.catalog.version, 2);
    EXPECT_EQ(childNames(*c.catalog.root), QStringList({"Wohnungsstationen", "FWS 40", "FWS 50"}));
    EXPECT_EQ(c.node({0, 0}).articleSetRef, c.daten["D_10"]);
    EXPECT_EQ(c.node({0, 2}).articleSetRef, c.daten["D_30"]);
    EXPECT_EQ(c.node({1}).articleSetRef, c.daten["D_40"]);
    EXPECT_EQ(c.node({0}).articleSetRef, 0); // a group stands for no article set
}

TEST_F(CatalogTest, ManufacturerLinkAndLogo) {
    TwoGroupCatalog c(memory, "V1", 1);
    const RowId url = memory.addRow(c.s.logik, "HerstellerURL");
    memory.set(c.s.logik, url, 0, {"https://acme.example", "acme_logo"});
    ASSERT_TRUE(WoSt::LoadCatalog(c.catalog));
    EXPECT_EQ(c.catalog.url, "https://acme.example");
    EXPECT_EQ(c.catalog.logo, kRoot + QStringLiteral("/Bmp/acme_logo.bmp"));
}

// The version is the whole number the text starts with, as catalogue makers write it
// ("4.0", " 3"); a text without a number leaves the catalogue at version 1. From version 4 a
// catalogue is refused, each time it is loaded.
TEST_F(CatalogTest, VersionTextIsReadUpToItsWholeNumber) {
    const std::pair<QString, int> cases[] = {{"4.0", 4}, {" 3 ", 3}, {"2.5", 2},
                                             {"+2", 2},  {"neu", 1}, {QString(), 1}};
    int n = 0;
    for (const auto& [text, version] : cases) {
        TwoGroupCatalog c(memory, QStringLiteral("VT%1").arg(++n), 0);
        memory.set(c.s.logik, memory.addRow(c.s.logik, "Versionsnummer"), 0, {text});
        for (int attempt = 0; attempt < 2; ++attempt)
            EXPECT_EQ(WoSt::LoadCatalog(c.catalog), version < 4) << qPrintable(text);
        EXPECT_EQ(c.catalog.version, version) << qPrintable(text);
    }
    ASSERT_EQ(messages.entries().size(), 2u);
    EXPECT_EQ(messages.entries()[1].text,
              "Der Datensatz ACME kann in dieser Programmversion nicht verwendet werden.");
    EXPECT_EQ(messages.entries()[1].icon, WoSt::MessageIcon::Exclamation);
}

// A catalogue with one entry loads; without any one of its three tables it is refused.
TEST_F(CatalogTest, CatalogueWithoutRequiredTablesIsRefused) {
    const QStringList all{"Daten", "Logik", "Waermeuebertrager"};
    for (const QString& missing : QStringList{QString()} + all) {
        memory.addDatabase("NO_" + missing);
        WoSt::tCatalog c;
        c.db = &memory;
        c.mmdKey = "NO_" + missing;
        c.stations = memory.table("Heizung/Wohnungsstationen");
        for (const QString& table : all)
            if (table != missing)
                memory.table("Heizung/Wohnungsstationen/" + table);
        if (missing != "Logik") {
            const auto list = memory.table("Heizung/Wohnungsstationen/Logik/Auswahl1_1");
            memory.set(list, memory.addRow(list, "P"), 0, {QString("P")});
        }
        EXPECT_EQ(WoSt::LoadCatalog(c), missing.isEmpty()) << qPrintable(missing);
    }
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(CatalogTest, ProductInheritsMissingValuesFromItsAncestors) {
    TwoGroupCatalog c(memory, "V2", 2);
    c.s.table("TechInfo");
    ASSERT_TRUE(WoSt::LoadCatalog(c.catalog));
    ASSERT_NE(c.catalog.techInfo, 0);

    WoSt::tProduct ws20;
    ASSERT_TRUE(WoSt::LoadProduct(ws20, c.catalog, c.node({0, 1})));
    EXPECT_EQ(ws20.name, "WS 20");
    EXPECT_EQ(ws20.bitmap, kRoot + QStringLiteral("/Bmp/group.bmp")); // own text is empty
    EXPECT_EQ(ws20.description, "Stations for flats");
    EXPECT_EQ(ws20.block2D, kRoot + QStringLiteral("/2D/HS_WOHNSTATION_GROUP.dwg"));
    EXPECT_EQ(ws20.levelRow, c.ws20);
    EXPECT_EQ(ws20.dataRow, c.daten["D_20"]);
    EXPECT_EQ(ws20.heatExchangerId, c.wt);

    WoSt::tProduct ws10;
    ASSERT_TRUE(WoSt::LoadProduct(ws10, c.catalog, c.node({0, 0})));
    EXPECT_EQ(ws10.bitmap, kRoot + QStringLiteral("/Bmp/ws10.bmp"));
    // Its own description reference reads 0: that is kept, not inherited.
    EXPECT_EQ(ws10.description, QString());
}

TEST_F(CatalogTest, NamesComeFromTheTextTableWhenThereIsOne) {
    TwoGroupCatalog c(memory, "V2", 2);
    const TableHandle texts = memory.table("Heizung/Texte");
    memory.addRowFor(texts, c.daten["D_40"]);
    memory.set(texts, c.daten["D_40"], 0, {"Frischwasserstation FWS 40"});
    ASSERT_TRUE(WoSt::LoadCatalog(c.catalog));
    WoSt::tProduct product;
    ASSERT_TRUE(WoSt::LoadProduct(product, c.catalog, c.node({1})));
    EXPECT_EQ(product.name, "Frischwasserstation FWS 40");
    WoSt::tProduct other; // no text row: the selection name stays
    ASSERT_TRUE(WoSt::LoadProduct(other, c.catalog, c.node({2})));
    EXPECT_EQ(other.name, "FWS 50");
}

TEST_F(CatalogTest, StationTypeByBlockNameInVersionOneAndByGroupKeyLater) {
    TwoGroupCatalog v1(memory, "V1", 1), v2(memory, "V2", 2);
    ASSERT_TRUE(WoSt::LoadCatalog(v1.catalog));
    ASSERT_TRUE(WoSt::LoadCatalog(v2.catalog));
    const struct {
        TwoGroupCatalog& c;
        std::initializer_list<int> path;
        int type;
    } cases[] = {
        {v1, {0, 2}, 0}, {v1, {1}, 1}, {v2, {0, 0}, 0 /* "WOST_GROUP" */}, {v2, {2}, 1 /* "FRWS_50" */}};
    for (const auto& c : cases) {
        WoSt::tProduct p;
        ASSERT_TRUE(WoSt::LoadProduct(p, c.c.catalog, c.c.node(c.path)));
        EXPECT_EQ(p.stationType, c.type) << c.c.catalog.version << " " << *c.path.begin();
        EXPECT_EQ(p.supported, 1);
    }
}

TEST_F(CatalogTest, UnknownStationTypeIsNotSupported) {
    StationDb s(memory, "V2", 2);
    const RowId wt = s.exchanger("WT", {});
    const TableHandle list = s.selection("Auswahl1_1");
    s.entry(list, "HEAT_PUMP_1", "Heat pump", s.product("D", wt));
    WoSt::tCatalog catalog = s.catalog();
    ASSERT_TRUE(WoSt::LoadCatalog(catalog));
    WoSt::tProduct p;
    EXPECT_FALSE(WoSt::LoadProduct(p, catalog, *catalog.root->children[0]));
    EXPECT_EQ(p.stationType, -1);
    EXPECT_EQ(p.supported, 0);
}

TEST_F(CatalogTest, FilePathsAreCompletedForTheHost) {
    StationDb s(memory, "V1", 1);
    const RowId wt = s.exchanger("WT", {});
    const TableHandle list = s.selection("Auswahl1_1");
    const RowId row = memory.addRow(list, "P");
    s.product("unused", wt);
    memory.addRowFor(s.datenTable, row);
    memory.set(s.datenTable, row, 0, {Ref{wt}});
    memory.set(s.datenTable, row, 13, {1});
    s.selectionCell(list, row, 0, {"P"});
    s.selectionCell(list, row, 3, {"pics\\p.png"});
    s.selectionCell(list, row, 5, {"X_HS_FWS_P"});
    s.selectionCell(list, row, 6, {"HS_FWS_P_3D"});
    s.selectionCell(list, row, 7, {"/abs/sheet"});
    s.selectionCell(list, row, 8, {"https://example.org/p"});
    WoSt::tCatalog catalog = s.catalog();
    catalog.info.rootPath = kRoot;
    ASSERT_TRUE(WoSt::LoadCatalog(catalog));

    WoSt::tProduct p;
    ASSERT_TRUE(WoSt::LoadProduct(p, catalog, *catalog.root->children[0]));
    EXPECT_EQ(p.bitmap, kRoot + QStringLiteral("/Bmp/pics/p.png"));
    EXPECT_EQ(p.block2D, kRoot + QStringLiteral("/2D/X_HS_FWS_P.dwg"));
    EXPECT_EQ(p.block3D, kRoot + QStringLiteral("/3D/HS_FWS_P_3D.dwg"));
    EXPECT_EQ(p.dataSheet, "/abs/sheet.Pdf");
    EXPECT_EQ(p.infoTarget, "https://example.org/p");
    EXPECT_EQ(p.explode, 1);
    EXPECT_EQ(p.hasHeatMeter, 1);
    EXPECT_EQ(p.hasWaterMeter, 0);

    WoSt::tProduct revit;
    ASSERT_TRUE(WoSt::LoadProduct(revit, catalog, *catalog.root->children[0], true));
    EXPECT_EQ(revit.block2D, kRoot + QStringLiteral("/2D/X_HS_FWS_P.rfa"));
    EXPECT_EQ(revit.explode, 0);
}

TEST_F(CatalogTest, ProductWithoutHeatExchangerReferenceIsRefusedWithMessage) {
    StationDb s(memory, "V2", 2);
    const RowId daten = memory.addRow(s.datenTable, "D");
    memory.set(s.datenTable, daten, 13, {1});
    s.entry(s.selection("Auswahl1_1"), "WOST_X", "X", daten);
    WoSt::tCatalog catalog = s.catalog();
    ASSERT_TRUE(WoSt::LoadCatalog(catalog));
    WoSt::tProduct p;
    EXPECT_FALSE(WoSt::LoadProduct(p, catalog, *catalog.root->children[0]));
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].text, "Verweis auf die Tabelle Waermeuebertrager fehlt.");
    EXPECT_EQ(messages.entries()[0].icon, WoSt::MessageIcon::Stop);
}

TEST_F(CatalogTest, RootAndRowlessNodesAreNoProducts) {
    TwoGroupCatalog c(memory, "V1", 1);
    ASSERT_TRUE(WoSt::LoadCatalog(c.catalog));
    WoSt::tProduct p;
    EXPECT_FALSE(WoSt::LoadProduct(p, c.catalog, *c.catalog.root));
    EXPECT_EQ(p.levelRow, 0);
}

TEST_F(CatalogTest, PathSearchFindsRowsAndArticleSetsDepthFirst) {
    TwoGroupCatalog c(memory, "V2", 2);
    ASSERT_TRUE(WoSt::LoadCatalog(c.catalog));
    std::vector<int> path{9, 9};
    EXPECT_TRUE(WoSt::FindProductPath(c.catalog, "L_WS30", path));
    EXPECT_EQ(path, (std::vector<int>{0, 2}));
    EXPECT_TRUE(WoSt::FindProductPath(c.catalog, "D_50", path));
    EXPECT_EQ(path, (std::vector<int>{2}));
    EXPECT_TRUE(WoSt::FindProductPath(c.catalog, "WOST_GROUP", path));
    EXPECT_EQ(path, (std::vector<int>{0}));
    EXPECT_TRUE(WoSt::FindProductPath(c.catalog, "D_10", path));
    EXPECT_EQ(path, (std::vector<int>{0, 0}));

    EXPECT_FALSE(WoSt::FindProductPath(c.catalog, "WOST_UNUSED", path));
    EXPECT_TRUE(path.empty());
    EXPECT_FALSE(WoSt::FindProductPath(c.catalog, "NO_SUCH_KEY", path));
    EXPECT_TRUE(path.empty());
}

TEST_F(CatalogTest, DistributorSetsByCircuitCount) {
    StationDb s(memory, "V1", 1);
    const RowId set = s.distributorSet("VS_1", {{"VT_BASE", 1.0, 0}, {"VT_2", 1.0, 2}, {"VT_3", 1.0, 3}});
    const TableHandle table = s.table("VerteilerSets/VS_1");
    const RowId multi = memory.addRow(table, "VT_45");
    memory.set(table, multi, 0, {2.0, 3.0});
    memory.set(table, multi, 3, {4, 5});
    const RowId noQuantity = memory.addRow(table, "VT_CLIP");
    memory.set(table, noQuantity, 3, {4});

    WoSt::tCatalog catalog = s.catalog();
    catalog.distributorSets = s.table("VerteilerSets");
    WoSt::tProduct product;
    product.distributorSetId = set;
    EXPECT_EQ(WoSt::MaxFbhCircuits(catalog, product), 5);

    auto list = memory.NewMaterialList();
    EXPECT_EQ(WoSt::AddDistributorArticles(catalog, product, 4, *list), 3);
    const auto items = list->Items();
    EXPECT_EQ(memory.KeyOfId(items[0].article), "VT_BASE");
    EXPECT_EQ(memory.KeyOfId(items[1].article), "VT_45");
    EXPECT_EQ(items[1].quantity, 2.0);
    EXPECT_EQ(memory.KeyOfId(items[2].article), "VT_CLIP");
    EXPECT_EQ(items[2].quantity, 1.0);

    list->Clear();
    EXPECT_EQ(WoSt::AddDistributorArticles(catalog, product, 5, *list), 2);
    EXPECT_EQ(list->Items()[1].quantity, 3.0);
    list->Clear();
    EXPECT_EQ(WoSt::AddDistributorArticles(catalog, product, 0, *list), 1); // the base row only

    product.distributorSetId = 0;
    EXPECT_EQ(WoSt::MaxFbhCircuits(catalog, product), 0);
    list->Clear();
    EXPECT_EQ(WoSt::AddDistributorArticles(catalog, product, 3, *list), 0);
}
