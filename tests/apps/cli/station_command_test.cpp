#include "cli_test_support.h"
#include "test_folder.h"

#include "orvmat/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using namespace orvane::test;

QJsonObject json(const CliResult& result) {
    return QJsonDocument::fromJson(result.out.toUtf8()).object();
}

// A small catalogue of the given data version with one fresh-water station.
QByteArray smallCatalogue(int version) {
    return QStringLiteral(R"(database SMALL_WOST
table StringTable
row HERSTELLERNAME: "Kleinbetrieb"
table Heizung.Wohnungsstationen.Logik
row Versionsnummer: "%1"
table Heizung.Wohnungsstationen.Logik.Auswahl1_1
row FRWS_K: @D_K | "Frischwasser" | 6= "K_FWS_1"
table Heizung.Wohnungsstationen.Daten
row D_K: @WT_K | 7= 4.0 | 20 | 4.0 | 20 | 24= 0
table Heizung.Wohnungsstationen.Waermeuebertrager
row WT_K: "WT"
table Heizung.Wohnungsstationen.Waermeuebertrager."Ansatz_Kennlinien.WT_K"
row C1: 60.0 | 10.0 | 50.0
table Heizung.Wohnungsstationen.Waermeuebertrager."Ansatz_Kennlinien.WT_K".Kennlinien
row C1: 5.0, 15.0 | 300.0, 1000.0 | 20.0, 30.0
)")
        .arg(version)
        .toUtf8();
}

TEST(StationCommand, ListsTheSampleCatalogues) {
    const auto text = runOrvane(sampleStation("list"));
    EXPECT_EQ(text.status, 0) << qPrintable(text.err);
    EXPECT_TRUE(text.out.contains("AUENHOF_WOST  Auenhof Thermotechnik  (data version 1)"));
    EXPECT_TRUE(text.out.contains("      Kompakt 20  [AH_WS_K20]"));
    EXPECT_TRUE(text.out.contains("      S 25  [QW_WS_S25 -> QW_D_S25]"));

    const auto listed = runOrvane(sampleStation("list", {"--json"}));
    ASSERT_EQ(listed.status, 0);
    const QJsonArray catalogs = json(listed)["catalogs"].toArray();
    ASSERT_EQ(catalogs.size(), 2);
    const QJsonObject quellwerk = catalogs[1].toObject();
    EXPECT_EQ(quellwerk["key"].toString(), "QUELLWERK_WOST");
    EXPECT_EQ(quellwerk["version"].toInt(), 3);
    const QJsonObject fbh = quellwerk["tree"].toArray()[1].toObject();
    EXPECT_EQ(fbh["key"].toString(), "WOSTFBH_QW");
    EXPECT_EQ(fbh["children"].toArray()[0].toObject()["articleSet"].toString(), "QW_D_FBH_M");
}

TEST(StationCommand, CheckShowsResultSummariesAndDesignPoint) {
    const QStringList fbh{"--catalog", "quellwerk_wost", "--product", "QW_FBH_M6", "--hz-tvl",
                          "35",        "--hz-trl",       "28"};
    const auto passing = runOrvane(sampleStation("check", fbh + QStringList{"--nfbh", "4"}));
    EXPECT_EQ(passing.status, 0) << qPrintable(passing.err);
    for (const char* part :
         {"Quellwerk Wohnungsstation FBH M\n", "\nSchaltung\t\tParallel\n", "Zapfrate\t\t12 l/min, 50 °C\n",
          "VL/RL-Temp. 35/28 °C\nFBH-Kreise: 4 Stück\n", "Design point: 10.0/50.0 °C, supply 65.0 °C"})
        EXPECT_TRUE(passing.out.contains(QString::fromUtf8(part))) << part;
    EXPECT_TRUE(passing.out.startsWith("Quellwerk"));

    const auto failing = runOrvane(sampleStation("check", fbh + QStringList{"--json"}));
    EXPECT_EQ(failing.status, 1);
    const QJsonObject report = json(failing);
    EXPECT_FALSE(report["passes"].toBool());
    EXPECT_EQ(report["result"].toString(),
              "Fehler: Die gewählte Station enthält einen Fußbodenheizungs-Verteiler. Bei Bedarf bitte "
              "Anzahl der FBH-Kreise festlegen.");
    EXPECT_FALSE(report.contains("design"));

    const auto byHeat = runOrvane(sampleStation(
        "check", {"--catalog", "AUENHOF_WOST", "--product", "AH_WS_K20", "--hr", "60000", "--json"}));
    EXPECT_EQ(byHeat.status, 1);
    EXPECT_TRUE(json(byHeat)["result"].toString().startsWith("Fehler: Die Zapfrate von 21."));
}

TEST(StationCommand, UnknownCatalogueProductOrAGroup) {
    const struct {
        const char *catalog, *product, *said, *unsaid;
    } cases[] = {
        {"NONE", "AH_WS_K20", "no station catalogue \"NONE\"", "AUENHOF_WOST"},
        {"AUENHOF_WOST", "QW_D_S25", "has no product \"QW_D_S25\"", "NONE"},
        // No product is loaded: the group's missing exchanger is never asked for.
        {"AUENHOF_WOST", "AH_GRP_KOMPAKT",
         "\"AH_GRP_KOMPAKT\" is a group of the selection tree, not a product", "Waermeuebertrager"},
    };
    for (const auto& c : cases) {
        const auto result =
            runOrvane(sampleStation("check", {"--catalog", c.catalog, "--product", c.product}));
        EXPECT_EQ(result.status, 1) << c.product;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.said))) << qPrintable(result.err);
        EXPECT_FALSE(result.err.contains(QString::fromUtf8(c.unsaid))) << qPrintable(result.err);
    }
}

