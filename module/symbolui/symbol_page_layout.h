#pragma once

#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

class CNode;
class CSymbolFile;

// The flow of symbol buttons that the symbols window and the floating toolbars share: buttons
// of whole cells in rows from left to right. The two differ in how they size the cells (each
// has its own rule) and in which symbols take a place; see LayoutPage and CToolbarPlacer.
// Rectangles are window edges as the window system reports them: right and bottom lie one
// past the last pixel (QRect(x, y, w, h) has the right edge x + w here).

// The cell of one symbol button and the height of the first row.
struct SymbolCellSize {
    int width = 36;
    int height = 40;
    int rowHeight = 40;
};

// Where the buttons start: the left edge of `control` (the window's pages list, a toolbar's back
// button), 5 pixels below it.
QPoint ButtonOrigin(const QRect& control);

// A button's size: "ButtonSizeWidthFactor" cells across (1 ... 4) and "ButtonSizeHeightFactor"
// down (1 ... 8), covering the 3-pixel gaps between them. The factors are read with the file's
// defaults when there is a file; a missing or non-numeric factor reads as 0, thus 1.
QSize FlowButtonSize(const CSymbolFile* file, const CNode* symbol, const SymbolCellSize& cell);

// Buttons placed one after the other from `origin`: a row ends when the next button would pass
// `right` (tested for a row's first button too, so a button wider than the window starts a new
// row every time) or when the caller asks for a new row; a row is as high as its highest button.
class CButtonFlow {
public:
    CButtonFlow(QPoint origin, int right, int rowHeight);
    QRect Next(const QSize& size, bool newRow);

private:
    QPoint m_origin;
    int m_right;
    int m_x;
    int m_y;
    int m_rowHeight;
};

// The symbols window's cells: in the drawing host four cells fill the width beside the pages
// list, and at a display scale other than 1 eight rows fill the height below it; in Revit the
// cells keep 36 x 40. `list` is the pages list in client coordinates; `client` the window's
// client size.
SymbolCellSize CellSizeFor(bool drawingHost, const QSize& client, const QRect& list, double displayScale);

// The place of one shown symbol: its button's rectangle, and whether the button is hidden
// ("HideButton": a placeholder that keeps its place).
struct SymbolButtonSlot {
    CNode* symbol = nullptr;
    QRect rect;
    bool hidden = false;
};

// The symbols window's page: every symbol that `symbolShown` passes takes a place in the flow,
// a hidden one too; a symbol with "NewRow" starts a new row, the first one of a page as well.
std::vector<SymbolButtonSlot> LayoutPage(const CSymbolFile& file, const CNode& page,
                                         const SymbolCellSize& cell, QPoint origin, int clientRight,
                                         const std::function<bool(const CNode*)>& symbolShown);
