#include "hydraulics/schematic_canvas.h"

#include "hydraulics/circuit_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Hydraulics {

namespace {
constexpr double kReferenceWidth = 400.0;
constexpr double kBasePenFactor = 1.5;
const QString kFontFamily = QStringLiteral("Arial");

// Turns a point about a centre; in screen coordinates (y downward) a positive angle turns
// clockwise, so 90 degrees takes "up" to "right".
QPointF Rotated(QPointF p, QPointF centre, double degrees) {
    const double rad = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(rad);
    const double s = std::sin(rad);
    const double dx = p.x() - centre.x();
    const double dy = p.y() - centre.y();
    return {centre.x() + dx * c - dy * s, centre.y() + dx * s + dy * c};
}
} // namespace

CSchematicCanvas::CSchematicCanvas(QSize size, const CHydraulicsModel& model, QRgb background, QRgb ink)
    : m_model(model), m_width(std::max(0, size.width())), m_height(std::max(0, size.height())), m_ink(ink) {
    m_w0 = std::max(1.0, m_width * kBasePenFactor / kReferenceWidth);
    m_fontSize = m_width * 6 / kReferenceWidth;
    m_arrowSize = X(3);
    m_supplyX = X(40);
    m_returnX = X(60);
    m_consumerY = Y(80);
    m_schematic.size = QSize(int(m_width), int(m_height));
    m_schematic.background = background;
    // An open valve half is white under dark ink, as on paper; under light ink (a dark face)
    // white would not stand out from the ink, the face does.
    m_paper = qGray(ink) < 128 ? kWhite : background;
}

bool CSchematicCanvas::FlowsShown() const {
    return m_model.ValvePosition() >= 0;
}

double CSchematicCanvas::Share() const {
    return std::max(m_model.ValvePosition(), 0) / 100.0;
}

QRgb CSchematicCanvas::Mixed(double share) const {
    return FlowsShown() ? MixedColour(share) : kHot;
}

tPrimitive& CSchematicCanvas::Add(Element element, Shape shape) {
    tPrimitive& p = m_schematic.primitives.emplace_back();
    p.element = element;
    p.shape = shape;
    return p;
}

void CSchematicCanvas::AddLine(Element element, QPointF from, QPointF to, QRgb colour, double width) {
    tPrimitive& p = Add(element, Shape::Line);
    p.points = {from, to};
    p.penColour = colour;
    p.penWidth = width;
}

void CSchematicCanvas::AddCircle(Element element, QPointF centre, double radius, QRgb pen, double penWidth,
                                 std::optional<QRgb> fill) {
    tPrimitive& p = Add(element, Shape::Ellipse);
    p.bounds = QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.penColour = pen;
    p.penWidth = penWidth;
    p.fill = fill;
}

void CSchematicCanvas::AddPolygon(Element element, QList<QPointF> points, QRgb pen, double penWidth,
                                  std::optional<QRgb> fill) {
    tPrimitive& p = Add(element, Shape::Polygon);
    p.points = std::move(points);
    p.penColour = pen;
    p.penWidth = penWidth;
    p.fill = fill;
}

void CSchematicCanvas::AddText(Element element, const QString& text, QPointF centre, double size) {
    tPrimitive& p = Add(element, Shape::Text);
    p.points = {centre};
    p.penColour = m_ink;
    p.text = text;
    p.fontFamily = kFontFamily;
    p.fontSize = size;
}

void CSchematicCanvas::Pipe(double x1, double y1, double x2, double y2, QRgb colour) {
    AddLine(Element::Pipe, {x1, y1}, {x2, y2}, colour, 2 * m_w0);
}

void CSchematicCanvas::Arrow(double x, double y, double angle, QRgb colour) {
    if (!FlowsShown())
        return;
    const double h = m_arrowSize / 2;
    const QPointF c(x, y);
    AddPolygon(
        Element::FlowArrow,
        {Rotated({x, y - h}, c, angle), Rotated({x - h, y + h}, c, angle), Rotated({x + h, y + h}, c, angle)},
        colour, 0, colour);
    m_schematic.primitives.back().angle = angle;
}

void CSchematicCanvas::Pump(double x, double y1, double y2, QRgb colour) {
    const double cy = (y1 + y2) / 2;
    const double r = std::abs(y2 - cy);
    const double width = 1.5 * m_w0;
    AddCircle(Element::Pump, {x, cy}, r, colour, width, m_schematic.background);
    AddLine(Element::Pump, {x - r, cy}, {x, y2}, colour, width);
    AddLine(Element::Pump, {x, y2}, {x + r, cy}, colour, width);
}

void CSchematicCanvas::Consumer(double x1, double x2, double y, QRgb colour) {
    const QPointF centre((x1 + x2) / 2, y);
    const double r = std::abs(x2 - x1) / 2;
    const double width = 1.5 * m_w0;
    AddCircle(Element::Consumer, centre, r, colour, width, m_schematic.background);
    AddCircle(Element::Consumer, centre, 0.8 * r, colour, width, std::nullopt);
}

