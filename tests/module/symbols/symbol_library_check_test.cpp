#include "symbol_library_fixture.h"

#include "symbols/symbol_library_check.h"

namespace {

using orvane::test::SymbolLibraryTest;

class LibraryCheckTest : public SymbolLibraryTest {
protected:
    // The problems reported for one file, as "severity where: message" lines.
    QString problemsOf(const QString& path) {
        SymbolLibraryCheck check(context);
        check.Run();
        QStringList lines;
        for (const SymbolProblem& p : check.Problems())
            if (p.file == path)
                lines << QStringLiteral("%1 %2: %3")
                             .arg(p.severity == SymbolProblem::Error ? "error" : "warning", p.where,
                                  p.message);
        return lines.join(u'\n');
    }
};

// One file of a library whose other parts are fine: its problems, line by line.
TEST_F(LibraryCheckTest, ProblemsOfOneFile) {
    struct Case {
        const char* file;
        const char* text;
        const char* problems;
    };
    const Case cases[] = {
        // The Revit host reads "SystemType".
        {"Support/Symbol Toolbars/Heizung/revit.inf",
         "Root { Defaults { SystemType = \"V\" } Pages { Page { DisplayName = \"F\"\n"
         "  Symbol { BlockName = \"R\" SlideName = \"A\" SystemType = \"Heizung Vorlauf\" } } } }",
         ""},
        // The manager reads the "SymbolFile" entries only of a file that shows no page.
        {"Support/Symbol Toolbars/Heizung/beides.inf",
         "Root { SymbolFile = \"<KAT>gelistet.inf\"\n"
         "  Pages { Page { DisplayName = \"P\" Symbol { BlockName = \"B\" SlideName = \"A\" Farbe = \"rot\" "
         "} } } }",
         "warning : \"SymbolFile\" entries are not read: the file has pages, so it is no list file\n"
         "error Pages/Page[1]/Symbol[1]: unknown key \"Farbe\""},
        {"User-Standards/Symbol Toolbars/UserSettings.inf", "Root { }",
         "error : no page to hold the overrides; the module sets the file aside and starts an empty one"},
        {"User-Standards/Symbol Toolbars/UserSettings.inf", R"(Root { Pages { Page {
           Symbol { BlockName = "C:\\Blocks\\a.dwg" Text = "meine" }
           Symbol { BlockName = "HZ_WEG" Text = "verwaist" }
           Symbol { BlockName = "A" }
           Symbol { Text = "ohne Namen" }
           Symbol { BlockName = "A" Farbe = "rot" } } } })",
         "warning Pages/Page[1]/Symbol[2]: no symbol file has the block name \"HZ_WEG\"\n"
         "warning Pages/Page[1]/Symbol[3]: holds only the block name; it is removed at the next start\n"
         "warning Pages/Page[1]/Symbol[4]: no block name; it applies to nothing\n"
         "error Pages/Page[1]/Symbol[5]: unknown key \"Farbe\""},
    };
    host.catalogs.insert(QStringLiteral("KAT"), folder.filePath(QStringLiteral("Katalog")));
    folder.write(QStringLiteral("Katalog/gelistet.inf"), symbolFile({"GELISTET"}));
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"A"}));
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/Slides/A.sld"), "x");
    for (const Case& c : cases) {
        const QString path = folder.write(QString::fromUtf8(c.file), c.text);
        EXPECT_EQ(problemsOf(path).toStdString(), c.problems) << c.file;
        EXPECT_EQ(problemsOf(folder.filePath(QStringLiteral("Katalog/gelistet.inf"))), QString());
        QFile::remove(path);
    }
    // The manager indeed ignores the entries of a file with pages.
    supplied(QStringLiteral("Heizung/beides.inf"), cases[1].text);
    manager.CollectFiles();
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("B")), nullptr);
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("GELISTET")), nullptr);
}

TEST_F(LibraryCheckTest, UserSettingsFileThatCannotBeReadIsAnErrorWithItsPlace) {
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"A"}));
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/Slides/A.sld"), "x");
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"),
                 "Root {\n  Pages {\n    Page { Symbol { BlockName = \"A\" Text = \"x");
    SymbolLibraryCheck check(context);
    check.Run();
    ASSERT_EQ(check.Problems().size(), 1u);
    const SymbolProblem& problem = check.Problems().front();
    EXPECT_EQ(problem.file, userSettingsPath());
    EXPECT_EQ(problem.line, 3);
    EXPECT_GT(problem.column, 0);
    EXPECT_TRUE(problem.message.startsWith(QStringLiteral("cannot be read"))) << qPrintable(problem.message);
    EXPECT_EQ(check.ErrorCount(), 1);
}

// A base folder without the supplied symbols is a wrong base folder, not an empty library.
TEST_F(LibraryCheckTest, MissingSuppliedFolderIsAnError) {
    user(QStringLiteral("User/eigen.inf"), symbolFile({"EIGEN"}));
    SymbolLibraryCheck check(context);
    check.Run();
    ASSERT_EQ(check.ErrorCount(), 1);
    EXPECT_EQ(check.Problems().front().file, folder.filePath(QStringLiteral("Support/Symbol Toolbars/")));
    EXPECT_EQ(check.Problems().front().message,
              QStringLiteral("the supplied symbol toolbar folder does not exist"));

    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"A"}));
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/Slides/A.sld"), "x");
    SymbolLibraryCheck again(context);
    again.Run();
    EXPECT_EQ(again.ErrorCount(), 0);
}

} // namespace
