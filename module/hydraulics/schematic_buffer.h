#pragma once

#include "hydraulics/schematic.h"

#include <QImage>
#include <QRegion>

namespace Hydraulics {

// The off-screen picture of a schematic that is redrawn again and again, as while the
// planner holds an arrow of the valve-position control. A schematic that differs from the
// last one only in some of its primitives repaints just the area those primitives reach;
// anything else (the first picture, another size, background or pixel ratio, primitives
// added or removed) repaints the whole picture. The pixels are the same either way.
class CSchematicBuffer {
public:
    // Brings the picture up to `schematic`; answers the area that changed, in the
    // schematic's pixels (empty when nothing did). An empty size leaves no picture.
    QRegion Update(tSchematic schematic, qreal devicePixelRatio = 1.0);

    const QImage& Image() const { return m_image; }
    const tSchematic& Last() const { return m_last; }

private:
    QRegion ChangedArea(const tSchematic& next) const;
    // Paints the area afresh in the scratch picture and copies it over.
    void RepaintParts(const tSchematic& schematic, const QRegion& area);

    QImage m_image;
    QImage m_scratch;
    tSchematic m_last;
    bool m_painted = false;
};

// Whether two primitives paint exactly the same pixels (every field equal, coordinates to
// the last bit).
bool SamePrimitive(const tPrimitive& a, const tPrimitive& b);

} // namespace Hydraulics
