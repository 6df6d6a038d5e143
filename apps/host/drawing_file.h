#pragma once

#include <QString>

class Drawing;

// A drawing as a node-tree file (".inf" text form, ".infx" XML form):
//   Drawing { Version = 1  Item { Kind BlockName SlideFile X Y  Data { ... } } ... }
namespace DrawingFile {

// Writes atomically; false with the reason in `error`.
bool Save(const Drawing& drawing, const QString& path, QString* error = nullptr);
// Replaces the drawing's items (and empties its undo history); false with "file:line:column:
// what" or the missing part in `error`, the drawing then left as it was.
bool Open(Drawing& drawing, const QString& path, QString* error = nullptr);

} // namespace DrawingFile
