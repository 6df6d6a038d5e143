// The catalogue source reader: what each written form becomes, and where and why a source is
// refused.

#include "orvmat/catalogue_source.h"

#include "test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

using namespace orvmat;
using orvane::test::FolderTest;

namespace {

CatalogueSource read(const std::string& text) {
    CatalogueSource source;
    SourceError error;
    EXPECT_TRUE(readCatalogueSourceText(text, "test.orvsrc", source, error)) << error.toString();
    return source;
}

// A row's values as "column:type value" (T text, I integer, F float, R reference).
std::string describe(const CatalogueSource& s, const SourceRow& row) {
    std::string text;
    for (std::size_t n = row.firstCell; n < row.firstCell + row.cellCount; ++n) {
        const Value v = s.valueOf(s.cells[n]);
        text += (text.empty() ? "" : " ") + std::to_string(s.cells[n].column) + ":" + "?TIFR"[int(v.type)];
        char number[32];
        if (v.type == ValueType::Int)
            text += std::to_string(v.integer);
        else if (v.type == ValueType::Float)
            text += std::string(number, std::size_t(std::snprintf(number, sizeof number, "%g", v.number)));
        else
            text += v.text;
    }
    return text;
}

} // namespace

TEST(CatalogueSource, ReadsValuesAndPlacesThemInTheirColumns) {
    const std::tuple<std::string, std::string> cases[] = {
        {"row R: \"12\" | 12 | 12.0 | 2. | -1e3 | +5 | @R | \"a\\tb\\\\\" | -.5 | 9223372036854775807",
         "0:T12 1:I12 2:F12 3:F2 4:F-1000 5:I5 6:RR 7:Ta\tb\\ 8:F-0.5 9:I9223372036854775807"},
        {"row R: 1, 2 | | 5= 3 |\r\n  4 # comment | 9\r\n", "0:I1 0:I2 5:I3 6:I4"},
        {"row R: 1,\n\n# a comment line\n  @\"k \\\"1\\\"\" | 1= \"Größe\"", "0:I1 0:Rk \"1\" 1:TGröße"},
    };
    for (const auto& [row, values] : cases) {
        const auto s = read("table T\n" + row + "\nrow S\nrow: 7\n");
        const auto& rows = s.tables.at(0).rows;
        ASSERT_EQ(rows.size(), 3u) << row;
        EXPECT_EQ(describe(s, rows[0]), values);
        EXPECT_EQ(s.keyOf(rows[1].key), "S");
        EXPECT_EQ(rows[1].cellCount, 0u);
        EXPECT_EQ(rows[2].key, kNoKey);
        EXPECT_EQ(s.placeOf(rows[2]).line, std::count(row.begin(), row.end(), '\n') + 4) << row;
    }
}

TEST(CatalogueSource, ReadsTablePathsKeysAndTheDatabaseKey) {
    const auto s =
        read("\xEF\xBB\xBF"
             "database RS_A\nkey K1 \"K 2\"\n"
             "table A.\"B.C\".D # a comment\nrow X\ntable Other\nrow X\ntable A.\"B.C\".D\nrow Y\n");
    EXPECT_EQ(s.key, "RS_A");
    ASSERT_EQ(s.declaredKeys.size(), 2u);
    EXPECT_EQ(s.keyOf(s.declaredKeys[1]), "K 2");
    ASSERT_EQ(s.tables.size(), 2u) << "naming a table again adds to it";
    EXPECT_EQ(s.tables[0].path, (std::vector<std::string>{"A", "B.C", "D"}));
    EXPECT_EQ(s.tables[0].rows.size(), 2u);
}

