#pragma once

#include "hydraulics/schematic.h"

#include <QImage>

class QIODevice;
class QPaintDevice;
class QPainter;
class QRegion;

namespace Hydraulics {

// Clears the painter's area with the schematic's background and draws every primitive in
// order, anti-aliased.
void PaintSchematic(QPainter& painter, const tSchematic& schematic);

// Clears `area` (in the schematic's pixels) and draws, in order and unclipped, every
// primitive that may reach into it. Inside the area the pixels come out exactly as
// PaintSchematic makes them; outside it they are left in no useful state, so this paints
// into a scratch picture from which the area is copied.
void PaintSchematicParts(QPainter& painter, const tSchematic& schematic, const QRegion& area);

// Every pixel that painting the primitive on `device` may touch lies inside this rectangle:
// pen, mitred corners and anti-aliasing included; labels with their whole line height.
QRectF PaintedBounds(const tPrimitive& p, const QPaintDevice& device);

// The schematic as an image of its size at 96 dots per inch, so that font sizes in points
// come out the same wherever it is drawn. A null image for an empty size.
QImage RenderSchematicImage(const tSchematic& schematic);

// Writes the schematic as SVG; false when the device cannot be written or the size is empty.
bool WriteSchematicSvg(const tSchematic& schematic, QIODevice& device);

// The font family that stands for the given one: Arial is drawn with Liberation Sans, its
// metric-compatible face, whenever that is installed, so that the picture is the same on
// every machine; other families are used as given.
QString ResolvedFontFamily(const QString& family);

} // namespace Hydraulics
