#include "symbolui/toolbar_button_face.h"
#include "symbolui/toolbar_screens.h"

#include "test_folder.h"

#include "corekit/node.h"

#include <gtest/gtest.h>

namespace {

using namespace orvane::test;

TEST(ToolbarButtonFace, PreviewFromSlideNameElseBlockName) {
    const struct {
        const char* slide; // null: no leaf
        const char* block;
        const char* slideFile;
        const char* bitmapFile;
    } cases[] = {
        {nullptr, nullptr, "", ""},
        {"", "Pump", "", ""},
        {nullptr, "Pump", "/s/Slides/Pump.sld", ""},
        {"pump", "Other", "/s/Slides/pump.sld", ""},
        {"sub\\pump.sld", nullptr, "/s/Slides/sub/pump.sld", ""},
        {"Pump.BMP", nullptr, "", "/s/Slides/Pump.BMP"},
        {"/abs/x", nullptr, "/abs/x.sld", ""},
        {"C:\\Slides\\x.sld", nullptr, "C:/Slides/x.sld", ""},
        {"name.:second", nullptr, "/s/Slides/name..sld", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.slide ? c.slide : "-") << " / " << (c.block ? c.block : "-"));
        CNode symbol("Symbol");
        if (c.slide)
            symbol.AddLeaf("SlideName", QString::fromUtf8(c.slide));
        if (c.block)
            symbol.AddLeaf("BlockName", QString::fromUtf8(c.block));
        QString slide, bitmap;
        ResolvePreview(&symbol, "/s/Slides/", slide, bitmap);
        EXPECT_EQ(slide, QString::fromUtf8(c.slideFile));
        EXPECT_EQ(bitmap, QString::fromUtf8(c.bitmapFile));
    }
}

TEST(ToolbarButtonFace, CornerMarkAndColourForSymbolsUsedInCalculations) {
    ToolbarFaceContext context;
    context.markCorner = 2;
    context.buttonColour = 0x00FF00;
    for (const int useColour : {0, 1}) {
        context.useButtonColour = useColour;
        CNode used("Symbol");
        used.AddLeaf("UsedInCalculations", 1);
        const ToolbarButtonFace face = ComputeToolbarButtonFace(&used, nullptr, context);
        EXPECT_EQ(face.markCorner, 2);
        EXPECT_EQ(face.colour, useColour ? 0x00FF00u : 0u);
    }
    CNode plain("Symbol");
    EXPECT_EQ(ComputeToolbarButtonFace(&plain, nullptr, context).markCorner, 0);
}

TEST_F(FolderTest, MissingRevitFamiliesAreMarkedRed) {
    const QString supplied = folder.filePath("Support/Symbol Toolbars/Heizung/");
    folder.write("Support/Symbol Toolbars/Heizung/Symbols/Families/2015/Old.rfa", "x");
    folder.write("Support/Symbol Toolbars/Heizung/Symbols/Families/2018/New.rfa", "x");
    bool applies = false;
    ToolbarFaceContext context;
    context.families = FamilyFoldersFor(supplied, "2018", applies);
    context.checkFamilies = applies;
    ASSERT_TRUE(applies);
    const struct {
        const char* block; // null: no leaf
        const char* second;
        bool red;
    } cases[] = {
        {"New", nullptr, false}, {"Old", nullptr, false}, {"Gone", nullptr, true},   {"New", "New", false},
        {"New", "Old", true},    {nullptr, "Gone", true}, {nullptr, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.block ? c.block : "-") << " / " << (c.second ? c.second : "-"));
        CNode symbol("Symbol");
        if (c.block)
            symbol.AddLeaf("BlockName", QString::fromUtf8(c.block));
        if (c.second)
            symbol.AddLeaf("SecondBlockName", QString::fromUtf8(c.second));
        const ToolbarButtonFace face = ComputeToolbarButtonFace(&symbol, nullptr, context);
        EXPECT_EQ(face.missingFamily, c.red);
        EXPECT_EQ(face.colour, c.red ? kMissingFamilyColour : 0u);
    }
    FamilyFoldersFor(folder.filePath("User-Standards/Symbol Toolbars/Heizung/"), "2018", applies);
    EXPECT_FALSE(applies);
}

TEST(ToolbarScreens, RestoredWindowsComeWholeOntoTheNearestScreen) {
    const QList<QRect> twoScreens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QList<QRect> laptop = {QRect(0, 0, 1366, 768)};
    const struct {
        const char* name;
        QList<QRect> screens;
        QRect window, expected;
    } cases[] = {
        {"on a screen", twoScreens, {100, 100, 400, 150}, {100, 100, 400, 150}},
        {"on the second screen", twoScreens, {2000, 500, 400, 150}, {2000, 500, 400, 150}},
        {"across two screens", twoScreens, {1800, 100, 400, 150}, {1920, 100, 400, 150}},
        {"screen removed", laptop, {2000, 500, 400, 150}, {966, 500, 400, 150}},
        {"above every screen", laptop, {-500, -300, 400, 150}, {0, 0, 400, 150}},
        {"partly below", laptop, {100, 700, 400, 150}, {100, 618, 400, 150}},
        {"larger than the screen", laptop, {-10, 10, 2000, 150}, {0, 10, 1366, 150}},
        {"no screens", {}, {5000, 5000, 400, 150}, {5000, 5000, 400, 150}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BringOntoNearestScreen(c.window, c.screens), c.expected);
    }
}

} // namespace
