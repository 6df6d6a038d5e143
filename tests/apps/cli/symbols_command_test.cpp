#include "cli_test_support.h"
#include "test_folder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using orvane::test::FolderTest;
using orvane::test::runOrvane;

QStringList symbolsArgs(std::initializer_list<QString> args) {
    QStringList list{QStringLiteral("symbols")};
    for (const QString& arg : args)
        list << arg;
    return list;
}

TEST(SymbolsCommand, SampleInstallationHasNoErrors) {
    const QString base = orvane::test::sampleInstallationPath();
    const auto check = runOrvane(symbolsArgs({"check", "--base", base, "--json"}));
    EXPECT_EQ(check.status, 0) << qPrintable(check.out);
    const QJsonObject report = QJsonDocument::fromJson(check.out.toUtf8()).object();
    EXPECT_EQ(report.value("errors").toInt(-1), 0);
    EXPECT_GE(report.value("filesChecked").toInt(), 20);

    const auto scan = runOrvane(symbolsArgs({"scan", "--base", base, "--json"}));
    ASSERT_EQ(scan.status, 0);
    const QJsonArray trades = QJsonDocument::fromJson(scan.out.toUtf8()).object().value("trades").toArray();
    ASSERT_EQ(trades.size(), 10);
    for (const QJsonValue& trade : trades) {
        const QJsonArray files = trade.toObject().value("files").toArray();
        int pages = 0;
        for (const QJsonValue& file : files)
            pages += int(file.toObject().value("pages").toArray().size());
        EXPECT_GE(pages, trade.toObject().value("trade").toString() == "USER" ? 1 : 3)
            << qPrintable(trade.toObject().value("trade").toString());
    }
}

TEST_F(FolderTest, SymbolsCheckReportsWhatAMaintainerMustFix) {
    folder.write("Support/Symbol Toolbars/Heizung/kaputt.inf", "Root {\n  Pages {\n    Page { Symbol {\n");
    folder.write("Support/Symbol Toolbars/Heizung/liste.inf",
                 "Root { SymbolFile = \"C:\\\\plain.inf\" SymbolFile = \"<FEHLT>a.inf\" SymbolFile = "
                 "\"<KAT>nix.inf\" }");
    folder.write("Catalogs/KAT.inf", "Catalog { ID = \"KAT\" }");
    folder.write("Catalogs/KAT/da.inf", "Root { Pages { Page { } } }");
    folder.write("Support/Symbol Toolbars/Gas/a.inf",
                 "Root { Pages { Page { Farbe = \"rot\" Symbol { BlockName = \"G1\" Groesse = \"2\" } } } }");
    folder.write(
        "Support/Symbol Toolbars/Gas/b.inf",
        "Root { Pages { Page { Version = \"+Pro\" Symbol { BlockName = \"g1\" SlideName = \"da\" } } } }");
    folder.write("Support/Symbol Toolbars/Gas/Slides/da.sld", "x");
    const auto result = runOrvane(symbolsArgs({"check", "--base", folder.path(), "--version", "Basic"}));
    EXPECT_EQ(result.status, 1);
    const QString& out = result.out;
    EXPECT_TRUE(out.contains("error: Support/Symbol Toolbars/Heizung/kaputt.inf:3:19: cannot be read"))
        << qPrintable(out);
    EXPECT_TRUE(out.contains("\"C:\\plain.inf\" is not a catalogue path"));
    EXPECT_TRUE(out.contains("unknown catalogue in \"<FEHLT>a.inf\""));
    EXPECT_TRUE(out.contains("\"<KAT>nix.inf\" names a file that does not exist"));
    EXPECT_TRUE(out.contains("[Pages/Page[1]]: unknown key \"Farbe\""));
    EXPECT_TRUE(out.contains("[Pages/Page[1]/Symbol[1]]: unknown key \"Groesse\""));
    EXPECT_TRUE(out.contains("warning: Support/Symbol Toolbars/Gas/a.inf [Pages/Page[1]/Symbol[1]]: slide "
                             "missing: Slides/G1.sld"));
    EXPECT_FALSE(out.contains("Slides/da.sld"));
    EXPECT_TRUE(out.contains("block name \"g1\" is also used in a.inf"));
    EXPECT_TRUE(out.contains("b.inf: every page is filtered out for version \"Basic\""));
    EXPECT_TRUE(out.contains("6 errors"));
}

TEST_F(FolderTest, SymbolsScanAndLookupNeedTheSuppliedFolder) {
    folder.write("User-Standards/Symbol Toolbars/User/a.inf",
                 "Root { Pages { Page { Symbol { BlockName = \"EIGEN\" } } } }");
    for (const QString& verb : {QStringLiteral("scan"), QStringLiteral("lookup")}) {
        QStringList args = symbolsArgs({verb, "--base", folder.path()});
        if (verb == QStringLiteral("lookup"))
            args << "EIGEN";
        const auto result = runOrvane(args);
        EXPECT_EQ(result.status, 1) << qPrintable(verb);
        EXPECT_TRUE(result.err.contains("no folder Support/Symbol Toolbars")) << qPrintable(result.err);
    }
}