// A catalogue folder with the descriptor of SMALL_WOST; its database is built from the source
// with the tool, as the build does for the sample catalogues.
class StationFolderTest : public FolderTest {
protected:
    // The tool runs in this process: a database it attached would outlive the test's folder.
    void TearDown() override { orvmat::Session::GetInstance().detach("SMALL_WOST"); }

    void SetUp() override {
        folder.write("Catalogs/SMALL_WOST.inf",
                     "Catalog {\n  ID = \"SMALL\"\n  Kinds = \"RS_HZ\"\n  RootPath = "
                     "\"Klein\"\n  MmdKey = \"SMALL_WOST\"\n  Database = "
                     "\"SMALL_WOST.omdb\"\n}\n");
        QDir().mkpath(folder.filePath("Catalogs/Klein"));
    }
    // `db` is a path below the test's folder.
    void buildDatabase(const QByteArray& source, const QString& db) {
        QDir().mkpath(QFileInfo(folder.filePath(db)).path());
        const QString src = folder.write("src/SMALL_WOST.orvsrc", source);
        const auto built = runOrvane({"catalog", "build", src, "-o", folder.filePath(db)});
        ASSERT_EQ(built.status, 0) << qPrintable(built.err);
    }
    CliResult station(const QString& verb, const QStringList& args = {}) {
        return runOrvane(QStringList{"station", verb, "--catalogs", folder.filePath("Catalogs")} + args);
    }
    const QStringList product{"--catalog", "SMALL_WOST", "--product", "FRWS_K"};
};

TEST_F(StationFolderTest, CataloguesOfTheDescriptorsByVersion) {
    ASSERT_NO_FATAL_FAILURE(buildDatabase(smallCatalogue(2), "Catalogs/Klein/SMALL_WOST.omdb"));
    const auto ok = station("check", product + QStringList{"--tvl", "60"});
    EXPECT_EQ(ok.status, 0) << qPrintable(ok.err + ok.out);
    EXPECT_TRUE(ok.out.contains("VL/RL-Temp.\t60/"));

    // Another database of the same key, found through --databases once the catalogue's own is gone.
    QFile::remove(folder.filePath("Catalogs/Klein/SMALL_WOST.omdb"));
    ASSERT_NO_FATAL_FAILURE(buildDatabase(smallCatalogue(4), "built/SMALL_WOST.omdb"));
    const auto refused = station("list", {"--databases", folder.filePath("built")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.contains("SMALL_WOST  SMALL  (data version 4, not usable)"))
        << qPrintable(refused.out);
    EXPECT_TRUE(
        refused.err.contains("Der Datensatz SMALL kann in dieser Programmversion nicht verwendet werden."));
}

TEST_F(StationFolderTest, MissingDatabasesAndBadDescriptorsAreTold) {
    folder.write("Catalogs/broken.inf", "Catalog {\n  DisplayName = \"no identifier\"\n}\n");
    const auto result = station("list");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.contains("no station catalogues"));
    EXPECT_TRUE(result.err.contains("SMALL: its material database \"") &&
                result.err.contains("SMALL_WOST.omdb\" does not exist"))
        << qPrintable(result.err);
    EXPECT_TRUE(result.err.contains("broken.inf")) << qPrintable(result.err);
    EXPECT_EQ(runOrvane({"station", "list", "--catalogs", folder.filePath("no/such/dir")}).status, 1);

    // A file that is no material database is never written by trying it.
    folder.write("Catalogs/Klein/SMALL_WOST.omdb", "no database\n");
    const auto check = station("check", product);
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(check.err.contains("no station catalogue \"SMALL_WOST\""));
    EXPECT_TRUE(check.err.contains("SMALL_WOST.omdb: not a material database")) << qPrintable(check.err);
    EXPECT_FALSE(check.err.contains("no station catalogue in its material database"));
    EXPECT_EQ(folder.read("Catalogs/Klein/SMALL_WOST.omdb"), QByteArray("no database\n"));
}

// A catalogue that cannot be used says why: the table it lacks, or an empty selection tree.
TEST_F(StationFolderTest, UnusableCataloguesTellWhy) {
    const std::pair<QString, QString> cases[] = {{"Logik", "no table \"Logik\""},
                                                 {"Daten", "no table \"Daten\""},
                                                 {"Waermeuebertrager", "no table \"Waermeuebertrager\""},
                                                 {"Logik.Auswahl1_1", "its selection tree is empty"}};
    for (const auto& [table, reason] : cases) {
        orvmat::Session::GetInstance().detach("SMALL_WOST");
        const QString renamed = "table Heizung.Wohnungsstationen." + table;
        QByteArray source = smallCatalogue(2);
        source.replace((renamed + '\n').toUtf8(), (renamed + "_weg\n").toUtf8());
        source.replace((renamed + '.').toUtf8(), (renamed + "_weg.").toUtf8());
        ASSERT_NO_FATAL_FAILURE(buildDatabase(source, "Catalogs/Klein/SMALL_WOST.omdb"));
        for (const auto& result : {station("list"), station("check", product)}) {
            EXPECT_EQ(result.status, 1) << qPrintable(table);
            EXPECT_TRUE(result.err.contains("SMALL_WOST: not usable: " + reason)) << qPrintable(result.err);
        }
    }
}

} // namespace
