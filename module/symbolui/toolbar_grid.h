#pragma once

#include "orvane_export.h"

#include <QRect>
#include <QSize>

#include <array>
#include <optional>

class CNode;

// What the grid placement measures of its window before a page is laid out. Rectangles are
// window edges as the window system reports them: right and bottom lie one past the last
// pixel (QRect(x, y, w, h) has the right edge x + w here).
struct ToolbarGridFrame {
    QRect client;
    int pageCount = 0;
    // The back button, when the window has one; the combo box otherwise decides the origin.
    std::optional<QRect> backButton;
    QRect comboBox;
    double scaleFactor = 1.0;
};

// What the window does with its page controls after a measurement.
struct ToolbarGridControls {
    bool showStepButtons = false;
    bool showComboBox = false;
    // Set when the combo box moves left to where the back button was (exactly two pages).
    std::optional<QRect> comboBoxMovedTo;
};

// The grid placement of the page windows built on CDlgSymbolToolbarBase: the window is cut
// into cells of the button size with 3 pixels between them; every symbol takes a block of
// cells ("ButtonSizeWidthFactor" by "ButtonSizeHeightFactor") at the first free place from
// where the previous one ended. Buttons are placed in page order, and the search never goes
// back, so a page lays out in one pass.
class ORVANE_EXPORT CToolbarGrid {
public:
    static constexpr int kSpacing = 3;
    static constexpr int kCellCount = 1024;

    // Measures the window for a new page and frees every cell. The button size is scaled from
    // the argument on every call, so the scaling never compounds.
    ToolbarGridControls RecalcLayout(const QSize& buttonSize, const ToolbarGridFrame& frame);

    // The rectangle of the next button; an empty rectangle when no free block is left within
    // rows + 10 rows or within the grid's cells (the state then stays as it was).
    QRect CalcButtonRect(const CNode* symbol);

    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }
    QSize ButtonSize() const { return m_buttonSize; }
    QPoint Origin() const { return m_origin; }
    int CurrentRow() const { return m_curRow; }
    int CurrentColumn() const { return m_curColumn; }

private:
    bool IsCellTaken(int row, int column) const;
    bool IsBlockFree(int row, int column, int width, int height) const;
    void TakeBlock(int row, int column, int width, int height);

    QSize m_buttonSize;
    QPoint m_origin;
    int m_rows = 0;
    int m_columns = 0;
    int m_curRow = 0;
    int m_curColumn = 0;
    std::array<int, kCellCount> m_cells{};
};
