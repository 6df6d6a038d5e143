#include "cli_test_support.h"
#include "test_folder.h"

#include "orvmat/orvmat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QPair>

#include <gtest/gtest.h>

namespace {

using orvane::test::FolderTest;
using orvane::test::runOrvane;
using orvane::test::sampleInstallationPath;

QStringList station(QStringList args) {
    return QStringList{QStringLiteral("station")} + args;
}

QString samples() {
    return sampleInstallationPath(QStringLiteral("Catalogs"));
}

// The sample catalogues as the tool reads them: their descriptors in the sample installation,
// their databases where the build made them from the sources.
QStringList sampleCatalogs() {
    return {QStringLiteral("--catalogs"), samples(), QStringLiteral("--databases"),
            QStringLiteral(ORVANE_SAMPLE_DATABASES)};
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

TEST(StationCommand, HelpAndWrongCalls) {
    const auto help = runOrvane(station({QStringLiteral("--help")}));
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("orvane station check")));
    EXPECT_EQ(runOrvane(station({})).status, 2);
    EXPECT_EQ(runOrvane(station({QStringLiteral("list")})).status, 2);
    EXPECT_EQ(runOrvane(station(QStringList{QStringLiteral("frobnicate")} + sampleCatalogs())).status, 2);
    EXPECT_EQ(
        runOrvane(station(QStringList{QStringLiteral("list"), QStringLiteral("--x")} + sampleCatalogs()))
            .status,
        2);
    const QStringList check = QStringList{QStringLiteral("check")} + sampleCatalogs() +
                              QStringList{QStringLiteral("--catalog"), QStringLiteral("AUENHOF_WOST"),
                                          QStringLiteral("--product"), QStringLiteral("AH_WS_K20")};
    EXPECT_EQ(runOrvane(station(check + QStringList{"--fr", "10", "--hr", "20000"})).status, 2);
    const auto notANumber = runOrvane(station(check + QStringList{"--tk", "cold"}));
    EXPECT_EQ(notANumber.status, 2);
    EXPECT_TRUE(notANumber.err.contains(QStringLiteral("--tk")));
    EXPECT_EQ(runOrvane(station(check + QStringList{"--nfbh", "2.5"})).status, 2);
    EXPECT_EQ(runOrvane(station(check.mid(0, 7))).status, 2); // no product
    EXPECT_EQ(runOrvane(station({QStringLiteral("list"), QStringLiteral("--catalogs"),
                                 QStringLiteral("/no/such/dir")}))
                  .status,
              1);
}

TEST(StationCommand, ListsTheSampleCatalogues) {
    const auto text = runOrvane(station(QStringList{QStringLiteral("list")} + sampleCatalogs()));
    EXPECT_EQ(text.status, 0) << qPrintable(text.err);
    EXPECT_TRUE(text.out.contains(QStringLiteral("AUENHOF_WOST  Auenhof Thermotechnik  (data version 1)")));
    EXPECT_TRUE(text.out.contains(QStringLiteral("      Kompakt 20  [AH_WS_K20]")));
    EXPECT_TRUE(text.out.contains(QStringLiteral("      S 25  [QW_WS_S25 -> QW_D_S25]")));

    const auto json =
        runOrvane(station(QStringList{QStringLiteral("list"), QStringLiteral("--json")} + sampleCatalogs()));
    ASSERT_EQ(json.status, 0);
    const QJsonArray catalogs =
        QJsonDocument::fromJson(json.out.toUtf8()).object()[QStringLiteral("catalogs")].toArray();
    ASSERT_EQ(catalogs.size(), 2);
    const QJsonObject quellwerk = catalogs[1].toObject();
    EXPECT_EQ(quellwerk[QStringLiteral("key")].toString(), QStringLiteral("QUELLWERK_WOST"));
    EXPECT_EQ(quellwerk[QStringLiteral("version")].toInt(), 3);
    const QJsonObject fbh = quellwerk[QStringLiteral("tree")].toArray()[1].toObject();
    EXPECT_EQ(fbh[QStringLiteral("key")].toString(), QStringLiteral("WOSTFBH_QW"));
    EXPECT_EQ(
        fbh[QStringLiteral("children")].toArray()[0].toObject()[QStringLiteral("articleSet")].toString(),
        QStringLiteral("QW_D_FBH_M"));
}

// The leaves of a selection tree as the tool lists it, each with the name of its group.
void productsOf(const QJsonArray& nodes, const QString& group, QList<QPair<QString, QString>>& products) {
    for (const QJsonValue& value : nodes) {
        const QJsonObject node = value.toObject();
        const QString ownGroup = group.isEmpty() ? node[QStringLiteral("name")].toString() : group;
        if (node.contains(QStringLiteral("children")))
            productsOf(node[QStringLiteral("children")].toArray(), ownGroup, products);
        else
            products.append({ownGroup, node[QStringLiteral("key")].toString()});
    }
}

