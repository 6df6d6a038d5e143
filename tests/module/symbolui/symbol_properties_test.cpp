#include "symbol_file_fixture.h"

#include "symbolui/symbol_properties_rules.h"

#include "symbols/symbol_edit_context.h"

namespace {

using namespace SymbolProperties;
using orvane::test::SymbolFilesTest;

TEST(SymbolPropertyLocks, OverrideEditAndRevit) {
    struct Case {
        bool overrideEdit, revit;
        std::set<int> disabled, notDisabled, readOnly, notReadOnly;
    } const cases[] = {
        {false, false, {}, {IDC_CREATE_BLOCK}, {}, {IDC_BLOCKNAME}},
        {true,
         false,
         {IDC_CREATE_BLOCK, IDC_CREATE_SLIDE, IDC_BROWSE_BLOCK, IDC_USED_IN_CALCULATIONS},
         {IDC_USE_MEDIUM, IDC_NO_Z_PART, IDC_OSNAP_END},
         {IDC_BLOCKNAME, IDC_SLIDENAME, IDC_COMMAND},
         {IDC_DISPLAYNAME, IDC_ABBREVIATION}},
        {false,
         true,
         {IDC_CREATE_BLOCK, IDC_BROWSE_SECOND, IDC_USE_BLOCK_PAIR, IDC_ASK_SIZE},
         {IDC_BROWSE_BLOCK, IDC_BROWSE_SLIDE},
         {IDC_SECOND_BLOCK, IDC_COMMAND, IDC_LAYER_COMPONENT},
         {IDC_BLOCKNAME, IDC_SLIDENAME}},
    };
    for (const Case& c : cases) {
        const ControlLocks locks = LocksFor(c.overrideEdit, c.revit);
        for (int id : c.disabled)
            EXPECT_TRUE(locks.disabled.count(id)) << id << " override " << c.overrideEdit;
        for (int id : c.notDisabled)
            EXPECT_FALSE(locks.disabled.count(id)) << id << " override " << c.overrideEdit;
        for (int id : c.readOnly)
            EXPECT_TRUE(locks.readOnly.count(id)) << id << " override " << c.overrideEdit;
        for (int id : c.notReadOnly)
            EXPECT_FALSE(locks.readOnly.count(id)) << id << " override " << c.overrideEdit;
    }
}

TEST(SymbolPropertyOsnap, BoxesOfAMaskAndBack) {
    struct Case {
        int mask;
        OsnapBoxes boxes;
        int back;
    } const cases[] = {
        {0, {true, false, false, false, false, false}, 0},
        {2048, {true, false, false, false, false, false}, 0},
        {515, {false, true, true, true, false, false}, 515},
        {40, {false, false, false, false, true, true}, 40},
        {4, {false, false, false, false, false, false}, 0}, // a mode without a box
    };
    for (const Case& c : cases) {
        const OsnapBoxes b = OsnapFromMask(c.mask);
        EXPECT_EQ(std::tie(b.current, b.nearest, b.end, b.mid, b.intersection, b.point),
                  std::tie(c.boxes.current, c.boxes.nearest, c.boxes.end, c.boxes.mid, c.boxes.intersection,
                           c.boxes.point))
            << c.mask;
        EXPECT_EQ(MaskFromOsnap(b), c.back) << c.mask;
    }
}

TEST(SymbolPropertyFiles, ChooserFoldersAndChosenNames) {
    const QString base = "/lib/Heizung/";
    const BrowseTarget block = BrowseTargetFor(IDC_BROWSE_BLOCK, base, false, {});
    EXPECT_EQ(block.folder, "/lib/Heizung/Symbols/");
    EXPECT_EQ(block.extension, "dwg");
    const BrowseTarget family = BrowseTargetFor(IDC_BROWSE_BLOCK, base, true, "2019");
    EXPECT_EQ(family.folder, "/lib/Heizung/Symbols/Families/2019/");
    EXPECT_TRUE(family.filter.startsWith("Family-Dateien (*.rfa)"));
    const BrowseTarget slide = BrowseTargetFor(IDC_BROWSE_SLIDE, base, true, "2019");
    EXPECT_EQ(slide.folder, "/lib/Heizung/Slides/");

    const std::pair<const char*, const char*> chosen[] = {
        {"/lib/Heizung/Slides/Pumpe.sld", "Pumpe"},
        {"/lib/Heizung/Slides/Pumpe.bmp", "Pumpe.bmp"},
        {"/lib/Heizung/Slides/Sub/Pumpe.sld", "Sub/Pumpe.sld"},
        {"/lib/Sanitaer/Slides/WC.sld", "../../Sanitaer/Slides/WC.sld"},
    };
    for (auto [path, name] : chosen)
        EXPECT_EQ(NameForChosenFile(QString::fromLatin1(path), slide), QString::fromLatin1(name)) << path;

    EXPECT_EQ(ProposedFile("Pumpe", slide), "/lib/Heizung/Slides/Pumpe.sld");
    EXPECT_EQ(CompletedPath("C:\\x\\P.dwg", block.folder, block.extension), "C:/x/P.dwg");
    EXPECT_EQ(CompletedPath("sub\\P", block.folder, block.extension), "/lib/Heizung/Symbols/sub/P.dwg");
}

class StoreFieldsTest : public SymbolFilesTest {};

TEST_F(StoreFieldsTest, ASlideNamedLikeTheBlockIsNotKept) {
    CSymbolFile* file = load("U/e.inf", pagesFile({R"(Symbol { BlockName = "Pumpe" DisplayName = "alt" })",
                                                   R"(Symbol { BlockName = "Pumpe" SlideName = "X" })"},
                                                  "AskRotation = \"1\""));
    struct Case {
        int page;
        const char* slide;
        const char* expectedSlide; // null: no own leaf
    } const cases[] = {{0, "Pumpe", nullptr}, {1, "pumpe", nullptr}, {1, "Anders", "Anders"}};
    for (const Case& c : cases) {
        CNode* symbol = pageOf(file, c.page)->GetChild(0);
        CSymbolEditContext edit(file, symbol, &manager);
        FieldValues v;
        v.block = "Pumpe";
        v.slide = QString::fromLatin1(c.slide);
        v.displayName = "neu";
        v.askRotation = true;
        StoreFields(edit, v);
        const CLeaf* slide = symbol->FindLeaf("SlideName");
        EXPECT_EQ(slide ? slide->GetRawData() : "<none>",
                  c.expectedSlide ? QString::fromLatin1(c.expectedSlide) : "<none>")
            << c.page << " " << c.slide;
        EXPECT_EQ(symbol->GetStrLeafValue(QString(), "DisplayName"), "neu");
        EXPECT_FALSE(symbol->FindLeaf("AskRotation")) << "equal to the default";
        EXPECT_EQ(symbol->GetStrLeafValue(QString(), "Osnap"), "0");
    }
}

} // namespace
