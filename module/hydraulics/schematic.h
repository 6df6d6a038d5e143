#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// The schematic of a hydraulic circuit as plain geometry: an ordered list of shapes in
// floating-point pixels, each tagged with the element of the circuit it belongs to, and the
// two hit rectangles of the valve-position control. Backends only draw what is listed.
namespace Hydraulics {

enum class Element {
    Pipe,
    FlowArrow,
    Pump,
    Consumer,
    ControlValve,
    Actuator,
    CentreMark,
    ThrottleValve,
    CheckValve,
    Separator,
    Label,
    ValveControl, // the up and down triangles of the valve-position control
};

enum class Shape {
    Line,      // points[0] to points[1]
    Polygon,   // closed outline through points
    Ellipse,   // bounds
    Rectangle, // bounds
    Text,      // centred on points[0]
};

struct tPrimitive {
    Element element = Element::Pipe;
    Shape shape = Shape::Line;
    QList<QPointF> points;
    QRectF bounds;
    QRgb penColour = 0;
    double penWidth = 0; // 0: no outline
    std::optional<QRgb> fill;
    QString text;
    QString fontFamily;
    double fontSize = 0; // points
    double angle = 0;    // flow arrows: degrees, 0 up, -90 left, 90 right
};

struct tSchematic {
    QSize size;
    QRgb background = 0;
    std::vector<tPrimitive> primitives;
    QRectF upRect;
    QRectF downRect;
};

// Colours of the schematic (ARGB).
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kHot = 0xFFFF0000;
constexpr QRgb kCold = 0xFF0000FF;
constexpr QRgb kSeparatorFill = 0xFF8DD6FF;
// The button face of a classic desktop, used where no window supplies its own.
constexpr QRgb kDefaultBackground = 0xFFF0F0F0;

// Floor of v + 0.5, the one rounding the schematic uses.
int RoundHalfUp(double v);

// Red for hot water at share 1, blue for cold at 0, the mix in between.
QRgb MixedColour(double share);

// Left and top edges inclusive, right and bottom exclusive.
bool RectContains(const QRectF& rect, const QPointF& point);

// Which rectangle of the valve-position control a point lies in.
enum class ValveHit { None, Up, Down };
ValveHit HitValveControl(const tSchematic& schematic, const QPointF& point);

} // namespace Hydraulics
