#pragma once

#include "drawing.h"

#include <QList>
#include <QString>

class CNode;

// What the next click on the canvas places after "InsertSymbol" or "InsPair".
namespace SymbolPlacement {

// The second block of a pair sits this far right of the first.
inline constexpr double kPairOffset = 60.0;

// The slide file of a symbol as the symbols window finds it: `name` itself when absolute,
// else in the "Slides" folder beside the symbol file; ".sld" added when the name has no
// extension. '\' in data is read as '/'.
QString SlidePath(const QString& symbolFileFolder, const QString& name);

// The folder of the symbol file, from "SymbolsDir" (drawing host) or "FamiliesDir" (Revit) of
// a "SymbolProps" node: both start with it and go on with "Symbols". Empty when neither is set.
QString SymbolFileFolder(const CNode& props);

// The items to place, relative to the click: the symbol's block, and for a pair (the node
// carries "SecondBlockName") the second block beside it. `previewSlide` is the slide the
// symbols window showed for the symbol, used for the first block when not empty; else the
// slide is `slideName` (the symbol's "SlideName"), or the block name, beside the symbol file.
// Empty when the node names no block.
QList<DrawingItem> ItemsFromSymbolProps(const CNode& props, const QString& previewSlide,
                                        const QString& slideName);

} // namespace SymbolPlacement