// Every product of the sample catalogues passes a check with requirements that suit it, as the
// tool runs it on the sample installation.
TEST(StationCommand, EverySampleProductPassesAFittingCheck) {
    const auto listed =
        runOrvane(station(QStringList{QStringLiteral("list"), QStringLiteral("--json")} + sampleCatalogs()));
    ASSERT_EQ(listed.status, 0) << qPrintable(listed.err);
    int checked = 0;
    for (const QJsonValue& value :
         QJsonDocument::fromJson(listed.out.toUtf8()).object()[QStringLiteral("catalogs")].toArray()) {
        const QJsonObject catalog = value.toObject();
        QList<QPair<QString, QString>> products;
        productsOf(catalog[QStringLiteral("tree")].toArray(), QString(), products);
        for (const auto& [group, product] : products) {
            QStringList args =
                QStringList{QStringLiteral("check")} + sampleCatalogs() +
                QStringList{QStringLiteral("--catalog"), catalog[QStringLiteral("key")].toString(),
                            QStringLiteral("--product"), product, QStringLiteral("--json")};
            // Fresh-water stations serve larger tap rates at a hotter supply.
            if (group == QStringLiteral("Frischwasserstationen"))
                args << QStringLiteral("--fr") << QStringLiteral("25") << QStringLiteral("--tvl")
                     << QStringLiteral("70");
            if (group.contains(QStringLiteral("FBH")))
                args << QStringLiteral("--nfbh") << QStringLiteral("4") << QStringLiteral("--hz-tvl")
                     << QStringLiteral("35") << QStringLiteral("--hz-trl") << QStringLiteral("28");
            const auto checkedOne = runOrvane(station(args));
            const QJsonObject report = QJsonDocument::fromJson(checkedOne.out.toUtf8()).object();
            EXPECT_EQ(checkedOne.status, 0)
                << qPrintable(product + ": " + report[QStringLiteral("result")].toString() + checkedOne.err);
            EXPECT_GT(report[QStringLiteral("design")].toObject()[QStringLiteral("vPrim")].toDouble(), 0.0)
                << qPrintable(product);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 13);
}

TEST(StationCommand, CheckShowsResultSummariesAndDesignPoint) {
    const QStringList base = QStringList{QStringLiteral("check")} + sampleCatalogs() +
                             QStringList{QStringLiteral("--catalog"), QStringLiteral("quellwerk_wost"),
                                         QStringLiteral("--product"), QStringLiteral("QW_FBH_M6")};
    const auto passing =
        runOrvane(station(base + QStringList{"--nfbh", "4", "--hz-tvl", "35", "--hz-trl", "28"}));
    EXPECT_EQ(passing.status, 0) << qPrintable(passing.err);
    EXPECT_TRUE(passing.out.startsWith(QStringLiteral("Quellwerk Wohnungsstation FBH M\n")));
    EXPECT_TRUE(passing.out.contains(QStringLiteral("\nSchaltung\t\tParallel\n")));
    EXPECT_TRUE(passing.out.contains(QStringLiteral("Zapfrate\t\t12 l/min, 50 °C\n")));
    EXPECT_TRUE(passing.out.contains(QStringLiteral("VL/RL-Temp. 35/28 °C\nFBH-Kreise: 4 Stück\n")));
    EXPECT_TRUE(passing.out.contains(QStringLiteral("Design point: 10.0/50.0 °C, supply 65.0 °C")));

    const auto failing = runOrvane(station(base + QStringList{"--hz-tvl", "35", "--hz-trl", "28", "--json"}));
    EXPECT_EQ(failing.status, 1);
    const QJsonObject report = QJsonDocument::fromJson(failing.out.toUtf8()).object();
    EXPECT_FALSE(report[QStringLiteral("passes")].toBool());
    EXPECT_EQ(report[QStringLiteral("result")].toString(),
              QStringLiteral(
                  "Fehler: Die gewählte Station enthält einen Fußbodenheizungs-Verteiler. Bei Bedarf bitte "
                  "Anzahl der FBH-Kreise festlegen."));
    EXPECT_FALSE(report.contains(QStringLiteral("design")));

    const auto byHeat = runOrvane(
        station(QStringList{QStringLiteral("check")} + sampleCatalogs() +
                QStringList{QStringLiteral("--catalog"), QStringLiteral("AUENHOF_WOST"),
                            QStringLiteral("--product"), QStringLiteral("AH_WS_K20"), QStringLiteral("--hr"),
                            QStringLiteral("60000"), QStringLiteral("--json")}));
    EXPECT_EQ(byHeat.status, 1);
    EXPECT_TRUE(QJsonDocument::fromJson(byHeat.out.toUtf8())
                    .object()[QStringLiteral("result")]
                    .toString()
                    .startsWith(QStringLiteral("Fehler: Die Zapfrate von 21.")));
}

TEST(StationCommand, UnknownCatalogueOrProduct) {
    const QStringList base = QStringList{QStringLiteral("check")} + sampleCatalogs();
    const auto noCatalogue =
        runOrvane(station(base + QStringList{"--catalog", "NONE", "--product", "AH_WS_K20"}));
    EXPECT_EQ(noCatalogue.status, 1);
    EXPECT_TRUE(noCatalogue.err.contains(QStringLiteral("no station catalogue \"NONE\"")));
    EXPECT_FALSE(noCatalogue.err.contains(QStringLiteral("AUENHOF_WOST"))) << "the other catalogues are fine";
    const auto noProduct =
        runOrvane(station(base + QStringList{"--catalog", "AUENHOF_WOST", "--product", "QW_D_S25"}));
    EXPECT_EQ(noProduct.status, 1);
    EXPECT_TRUE(noProduct.err.contains(QStringLiteral("has no product \"QW_D_S25\"")));
}

// A catalogue folder with the descriptor of SMALL_WOST; its database is built from the source
// with the tool, as the build does for the sample catalogues.
class StationFolderTest : public FolderTest {
protected:
    // The tool runs in this process: a database it attached would outlive the test's folder.
    void TearDown() override { OrvMat_DetachDatabase("SMALL_WOST"); }

    void writeDescriptor(const QByteArray& database) {
        folder.write(QStringLiteral("Catalogs/SMALL_WOST.inf"),
                     "Catalog {\n  ID = \"SMALL\"\n  Kinds = \"RS_HZ\"\n  RootPath = \"Klein\"\n"
                     "  MmdKey = \"SMALL_WOST\"\n  Database = \"" +
                         database + "\"\n}\n");
    }
    // `db` is a path below the test's folder; its folder is made here.
    void buildDatabase(int version, const QString& db) {
        folder.write(QDir(folder.path()).relativeFilePath(QFileInfo(db).path()) + QStringLiteral("/.keep"),
                     "");
        const QString src = folder.write(QStringLiteral("src/SMALL_WOST.orvsrc"), smallCatalogue(version));
        const auto built =
            runOrvane({QStringLiteral("catalog"), QStringLiteral("build"), src, QStringLiteral("-o"), db});
        ASSERT_EQ(built.status, 0) << qPrintable(built.err);
    }
    QString catalogs() const { return folder.filePath(QStringLiteral("Catalogs")); }
};

TEST_F(StationFolderTest, CataloguesOfTheDescriptorsByVersion) {
    writeDescriptor("SMALL_WOST.omdb");
    ASSERT_NO_FATAL_FAILURE(
        buildDatabase(2, folder.filePath(QStringLiteral("Catalogs/Klein/SMALL_WOST.omdb"))));
    const auto ok = runOrvane(
        station({QStringLiteral("check"), QStringLiteral("--catalogs"), catalogs(),
                 QStringLiteral("--catalog"), QStringLiteral("SMALL_WOST"), QStringLiteral("--product"),
                 QStringLiteral("FRWS_K"), QStringLiteral("--tvl"), QStringLiteral("60")}));
    EXPECT_EQ(ok.status, 0) << qPrintable(ok.err + ok.out);
    EXPECT_TRUE(ok.out.contains(QStringLiteral("VL/RL-Temp.\t60/")));

    // Another database of the same key, found through --databases once the catalogue's own is gone.
    QFile::remove(folder.filePath(QStringLiteral("Catalogs/Klein/SMALL_WOST.omdb")));
    ASSERT_NO_FATAL_FAILURE(buildDatabase(4, folder.filePath(QStringLiteral("built/SMALL_WOST.omdb"))));
    const auto refused =
        runOrvane(station({QStringLiteral("list"), QStringLiteral("--catalogs"), catalogs(),
                           QStringLiteral("--databases"), folder.filePath(QStringLiteral("built"))}));
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.contains(QStringLiteral("SMALL_WOST  SMALL  (data version 4, not usable)")))
        << qPrintable(refused.out);
    EXPECT_TRUE(refused.err.contains(
        QStringLiteral("Der Datensatz SMALL kann in dieser Programmversion nicht verwendet werden.")));
}

