#include "symbol_library_fixture.h"

#include "symbols/symbol_library_check.h"

namespace {

using orvane::test::SymbolLibraryTest;

class LibraryCheckTest : public SymbolLibraryTest {
protected:
    // The problems reported for one file, as "severity where: message" lines.
    QStringList problemsOf(const QString& path) {
        SymbolLibraryCheck check;
        check.Run();
        QStringList lines;
        for (const SymbolProblem& p : check.Problems())
            if (p.file == path)
                lines << QStringLiteral("%1 %2: %3")
                             .arg(p.severity == SymbolProblem::Error ? "error" : "warning", p.where, p.message);
        return lines;
    }
    static bool anyContains(const QStringList& lines, const QString& text) {
        return std::any_of(lines.begin(), lines.end(), [&](const QString& line) { return line.contains(text); });
    }
};

TEST_F(LibraryCheckTest, RevitSystemTypeIsAKnownSymbolKey) {
    const QString path = supplied(QStringLiteral("Heizung/revit.inf"),
                                  "Root { Defaults { SystemType = \"Vorlauf\" } Pages { Page { DisplayName = \"F\"\n"
                                  "  Symbol { BlockName = \"ORV_HZ_Pumpe\" SystemType = \"Heizung Vorlauf\" } } } }");
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/Slides/ORV_HZ_Pumpe.sld"), "x");
    const QStringList problems = problemsOf(path);
    EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(u'\n'));
}

// The manager reads the "SymbolFile" entries only of a file that shows no page; a file with
// pages is a symbol file, and the check must look at it as one.
TEST_F(LibraryCheckTest, ListEntriesOfAFileWithPagesAreNotRead) {
    host.catalogs.insert(QStringLiteral("KAT"), folder.filePath(QStringLiteral("Katalog")));
    folder.write(QStringLiteral("Katalog/gelistet.inf"), symbolFile({"GELISTET"}));
    const QString path = supplied(QStringLiteral("Heizung/beides.inf"),
                                  "Root { SymbolFile = \"<KAT>gelistet.inf\"\n"
                                  "  Pages { Page { DisplayName = \"P\" Symbol { BlockName = \"EIGEN\" Farbe = \"rot\" } } } }");
    manager.CollectFiles();
    ASSERT_NE(manager.LookupSymbol(QStringLiteral("EIGEN")), nullptr);
    ASSERT_EQ(manager.LookupSymbol(QStringLiteral("GELISTET")), nullptr);

    const QStringList problems = problemsOf(path);
    EXPECT_TRUE(anyContains(problems, QStringLiteral("warning : \"SymbolFile\" entries are not read")))
        << qPrintable(problems.join(u'\n'));
    EXPECT_TRUE(anyContains(problems, QStringLiteral("error Pages/Page[1]/Symbol[1]: unknown key \"Farbe\"")))
        << "its pages are checked";
    EXPECT_TRUE(problemsOf(folder.filePath(QStringLiteral("Katalog/gelistet.inf"))).isEmpty());
}

} // namespace
