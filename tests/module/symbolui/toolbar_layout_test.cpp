#include "symbolui/toolbar_layout.h"

#include "corekit/node.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Kind = ToolbarPlacement::Kind;

ToolbarFrame Frame(int clientWidth, int clientHeight, bool stretch = false, double scale = 1.0) {
    ToolbarFrame frame;
    frame.client = QRect(0, 0, clientWidth, clientHeight);
    frame.backButton = QRect(4, 4, 20, 20); // origin (4, 29)
    frame.stretch = stretch;
    frame.scaleFactor = scale;
    frame.clientSize = frame.client.size();
    frame.windowSize = frame.clientSize + QSize(10, 30);
    frame.defaultWindowSize = QSize(510, 190);
    return frame;
}

std::unique_ptr<CNode> Symbol(std::initializer_list<std::pair<const char*, const char*>> leaves) {
    auto symbol = std::make_unique<CNode>("Symbol");
    for (const auto& [key, value] : leaves)
        symbol->AddLeaf(QString::fromUtf8(key), QString::fromUtf8(value));
    return symbol;
}

TEST(ToolbarLayout, CellSizeFollowsStretchingAndDisplayScale) {
    const struct {
        const char* name;
        ToolbarFrame frame;
        int width, height;
    } cases[] = {
        {"defaults at scale 1", Frame(600, 200), 36, 40},
        {"defaults at scale 1 in any window", Frame(200, 90), 36, 40},
        // (600 - 4 - 39) / 13 and (200 - 29 - 9) / 3, truncated
        {"stretched", Frame(600, 200, true), 42, 54},
        {"stretched at scale 2", Frame(600, 200, true, 2.0), 42, 54},
        // the default window less the frame (10 x 30): (500 - 4 - 39) / 13, (160 - 29 - 9) / 3
        {"scale 1.25", Frame(600, 200, false, 1.25), 35, 40},
        {"scale 1.5", Frame(300, 120, false, 1.5), 35, 40},
        {"scale 2", Frame(800, 400, false, 2.0), 35, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SymbolCellSize cell = ComputeToolbarCellSize(c.frame);
        EXPECT_EQ(cell.width, c.width);
        EXPECT_EQ(cell.height, c.height);
        EXPECT_EQ(cell.rowHeight, c.height);
    }
}

TEST(ToolbarLayout, FlowSkipsPlaceholdersUnlessStretchedAndKnowsNoNewRow) {
    const auto plain = Symbol({});
    const auto hidden = Symbol({{"HideButton", "1"}});
    const auto newRow = Symbol({{"NewRow", ""}});
    for (const bool stretch : {false, true}) {
        SCOPED_TRACE(stretch);
        CToolbarPlacer placer(Frame(600, 200, stretch), false, std::nullopt);
        const SymbolCellSize cell = placer.CellSize();
        placer.Place(plain.get(), nullptr);
        const ToolbarPlacement gap = placer.Place(hidden.get(), nullptr);
        const ToolbarPlacement next = placer.Place(newRow.get(), nullptr);
        EXPECT_EQ(gap.kind, stretch ? Kind::Hidden : Kind::Skipped);
        EXPECT_EQ(gap.placeholder, stretch);
        EXPECT_EQ(next.kind, Kind::Placed);
        // Below the back button, one or two cells on, in the first row.
        EXPECT_EQ(next.rect, QRect(4 + (cell.width + 3) * (stretch ? 2 : 1), 29, cell.width, cell.height));
    }
}

TEST(ToolbarLayout, FixedPositionsScaleFromTheReferenceSize) {
    const struct {
        const char* pos;
        QSize client;
        Kind kind;
        QRect rect;
    } cases[] = {
        {"10,10,20,20", {800, 300}, Kind::Placed, {20, 15, 40, 30}},
        {"10,10,20,20", {400, 200}, Kind::Placed, {10, 10, 20, 20}},
        {"3,3,5,5", {600, 300}, Kind::Placed, {5, 5, 8, 8}},              // 4.5 rounds up, 7.5 too
        {"500,250,10,10", {800, 300}, Kind::Placed, {1000, 375, 20, 15}}, // beyond the reference
        {" 0x10, 010,1,1", {400, 200}, Kind::Placed, {16, 8, 1, 1}},      // read as "%i" reads
        {"10,10,20", {800, 300}, Kind::Hidden, {}},
        {"a,b,c,d", {800, 300}, Kind::Hidden, {}},
        {"", {800, 300}, Kind::Hidden, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pos);
        const auto symbol = Symbol({});
        if (*c.pos)
            symbol->AddLeaf("Pos", QString::fromUtf8(c.pos));
        CToolbarPlacer placer(Frame(c.client.width(), c.client.height()), true, QSize(400, 200));
        const ToolbarPlacement placement = placer.Place(symbol.get(), nullptr);
        EXPECT_EQ(placement.kind, c.kind);
        EXPECT_EQ(placement.rect, c.rect);
    }
}

TEST(ToolbarLayout, ReferenceSizeFromSlideSizeElseTheBackgroundSlide) {
    const QSize slide(640, 320);
    const struct {
        const char* slideSize; // null: no leaf
        std::optional<QSize> slide;
        std::optional<QSize> expected;
    } cases[] = {
        {"400,200", slide, QSize(400, 200)},
        {"0x190,200", std::nullopt, QSize(400, 200)},
        {nullptr, slide, slide},
        {"0,0", slide, slide},
        {"abc", slide, slide},
        {"-4,100", slide, slide},
        {"abc", std::nullopt, std::nullopt},
        {nullptr, QSize(0, 0), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slideSize ? c.slideSize : "(none)");
        CNode page("Page");
        if (c.slideSize)
            page.AddLeaf("SlideSize", QString::fromUtf8(c.slideSize));
        EXPECT_EQ(FixedLayoutReferenceSize(&page, c.slide), c.expected);
    }
}

} // namespace
