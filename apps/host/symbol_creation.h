#pragma once

#include "drawing.h"

#include <QList>
#include <QString>

class CSlideWriter;

// What the host makes when the symbol properties dialog asks for a new block or slide
// ("CreateSymbolBlock", "CreateSymbolSlide", the paths in the host variables
// "SYMBOLS_BLOCKFILE" and "SYMBOLS_SLIDEFILE"): the items selected on the canvas become the
// block, a drawing file of its own, and its slide, their previews drawn into one slide file.
namespace SymbolCreation {

// A slide's side for one item of the canvas (the sample slides are 1000 units wide); a large
// selection is drawn smaller, so that it fits the slide's coordinates.
inline constexpr int kUnitsPerItem = 1000;
inline constexpr int kMaxSlideExtent = 32000;

// The selected items, in the order of their ids, placed around the centre of the squares they
// cover on the canvas: the block's base point, where a click will place it.
QList<DrawingItem> BlockItems(const Drawing& drawing, const QList<int>& ids);

// The items as a drawing file (the host's own form: it writes no other CAD format).
bool WriteBlock(const QList<DrawingItem>& items, const QString& path, QString* error);

// The items as the canvas draws them: each slide kept in proportion inside its square, a crossed
// box where an item has no readable slide. Lines keep their colours; y grows upwards.
CSlideWriter SlideOf(const QList<DrawingItem>& items);
// Writes SlideOf(items) to `path`, replacing a file there.
bool WriteSlide(const QList<DrawingItem>& items, const QString& path, QString* error);

// What the module asked for: a block and its slide ("CreateSymbolBlock"; an empty slide path
// keeps a slide that exists) or a slide alone ("CreateSymbolSlide"). '\\' in the paths is read
// as '/'.
struct Request {
    bool block = false;
    QString blockPath;
    QString slidePath;
};

// Writes what `request` asks for from the selected items; answers the lines for the command
// line, and in `ok` whether everything asked for was written.
QStringList Create(const Drawing& drawing, const QList<int>& selected, const Request& request,
                   bool* ok = nullptr);

} // namespace SymbolCreation
