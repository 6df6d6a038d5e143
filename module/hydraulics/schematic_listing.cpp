#include "hydraulics/schematic_listing.h"

#include <QJsonArray>

namespace Hydraulics {

namespace {

QJsonArray PointJson(QPointF p) {
    return QJsonArray{p.x(), p.y()};
}

QJsonArray RectJson(const QRectF& r) {
    return QJsonArray{r.x(), r.y(), r.width(), r.height()};
}

QString Num(double v) {
    return QString::number(v, 'g', 6);
}

QString RectText(const QRectF& r) {
    return QStringLiteral("[%1 %2 %3x%4]").arg(Num(r.x()), Num(r.y()), Num(r.width()), Num(r.height()));
}

QJsonObject PrimitiveJson(const tPrimitive& p) {
    QJsonObject o{{QStringLiteral("element"), ElementName(p.element)},
                  {QStringLiteral("shape"), ShapeName(p.shape)}};
    if (p.shape == Shape::Ellipse || p.shape == Shape::Rectangle) {
        o.insert(QStringLiteral("bounds"), RectJson(p.bounds));
    } else {
        QJsonArray points;
        for (const QPointF& pt : p.points)
            points.append(PointJson(pt));
        o.insert(QStringLiteral("points"), points);
    }
    if (p.shape == Shape::Text) {
        o.insert(QStringLiteral("text"), p.text);
        o.insert(QStringLiteral("font"), p.fontFamily);
        o.insert(QStringLiteral("fontSize"), p.fontSize);
        o.insert(QStringLiteral("colour"), ColourName(p.penColour));
        return o;
    }
    if (p.penWidth > 0) {
        o.insert(QStringLiteral("pen"), ColourName(p.penColour));
        o.insert(QStringLiteral("penWidth"), p.penWidth);
    }
    if (p.fill)
        o.insert(QStringLiteral("fill"), ColourName(*p.fill));
    if (p.element == Element::FlowArrow)
        o.insert(QStringLiteral("angle"), p.angle);
    return o;
}

QString PrimitiveText(const tPrimitive& p) {
    QString line = ElementName(p.element) + u' ' + ShapeName(p.shape);
    if (p.shape == Shape::Ellipse || p.shape == Shape::Rectangle) {
        line += u' ' + RectText(p.bounds);
    } else {
        for (const QPointF& pt : p.points)
            line += QStringLiteral(" (%1,%2)").arg(Num(pt.x()), Num(pt.y()));
    }
    if (p.shape == Shape::Text)
        return line + QStringLiteral(" \"%1\" %2 %3pt %4")
                          .arg(p.text, p.fontFamily, Num(p.fontSize), ColourName(p.penColour));
    if (p.penWidth > 0)
        line += QStringLiteral(" pen %1 %2").arg(ColourName(p.penColour), Num(p.penWidth));
    if (p.fill)
        line += QStringLiteral(" fill %1").arg(ColourName(*p.fill));
    if (p.element == Element::FlowArrow)
        line += QStringLiteral(" angle %1").arg(Num(p.angle));
    return line;
}

} // namespace

QString ElementName(Element element) {
    switch (element) {
    case Element::Pipe:
        return QStringLiteral("pipe");
    case Element::FlowArrow:
        return QStringLiteral("arrow");
    case Element::Pump:
        return QStringLiteral("pump");
    case Element::Consumer:
        return QStringLiteral("consumer");
    case Element::ControlValve:
        return QStringLiteral("control-valve");
    case Element::Actuator:
        return QStringLiteral("actuator");
    case Element::CentreMark:
        return QStringLiteral("centre-mark");
    case Element::ThrottleValve:
        return QStringLiteral("throttle-valve");
    case Element::CheckValve:
        return QStringLiteral("check-valve");
    case Element::Separator:
        return QStringLiteral("separator");
    case Element::Label:
        return QStringLiteral("label");
    case Element::ValveControl:
        return QStringLiteral("valve-control");
    }
    return {};
}

QString ShapeName(Shape shape) {
    switch (shape) {
    case Shape::Line:
        return QStringLiteral("line");
    case Shape::Polygon:
        return QStringLiteral("polygon");
    case Shape::Ellipse:
        return QStringLiteral("ellipse");
    case Shape::Rectangle:
        return QStringLiteral("rectangle");
    case Shape::Text:
        return QStringLiteral("text");
    }
    return {};
}

QString ColourName(QRgb colour) {
    return QStringLiteral("#%1").arg(colour, 8, 16, QLatin1Char('0'));
}

QJsonObject SchematicToJson(const tSchematic& schematic) {
    QJsonArray primitives;
    for (const tPrimitive& p : schematic.primitives)
        primitives.append(PrimitiveJson(p));
    return {{QStringLiteral("width"), schematic.size.width()},
            {QStringLiteral("height"), schematic.size.height()},
            {QStringLiteral("background"), ColourName(schematic.background)},
            {QStringLiteral("primitives"), primitives},
            {QStringLiteral("up"), RectJson(schematic.upRect)},
            {QStringLiteral("down"), RectJson(schematic.downRect)}};
}

QString SchematicToText(const tSchematic& schematic) {
    QString text = QStringLiteral("size %1x%2 background %3\n")
                       .arg(schematic.size.width())
                       .arg(schematic.size.height())
                       .arg(ColourName(schematic.background));
    for (const tPrimitive& p : schematic.primitives)
        text += PrimitiveText(p) + u'\n';
    text += QStringLiteral("up %1\ndown %2\n").arg(RectText(schematic.upRect), RectText(schematic.downRect));
    return text;
}

} // namespace Hydraulics
