#include "symbol_file_fixture.h"

#include "symbolui/symbol_button_setup.h"
#include "symbolui/symbol_page_layout.h"
#include "symbolui/symbol_page_list.h"

namespace {

using orvane::test::SymbolFilesTest;

class SymbolPagesTest : public SymbolFilesTest {
protected:
    SymbolViewRules rules = SymbolViewRules::Platform(context.Filters());

    // The rectangles of a one-page file laid out in a 200 x 400 window with the list at (2, 20).
    std::vector<SymbolButtonSlot> layout(const char* symbols, const char* defaults = "") {
        const CSymbolFile* file = load("U/l.inf", pagesFile({symbols}, defaults));
        const QRect list(2, 20, 150, 20);
        const SymbolCellSize cell = CellSizeFor(true, QSize(200, 400), list, 1.0);
        return LayoutPage(*file, *pageOf(file), cell, ButtonOrigin(list), 200, rules.symbolShown);
    }
};

TEST_F(SymbolPagesTest, PagesOfAllFilesWithTheFileThatHoldsThem) {
    const char* hidden = "Version = \"-Basic\"";
    load("U/a.inf", pagesFile({"", hidden, ""}));
    load("U/b.inf", pagesFile({hidden}));
    load("U/c.inf", pagesFile({"", ""}));
    std::vector<CSymbolFile*> all;
    for (const auto& file : files)
        all.push_back(file.get());
    const std::vector<SymbolPageEntry> entries = CollectPages(all, rules.pageShown);
    QStringList listed;
    for (const SymbolPageEntry& entry : entries)
        listed << entry.title + " in " + QString::number(entry.fileIndex);
    EXPECT_EQ(listed, QStringList({"Seite 0 in 0", "Seite 2 in 0", "Seite 0 in 2", "Seite 1 in 2"}));
    EXPECT_EQ(entries[1].page, pageOf(all[0], 2));
    EXPECT_EQ(PageCountOf(all), 4) << "hidden pages are not counted";

    const std::pair<std::optional<int>, int> fileOfPage[] = {{0, 0}, {1, 0}, {2, 2}, {3, 2}, {4, 7}, {{}, 7}};
    for (auto [page, file] : fileOfPage)
        EXPECT_EQ(FileIndexOfPage(all, page, 7), file) << "page " << page.value_or(-1);
    EXPECT_EQ(FileIndexOfPage({}, 0, -1), -1);
}

TEST(SymbolPageStepping, WrapsAtBothEnds) {
    struct Case {
        std::optional<int> selection;
        int count;
        bool forward;
        std::optional<int> expected;
    } const cases[] = {
        {4, 5, true, 0},
        {0, 5, false, 4},
        {2, 5, true, 3},
        {2, 5, false, 1},
        {0, 1, true, 0},
        {0, 1, false, 0},
        {{}, 3, true, std::nullopt},
        {0, 0, true, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepPage(c.selection, c.count, c.forward), c.expected)
            << c.selection.value_or(-1) << " of " << c.count << (c.forward ? " forward" : " back");
}

TEST(SymbolStartPage, ToolbarByIndexWithinThePages) {
    EXPECT_EQ(RestoredPageIndex(2, 3), 2);
    EXPECT_EQ(RestoredPageIndex(3, 3), 0);
    EXPECT_EQ(RestoredPageIndex(-1, 3), 0);
    EXPECT_EQ(RestoredPageIndex(std::nullopt, 3), 0);
}

TEST(SymbolStartPage, WindowByTheNameIgnoringCase) {
    const QStringList titles{"Heizung", "Lüftung"};
    EXPECT_EQ(RememberedPageIndex(titles, "LÜFTUNG"), 1);
    EXPECT_EQ(RememberedPageIndex(titles, "Sanitär"), 0);
    EXPECT_EQ(RememberedPageIndex(titles, std::nullopt), 0);
    EXPECT_EQ(RememberedPageIndex({}, "Heizung"), -1);
}

TEST(SymbolCellSize, FollowsTheHostAndTheDisplayScale) {
    const QRect list(2, 20, 150, 20); // buttons start at y 45
    struct Case {
        bool drawingHost;
        QSize client;
        double scale;
        int w, h;
    } const cases[] = {
        {true, {200, 400}, 1.0, 46, 40},  // trunc(186 / 4); the height only follows a scale
        {true, {200, 400}, 2.0, 46, 41},  // trunc((400 - 45 - 24) / 8)
        {true, {200, 400}, 1.25, 46, 41}, //
        {false, {600, 900}, 2.0, 36, 40}, // Revit: always 36 x 40
        {true, {5, 30}, 2.0, 1, 1},       // a window smaller than its frame
    };
    for (const Case& c : cases) {
        const SymbolCellSize cell = CellSizeFor(c.drawingHost, c.client, list, c.scale);
        EXPECT_EQ(cell.width, c.w) << c.client.width() << " at " << c.scale;
        EXPECT_EQ(cell.height, c.h) << c.client.width() << " at " << c.scale;
        EXPECT_EQ(cell.rowHeight, cell.height);
    }
}

TEST_F(SymbolPagesTest, ButtonsSpanClampedFactorsOfCellsWithTheFileDefaults) {
    const CSymbolFile* file = load("U/f.inf", pagesFile({R"(Symbol { }
        Symbol { ButtonSizeWidthFactor = "2" ButtonSizeHeightFactor = "3" }
        Symbol { ButtonSizeWidthFactor = "7" ButtonSizeHeightFactor = "0" }
        Symbol { ButtonSizeWidthFactor = "x" ButtonSizeHeightFactor = "9" }
        Symbol { ButtonSizeWidthFactor = "-2" ButtonSizeHeightFactor = "1" }
        Symbol { ButtonSizeWidthFactor = "2x" })"},
                                                        "ButtonSizeHeightFactor = \"2\""));
    const QSize expected[] = {{36, 83}, {75, 126}, {153, 40}, {36, 341}, {36, 40}, {75, 83}};
    const CNode* page = pageOf(file);
    for (int i = 0; i < page->NrOfChildren(); ++i)
        EXPECT_EQ(FlowButtonSize(file, page->GetChild(i), SymbolCellSize()), expected[i]) << i;
    EXPECT_EQ(FlowButtonSize(nullptr, page->GetChild(0), SymbolCellSize()), QSize(36, 40))
        << "no defaults without a file";
}

TEST(SymbolButtonFlow, RowsEndAtTheRightEdgeOrOnRequestAndAreAsHighAsTheirHighestButton) {
    struct Step {
        QSize size;
        bool newRow;
        QRect expected;
    } const steps[] = {
        {{36, 40}, false, {4, 29, 36, 40}},    {{36, 83}, false, {43, 29, 36, 83}},
        {{36, 40}, false, {82, 29, 36, 40}},   {{36, 40}, false, {4, 115, 36, 40}}, // 82 + 39 + 36 > 118
        {{153, 40}, false, {4, 158, 153, 40}}, // wider than the window: a row of its own,
        {{153, 40}, false, {4, 201, 153, 40}}, // every time
        {{36, 40}, true, {4, 244, 36, 40}},
    };
    CButtonFlow flow(ButtonOrigin(QRect(4, 4, 20, 20)), 118, 40); // 82 + 36 still fits
    for (const Step& step : steps)
        EXPECT_EQ(flow.Next(step.size, step.newRow), step.expected);
}

TEST_F(SymbolPagesTest, HiddenButtonsKeepTheirPlaceFilteredSymbolsTakeNone) {
    const auto placed = layout(R"(Symbol { BlockName = "A" NewRow = "" }
        Symbol { BlockName = "B" HideButton = "" }
        Symbol { BlockName = "X" Version = "-Basic" }
        Symbol { BlockName = "C" }
        Symbol { BlockName = "D" NewRow = "" ButtonSizeHeightFactor = "2" }
        Symbol { BlockName = "E" }
        Symbol { BlockName = "F" ButtonSizeWidthFactor = "4" })");
    ASSERT_EQ(placed.size(), 6u);
    EXPECT_EQ(placed[0].rect.topLeft(), QPoint(2, 88))
        << "NewRow on the first button leaves the first row empty";
    EXPECT_TRUE(placed[1].hidden);
    EXPECT_EQ(placed[1].rect.topLeft(), QPoint(51, 88));
    EXPECT_EQ(placed[2].rect.topLeft(), QPoint(100, 88)) << "the filtered symbol leaves no gap";
    EXPECT_EQ(placed[3].rect, QRect(2, 131, 46, 83));
    EXPECT_EQ(placed[4].rect.topLeft(), QPoint(51, 131));
    EXPECT_EQ(placed[5].rect, QRect(2, 217, 193, 40)) << "4 cells pass the window's right edge at 200";
}

TEST_F(SymbolPagesTest, PreviewPaths) {
    const CSymbolFile* file = load("U/p.inf", pagesFile({R"(
        Symbol { SlideName = "abc" BlockName = "ignored" }
        Symbol { SlideName = "pics\\x.BMP" }
        Symbol { SlideName = "/abs/y.sld" }
        Symbol { SlideName = "z.sld" }
        Symbol { BlockName = "sub.d\\blk" }
        Symbol { SlideName = "" BlockName = "b" }
        Symbol { Text = "nothing" })"}));
    const QString slides = SlidesFolderOf(*file);
    EXPECT_EQ(slides, folder.filePath("U/Slides/"));
    const SymbolPreview expected[] = {
        {SymbolPreview::Slide, slides + "abc.sld"},
        {SymbolPreview::Bitmap, slides + "pics/x.BMP"},
        {SymbolPreview::Slide, "/abs/y.sld"},
        {SymbolPreview::Slide, slides + "z.sld"},
        {SymbolPreview::Slide, slides + "sub.d/blk.sld"},
        {SymbolPreview::None, ""},
        {SymbolPreview::None, ""},
    };
    const CNode* page = pageOf(file);
    for (int i = 0; i < page->NrOfChildren(); ++i) {
        const SymbolPreview preview = PreviewOf(*page->GetChild(i), slides);
        EXPECT_EQ(preview.kind, expected[i].kind) << i;
        EXPECT_EQ(preview.path, expected[i].path) << i;
    }
}

TEST(SymbolButtonLook, ColoursAndMarkWithAndWithoutTheDesign) {
    struct Case {
        bool used, design;
        int mark, useColour;
        SymbolButtonLook look;
    } const cases[] = {
        {false, false, 1, 1, {0, false, 0, 0}},
        {true, false, 1, 0, {1, false, 0, 0}},
        {true, false, 0, 1, {0, false, 0x123456, 0x123456}},
        {false, true, 1, 1, {0, true, kDesignFaceFrom, kDesignFaceTo}},
        {true, true, 1, 0, {1, true, kDesignFaceFrom, kDesignFaceTo}},
        {true, true, 1, 1, {1, true, 0x123456, 0x123456}},
    };
    for (const Case& c : cases) {
        const SymbolButtonLook look = LookOf(c.used, {c.mark, c.useColour, 0x123456, c.design});
        EXPECT_EQ(look.markCorner, c.look.markCorner);
        EXPECT_EQ(look.gradient, c.look.gradient);
        EXPECT_EQ(look.first, c.look.first) << c.used << c.design << c.useColour;
        EXPECT_EQ(look.second, c.look.second);
    }
}

TEST_F(SymbolPagesTest, ColourSettingsAndUseFromTheHostAndTheDefaults) {
    host.variables.insert("SYMBOLE_USE_BUTTON_COLOR", "1");
    host.variables.insert("SYMBOLE_BUTTON_COLOR", "255");
    const SymbolColourSettings settings = SymbolColourSettings::FromHost(host, false);
    EXPECT_EQ(settings.markCorner, 1);
    EXPECT_EQ(settings.useButtonColour, 1);
    EXPECT_EQ(settings.buttonColour, 255u);

    const CSymbolFile* file =
        load("U/c.inf", pagesFile({R"(Symbol { BlockName = "A" } Symbol { UsedInCalculations = "0" })"},
                                  "UsedInCalculations = \"1\""));
    EXPECT_TRUE(UsedInCalculations(*file, *pageOf(file)->GetChild(0)));
    EXPECT_FALSE(UsedInCalculations(*file, *pageOf(file)->GetChild(1)));
}

TEST_F(SymbolPagesTest, HelpDocumentOnlyWhenItExists) {
    folder.write("U/Hilfe/pumpe.html", "<p>Pumpe</p>");
    const CSymbolFile* file = load("U/h.inf", pagesFile({R"(
        Symbol { HelpUrl = "Hilfe\\pumpe.html" DisplayName = "Pumpe" }
        Symbol { HelpUrl = "Hilfe/fehlt.html" }
        Symbol { BlockName = "B" })"}));
    const CNode* page = pageOf(file);
    EXPECT_EQ(HelpDocumentOf(*file, *page->GetChild(0)), folder.filePath("U/Hilfe/pumpe.html"));
    EXPECT_FALSE(HelpDocumentOf(*file, *page->GetChild(1)));
    EXPECT_FALSE(HelpDocumentOf(*file, *page->GetChild(2)));
    EXPECT_EQ(DisplayNameOf(*page->GetChild(0)), "Pumpe");
    EXPECT_EQ(DisplayNameOf(*page->GetChild(2)), QString());
}

} // namespace
