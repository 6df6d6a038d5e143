// orvane catalog: building databases from sources, errors with file and line, show and dump.

#include "cli_test_support.h"
#include "test_folder.h"

#include "orvmat/database.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using namespace orvane::test;

const char* const kMain = R"(# a small station catalogue
database RS_CLI
include "texts.orvsrc"
table Heizung.Wohnungsstationen.Daten
row WOST_1: @WT_1 | 3= 2.5, 3.0 | "Text mit \"Anführung\" | und Strich"
table Heizung.Wohnungsstationen.Waermeuebertrager
row WT_1: "Platte"
)";

const char* const kTexts = "table Heizung.Texte\nrow WOST_1: \"Wohnungsstation 1\"\n";

// Builds `src` into `db`; the status of the run.
int build(const QString& src, const QString& db) {
    return runOrvane({"catalog", "build", src, "-o", db}).status;
}

TEST_F(FolderTest, CatalogBuildWritesADatabaseTheLibraryReads) {
    const QString src = folder.write("main.orvsrc", kMain);
    folder.write("texts.orvsrc", kTexts);
    const QString db = folder.filePath("out.omdb");
    const auto built = runOrvane({"catalog", "build", src, "-o", db});
    ASSERT_EQ(built.status, 0) << qPrintable(built.err);
    EXPECT_TRUE(built.out.contains("3 tables, 3 rows")) << qPrintable(built.out);

    std::string error;
    const auto opened = orvmat::Database::open(db.toStdString(), &error);
    ASSERT_TRUE(opened) << error;
    const auto texts = opened->findTable(0, "Heizung.Texte");
    const auto daten = opened->findTable(0, "Heizung.Wohnungsstationen.Daten");
    ASSERT_TRUE(texts && daten);
    const std::int64_t station = opened->idOfKey("WOST_1");
    const auto text = [&](std::int64_t table, int value, int column) {
        const orvmat::Value* cell = opened->cell(table, station, value, column);
        return cell ? cell->text : std::string("(none)");
    };
    EXPECT_EQ(text(*texts, 0, 0), "Wohnungsstation 1");
    EXPECT_EQ(text(*daten, 0, 4), "Text mit \"Anführung\" | und Strich");
    const orvmat::Value* second = opened->cell(*daten, station, 1, 3);
    ASSERT_TRUE(second && second->type == orvmat::ValueType::Float);
    EXPECT_DOUBLE_EQ(second->number, 3.0);
}

TEST_F(FolderTest, CatalogBuildNamesFileAndLineOfEveryError) {
    struct Case {
        const char* source;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"table A\nrow X: @NOWHERE\n", 2, "unknown key \"NOWHERE\""},
        {"row X: 1\n", 1, "before the first table"},
        {"table A\nrow X: 1\nrow X: 2\n", 3, "already has a row \"X\""},
        {"table A\nrow X: 1 |\n  word\n", 3, "is no number"},
        {"table A\nrow X: \"open\n", 2, "not closed"},
        {"table A\nrow X: 5= 1 | 2= 3\n", 2, "column 2 comes after column 6"},
        {"table A\nrow X: 1,, 2\n", 2, "missing before ','"},
        {"tabel A\n", 1, "unknown statement"},
        {"table A..B\n", 1, "empty part"},
        {"include \"missing.orvsrc\"\n", 1, "does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        const QString src = folder.write("bad.orvsrc", c.source);
        const auto result = runOrvane({"catalog", "build", src, "-o", folder.filePath("bad.omdb")});
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.err.startsWith(src + QStringLiteral(":%1:").arg(c.line))) // a column may follow
            << qPrintable(result.err);
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.message))) << qPrintable(result.err);
    }

    // An error inside an included file names that file.
    const QString main = folder.write("main.orvsrc", "table A\ninclude \"part.orvsrc\"\n");
    const QString part = folder.write("part.orvsrc", "table B\n\nrow Y: nonsense\n");
    const auto included = runOrvane({"catalog", "build", main, "-o", folder.filePath("x.omdb")});
    EXPECT_EQ(included.status, 1);
    EXPECT_TRUE(included.err.startsWith(part + ":3: ")) << qPrintable(included.err);

    // A file that includes itself is refused, not read forever.
    const QString loop = folder.write("loop.orvsrc", "include \"loop.orvsrc\"\n");
    const auto looped = runOrvane({"catalog", "build", loop, "-o", folder.filePath("x.omdb")});
    EXPECT_EQ(looped.status, 1);
    EXPECT_TRUE(looped.err.contains("includes itself")) << qPrintable(looped.err);
}

