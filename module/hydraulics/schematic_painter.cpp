#include "hydraulics/schematic_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegion>
#include <QSvgGenerator>

#include <algorithm>

namespace Hydraulics {

namespace {

constexpr int kDotsPerMeter96Dpi = 3780;

QPen OutlinePen(const tPrimitive& p) {
    if (p.penWidth <= 0)
        return Qt::NoPen;
    // Flat ends and mitred corners, so that pipe ends meet the way the geometry says.
    return QPen(QColor::fromRgba(p.penColour), p.penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

QBrush Fill(const tPrimitive& p) {
    return p.fill ? QBrush(QColor::fromRgba(*p.fill)) : QBrush(Qt::NoBrush);
}

QFont LabelFont(const tPrimitive& p, bool resolveFonts) {
    QFont font(resolveFonts ? ResolvedFontFamily(p.fontFamily) : p.fontFamily);
    font.setPointSizeF(p.fontSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool HasText(const tPrimitive& p) {
    return p.fontSize > 0 && !p.points.isEmpty() && !p.text.isEmpty();
}

void DrawText(QPainter& painter, const tPrimitive& p, bool resolveFonts) {
    if (!HasText(p))
        return;
    // The labels of one picture share one size: keep the font between them.
    const QFont& current = painter.font();
    const QString family = resolveFonts ? ResolvedFontFamily(p.fontFamily) : p.fontFamily;
    if (current.family() != family || current.pointSizeF() != p.fontSize)
        painter.setFont(LabelFont(p, resolveFonts));
    painter.setPen(QColor::fromRgba(p.penColour));
    // A box far larger than any label, centred on the point: the text is centred both ways.
    const double half = 100 * p.fontSize + 100;
    const QPointF c = p.points.first();
    painter.drawText(QRectF(c.x() - half, c.y() - half, 2 * half, 2 * half),
                     Qt::AlignCenter | Qt::TextDontClip, p.text);
}

void DrawPrimitive(QPainter& painter, const tPrimitive& p, bool resolveFonts) {
    if (p.shape == Shape::Text) {
        DrawText(painter, p, resolveFonts);
        return;
    }
    painter.setPen(OutlinePen(p));
    painter.setBrush(Fill(p));
    switch (p.shape) {
    case Shape::Line:
        if (p.points.size() == 2)
            painter.drawLine(p.points[0], p.points[1]);
        break;
    case Shape::Polygon:
        painter.drawPolygon(p.points.constData(), int(p.points.size()));
        break;
    case Shape::Ellipse:
        painter.drawEllipse(p.bounds);
        break;
    case Shape::Rectangle:
        painter.drawRect(p.bounds);
        break;
    case Shape::Text:
        break;
    }
}

} // namespace

QString ResolvedFontFamily(const QString& family) {
    static const bool hasLiberation = QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"));
    if (family.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0 && hasLiberation)
        return QStringLiteral("Liberation Sans");
    return family;
}

QRectF PaintedBounds(const tPrimitive& p, const QPaintDevice& device) {
    // One pixel of anti-aliasing and one to spare around every shape.
    constexpr double kSpare = 2;
    if (p.shape == Shape::Text) {
        if (!HasText(p))
            return {};
        const QFontMetricsF metrics(LabelFont(p, true), &device);
        // Centred both ways on the point; a quarter line to spare for overhanging glyphs.
        const double spare = metrics.height() / 4 + kSpare;
        const double width = metrics.horizontalAdvance(p.text) + 2 * spare;
        const double height = metrics.height() + 2 * spare;
        const QPointF c = p.points.first();
        return QRectF(c.x() - width / 2, c.y() - height / 2, width, height);
    }
    const double pen = std::max(0.0, p.penWidth);
    if (p.shape != Shape::Line && p.shape != Shape::Polygon)
        return p.bounds.normalized().adjusted(-pen / 2 - kSpare, -pen / 2 - kSpare, pen / 2 + kSpare,
                                              pen / 2 + kSpare);
    if (p.points.isEmpty())
        return {};
    // Lines have no extent across their direction, so the corners are found by hand.
    double left = p.points.first().x(), right = left, top = p.points.first().y(), bottom = top;
    for (const QPointF& point : p.points) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        top = std::min(top, point.y());
        bottom = std::max(bottom, point.y());
    }
    // Flat line ends reach half a pen width sideways; a mitred corner of a polygon reaches
    // up to the miter limit, two half widths.
    const double reach = (p.shape == Shape::Line ? pen / 2 : pen) + kSpare;
    return QRectF(QPointF(left, top), QPointF(right, bottom)).adjusted(-reach, -reach, reach, reach);
}

namespace {

void PaintAll(QPainter& painter, const tSchematic& schematic, bool resolveFonts, const QRegion* area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QColor background = QColor::fromRgba(schematic.background);
    if (!area) {
        painter.fillRect(QRect(QPoint(0, 0), schematic.size), background);
        for (const tPrimitive& p : schematic.primitives)
            DrawPrimitive(painter, p, resolveFonts);
    } else {
        // No clip: a clipped shape is rasterised a little differently at its edges.
        for (const QRect& rect : *area)
            painter.fillRect(rect, background);
        for (const tPrimitive& p : schematic.primitives)
            if (area->intersects(PaintedBounds(p, *painter.device()).toAlignedRect()))
                DrawPrimitive(painter, p, resolveFonts);
    }
    painter.restore();
}

} // namespace

void PaintSchematic(QPainter& painter, const tSchematic& schematic) {
    PaintAll(painter, schematic, true, nullptr);
}

void PaintSchematicParts(QPainter& painter, const tSchematic& schematic, const QRegion& area) {
    PaintAll(painter, schematic, true, &area);
}

QImage RenderSchematicImage(const tSchematic& schematic) {
    if (schematic.size.isEmpty())
        return {};
    QImage image(schematic.size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    QPainter painter(&image);
    PaintSchematic(painter, schematic);
    return image;
}

bool WriteSchematicSvg(const tSchematic& schematic, QIODevice& device) {
    if (schematic.size.isEmpty())
        return false;
    if (!device.isOpen() && !device.open(QIODevice::WriteOnly))
        return false;
    if (!device.isWritable())
        return false;
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(schematic.size);
    generator.setViewBox(QRect(QPoint(0, 0), schematic.size));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Hydraulic circuit"));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    // The file names the family the schematic asks for; a viewer picks its own face for it.
    PaintAll(painter, schematic, false, nullptr);
    return painter.end();
}

} // namespace Hydraulics
