#include "symbol_library_fixture.h"

#include "symbols/symbol_library_check.h"

namespace {

using orvane::test::SymbolLibraryTest;

class LibraryCheckTest : public SymbolLibraryTest {
protected:
    // The problems reported for one file, as "severity where: message" lines.
    QStringList problemsOf(const QString& path) {
        SymbolLibraryCheck check(context);
        check.Run();
        QStringList lines;
        for (const SymbolProblem& p : check.Problems())
            if (p.file == path)
                lines << QStringLiteral("%1 %2: %3")
                             .arg(p.severity == SymbolProblem::Error ? "error" : "warning", p.where,
                                  p.message);
        return lines;
    }
    static bool anyContains(const QStringList& lines, const QString& text) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const QString& line) { return line.contains(text); });
    }
};

TEST_F(LibraryCheckTest, RevitSystemTypeIsAKnownSymbolKey) {
    const QString path =
        supplied(QStringLiteral("Heizung/revit.inf"),
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
    const QString path = supplied(
        QStringLiteral("Heizung/beides.inf"),
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

TEST_F(LibraryCheckTest, UserSettingsFileThatCannotBeRead) {
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"A"}));
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/Slides/A.sld"), "x");
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"),
                 "Root {\n  Pages {\n    Page { Symbol { BlockName = \"A\" Text = \"x");
    SymbolLibraryCheck check(context);
    check.Run();
    ASSERT_EQ(check.Problems().size(), 1u);
    const SymbolProblem& problem = check.Problems().front();
    EXPECT_EQ(problem.severity, SymbolProblem::Error);
    EXPECT_EQ(problem.file, userSettingsPath());
    EXPECT_EQ(problem.line, 3);
    EXPECT_GT(problem.column, 0);
    EXPECT_TRUE(problem.message.startsWith(QStringLiteral("cannot be read"))) << qPrintable(problem.message);
    EXPECT_EQ(check.ErrorCount(), 1);

    folder.write(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"), "Root { }");
    EXPECT_TRUE(anyContains(problemsOf(userSettingsPath()), QStringLiteral("error : no page")));
}

TEST_F(LibraryCheckTest, UserOverridesThatApplyToNothing) {
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"HZ_Pumpe"}));
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/Slides/HZ_Pumpe.sld"), "x");
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"), R"(Root { Pages { Page {
      Symbol { BlockName = "C:\\Blocks\\hz_pumpe.dwg" Text = "meine" }
      Symbol { BlockName = "HZ_WEG" Text = "verwaist" }
      Symbol { BlockName = "HZ_Pumpe" }
      Symbol { Text = "ohne Namen" }
      Symbol { BlockName = "HZ_Pumpe" Farbe = "rot" }
    } } })");
    EXPECT_EQ(
        problemsOf(userSettingsPath()).join(u'\n').toStdString(),
        (QStringList{
             "warning Pages/Page[1]/Symbol[2]: no symbol file has the block name \"HZ_WEG\"",
             "warning Pages/Page[1]/Symbol[3]: holds only the block name; it is removed at the next start",
             "warning Pages/Page[1]/Symbol[4]: no block name; it applies to nothing",
             "error Pages/Page[1]/Symbol[5]: unknown key \"Farbe\""})
            .join(u'\n')
            .toStdString());
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