TEST_F(StationFolderTest, MissingDatabasesAndBadDescriptorsAreTold) {
    writeDescriptor("SMALL_WOST.omdb");
    folder.write(QStringLiteral("Catalogs/broken.inf"), "Catalog {\n  DisplayName = \"no identifier\"\n}\n");
    const auto result =
        runOrvane(station({QStringLiteral("list"), QStringLiteral("--catalogs"), catalogs()}));
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.contains(QStringLiteral("no station catalogues")));
    EXPECT_TRUE(result.err.contains(QStringLiteral("SMALL: its material database \"")) &&
                result.err.contains(QStringLiteral("SMALL_WOST.omdb\" does not exist")))
        << qPrintable(result.err);
    EXPECT_TRUE(result.err.contains(QStringLiteral("broken.inf"))) << qPrintable(result.err);

    // A file that is no material database is never written by trying it.
    const QString bogus = folder.write(QStringLiteral("Catalogs/Klein/SMALL_WOST.omdb"), "no database\n");
    const auto check = runOrvane(station({QStringLiteral("check"), QStringLiteral("--catalogs"), catalogs(),
                                          QStringLiteral("--catalog"), QStringLiteral("SMALL_WOST"),
                                          QStringLiteral("--product"), QStringLiteral("FRWS_K")}));
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(check.err.contains(QStringLiteral("no station catalogue \"SMALL_WOST\"")));
    EXPECT_TRUE(check.err.contains(QStringLiteral("SMALL_WOST.omdb: not a material database")))
        << qPrintable(check.err);
    EXPECT_FALSE(check.err.contains(QStringLiteral("no station catalogue in its material database")));
    EXPECT_EQ(folder.read(QStringLiteral("Catalogs/Klein/SMALL_WOST.omdb")), QByteArray("no database\n"));
}

