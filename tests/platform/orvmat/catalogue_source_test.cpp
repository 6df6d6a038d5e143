// The catalogue source reader: what each written form becomes. Errors with file and line
// are covered through the command in the tool's tests.

#include "orvmat/catalogue_source.h"

#include "test_folder.h"

#include <gtest/gtest.h>

using namespace orvmat;
using orvane::test::FolderTest;

namespace {

CatalogueSource read(const std::string& text) {
    CatalogueSource source;
    SourceError error;
    EXPECT_TRUE(readCatalogueSourceText(text, "test.orvsrc", source, error)) << error.toString();
    return source;
}

std::string readError(const std::string& text) {
    CatalogueSource source;
    SourceError error;
    EXPECT_FALSE(readCatalogueSourceText(text, "test.orvsrc", source, error));
    return error.toString();
}

} // namespace

TEST(CatalogueSource, TypesValuesByHowTheyAreWritten) {
    const auto s = read("table T\nrow R: \"12\" | 12 | 12.0 | 2. | -1e3 | +5 | @R | \"a\\tb\\\\\"\n");
    const auto& c = s.tables.at(0).rows.at(0).columns;
    ASSERT_EQ(c.size(), 8u);
    EXPECT_EQ(c.at(0)[0].value.type, ValueType::Text);
    EXPECT_EQ(c.at(1)[0].value.type, ValueType::Int);
    EXPECT_EQ(c.at(1)[0].value.integer, 12);
    EXPECT_EQ(c.at(2)[0].value.type, ValueType::Float);
    EXPECT_EQ(c.at(3)[0].value.type, ValueType::Float);
    EXPECT_DOUBLE_EQ(c.at(4)[0].value.number, -1000.0);
    EXPECT_EQ(c.at(5)[0].value.integer, 5);
    EXPECT_EQ(c.at(6)[0].value.type, ValueType::Ref);
    EXPECT_EQ(c.at(6)[0].value.text, "R");
    EXPECT_EQ(c.at(7)[0].value.text, "a\tb\\");
}

TEST(CatalogueSource, PlacesCellsByBarsColumnNumbersAndContinuationLines) {
    const auto s = read("table T\r\nrow R: 1, 2 | | 5= 3 |\r\n  4 # comment | 9\r\n  row S\r\nrow: 7\n");
    const auto& rows = s.tables.at(0).rows;
    ASSERT_EQ(rows.size(), 3u);
    const auto& c = rows[0].columns;
    EXPECT_EQ(c.at(0).size(), 2u);
    EXPECT_FALSE(c.count(1)) << "an empty cell holds nothing";
    EXPECT_EQ(c.at(5)[0].value.integer, 3);
    EXPECT_EQ(c.at(6)[0].value.integer, 4);
    EXPECT_EQ(c.size(), 3u) << "the comment hides '| 9'";
    EXPECT_EQ(rows[1].key, "S");
    EXPECT_TRUE(rows[1].columns.empty());
    EXPECT_EQ(rows[2].key, "");
    EXPECT_EQ(rows[2].place.line, 5);
}

TEST(CatalogueSource, ReadsTablePathsKeysAndTheDatabaseKey) {
    const auto s = read("\xEF\xBB\xBF"
                        "database RS_A\nkey K1 \"K 2\"\n"
                        "table A.\"B.C\".D # a comment\nrow X\ntable Other\ntable A.\"B.C\".D\nrow Y\n");
    EXPECT_EQ(s.key, "RS_A");
    ASSERT_EQ(s.declaredKeys.size(), 2u);
    EXPECT_EQ(s.declaredKeys[1].first, "K 2");
    ASSERT_EQ(s.tables.size(), 2u) << "naming a table again adds to it";
    EXPECT_EQ(s.tables[0].path, (std::vector<std::string>{"A", "B.C", "D"}));
    EXPECT_EQ(s.tables[0].rows.size(), 2u);

    EXPECT_NE(readError("database A\ndatabase B\n").find("test.orvsrc:2:"), std::string::npos);
    EXPECT_NE(readError("table A B\n").find("after the table name"), std::string::npos);
    EXPECT_NE(readError("table T\nrow R 1\n").find("expected ':'"), std::string::npos);
    EXPECT_NE(readError("table T\nrow R: 10000= 1\n").find("9999"), std::string::npos);
    EXPECT_NE(readError("table T\nrow R: 1 2\n").find("separated by ','"), std::string::npos);
    EXPECT_NE(readError("table T\nrow R: \"x\\q\"\n").find("unknown escape"), std::string::npos);
    EXPECT_NE(readError("table T\nrow R: @\n").find("followed by a key"), std::string::npos);
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
    EXPECT_EQ(s.tables[1].rows.at(0).place.file,
              folder.filePath(QStringLiteral("sub/part.orvsrc")).toStdString());

    folder.write(QStringLiteral("rowonly.orvsrc"), "row Z: 1\n");
    const QString bad = folder.write(QStringLiteral("bad.orvsrc"), "table Outer\ninclude rowonly.orvsrc\n");
    CatalogueSource t;
    EXPECT_FALSE(readCatalogueSource(bad.toStdString(), t, error));
    EXPECT_NE(error.message.find("before the first table"), std::string::npos) << error.toString();
}
