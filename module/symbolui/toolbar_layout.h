#pragma once

#include "orvane_export.h"

#include "symbolui/symbol_page_layout.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class CNode;
class CSymbolFile;

// The two layouts of the floating symbol toolbar: buttons in rows from left to right (the flow
// the symbols window uses too), or at positions given in slide units over the page's background
// slide (fixed), with the buttons optionally stretched to the window. Rectangles are window
// edges as the window system reports them: the right edge of QRect(x, y, w, h) is x + w here.

// What the toolbar measures of itself at the start of a page fill.
struct ToolbarFrame {
    QRect client;
    QRect backButton;         // the first page control; buttons start below it
    bool stretch = false;     // stretch the buttons to the window
    QSize defaultWindowSize;  // the window's size when it was first initialised
    QSize windowSize;         // now, frame included
    QSize clientSize;         // now
    double scaleFactor = 1.0; // 1.0 exactly at the standard resolution
};

// The cell size of a page fill: 13 cells across and 3 rows fill the window when stretching,
// fill the default window size at any display scale otherwise, else 36 x 40.
ORVANE_EXPORT SymbolCellSize ComputeToolbarCellSize(const ToolbarFrame& frame);

// Reads "a,b,..." as C's "%i" does (sign, decimal, 0x hexadecimal or leading-zero octal,
// blanks before each number, the comma right after it); nothing unless `count` numbers came.
ORVANE_EXPORT std::optional<QList<int>> ScanIntegerList(const QString& text, int count);

// The size fixed positions refer to: the page's "SlideSize" when it gives two positive
// numbers, else the size in the loaded background slide's header when positive, else nothing.
ORVANE_EXPORT std::optional<QSize> FixedLayoutReferenceSize(const CNode* page,
                                                            std::optional<QSize> slideSize);

// Where one symbol of a page goes.
struct ToolbarPlacement {
    enum class Kind { Placed, Hidden, Skipped };
    Kind kind = Kind::Skipped;
    QRect rect;               // for Placed, and for a stretched placeholder (hidden but placed)
    bool placeholder = false; // "HideButton": the button stays hidden but keeps its place
};

// Places the symbols of one page one after the other, from below the back button. Unlike the
// symbols window, a toolbar's flow knows no "NewRow", and a "HideButton" placeholder keeps its
// place only while the buttons are stretched.
class ORVANE_EXPORT CToolbarPlacer {
public:
    // `reference` is used by fixed layouts only; without one every fixed position is taken in
    // pixels of the client area.
    CToolbarPlacer(const ToolbarFrame& frame, bool fixedLayout, std::optional<QSize> reference);

    ToolbarPlacement Place(const CNode* symbol, const CSymbolFile* file);

    const SymbolCellSize& CellSize() const { return m_cell; }

private:
    ToolbarPlacement PlaceFixed(const CNode* symbol, const CSymbolFile* file) const;

    ToolbarFrame m_frame;
    bool m_fixed;
    QSizeF m_scale{1.0, 1.0};
    SymbolCellSize m_cell;
    CButtonFlow m_flow;
};

// floor(v + 0.5) truncated toward zero, the rounding of the layouts.
ORVANE_EXPORT int RoundLayoutValue(double value);
