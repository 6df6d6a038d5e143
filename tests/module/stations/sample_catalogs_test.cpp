// The sample installation's station catalogues, built from their sources into real databases
// and read through the material database library as the wizard reads them.

#include "station_test_support.h"
#include "test_folder.h"

#include "orvmat/catalogue_source.h"
#include "orvmat/database_writer.h"
#include "orvmat/session.h"
#include "stations/station_check.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace orvane::test;

namespace {

struct Sample {
    const char* folder;
    const char* key;
    const char* displayName;
};
const Sample kSamples[] = {{"Auenhof", "AUENHOF_WOST", "Auenhof Thermotechnik"},
                           {"Quellwerk", "QUELLWERK_WOST", "Quellwerk Nordal"}};

QByteArray hashOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Builds every sample catalogue into the test's folder and attaches it.
class SampleCatalogsTest : public FolderTest {
protected:
    void SetUp() override {
        std::vector<FixedCatalogs::Item> items;
        for (const Sample& sample : kSamples) {
            const QString root = sampleInstallationPath(QStringLiteral("Catalogs/") + sample.folder);
            const QString source = QDir(root).filePath(QString::fromLatin1(sample.key) + ".orvsrc");
            const QString db = folder.filePath(QString::fromLatin1(sample.key) + ".omdb");
            orvmat::CatalogueSource parsed;
            orvmat::SourceError error;
            ASSERT_TRUE(orvmat::readCatalogueSource(source.toStdString(), parsed, error)) << error.toString();
            ASSERT_TRUE(orvmat::writeDatabase(parsed, db.toStdString(), error)) << error.toString();
            ASSERT_TRUE(orvmat::Session::GetInstance().attach(sample.key, db.toStdString()))
                << orvmat::Session::GetInstance().lastError();
            databases << db;
            items.push_back({QString::fromLatin1(sample.displayName), QString::fromLatin1(sample.key), root});
        }
        source = std::make_unique<FixedCatalogs>(items, WoSt::LibraryMaterialDb());
        ASSERT_EQ(WoSt::ListCatalogs(catalogs, QString(), *source), 2);
        for (auto& catalog : catalogs)
            ASSERT_TRUE(WoSt::LoadCatalog(*catalog)) << qPrintable(catalog->mmdKey);
    }
    void TearDown() override {
        for (const Sample& sample : kSamples)
            orvmat::Session::GetInstance().detach(sample.key);
    }

    // Every entry of the tree that has no children: the products the wizard offers.
    static void collect(const WoSt::tSelLevel& node, std::vector<const WoSt::tSelLevel*>& out) {
        if (node.children.empty() && node.level > 0)
            out.push_back(&node);
        for (const auto& child : node.children)
            collect(*child, out);
    }

    const WoSt::tSelLevel& productNode(WoSt::tCatalog& catalog, const QString& key) {
        std::vector<int> path;
        EXPECT_TRUE(WoSt::FindProductPath(catalog, key, path)) << qPrintable(key);
        const WoSt::tSelLevel* node = catalog.root.get();
        for (int i : path)
            node = node->children.at(static_cast<size_t>(i)).get();
        return *node;
    }

    WoSt::tWizardState wizardFor(WoSt::tCatalog& catalog, const QString& key) {
        WoSt::tWizardState w;
        w.catalog = &catalog;
        w.product.accessories = WoSt::LibraryMaterialDb().NewMaterialList();
        EXPECT_TRUE(WoSt::LoadProduct(w.product, catalog, productNode(catalog, key))) << qPrintable(key);
        return w;
    }

    MessageLog messages;
    QStringList databases;
    std::unique_ptr<FixedCatalogs> source;
    WoSt::tCatalogList catalogs;
};

} // namespace

TEST_F(SampleCatalogsTest, VersionsTreesAndManufacturerData) {
    const WoSt::tCatalog& auenhof = *catalogs[0];
    const WoSt::tCatalog& quellwerk = *catalogs[1];
    EXPECT_EQ(auenhof.version, 1);
    EXPECT_EQ(quellwerk.version, 3);
    EXPECT_EQ(auenhof.url, "https://auenhof-thermotechnik.example");
    EXPECT_TRUE(QFileInfo::exists(auenhof.logo)) << qPrintable(auenhof.logo);
    EXPECT_TRUE(QFileInfo::exists(quellwerk.logo)) << qPrintable(quellwerk.logo);
    // Group, series, station: three levels; the unused second group row stays out.
    ASSERT_EQ(auenhof.root->children.size(), 2u);
    EXPECT_EQ(auenhof.root->children[0]->name, "Wohnungsstationen");
    EXPECT_EQ(auenhof.root->children[0]->children[1]->children[1]->level, 3);
    EXPECT_EQ(quellwerk.root->children.size(), 3u);
}

