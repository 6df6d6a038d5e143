#include "symbol_file_fixture.h"

#include "symbolui/symbol_insertion.h"
#include "symbolui/symbol_search.h"

namespace {

using orvane::test::SymbolFilesTest;

QString translated(const QString& text) {
    return text == "Ventil" ? "Absperrventil" : text;
}

class SymbolActionsTest : public SymbolFilesTest {
protected:
    // Five pages; only page 1 holds matches for "ventil" (one by its translated name, one by
    // its block name); page 3 holds "Pumpe".
    std::vector<CNode*> fivePages() {
        const CSymbolFile* file = load(
            "U/s.inf", pagesFile({
                           R"(Symbol { BlockName = "A" })",
                           R"(Symbol { DisplayName = "Ventil:x" BlockName = "V1" } Symbol { BlockName = "B" }
               Symbol { BlockName = "HZ_VENTIL_2" })",
                           "",
                           R"(Symbol { DisplayName = "Pumpe" BlockName = "P" Version = "-Basic" })",
                           R"(Symbol { DisplayName = "Kessel" BlockName = "K" })",
                       }));
        std::vector<CNode*> pages;
        for (int i = 0; i < 5; ++i)
            pages.push_back(pageOf(file, i));
        return pages;
    }
    const CNode* symbolOf(const char* relative, const char* symbols, const char* defaults = "") {
        const CSymbolFile* file = load(QString::fromLatin1(relative), pagesFile({symbols}, defaults));
        current = file;
        return pageOf(file)->GetChild(0);
    }
    const CSymbolFile* current = nullptr;
};

TEST_F(SymbolActionsTest, SearchWrapsOnceAndStopsAtTheFirstPageWithMatches) {
    const std::vector<CNode*> pages = fivePages();
    struct Case {
        const char* text;
        int selection;
        bool next;
        int page;
        std::vector<int> searched;
    } const cases[] = {
        {"ventil", 2, false, 1, {2, 3, 4, 0, 1}},
        {"ventil", 1, true, 1, {2, 3, 4, 0, 1}},
        {"fehlt", 2, false, -1, {2, 3, 4, 0, 1, 2}},
        {"fehlt", 4, true, -1, {0, 1, 2, 3, 4}}, // past the last page: one pass, no wrap
        {"PUMPE", 0, false, 3, {0, 1, 2, 3}},    // filtered symbols still match
        {"kessel", 4, false, 4, {4}},
    };
    for (const Case& c : cases) {
        const SymbolSearchResult result =
            FindSymbolInPages(pages, c.selection, c.next, QString::fromLatin1(c.text), translated);
        EXPECT_EQ(result.page, c.page) << c.text << " from " << c.selection;
        EXPECT_EQ(result.searched, c.searched) << c.text << " from " << c.selection;
    }
    const SymbolSearchResult ventil = FindSymbolInPages(pages, 0, false, "ventil", translated);
    ASSERT_EQ(ventil.matches.size(), 2u);
    EXPECT_EQ(ventil.matches[0], pages[1]->GetChild(0)) << "by the translated display name";
    EXPECT_EQ(ventil.matches[1], pages[1]->GetChild(2)) << "by the block name";
    EXPECT_TRUE(
        FindSymbolInPages(pages, 0, false, "Absperr", [](const QString& t) { return t; }).matches.empty())
        << "the display name is matched translated";
    EXPECT_EQ(FindSymbolInPages(pages, -1, false, "ventil", translated).page, -1);
}

TEST_F(SymbolActionsTest, ClickCommandsInOrder) {
    struct Case {
        const char* symbol;
        const char* defaults;
        QStringList commands;
    } const cases[] = {
        {R"(Symbol { BlockName = "abc" UseBlockPair = "1" })", "", {"InsPair"}},
        {R"(Symbol { BlockName = "abc" UseBlockPair = "0" })", "", {"InsertSymbol"}},
        {R"(Symbol { BlockName = "abc" })", "", {"InsertSymbol"}},
        {R"(Symbol { BlockName = "abc" UseBlockPair = "ja" })", "", {"InsertSymbol"}},
        {R"(Symbol { BlockName = "abc" })", "UseBlockPair = \"1\"", {"InsPair"}},
        {R"(Symbol { BlockName = "abc" Command = "LINIE" })", "", {"LINIE", "InsertSymbol"}},
        {R"(Symbol { Command = "NUR" })", "", {"NUR"}},
        {R"(Symbol { Text = "nichts" })", "", {}},
    };
    int n = 0;
    for (const Case& c : cases) {
        const CNode* symbol =
            symbolOf(qPrintable(QStringLiteral("U/c%1.inf").arg(n++)), c.symbol, c.defaults);
        EXPECT_EQ(SymbolClickCommands(*current, *symbol), c.commands) << c.symbol << " / " << c.defaults;
    }
}

