#include "symbolui/toolbar_grid.h"

#include "corekit/node.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A symbol with the grid's leaves; factors 0 mean "leaf absent".
std::unique_ptr<CNode> Symbol(int widthFactor = 0, int heightFactor = 0, bool newRow = false) {
    auto symbol = std::make_unique<CNode>("Symbol");
    if (widthFactor)
        symbol->AddLeaf("ButtonSizeWidthFactor", widthFactor);
    if (heightFactor)
        symbol->AddLeaf("ButtonSizeHeightFactor", heightFactor);
    if (newRow)
        symbol->AddLeaf("NewRow", QString());
    return symbol;
}

ToolbarGridFrame OnePageFrame(int width, int height, double scale = 1.0) {
    ToolbarGridFrame frame;
    frame.client = QRect(0, 0, width, height);
    frame.pageCount = 1;
    frame.comboBox = QRect(40, 5, 200, 20);
    frame.backButton = QRect(10, 5, 20, 20);
    frame.scaleFactor = scale;
    return frame;
}

TEST(ToolbarGrid, PageControlsAndOriginFollowThePageCount) {
    struct Case {
        int pages;
        bool backButton;
        bool steps, combo;
        QPoint origin;
        std::optional<QRect> comboMovedTo;
    };
    const Case cases[] = {
        {0, true, false, false, QPoint(2, 2), std::nullopt},
        {1, true, false, false, QPoint(2, 2), std::nullopt},
        {2, true, false, true, QPoint(10, 30), QRect(10, 5, 230, 20)},
        {2, false, false, true, QPoint(40, 30), QRect(40, 5, 200, 20)},
        {3, true, true, true, QPoint(10, 30), std::nullopt},
        {3, false, true, true, QPoint(40, 30), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pages << " pages, back button " << c.backButton);
        ToolbarGridFrame frame = OnePageFrame(300, 200);
        frame.pageCount = c.pages;
        if (!c.backButton)
            frame.backButton.reset();
        CToolbarGrid grid;
        const ToolbarGridControls controls = grid.RecalcLayout(QSize(32, 32), frame);
        EXPECT_EQ(controls.showStepButtons, c.steps);
        EXPECT_EQ(controls.showComboBox, c.combo);
        EXPECT_EQ(grid.Origin(), c.origin);
        EXPECT_EQ(controls.comboBoxMovedTo, c.comboMovedTo);
    }
}

