#pragma once

#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

class CNode;
class CSymbolFile;

// The cell of one symbol button and the height of the first row. In the drawing host four
// cells fill the width beside the pages list, and at a display scale other than 1 eight rows
// fill the height below it; in Revit the cells keep 36 x 40.
struct SymbolCellSize {
    int width = 36;
    int height = 40;
    int rowHeight = 40;
};

// Where the buttons start: the left edge of the pages list, 5 pixels below it. `list` is the
// pages list in client coordinates; `client` the window's client size.
QPoint ButtonOrigin(const QRect& list);
SymbolCellSize CellSizeFor(bool drawingHost, const QSize& client, const QRect& list, double displayScale);

// A size factor clamped to 1 ... max (a missing or non-numeric factor reads as 0, thus 1).
int ClampedFactor(int factor, int max);

// The place of one shown symbol: its button's rectangle, and whether the button is hidden
// ("HideButton": a placeholder that keeps its place).
struct SymbolButtonSlot {
    CNode* symbol = nullptr;
    QRect rect;
    bool hidden = false;
};

// Places the buttons of a page's symbols that `symbolShown` passes, in order, left to right
// in rows: a button spanning several cells covers the 3-pixel gaps between them, a row ends
// when the next button would pass `clientRight` or the symbol asks for "NewRow", and a row is
// as high as its highest button. Factors are read with the file's defaults.
std::vector<SymbolButtonSlot> LayoutPage(const CSymbolFile& file, const CNode& page,
                                         const SymbolCellSize& cell, QPoint origin, int clientRight,
                                         const std::function<bool(const CNode*)>& symbolShown);
