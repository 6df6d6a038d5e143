#include "cli_test_support.h"
#include "test_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using orvane::test::FolderTest;
using orvane::test::runOrvane;
using orvane::test::sampleInstallationPath;

QStringList station(QStringList args) {
    return QStringList{QStringLiteral("station")} + args;
}

QString samples() { return sampleInstallationPath(QStringLiteral("Catalogs")); }

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
    EXPECT_EQ(runOrvane(station({QStringLiteral("frobnicate"), QStringLiteral("--catalogs"), samples()})).status, 2);
    EXPECT_EQ(runOrvane(station({QStringLiteral("list"), QStringLiteral("--catalogs"), samples(), QStringLiteral("--x")}))
                  .status,
              2);
    const QStringList check{QStringLiteral("check"), QStringLiteral("--catalogs"), samples(),
                            QStringLiteral("--catalog"), QStringLiteral("AUENHOF_WOST"), QStringLiteral("--product"),
                            QStringLiteral("AH_WS_K20")};
    EXPECT_EQ(runOrvane(station(check + QStringList{"--fr", "10", "--hr", "20000"})).status, 2);
    const auto notANumber = runOrvane(station(check + QStringList{"--tk", "cold"}));
    EXPECT_EQ(notANumber.status, 2);
    EXPECT_TRUE(notANumber.err.contains(QStringLiteral("--tk")));
    EXPECT_EQ(runOrvane(station(check + QStringList{"--nfbh", "2.5"})).status, 2);
    EXPECT_EQ(runOrvane(station(check.mid(0, 5))).status, 2); // no product
    EXPECT_EQ(runOrvane(station({QStringLiteral("list"), QStringLiteral("--catalogs"), QStringLiteral("/no/such/dir")}))
                  .status,
              1);
}

TEST(StationCommand, ListsTheSampleCatalogues) {
    const auto text = runOrvane(station({QStringLiteral("list"), QStringLiteral("--catalogs"), samples()}));
    EXPECT_EQ(text.status, 0) << qPrintable(text.err);
    EXPECT_TRUE(text.out.contains(QStringLiteral("AUENHOF_WOST  Auenhof Thermotechnik  (data version 1)")));
    EXPECT_TRUE(text.out.contains(QStringLiteral("      Kompakt 20  [AH_WS_K20]")));
    EXPECT_TRUE(text.out.contains(QStringLiteral("      S 25  [QW_WS_S25 -> QW_D_S25]")));

    const auto json = runOrvane(station({QStringLiteral("list"), QStringLiteral("--catalogs"), samples(),
                                         QStringLiteral("--json")}));
    ASSERT_EQ(json.status, 0);
    const QJsonArray catalogs = QJsonDocument::fromJson(json.out.toUtf8()).object()[QStringLiteral("catalogs")].toArray();
    ASSERT_EQ(catalogs.size(), 2);
    const QJsonObject quellwerk = catalogs[1].toObject();
    EXPECT_EQ(quellwerk[QStringLiteral("key")].toString(), QStringLiteral("QUELLWERK_WOST"));
    EXPECT_EQ(quellwerk[QStringLiteral("version")].toInt(), 3);
    const QJsonObject fbh = quellwerk[QStringLiteral("tree")].toArray()[1].toObject();
    EXPECT_EQ(fbh[QStringLiteral("key")].toString(), QStringLiteral("WOSTFBH_QW"));
    EXPECT_EQ(fbh[QStringLiteral("children")].toArray()[0].toObject()[QStringLiteral("articleSet")].toString(),
              QStringLiteral("QW_D_FBH_M"));
}

TEST(StationCommand, CheckShowsResultSummariesAndDesignPoint) {
    const QStringList base{QStringLiteral("check"), QStringLiteral("--catalogs"), samples(), QStringLiteral("--catalog"),
                           QStringLiteral("quellwerk_wost"), QStringLiteral("--product"), QStringLiteral("QW_FBH_M6")};
    const auto passing = runOrvane(station(base + QStringList{"--nfbh", "4", "--hz-tvl", "35", "--hz-trl", "28"}));
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
              QStringLiteral("Fehler: Die gewählte Station enthält einen Fußbodenheizungs-Verteiler. Bei Bedarf bitte "
                             "Anzahl der FBH-Kreise festlegen."));
    EXPECT_FALSE(report.contains(QStringLiteral("design")));

    const auto byHeat = runOrvane(station({QStringLiteral("check"), QStringLiteral("--catalogs"), samples(),
                                           QStringLiteral("--catalog"), QStringLiteral("AUENHOF_WOST"),
                                           QStringLiteral("--product"), QStringLiteral("AH_WS_K20"),
                                           QStringLiteral("--hr"), QStringLiteral("60000"), QStringLiteral("--json")}));
    EXPECT_EQ(byHeat.status, 1);
    EXPECT_TRUE(QJsonDocument::fromJson(byHeat.out.toUtf8())
                    .object()[QStringLiteral("result")]
                    .toString()
                    .startsWith(QStringLiteral("Fehler: Die Zapfrate von 21.")));
}

TEST(StationCommand, UnknownCatalogueOrProduct) {
    const QStringList base{QStringLiteral("check"), QStringLiteral("--catalogs"), samples()};
    const auto noCatalogue = runOrvane(station(base + QStringList{"--catalog", "NONE", "--product", "AH_WS_K20"}));
    EXPECT_EQ(noCatalogue.status, 1);
    EXPECT_TRUE(noCatalogue.err.contains(QStringLiteral("no station catalogue \"NONE\"")));
    const auto noProduct = runOrvane(station(base + QStringList{"--catalog", "AUENHOF_WOST", "--product", "QW_D_S25"}));
    EXPECT_EQ(noProduct.status, 1);
    EXPECT_TRUE(noProduct.err.contains(QStringLiteral("has no product \"QW_D_S25\"")));
}

TEST_F(FolderTest, CataloguesOfAFolderByVersion) {
    folder.write(QStringLiteral("Klein/SMALL_WOST.orvsrc"), smallCatalogue(2));
    const auto ok = runOrvane(station({QStringLiteral("check"), QStringLiteral("--catalogs"), folder.path(),
                                       QStringLiteral("--catalog"), QStringLiteral("SMALL_WOST"),
                                       QStringLiteral("--product"), QStringLiteral("FRWS_K"),
                                       QStringLiteral("--tvl"), QStringLiteral("60")}));
    EXPECT_EQ(ok.status, 0) << qPrintable(ok.err + ok.out);
    EXPECT_TRUE(ok.out.contains(QStringLiteral("VL/RL-Temp.\t60/")));

    folder.write(QStringLiteral("Klein/SMALL_WOST.orvsrc"), smallCatalogue(4));
    const auto refused = runOrvane(station({QStringLiteral("list"), QStringLiteral("--catalogs"), folder.path()}));
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.contains(QStringLiteral("SMALL_WOST  Kleinbetrieb  (data version 4, not usable)")));
    EXPECT_TRUE(refused.err.contains(
        QStringLiteral("Der Datensatz Kleinbetrieb kann in dieser Programmversion nicht verwendet werden.")));
}

TEST_F(FolderTest, SourceErrorsNameFileAndLine) {
    folder.write(QStringLiteral("Bad/BAD_WOST.orvsrc"), "database BAD_WOST\ntable Heizung\nrow X: @NOWHERE\n");
    const auto result = runOrvane(station({QStringLiteral("list"), QStringLiteral("--catalogs"), folder.path()}));
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("BAD_WOST.orvsrc:3:"))) << qPrintable(result.err);
}

} // namespace
