#include "hydraulics/schematic_painter.h"

#include <QFontDatabase>
#include <QPainter>
#include <QSvgGenerator>

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

void DrawText(QPainter& painter, const tPrimitive& p, bool resolveFonts) {
    if (p.fontSize <= 0 || p.points.isEmpty() || p.text.isEmpty())
        return;
    // The labels of one picture share one size: keep the font between them.
    QFont font = painter.font();
    const QString family = resolveFonts ? ResolvedFontFamily(p.fontFamily) : p.fontFamily;
    if (font.family() != family || font.pointSizeF() != p.fontSize) {
        font = QFont(family);
        font.setPointSizeF(p.fontSize);
        font.setHintingPreference(QFont::PreferNoHinting);
        painter.setFont(font);
    }
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

namespace {

void PaintAll(QPainter& painter, const tSchematic& schematic, bool resolveFonts) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRect(QPoint(0, 0), schematic.size), QColor::fromRgba(schematic.background));
    for (const tPrimitive& p : schematic.primitives)
        DrawPrimitive(painter, p, resolveFonts);
    painter.restore();
}

} // namespace

void PaintSchematic(QPainter& painter, const tSchematic& schematic) {
    PaintAll(painter, schematic, true);
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
    PaintAll(painter, schematic, false);
    return painter.end();
}

} // namespace Hydraulics
