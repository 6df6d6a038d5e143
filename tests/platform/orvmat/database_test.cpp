// Reading tables, rows and cells through the C interface, on databases built in the test.

#include "orvmat_test_support.h"

#include <sqlite3.h>

#include <cstring>
#include <tuple>
#include <vector>

using orvane::test::OrvMatTest;

namespace {

const char* const kStation = R"(
database RS_TEST
table Heizung.Texte
row WOST_A: "Station A" | "Ventil A"
table Heizung.Wohnungsstationen.Logik
row HerstellerURL: "https://example.invalid", "logo_a.bmp"
row Versionsnummer: "2"
table Heizung.Wohnungsstationen.Logik.Auswahl1_1
row GRP_1: @WOST_A | "Gruppe 1" | 3= "bild.bmp"
row GRP_2: @WOST_A | "Gruppe 2"
table Heizung.Wohnungsstationen.Daten
row WOST_A: @WT_1 | 3= 2.5 | 4= 350 | 13= 1 | 16= 0 | 21= 25 | 45 |
            24= 2
table Heizung.Wohnungsstationen.Waermeuebertrager
row WT_1: "Platte 10"
table Heizung.Wohnungsstationen.Waermeuebertrager."Ansatz_Kennlinien.WT_1"
row: 60.0 | 10.0 | 45.0
row: 65.0 | 10.0 | 50.0
table Heizung.Wohnungsstationen.Waermeuebertrager."Ansatz_Kennlinien.WT_1".Kennlinien
)";

std::vector<OrvMatId> rowsOf(OrvMatTable table) {
    std::vector<OrvMatId> rows;
    for (OrvMatPos pos = OrvMat_FirstRowPos(table); pos != 0;)
        rows.push_back(OrvMat_NextRow(table, &pos));
    return rows;
}

OrvMatTable open(OrvMatTable parent, const char* name) {
    OrvMatTable t = 0;
    EXPECT_EQ(OrvMat_OpenTable(&t, parent, name), 0) << name << ": " << OrvMat_LastError();
    return t;
}

} // namespace

TEST_F(OrvMatTest, OpensTablesByDottedNameAndInsideParents) {
    attach("RS_TEST", kStation);
    ASSERT_EQ(OrvMat_SelectDatabase("rs_test"), 1) << "keys compare ignoring case";
    EXPECT_STREQ(OrvMat_CurrentDatabase(), "RS_TEST");

    const OrvMatTable heizung = open(0, "Heizung");
    const OrvMatTable stations = open(heizung, "Wohnungsstationen");
    EXPECT_EQ(open(0, "Heizung.Wohnungsstationen"), stations) << "the same table answers the same handle";
    const OrvMatTable texts = open(0, "Heizung.Texte");
    EXPECT_NE(texts, stations);
    const char* name = nullptr;
    ASSERT_EQ(OrvMat_TableName(&name, texts), 1);
    EXPECT_STREQ(name, "Texte");

    // A child whose own name holds a dot, and a table nested below it.
    const OrvMatTable exchangers = open(stations, "Waermeuebertrager");
    const OrvMatTable curves = open(exchangers, "Ansatz_Kennlinien.WT_1");
    EXPECT_NE(open(curves, "Kennlinien"), 0);
    EXPECT_EQ(rowsOf(curves).size(), 2u);

    OrvMatTable untouched = 4711;
    EXPECT_EQ(OrvMat_OpenTable(&untouched, stations, "Pumpen"), 1);
    EXPECT_EQ(OrvMat_OpenTable(&untouched, 0, "Wohnungsstationen"), 1) << "not at the top level";
    EXPECT_EQ(OrvMat_OpenTable(&untouched, 0, "Heizung."), 1);
    EXPECT_EQ(OrvMat_OpenTable(&untouched, 999999, "Daten"), 1) << "unknown parent";
    EXPECT_EQ(untouched, 4711);
    EXPECT_NE(std::strlen(OrvMat_LastError()), 0u);
}