void CSchematicCanvas::ControlValve(double x, double y1, double y2, SidePort port, QRgb colour, bool swap,
                                    bool threeWay) {
    const double cy = (y1 + y2) / 2;
    const double r = std::abs(y2 - cy);
    QRgb firstFill = m_paper;
    QRgb secondFill = m_paper;
    if (threeWay) {
        firstFill = swap ? m_paper : colour;
        secondFill = swap ? colour : m_paper;
    }
    AddPolygon(Element::ControlValve, {{x, cy}, {x + r / 2, y1}, {x - r / 2, y1}}, colour, m_w0, firstFill);
    AddPolygon(Element::ControlValve, {{x, cy}, {x - r / 2, y2}, {x + r / 2, y2}}, colour, m_w0, secondFill);
    if (threeWay && port != SidePort::None) {
        const double side = port == SidePort::Right ? 1.0 : -1.0;
        AddPolygon(Element::ControlValve,
                   {{x, cy}, {x + side * r, cy - side * r / 2}, {x + side * r, cy + side * r / 2}}, colour,
                   m_w0, colour);
    }
    if (m_model.m_actuator == 1)
        Actuator(x, cy, r, port, colour);
    CentreMark(x, cy, r, colour);
}

void CSchematicCanvas::Actuator(double x, double cy, double r, SidePort port, QRgb colour) {
    const double side = port == SidePort::Right ? -1.0 : 1.0;
    AddLine(Element::Actuator, {x, cy}, {x + side * r, cy}, colour, m_w0);
    const QPointF centre(x + side * 1.5 * r, cy);
    AddCircle(Element::Actuator, centre, r / 2, colour, m_w0, std::nullopt);
    AddText(Element::Actuator, QStringLiteral("M"), centre, r / 2);
    m_schematic.primitives.back().penColour = colour;
}

void CSchematicCanvas::CentreMark(double x, double cy, double r, QRgb colour) {
    if (m_model.m_valveType == 1)
        AddCircle(Element::CentreMark, {x, cy}, 0.3 * r, colour, m_w0, colour);
    else if (m_model.m_valveType == 2)
        AddCircle(Element::CentreMark, {x, cy}, 0.3 * r, colour, m_w0, m_paper);
}

void CSchematicCanvas::ThrottleValve(double x1, double x2, double y, QRgb colour) {
    const double cx = (x1 + x2) / 2;
    const double r = std::abs(x2 - x1) / 2;
    AddPolygon(Element::ThrottleValve,
               {{cx - r, y - r / 2}, {cx - r, y + r / 2}, {cx + r, y - r / 2}, {cx + r, y + r / 2}}, colour,
               m_w0, std::nullopt);
}

void CSchematicCanvas::CheckValve(double x1, double x2, double y, QRgb colour) {
    const double cx = (x1 + x2) / 2;
    const double r = std::abs(x2 - x1) / 2;
    tPrimitive& box = Add(Element::CheckValve, Shape::Rectangle);
    box.bounds = QRectF(cx - r, y - r / 2, 2 * r, r);
    box.penColour = colour;
    box.penWidth = m_w0;
    AddLine(Element::CheckValve, {cx - r, y + r / 2}, {cx + r, y - r / 2}, colour, m_w0);
    AddCircle(Element::CheckValve, {cx + r, y - r / 2}, 0.15 * r, colour, 0, colour);
}

void CSchematicCanvas::Separator(double x1, double x2, double y1, double y2, QRgb colour) {
    tPrimitive& p = Add(Element::Separator, Shape::Rectangle);
    const double left = x1 - X(2);
    const double right = x2 + X(2);
    p.bounds = QRectF(QPointF(left, std::min(y1, y2)), QPointF(right, std::max(y1, y2)));
    p.penColour = colour;
    p.penWidth = 2 * m_w0;
    p.fill = kSeparatorFill;
}

void CSchematicCanvas::Label(const QString& text, double x, double y) {
    AddText(Element::Label, text, {x, y}, m_fontSize);
}

void CSchematicCanvas::Percent(int value, double x, double y) {
    Label(QString::number(value) + u'%', x, y);
}

void CSchematicCanvas::ConsumerConnection(QRgb supplyColour) {
    const double y = Y(80);
    Pipe(m_supplyX - m_w0, y, m_supplyX + X(3), y, supplyColour);
    Pipe(m_returnX + m_w0, y, m_returnX - X(3), y, kCold);
    Consumer(m_supplyX + X(3), m_returnX - X(3), y, m_ink);
}

void CSchematicCanvas::PlacedControlValve(double yFrom, double yTo, bool swap, bool threeWay) {
    if (m_model.m_valveInSupply == 1)
        ControlValve(m_supplyX, Y(yFrom), Y(yTo), SidePort::Right, m_ink, swap, threeWay);
    else
        ControlValve(m_returnX, Y(yFrom), Y(yTo), SidePort::Left, m_ink, swap, threeWay);
}

void CSchematicCanvas::ValveControl(double x, double y) {
    const double f = m_fontSize;
    const QRectF up(x - 1.5 * f, y - 3 * f, 3 * f, 1.5 * f);
    const QRectF down(x - 1.5 * f, y + 1.5 * f, 3 * f, 1.5 * f);
    m_schematic.upRect = up;
    m_schematic.downRect = down;
    const int position = m_model.ValvePosition();
    const QList<QPointF> upTriangle{{up.center().x(), up.top()}, up.bottomLeft(), up.bottomRight()};
    const QList<QPointF> downTriangle{{down.center().x(), down.bottom()}, down.topRight(), down.topLeft()};
    if (position >= kValveMax)
        AddPolygon(Element::ValveControl, upTriangle, m_ink, 0.5 * m_w0, std::nullopt);
    else
        AddPolygon(Element::ValveControl, upTriangle, m_ink, 0, m_ink);
    if (position < 1)
        AddPolygon(Element::ValveControl, downTriangle, m_ink, 0.5 * m_w0, std::nullopt);
    else
        AddPolygon(Element::ValveControl, downTriangle, m_ink, 0, m_ink);
    if (position >= 0)
        Percent(position, x, y);
}

tSchematic CSchematicCanvas::Take() {
    return std::move(m_schematic);
}

} // namespace Hydraulics