TEST(CatalogueSource, ErrorsNameFileLineAndWhatIsWrong) {
    const std::tuple<const char*, const char*> cases[] = {
        {"database A\ndatabase B\n", "test.orvsrc:2: the database key is already \"A\""},
        {"table A B\n", "test.orvsrc:1: unexpected text after the table name"},
        {"table \"A\n", "test.orvsrc:1: quoted text is not closed"},
        {"table T\nrow R 1\n", "test.orvsrc:2: expected ':'"},
        {"table T\nrow R: 10000= 1\n",
         "test.orvsrc:2: column 10000 before '=': columns are numbered 0 to 9999"},
        {"table T\nrow R: x= 1\n", "test.orvsrc:2: \"x\" before '=' is no column number"},
        {"table T\nrow R: 1 2\n", "test.orvsrc:2: values of one cell are separated by ','"},
        {"table T\nrow R: \"x\\q\"\n", "test.orvsrc:2:10: unknown escape \\q"},
        {"table T\nrow R: @\n", "test.orvsrc:2:9: '@' must be followed by a key"},
        {"table T\nrow R: 1 ; 2\n", "test.orvsrc:2:10: unexpected character ';'"},
        {"table T\nrow R: 1,\n", "test.orvsrc:2: the row's last line ends with ','"},
        {"table T\nrow R: 1, | 2\n", "test.orvsrc:2: a value is missing after ','"},
        {"table T\nrow R: 3= | 4\n", "test.orvsrc:2: a value is missing after '3='"},
        {"table T\nrow R: 3=\n", "test.orvsrc:2: a value is missing after '3='"},
        {"table T\nrow R: -9223372036854775809\n", "out of range for an integer"},
        {"table T\nrow R: 1e999\n", "test.orvsrc:2: 1e999 is out of range for a float"},
        {"table T\nrow R: +-5\n", "test.orvsrc:2: \"+-5\" is no number"},
        {"key A |\n", "test.orvsrc:1: key takes key texts only"},
        {"table T\nrow \"\": 1\n", "test.orvsrc:2: a row key must not be empty"},
        {"table A\nrow X: 1\nrow Y\nrow X\n", "test.orvsrc:4: the table already has a row \"X\""},
        {"table A\nrow X\ntable B\nrow X\ntable A\nrow X\n",
         "test.orvsrc:6: the table already has a row \"X\""},
    };
    for (const auto& [text, message] : cases) {
        CatalogueSource source;
        SourceError error;
        EXPECT_FALSE(readCatalogueSourceText(text, "test.orvsrc", source, error)) << text;
        EXPECT_NE(error.toString().find(message), std::string::npos) << error.toString();
    }
}

// Sources that were once read wrongly, kept under tests/data/orvmat/sources.
TEST(CatalogueSource, RegressionSourcesAreRefusedWithTheirPlace) {
    const std::tuple<const char*, const char*> cases[] = {
        // accepted as it was, bytes that are no UTF-8 included
        {"invalid-utf8.orvsrc", "invalid-utf8.orvsrc:3:21: the text is not UTF-8 here (byte 0xC3)"},
        // stored as a float
        {"integer-out-of-range.orvsrc",
         "integer-out-of-range.orvsrc:2: 99999999999999999999 is out of range for "
         "an integer"},
        // accepted, while a row ending in ',' was refused
        {"bar-at-end-of-file.orvsrc",
         "bar-at-end-of-file.orvsrc:2: the row's last line ends with '|', so it goes "
         "on, but the file ends"},
        // "column -5 comes after column 1"
        {"negative-column.orvsrc",
         "negative-column.orvsrc:2: column -5 before '=': columns are numbered 0 to 9999"},
    };
    for (const auto& [file, message] : cases) {
        const std::string path =
            orvane::test::testDataPath(QStringLiteral("orvmat/sources/") + QLatin1String(file)).toStdString();
        CatalogueSource source;
        SourceError error;
        EXPECT_FALSE(readCatalogueSource(path, source, error)) << file;
        EXPECT_NE(error.toString().find(message), std::string::npos) << error.toString();
    }
}

TEST_F(FolderTest, IncludedFilesKeepTheIncludersCurrentTable) {
    folder.write(QStringLiteral("sub/part.orvsrc"), "table Inner\nrow P: 1\n");
    const QString main = folder.write(QStringLiteral("main.orvsrc"),
                                      "table Outer\nrow A: 1\ninclude \"sub/part.orvsrc\"\nrow B: 2\n");
    CatalogueSource s;
    SourceError error;
    ASSERT_TRUE(readCatalogueSource(main.toStdString(), s, error)) << error.toString();
    ASSERT_EQ(s.tables.size(), 2u);
    EXPECT_EQ(s.tables[0].rows.size(), 2u);
    EXPECT_EQ(s.placeOf(s.tables[0].rows[1]).file, main.toStdString());
    EXPECT_EQ(s.placeOf(s.tables[1].rows.at(0)).file,
              folder.filePath(QStringLiteral("sub/part.orvsrc")).toStdString());

    // The includer's table goes on after the include: its earlier rows still count.
    const QString again = folder.write(QStringLiteral("again.orvsrc"),
                                       "table Outer\nrow P: 1\ninclude \"sub/part.orvsrc\"\nrow P: 2\n");
    CatalogueSource u;
    EXPECT_FALSE(readCatalogueSource(again.toStdString(), u, error));
    EXPECT_EQ(error.toString(), again.toStdString() + ":4: the table already has a row \"P\"");

    folder.write(QStringLiteral("rowonly.orvsrc"), "row Z: 1\n");
    const QString bad = folder.write(QStringLiteral("bad.orvsrc"), "table Outer\ninclude rowonly.orvsrc\n");
    CatalogueSource t;
    EXPECT_FALSE(readCatalogueSource(bad.toStdString(), t, error));
    EXPECT_NE(error.message.find("before the first table"), std::string::npos) << error.toString();
}