TEST_F(OrvMatTest, VisitsRowsInSourceOrderAndKeysMatchIdentifiers) {
    attach("RS_TEST", kStation);
    ASSERT_EQ(OrvMat_SelectDatabase("RS_TEST"), 1);
    const OrvMatTable logik = open(0, "Heizung.Wohnungsstationen.Logik");
    const auto rows = rowsOf(logik);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_STREQ(OrvMat_KeyOfId(rows[0]), "HerstellerURL");
    EXPECT_STREQ(OrvMat_KeyOfId(rows[1]), "Versionsnummer");
    EXPECT_EQ(OrvMat_IdOfKey("Versionsnummer"), rows[1]);
    EXPECT_EQ(rowsOf(logik), rows) << "a second visit gives the same order";

    EXPECT_EQ(OrvMat_IdOfKey("versionsnummer"), 0) << "key texts are exact";
    EXPECT_EQ(OrvMat_IdOfKey("nothing"), 0);
    EXPECT_EQ(OrvMat_KeyOfId(0), nullptr);

    // One identifier, rows in several tables: the article's data row and its text row.
    const OrvMatId article = OrvMat_IdOfKey("WOST_A");
    EXPECT_EQ(OrvMat_HasRow(open(0, "Heizung.Texte"), article), 1);
    EXPECT_EQ(OrvMat_HasRow(open(0, "Heizung.Wohnungsstationen.Daten"), article), 1);
    EXPECT_EQ(OrvMat_HasRow(logik, article), 0);

    // Rows without a key have identifiers of their own but no key text.
    const auto curveRows =
        rowsOf(open(0, "Heizung.Wohnungsstationen.Waermeuebertrager.Ansatz_Kennlinien.WT_1"));
    ASSERT_EQ(curveRows.size(), 2u);
    EXPECT_NE(curveRows[0], curveRows[1]);
    EXPECT_EQ(OrvMat_KeyOfId(curveRows[0]), nullptr);

    // Past the end, and positions that were never handed out.
    OrvMatPos pos = 0;
    EXPECT_EQ(OrvMat_NextRow(logik, &pos), 0);
    pos = 3;
    EXPECT_EQ(OrvMat_NextRow(logik, &pos), 0);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(OrvMat_FirstRowPos(open(0, "Heizung")), 0) << "a group has no rows";
}

// The four reads answer 0 on success and 1 on failure, the other way round from the rest of
// the interface, so that a loader stub answering 0 reads as success.
TEST_F(OrvMatTest, ReadsTypedCellsByRowColumnAndValueIndex) {
    attach("RS_TEST", kStation);
    ASSERT_EQ(OrvMat_SelectDatabase("RS_TEST"), 1);
    const OrvMatTable daten = open(0, "Heizung.Wohnungsstationen.Daten");
    const OrvMatTable logik = open(0, "Heizung.Wohnungsstationen.Logik");
    const OrvMatId station = OrvMat_IdOfKey("WOST_A");

    OrvMatId ref = 0;
    ASSERT_EQ(OrvMat_ReadRef(&ref, daten, station, 0, 0), 0);
    EXPECT_STREQ(OrvMat_KeyOfId(ref), "WT_1");
    double kv = 0;
    ASSERT_EQ(OrvMat_ReadFloat(&kv, daten, station, 0, 3), 0);
    EXPECT_DOUBLE_EQ(kv, 2.5);
    int i = 0;
    ASSERT_EQ(OrvMat_ReadInt(&i, daten, station, 0, 22), 0) << "a cell after an explicit column number";
    EXPECT_EQ(i, 45);
    ASSERT_EQ(OrvMat_ReadInt(&i, daten, station, 0, 24), 0) << "a row continued on the next line";
    EXPECT_EQ(i, 2);
    double widened = 0;
    ASSERT_EQ(OrvMat_ReadFloat(&widened, daten, station, 0, 4), 0) << "integers read as floats";
    EXPECT_DOUBLE_EQ(widened, 350.0);

    const char* text = nullptr;
    ASSERT_EQ(OrvMat_ReadText(&text, logik, OrvMat_IdOfKey("HerstellerURL"), 1, 0), 0);
    EXPECT_STREQ(text, "logo_a.bmp");
    ASSERT_EQ(OrvMat_ReadText(&text, daten, station, 0, 13), 0) << "numbers read as text";
    EXPECT_STREQ(text, "1");
    int count = -1;
    ASSERT_EQ(OrvMat_ValueCount(&count, logik, OrvMat_IdOfKey("HerstellerURL"), 0), 1);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(OrvMat_ValueCount(&count, daten, station, 1), 1);
    EXPECT_EQ(count, 0) << "an empty cell of an existing row";
    int type = 0;
    ASSERT_EQ(OrvMat_ValueType(&type, daten, station, 0, 0), 1);
    EXPECT_EQ(type, ORVMAT_REF);

    // Failures leave the outputs untouched: wrong type, missing value, missing row.
    int untouchedInt = -7;
    double untouchedFloat = -7.5;
    const char* untouchedText = "keep";
    OrvMatId untouchedRef = -7;
    EXPECT_EQ(OrvMat_ReadInt(&untouchedInt, daten, station, 0, 3), 1) << "a float is no integer";
    EXPECT_EQ(OrvMat_ReadRef(&untouchedRef, daten, station, 0, 3), 1);
    EXPECT_EQ(OrvMat_ReadText(&untouchedText, daten, station, 0, 0), 1) << "references do not read as text";
    EXPECT_EQ(OrvMat_ReadFloat(&untouchedFloat, logik, OrvMat_IdOfKey("HerstellerURL"), 0, 0), 1);
    EXPECT_EQ(OrvMat_ReadInt(&untouchedInt, daten, station, 1, 22), 1) << "value index past the end";
    EXPECT_EQ(OrvMat_ReadInt(&untouchedInt, daten, station, 0, 2), 1) << "empty cell";
    EXPECT_EQ(OrvMat_ReadInt(&untouchedInt, daten, station, -1, 22), 1);
    EXPECT_EQ(OrvMat_ReadInt(&untouchedInt, daten, OrvMat_IdOfKey("WT_1"), 0, 0), 1)
        << "row of another table";
    EXPECT_EQ(OrvMat_ReadInt(&untouchedInt, daten, 123456, 0, 0), 1) << "row that does not exist";
    EXPECT_EQ(OrvMat_ReadInt(&untouchedInt, 0, station, 0, 22), 1) << "table handle 0";
    EXPECT_EQ(OrvMat_ValueCount(&untouchedInt, daten, 123456, 0), 0);
    EXPECT_EQ(untouchedInt, -7);
    EXPECT_EQ(untouchedFloat, -7.5);
    EXPECT_STREQ(untouchedText, "keep");
    EXPECT_EQ(untouchedRef, -7);
}