TEST_F(FolderTest, SymbolsCheckFindsListFileLoops) {
    folder.write("Support/Symbol Toolbars/Heizung/a.inf", "Root { SymbolFile = \"<K>b.inf\" }");
    folder.write("Catalogs/K.inf", "Catalog { ID = \"K\" }");
    folder.write("Catalogs/K/b.inf", "Root { SymbolFile = \"<K>c.inf\" }");
    folder.write("Catalogs/K/c.inf", "Root { SymbolFile = \"<K>b.inf\" }");
    const auto result = runOrvane(symbolsArgs({"check", "--base", folder.path()}));
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.contains("Catalogs/K/c.inf [SymbolFile[1]]: \"<K>b.inf\" leads back"))
        << qPrintable(result.out);
}

TEST_F(FolderTest, SymbolsLookupAppliesOverridesAndUsageErrors) {
    folder.write(
        "Support/Symbol Toolbars/Heizung/a.inf",
        "Root { Pages { Page { Symbol { BlockName = \"HZ_PUMPE\" Text = \"Pumpe\" Osnap = \"1\" } } } }");
    folder.write("User-Standards/Symbol Toolbars/UserSettings.inf",
                 "Root { Pages { Page { Symbol { BlockName = \"HZ_PUMPE\" Osnap = \"33\" } } } }");
    const auto found =
        runOrvane(symbolsArgs({"lookup", "--base", folder.path(), "C:\\Blocks\\hz_pumpe.dwg", "--json"}));
    ASSERT_EQ(found.status, 0) << qPrintable(found.err);
    const QJsonObject symbol = QJsonDocument::fromJson(found.out.toUtf8()).object();
    EXPECT_EQ(symbol.value("file").toString(), "Support/Symbol Toolbars/Heizung/a.inf");
    EXPECT_TRUE(symbol.value("userOverride").toBool());
    EXPECT_EQ(symbol.value("values").toObject().value("Osnap").toString(), "33");
    EXPECT_EQ(symbol.value("values").toObject().value("Text").toString(), "Pumpe");

    EXPECT_EQ(runOrvane(symbolsArgs({"lookup", "--base", folder.path(), "NIX"})).status, 1);
    EXPECT_EQ(runOrvane(symbolsArgs({"lookup", "NIX"})).status, 2);
    EXPECT_EQ(runOrvane(symbolsArgs({"scan", "--base", folder.filePath("fehlt")})).status, 1);
    EXPECT_EQ(runOrvane(symbolsArgs({"frobnicate", "--base", folder.path()})).status, 2);
    EXPECT_EQ(runOrvane(symbolsArgs({"--help"})).status, 0);
}

// Looking at a library must not change it: the module itself would drop an override holding
// only the block name from the file and set an unreadable file aside.
TEST_F(FolderTest, SymbolsScanAndLookupLeaveTheUserSettingsAsTheyAre) {
    folder.write("Support/Symbol Toolbars/Heizung/a.inf",
                 "Root { Pages { Page { Symbol { BlockName = \"HZ_PUMPE\" Text = \"Pumpe\" } } } }");
    const QByteArray overrides =
        "Root { Pages { Page { Symbol { BlockName = \"HZ_PUMPE\" Text = \"meine\" }\n"
        "  Symbol { BlockName = \"HZ_LEER\" } } } }\n";
    folder.write("User-Standards/Symbol Toolbars/UserSettings.inf", overrides);
    const auto found = runOrvane(symbolsArgs({"lookup", "--base", folder.path(), "HZ_PUMPE"}));
    EXPECT_EQ(found.status, 0);
    EXPECT_TRUE(found.out.contains("Text = meine")) << qPrintable(found.out);
    EXPECT_EQ(runOrvane(symbolsArgs({"scan", "--base", folder.path()})).status, 0);
    EXPECT_EQ(folder.read("User-Standards/Symbol Toolbars/UserSettings.inf"), overrides);

    const QByteArray corrupt = "Root { Pages { Page { Symbol { BlockName = \"HZ_PUMPE\" Text = \"x";
    folder.write("User-Standards/Symbol Toolbars/UserSettings.inf", corrupt);
    EXPECT_EQ(runOrvane(symbolsArgs({"scan", "--base", folder.path()})).status, 0);
    EXPECT_EQ(runOrvane(symbolsArgs({"lookup", "--base", folder.path(), "HZ_PUMPE"})).status, 0);
    EXPECT_EQ(folder.read("User-Standards/Symbol Toolbars/UserSettings.inf"), corrupt);
    EXPECT_FALSE(QFile::exists(folder.filePath("User-Standards/Symbol Toolbars/UserSettings.inf.bak")));
}

} // namespace