TEST_F(FolderTest, CatalogBuildKeepsTheOldDatabaseWhenTheNewSourceFails) {
    const QString db = folder.filePath("keep.omdb");
    const QString good = folder.write("good.orvsrc", "table A\nrow X: 1\n");
    ASSERT_EQ(build(good, db), 0);
    const QByteArray before = folder.read("keep.omdb");
    // Failing at reading and at building; each time a killed build's files lie beside DB.
    for (const char* source : {"table A\nrow X: nonsense\n", "table A\nrow X: @MISSING\n"}) {
        SCOPED_TRACE(source);
        for (const char* leftover : {"keep.omdb.partial", "keep.omdb.partial-journal"})
            folder.write(leftover, "half a database");
        EXPECT_EQ(build(folder.write("bad.orvsrc", source), db), 1);
        EXPECT_EQ(folder.read("keep.omdb"), before);
        EXPECT_FALSE(QFile::exists(db + ".partial"));
        EXPECT_FALSE(QFile::exists(db + ".partial-journal"));
    }
}

TEST_F(FolderTest, CatalogDumpGivesASourceThatBuildsTheSameDatabase) {
    const QString src = folder.write("main.orvsrc", kMain);
    folder.write("texts.orvsrc",
                 QByteArray(kTexts) +
                     "key TABLE_KEY \"Schlüssel mit Blank\"\n"
                     "table \"Gruppe.mit.Punkt\".Innen\nrow: -1.5e-3 | 3= -7 | 4= \"\\t\\n\\\\\"\n"
                     "row \"k ey\": @\"Schlüssel mit Blank\", @WT_1\ntable Leer\n");
    const QString first = folder.filePath("first.omdb");
    ASSERT_EQ(build(src, first), 0);
    const auto dumped = runOrvane({"catalog", "dump", first});
    ASSERT_EQ(dumped.status, 0) << qPrintable(dumped.err);
    EXPECT_TRUE(dumped.out.contains("row WOST_1: @WT_1 | 3= 2.5, 3.0 |")) << qPrintable(dumped.out);

    const QString again = folder.write("again.orvsrc", dumped.out.toUtf8());
    const QString second = folder.filePath("second.omdb");
    const auto rebuilt = runOrvane({"catalog", "build", again, "-o", second});
    ASSERT_EQ(rebuilt.status, 0) << qPrintable(rebuilt.err) << qPrintable(dumped.out);
    EXPECT_EQ(runOrvane({"catalog", "dump", second}).out, dumped.out);
}

TEST_F(FolderTest, CatalogShowListsTablesAndRefusesOtherFiles) {
    const QString src = folder.write("main.orvsrc", kMain);
    folder.write("texts.orvsrc", kTexts);
    const QString db = folder.filePath("out.omdb");
    ASSERT_EQ(build(src, db), 0);

    const auto shown = runOrvane({"catalog", "show", db});
    ASSERT_EQ(shown.status, 0);
    EXPECT_TRUE(shown.out.startsWith("key: RS_CLI\nHeizung\n  Texte (1 row)\n  Wohnungsstationen\n"))
        << qPrintable(shown.out);

    const auto json = runOrvane({"catalog", "show", db, "--json"});
    ASSERT_EQ(json.status, 0);
    const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(root["key"].toString(), "RS_CLI");
    const QJsonArray stations =
        root["tables"].toArray()[0].toObject()["tables"].toArray()[1].toObject()["tables"].toArray();
    ASSERT_EQ(stations.size(), 2);
    EXPECT_EQ(stations[0].toObject()["name"].toString(), "Daten");
    EXPECT_EQ(stations[0].toObject()["rows"].toInt(), 1);

    const QString notDb = folder.write("text.omdb", "hello");
    const auto refused = runOrvane({"catalog", "show", notDb});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("not a material database")) << qPrintable(refused.err);
}

} // namespace