TEST_F(OrvMatTest, KeepsDatabasesApartAndForgetsDetachedHandles) {
    attach("RS_ONE", "table Heizung.Texte\nrow A: \"eins\"\n");
    attach("RS_TWO", "table Heizung.Texte\nrow B: \"zwei\"\nrow A: \"zwei-a\"\n");
    ASSERT_EQ(OrvMat_SelectDatabase("RS_ONE"), 1);
    const OrvMatTable one = open(0, "Heizung.Texte");
    const OrvMatId a1 = OrvMat_IdOfKey("A");
    ASSERT_EQ(OrvMat_SelectDatabase("RS_TWO"), 1);
    const OrvMatTable two = open(0, "Heizung.Texte");
    EXPECT_NE(one, two);
    EXPECT_EQ(OrvMat_IdOfKey("B"), 1);
    EXPECT_EQ(OrvMat_IdOfKey("A"), 2) << "identifiers belong to their database";

    // A handle keeps reading its own database whichever is current.
    const char* text = nullptr;
    ASSERT_EQ(OrvMat_ReadText(&text, one, a1, 0, 0), 0);
    EXPECT_STREQ(text, "eins");

    EXPECT_EQ(OrvMat_SelectDatabase("RS_NONE"), 0);
    EXPECT_STREQ(OrvMat_CurrentDatabase(), "RS_TWO") << "a failed select keeps the current one";

    ASSERT_EQ(OrvMat_DetachDatabase("RS_TWO"), 1);
    EXPECT_EQ(OrvMat_CurrentDatabase(), nullptr);
    EXPECT_EQ(OrvMat_FirstRowPos(two), 0);
    EXPECT_EQ(OrvMat_IdOfKey("B"), 0) << "no database is current";
    EXPECT_EQ(OrvMat_DetachDatabase("RS_TWO"), 0);
}

extern "C" int orvmat_first_text_from_c(const char* tableName, const char** out);

TEST_F(OrvMatTest, WorksFromCCode) {
    attach("RS_C", "table A.B\nrow X: \"aus C\"\n");
    ASSERT_EQ(OrvMat_SelectDatabase("RS_C"), 1);
    const char* text = nullptr;
    ASSERT_EQ(orvmat_first_text_from_c("A.B", &text), 1);
    EXPECT_STREQ(text, "aus C");
    EXPECT_EQ(orvmat_first_text_from_c("A.C", &text), 0);
}