TEST(ToolbarGrid, ButtonSizeIsScaledFromTheArgumentEveryTime) {
    const struct {
        double scale;
        QSize expected;
    } cases[] = {{1.0, {32, 32}}, {1.25, {40, 40}}, {1.5, {48, 48}}, {2.0, {64, 64}}, {1.33, {42, 42}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        CToolbarGrid grid;
        grid.RecalcLayout(QSize(32, 32), OnePageFrame(300, 200, c.scale));
        grid.RecalcLayout(QSize(32, 32), OnePageFrame(300, 200, c.scale));
        EXPECT_EQ(grid.ButtonSize(), c.expected);
    }
}

TEST(ToolbarGrid, RowsAndColumnsAreRoundedToTheNearestCell) {
    const struct {
        QSize client;
        int pages;
        QSize button;
        int rows, columns;
    } cases[] = {
        {{300, 200}, 2, {32, 40}, 4, 8}, // rows = trunc(170 / 43 + 0.5), columns = trunc(290 / 35 + 0.5)
        {{142, 142}, 1, {32, 32}, 4, 4}, // 140 / 35 = 4.0
        {{159, 159}, 1, {32, 32}, 4, 4}, // 157 / 35 = 4.49
        {{160, 160}, 1, {32, 32}, 5, 5}, // 158 / 35 = 4.51
        {{20, 20}, 1, {32, 32}, 1, 1},   // half a cell counts as one
        {{10, 10}, 1, {32, 32}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.client.width() << "x" << c.client.height());
        ToolbarGridFrame frame = OnePageFrame(c.client.width(), c.client.height());
        frame.pageCount = c.pages;
        CToolbarGrid grid;
        grid.RecalcLayout(c.button, frame);
        EXPECT_EQ(grid.Rows(), c.rows);
        EXPECT_EQ(grid.Columns(), c.columns);
    }
}

// A 4 x 4 grid of 32-pixel cells from (2, 2); a cell step is 35 pixels.
class ToolbarGridPage : public testing::Test {
protected:
    void SetUp() override { grid.RecalcLayout(QSize(32, 32), OnePageFrame(142, 142)); }

    QRect Place(int widthFactor = 0, int heightFactor = 0, bool newRow = false) {
        symbols.push_back(Symbol(widthFactor, heightFactor, newRow));
        return grid.CalcButtonRect(symbols.back().get());
    }
    static QRect Cell(int row, int column, int width = 1, int height = 1) {
        return QRect(2 + 35 * column, 2 + 35 * row, 32 * width + 3 * (width - 1),
                     32 * height + 3 * (height - 1));
    }

    CToolbarGrid grid;
    std::vector<std::unique_ptr<CNode>> symbols;
};

TEST_F(ToolbarGridPage, BlocksFlowAroundTakenCells) {
    EXPECT_EQ(Place(), Cell(0, 0));
    EXPECT_EQ(Place(), Cell(0, 1));
    EXPECT_EQ(Place(), Cell(0, 2));
    // Does not fit in the last column: the next row, two cells in each of two rows.
    EXPECT_EQ(Place(2, 2), Cell(1, 0, 2, 2));
    EXPECT_EQ(Place(), Cell(1, 2));
    EXPECT_EQ(Place(), Cell(1, 3));
    // Row 2 starts behind the block that reaches into it.
    EXPECT_EQ(Place(), Cell(2, 2));
    EXPECT_EQ(Place(0, 0, true), Cell(3, 0));
    // Wider than the grid: as wide as the grid.
    EXPECT_EQ(Place(7, 1), Cell(4, 0, 4, 1));
}

TEST_F(ToolbarGridPage, NewRowOnTheFirstButtonStartsInRowOne) {
    EXPECT_EQ(Place(0, 0, true), Cell(1, 0));
    EXPECT_EQ(grid.CurrentRow(), 1);
    EXPECT_EQ(grid.CurrentColumn(), 1);
}

TEST_F(ToolbarGridPage, ABlockNeverStandsPastTheRightEdge) {
    EXPECT_EQ(Place(), Cell(0, 0));
    EXPECT_EQ(Place(1, 2), Cell(0, 1, 1, 2));
    EXPECT_EQ(Place(), Cell(0, 2));
    EXPECT_EQ(Place(), Cell(0, 3));
    // Row 1 has cells 0, 2, 3 free; a 3-wide block cannot start at 2 and wrap into row 2.
    EXPECT_EQ(Place(3, 1), Cell(2, 0, 3, 1));
}

TEST_F(ToolbarGridPage, SearchEndsTenRowsBelowTheGrid) {
    // 4 columns by rows 0 .. 13 (rows + 10): 56 cells, then nothing.
    for (int i = 0; i < 56; ++i)
        ASSERT_FALSE(Place().isEmpty()) << i;
    EXPECT_TRUE(Place().isEmpty());
    EXPECT_EQ(grid.CurrentRow(), 13);
    // A fresh measurement frees every cell again.
    grid.RecalcLayout(QSize(32, 32), OnePageFrame(142, 142));
    EXPECT_EQ(Place(), Cell(0, 0));
}

TEST(ToolbarGrid, CellsBeyondTheGridStoreCountAsTaken) {
    // 300 columns in one row: rows + 10 allows 11 rows, but only 1024 cells exist.
    CToolbarGrid grid;
    grid.RecalcLayout(QSize(1, 1), OnePageFrame(1202, 6));
    ASSERT_EQ(grid.Columns(), 300);
    const auto symbol = Symbol();
    int placed = 0;
    while (!grid.CalcButtonRect(symbol.get()).isEmpty())
        ++placed;
    EXPECT_EQ(placed, CToolbarGrid::kCellCount);
}

} // namespace