// A catalogue that cannot be used says why: the table it lacks, or an empty selection tree.
TEST_F(StationFolderTest, UnusableCataloguesTellWhy) {
    writeDescriptor("SMALL_WOST.omdb");
    folder.write(QStringLiteral("Catalogs/Klein/.keep"), "");
    const QString db = folder.filePath(QStringLiteral("Catalogs/Klein/SMALL_WOST.omdb"));
    const QStringList list{QStringLiteral("list"), QStringLiteral("--catalogs"), catalogs()};
    const QStringList check{
        QStringLiteral("check"),     QStringLiteral("--catalogs"), catalogs(),
        QStringLiteral("--catalog"), QStringLiteral("SMALL_WOST"), QStringLiteral("--product"),
        QStringLiteral("FRWS_K")};
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Logik"), QStringLiteral("SMALL_WOST: not usable: no table \"Logik\"")},
        {QStringLiteral("Daten"), QStringLiteral("SMALL_WOST: not usable: no table \"Daten\"")},
        {QStringLiteral("Waermeuebertrager"),
         QStringLiteral("SMALL_WOST: not usable: no table \"Waermeuebertrager\"")},
        {QStringLiteral("Logik.Auswahl1_1"),
         QStringLiteral("SMALL_WOST: not usable: its selection tree is empty")}};
    for (const auto& [table, reason] : cases) {
        OrvMat_DetachDatabase("SMALL_WOST");
        const QString renamed = QStringLiteral("table Heizung.Wohnungsstationen.") + table;
        QByteArray source = smallCatalogue(2);
        source.replace((renamed + '\n').toUtf8(), (renamed + QStringLiteral("_weg\n")).toUtf8());
        source.replace((renamed + '.').toUtf8(), (renamed + QStringLiteral("_weg.")).toUtf8());
        const QString src = folder.write(QStringLiteral("src/SMALL_WOST.orvsrc"), source);
        const auto built =
            runOrvane({QStringLiteral("catalog"), QStringLiteral("build"), src, QStringLiteral("-o"), db});
        ASSERT_EQ(built.status, 0) << qPrintable(built.err);
        for (const QStringList& args : {list, check}) {
            const auto result = runOrvane(station(args));
            EXPECT_EQ(result.status, 1) << qPrintable(table);
            EXPECT_TRUE(result.err.contains(reason)) << qPrintable(table + ": " + result.err);
        }
    }
}

TEST(StationCommand, AGroupOfTheSelectionTreeIsNoProduct) {
    const auto group =
        runOrvane(station(QStringList{QStringLiteral("check")} + sampleCatalogs() +
                          QStringList{"--catalog", "AUENHOF_WOST", "--product", "AH_GRP_KOMPAKT"}));
    EXPECT_EQ(group.status, 1);
    EXPECT_TRUE(group.err.contains(
        QStringLiteral("\"AH_GRP_KOMPAKT\" is a group of the selection tree, not a product")))
        << qPrintable(group.err);
    EXPECT_FALSE(group.err.contains(QStringLiteral("Waermeuebertrager"))) << "no product was loaded";
}

} // namespace