// Files that are no material database, and damaged databases kept under tests/data: each is
// refused with its reason, never aborts or loops in a walker.
TEST_F(OrvMatTest, RefusesFilesThatAreNoUsableMaterialDatabase) {
    const QString text = folder.write("plain.omdb", "just some text, no database\n");
    const QString other = folder.filePath("other.db"); // another program's SQLite file
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(other.toUtf8().constData(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw, "CREATE TABLE t(x); INSERT INTO t VALUES(1)", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);
    const auto damaged = [](const char* file) {
        return orvane::test::testDataPath(QStringLiteral("orvmat/damaged/") + QLatin1String(file));
    };
    const char* const unusable = "not a usable material database: ";
    const std::tuple<QString, const char*, const char*> refused[] = {
        {text, "not a material database", ""},
        {other, "not a material database", ""},
        {damaged("cells-dropped.omdb"), unusable, "tables of the format are missing"},
        {damaged("null-meta-name.omdb"), unusable, "a name in orvmat_meta is NULL"},
        {damaged("table-id-zero.omdb"), unusable, "table 0 is its own ancestor"},
        {damaged("table-cycle.omdb"), unusable, "is its own ancestor"},
        {damaged("rows-without-ord.omdb"), unusable, "no such column: ord"},
    };
    for (const auto& [path, kind, reason] : refused) {
        EXPECT_EQ(OrvMat_AttachDatabase("RS_BAD", path.toUtf8().constData()), 0) << path.toStdString();
        const std::string error = OrvMat_LastError();
        EXPECT_NE(error.find(kind), std::string::npos) << error;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
    EXPECT_EQ(OrvMat_AttachDatabase("RS_BAD", folder.filePath("missing.omdb").toUtf8().constData()), 0);
    EXPECT_EQ(OrvMat_AttachDatabase("", text.toUtf8().constData()), 0);
    EXPECT_EQ(OrvMat_SelectDatabase("RS_BAD"), 0);
    EXPECT_EQ(folder.read("plain.omdb"), QByteArray("just some text, no database\n")) << "never written";
}

// A table is read whole at its first use; texts handed out point into what was read and must
// stay valid while further tables are read, and sparse multi-valued rows keep every value.
TEST_F(OrvMatTest, TextsStayValidWhileFurtherTablesAreRead) {
    std::string source =
        "database RS_MANY\ntable First\nrow A: \"alpha\", \"beta\" | 4= 1, 2, 3 | | 7= 2.5\n";
    for (int t = 0; t < 40; ++t)
        source += "table T" + std::to_string(t) + "\nrow R" + std::to_string(t) + ": \"text " +
                  std::to_string(t) + "\" | 3\n";
    attach("RS_MANY", source);
    ASSERT_EQ(OrvMat_SelectDatabase("RS_MANY"), 1);
    const OrvMatTable first = open(0, "First");
    const OrvMatId a = OrvMat_IdOfKey("A");
    const char* beta = nullptr;
    ASSERT_EQ(OrvMat_ReadText(&beta, first, a, 1, 0), 0);
    for (int t = 0; t < 40; ++t) {
        const std::string name = "T" + std::to_string(t);
        const char* text = nullptr;
        ASSERT_EQ(OrvMat_ReadText(&text, open(0, name.c_str()),
                                  OrvMat_IdOfKey(("R" + std::to_string(t)).c_str()), 0, 0),
                  0);
        EXPECT_EQ(std::string(text), "text " + std::to_string(t));
    }
    EXPECT_STREQ(beta, "beta");

    int count = -1;
    const int expected[] = {2, 0, 0, 0, 3, 0, 0, 1, 0};
    for (int column = 0; column < 9; ++column) {
        ASSERT_EQ(OrvMat_ValueCount(&count, first, a, column), 1);
        EXPECT_EQ(count, expected[column]) << "column " << column;
    }
    int third = 0;
    ASSERT_EQ(OrvMat_ReadInt(&third, first, a, 2, 4), 0);
    EXPECT_EQ(third, 3);
    double number = 0;
    ASSERT_EQ(OrvMat_ReadFloat(&number, first, a, 0, 7), 0);
    EXPECT_DOUBLE_EQ(number, 2.5);
    EXPECT_EQ(OrvMat_ReadInt(&third, first, a, 3, 4), 1) << "past the last value of the column";
}
