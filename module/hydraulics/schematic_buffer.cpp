#include "hydraulics/schematic_buffer.h"

#include "hydraulics/schematic_painter.h"

#include <QPainter>

#include <cstring>

namespace Hydraulics {

namespace {

// Exact, unlike QPointF's own comparison, which forgives small differences that can still
// move an anti-aliased edge.
bool SamePoints(const QList<QPointF>& a, const QList<QPointF>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].x() != b[i].x() || a[i].y() != b[i].y())
            return false;
    return true;
}

bool SameRect(const QRectF& a, const QRectF& b) {
    return a.x() == b.x() && a.y() == b.y() && a.width() == b.width() && a.height() == b.height();
}

} // namespace

bool SamePrimitive(const tPrimitive& a, const tPrimitive& b) {
    return a.element == b.element && a.shape == b.shape && SamePoints(a.points, b.points) &&
           SameRect(a.bounds, b.bounds) && a.penColour == b.penColour && a.penWidth == b.penWidth &&
           a.fill == b.fill && a.text == b.text && a.fontFamily == b.fontFamily && a.fontSize == b.fontSize &&
           a.angle == b.angle;
}

QRegion CSchematicBuffer::ChangedArea(const tSchematic& next) const {
    // Lists of equal length compared place by place: a pixel that no differing primitive
    // reaches is covered by the same primitives in the same order, so it stays as it is.
    QRegion changed;
    for (size_t i = 0; i < next.primitives.size(); ++i) {
        const tPrimitive& before = m_last.primitives[i];
        const tPrimitive& after = next.primitives[i];
        if (SamePrimitive(before, after))
            continue;
        changed += PaintedBounds(before, m_image).toAlignedRect();
        changed += PaintedBounds(after, m_image).toAlignedRect();
    }
    return changed & QRect(QPoint(0, 0), next.size);
}

void CSchematicBuffer::RepaintParts(const tSchematic& schematic, const QRegion& area) {
    if (m_scratch.size() != m_image.size())
        m_scratch = QImage(m_image.size(), m_image.format());
    m_scratch.setDevicePixelRatio(m_image.devicePixelRatio());
    {
        QPainter painter(&m_scratch);
        PaintSchematicParts(painter, schematic, area);
    }
    const qreal ratio = m_image.devicePixelRatio();
    const QRect pixels = m_image.rect();
    for (const QRect& rect : area) {
        const QRect rows =
            QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio).toAlignedRect() & pixels;
        const size_t bytes = size_t(rows.width()) * 4;
        for (int y = rows.top(); y <= rows.bottom(); ++y)
            std::memcpy(m_image.scanLine(y) + rows.left() * 4, m_scratch.constScanLine(y) + rows.left() * 4,
                        bytes);
    }
}

QRegion CSchematicBuffer::Update(tSchematic schematic, qreal devicePixelRatio) {
    if (schematic.size.isEmpty()) {
        m_image = QImage();
        m_last = std::move(schematic);
        m_painted = false;
        return {};
    }
    const QSize pixels = schematic.size * devicePixelRatio;
    const bool whole = !m_painted || m_image.size() != pixels ||
                       m_image.devicePixelRatio() != devicePixelRatio || m_last.size != schematic.size ||
                       m_last.background != schematic.background ||
                       m_last.primitives.size() != schematic.primitives.size();
    if (m_image.size() != pixels) {
        m_image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_scratch = QImage();
    }
    m_image.setDevicePixelRatio(devicePixelRatio);
    const QRegion changed = whole ? QRegion(QRect(QPoint(0, 0), schematic.size)) : ChangedArea(schematic);
    if (whole) {
        QPainter painter(&m_image);
        PaintSchematic(painter, schematic);
    } else if (!changed.isEmpty()) {
        RepaintParts(schematic, changed);
    }
    m_last = std::move(schematic);
    m_painted = true;
    return changed;
}

} // namespace Hydraulics
