#pragma once

#include "hydraulics/schematic.h"

#include <QJsonObject>
#include <QString>

namespace Hydraulics {

// Names used in listings: "pipe", "arrow", ... and "line", "polygon", ...
QString ElementName(Element element);
QString ShapeName(Shape shape);
// "#AARRGGBB"
QString ColourName(QRgb colour);

// The schematic as a JSON object: size, background, primitives in drawing order, and the
// up and down rectangles of the valve-position control.
QJsonObject SchematicToJson(const tSchematic& schematic);

// The same, one line per primitive, for reading in a terminal.
QString SchematicToText(const tSchematic& schematic);

} // namespace Hydraulics