TEST_F(SymbolActionsTest, SymbolPropsInBothHosts) {
    const CNode* symbol = symbolOf("U/props.inf", R"(Symbol { BlockName = "HZ_P" AskRotation = "1"
        SystemType = "Vorlauf" SecondBlockName = "HZ_P2" AttributeName1 = "A1" })",
                                   "UseBlockPair = \"1\" Osnap = \"512\"");
    const QString dir = folder.filePath("U/");
    const auto leavesOf = [](const CNode& node) {
        QStringList leaves;
        for (const auto& leaf : node.Leaves())
            leaves << leaf->GetKey() + u'=' + leaf->GetRawData();
        return leaves;
    };
    const QStringList common{
        "BlockName=HZ_P", "UseSymbolFactor=", "AskRotation=1", "AskSize=",  "Explode=",       "AdjustLayer=",
        "AskAttributes=", "UseMedium=",       "NoZPart=",      "Osnap=512", "LayerComponent="};
    const QStringList pair{"SecondBlockName=HZ_P2", "AttributeName1=A1", "AttributeName2="};

    const HostDetection::HostKind drawingHost{false, {}};
    const auto drawing = MakeSymbolProps(current, symbol, drawingHost);
    ASSERT_TRUE(drawing);
    EXPECT_EQ(drawing->GetName(), "SymbolProps");
    EXPECT_EQ(leavesOf(*drawing), common + QStringList{"SymbolsDir=" + dir + "Symbols/"} + pair);

    const HostDetection::HostKind revitHost{true, "2019"};
    const auto revit = MakeSymbolProps(current, symbol, revitHost);
    const QStringList revitLeaves{"FamiliesDir=" + dir + "Symbols/Families/2019", "SystemType=Vorlauf"};
    EXPECT_EQ(leavesOf(*revit), common + revitLeaves + pair);

    const CNode* single = symbolOf("U/single.inf", R"(Symbol { BlockName = "X" SecondBlockName = "Y" })");
    EXPECT_EQ(leavesOf(*MakeSymbolProps(current, single, drawingHost)).size(), common.size() + 1);

    EXPECT_FALSE(MakeSymbolProps(nullptr, symbol, drawingHost));
    EXPECT_FALSE(MakeSymbolProps(current, nullptr, drawingHost));
    EXPECT_EQ(CurrentSymbolValue(current, single, "SecondBlockName"), "Y");
    EXPECT_EQ(CurrentSymbolValue(current, nullptr, "BlockName"), QString());
}

} // namespace

#include "symbolui/quick_find.h"

namespace {

class QuickFindTest : public SymbolActionsTest {};

TEST_F(QuickFindTest, RanksWholeWordsPrefixesInsidesAndTypos) {
    const CSymbolFile* file = load(
        "U/q.inf", pagesFile({
                       R"(Symbol { DisplayName = "Absperrventil" } Symbol { DisplayName = "Ventilator" })",
                       R"(Symbol { DisplayName = "Ventil" } Symbol { DisplayName = "Wärmepumpe" }
           Symbol { BlockName = "HZ_VENTLI" } Symbol { DisplayName = "Strasse" BlockName = "MUFFE" })",
                   }));
    CQuickFind find;
    find.Index({pageOf(file, 0), pageOf(file, 1)}, [](const QString& t) { return t; });
    ASSERT_EQ(find.Size(), 6);
    const auto names = [&](const char* text) {
        QStringList shown;
        for (const CQuickFind::Hit& hit : find.Find(QString::fromUtf8(text)))
            shown << QStringLiteral("%1:%2:%3").arg(hit.name).arg(hit.page).arg(int(hit.match));
        return shown.join(u' ');
    };
    EXPECT_EQ(names("ventil"), "Ventil:1:0 Ventilator:0:1 Absperrventil:0:2 HZ_VENTLI:1:3");
    EXPECT_EQ(names("ventl"), "HZ_VENTLI:1:1 Ventilator:0:3 Ventil:1:3") << "one letter missing";
    EXPECT_EQ(names("Waermepumpe"), "Wärmepumpe:1:0");
    EXPECT_EQ(names("xentil"), "Ventilator:0:3 Ventil:1:3") << "the first letter replaced";
    EXPECT_EQ(names("vntli"), "HZ_VENTLI:1:3") << "a letter missing";
    EXPECT_EQ(names("WÄRME"), "Wärmepumpe:1:1");
    EXPECT_EQ(names("straße"), "Strasse:1:0");
    EXPECT_EQ(names("muffe").toStdString(), "Strasse:1:0") << "found by its block name, shown by its name";
    EXPECT_EQ(names("  "), QString());
    EXPECT_EQ(find.Find("ventil", 2).size(), 2u);
}

TEST(QuickFindEdits, OneInsertedDeletedReplacedOrSwappedLetter) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"ventil", "ventl", true},
        {"ventil", "ventiil", true},
        {"ventil", "vantil", true},
        {"ventil", "vnetil", true},
        {"ventil", "vnteil", false},
        {"ventil", "vent", false},
        {"", "a", true},
        {"ab", "ba", true},
        {"abc", "abc", true},
    };
    for (auto [a, b, expected] : cases)
        EXPECT_EQ(CQuickFind::WithinOneEdit(QString::fromLatin1(a), QString::fromLatin1(b)), expected)
            << a << " " << b;
}

} // namespace