// Reading and checking every product never writes the databases.
TEST_F(SampleCatalogsTest, EveryProductLoadsWithItsFilesAndPassesAFittingCheck) {
    std::vector<QByteArray> before;
    for (const QString& db : databases)
        before.push_back(hashOf(db));
    int products = 0;
    for (auto& catalog : catalogs) {
        std::vector<const WoSt::tSelLevel*> entries;
        collect(*catalog->root, entries);
        for (const WoSt::tSelLevel* entry : entries) {
            WoSt::tWizardState w;
            w.catalog = catalog.get();
            ASSERT_TRUE(WoSt::LoadProduct(w.product, *catalog, *entry)) << qPrintable(entry->name);
            ++products;
            EXPECT_FALSE(w.product.description.isEmpty()) << qPrintable(entry->name);
            for (const QString& file : {w.product.bitmap, w.product.dataSheet})
                EXPECT_TRUE(file.isEmpty() || QFileInfo::exists(file)) << qPrintable(file);
            EXPECT_FALSE(w.product.bitmap.isEmpty()) << qPrintable(entry->name);
            // Fresh-water stations serve larger tap rates at a hotter supply.
            if (w.product.stationType == 1) {
                w.reqTw.fr = 25.0;
                w.reqTw.tVL = 70.0;
            }
            if (WoSt::MaxFbhCircuits(*catalog, w.product) > 0) {
                w.reqHz.nFbh = 4;
                w.reqHz.tVL = 35.0;
                w.reqHz.tRL = 28.0;
            }
            WoSt::UpdateTwSummary(w);
            EXPECT_TRUE(w.display.drawEnabled)
                << qPrintable(entry->name) << ": " << qPrintable(w.display.result);
            EXPECT_GT(w.design.vPrim, 0.0);
            EXPECT_GT(w.design.tRLPrim, w.design.tK);
            EXPECT_LT(w.design.tRLPrim, w.design.tVL);
        }
    }
    EXPECT_EQ(products, 13);
    EXPECT_TRUE(messages.entries().empty()) << qPrintable(messages.texts().join('\n'));
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(hashOf(databases[static_cast<int>(i)]), before[i]);
}

TEST_F(SampleCatalogsTest, HeatingRodStationAtALowSupplyTemperature) {
    WoSt::tWizardState w = wizardFor(*catalogs[1], "QW_WS_H40");
    // No curve reaches 58 °C hot water; at 50 °C supply the hottest curve gives 45 °C and
    // the rod heats the rest.
    w.reqTw.tVL = 50.0;
    w.reqTw.tW = 58.0;
    w.reqTw.fr = 5.0;
    WoSt::CheckStation(w);
    EXPECT_TRUE(w.display.drawEnabled) << qPrintable(w.display.result);
    EXPECT_EQ(w.design.tW, 45.0);
    EXPECT_TRUE(w.display.result.contains(", Heizstab ")) << qPrintable(w.display.result);

    w.reqTw.fr = 8.0; // about 7 kW needed, the rod has 6 kW
    WoSt::CheckStation(w);
    EXPECT_FALSE(w.display.drawEnabled);
    EXPECT_TRUE(w.display.result.startsWith(
        "Fehler: Die maximale elektrische Leistung des Zusatzheizstabs reicht nicht aus."));
}

TEST_F(SampleCatalogsTest, FloorHeatingDistributorOfTheDevice) {
    WoSt::tCatalog& quellwerk = *catalogs[1];
    WoSt::tWizardState w = wizardFor(quellwerk, "QW_FBH_M6");
    EXPECT_EQ(WoSt::MaxFbhCircuits(quellwerk, w.product), 6);
    EXPECT_EQ(w.product.explode, 1);
    w.reqHz.tVL = 35.0;
    w.reqHz.tRL = 28.0;
    WoSt::CheckStation(w);
    EXPECT_TRUE(w.display.fbhEnabled);
    EXPECT_EQ(w.reqHz.tVLMin, 25);
    EXPECT_EQ(w.reqHz.tVLMax, 45);
    EXPECT_TRUE(w.display.result.contains("Anzahl der FBH-Kreise festlegen"));

    auto list = WoSt::LibraryMaterialDb().NewMaterialList();
    ASSERT_EQ(WoSt::AddDistributorArticles(quellwerk, w.product, 4, *list), 3);
    const auto items = list->Items();
    WoSt::MaterialDatabase& db = WoSt::CatalogDb(quellwerk);
    EXPECT_EQ(db.KeyOfId(items[0].article), "QW_ART_VERTEILER_HALTER");
    EXPECT_EQ(db.KeyOfId(items[1].article), "QW_ART_VERTEILER_4");
    EXPECT_EQ(db.KeyOfId(items[2].article), "QW_ART_KREISSET");
    EXPECT_EQ(items[2].quantity, 4.0);
}

TEST_F(SampleCatalogsTest, AFileThatIsNoDatabaseIsSkipped) {
    const QString bogus = folder.write("bogus.omdb", "this is no database\n");
    EXPECT_FALSE(orvmat::Session::GetInstance().attach("BOGUS", bogus.toStdString()));
    FixedCatalogs withBogus({{"Bogus", "BOGUS", folder.path()}, {"Auenhof", "AUENHOF_WOST", folder.path()}},
                            WoSt::LibraryMaterialDb());
    WoSt::tCatalogList list;
    EXPECT_EQ(WoSt::ListCatalogs(list, QString(), withBogus), 1);
    EXPECT_EQ(list[0]->mmdKey, "AUENHOF_WOST");
    EXPECT_EQ(hashOf(bogus), QCryptographicHash::hash("this is no database\n", QCryptographicHash::Sha256));
}
