#pragma once

#include "hydraulics/schematic.h"

class CHydraulicsModel;

namespace Hydraulics {

enum class SidePort { None, Right, Left };

// Collects the primitives of one schematic. Positions are given in percent of the client
// area (X from the left, Y upward from the bottom) and turned into pixels here; sizes follow
// the client width against a reference width of 400 pixels.
class CSchematicCanvas {
public:
    CSchematicCanvas(QSize size, const CHydraulicsModel& model, QRgb background, QRgb ink);

    double X(double p) const { return m_width * p / 100; }
    double Y(double p) const { return m_height - m_height * p / 100; }

    // The colour of outlines, arrows and labels.
    QRgb Ink() const { return m_ink; }
    double PenWidth() const { return m_w0; }
    double FontSize() const { return m_fontSize; }
    double SupplyX() const { return m_supplyX; }
    double ReturnX() const { return m_returnX; }
    double ConsumerY() const { return m_consumerY; }
    const CHydraulicsModel& Model() const { return m_model; }

    // Flows, their arrows and the percentages are shown only once the planner has set a
    // valve position.
    bool FlowsShown() const;
    // The valve position as a share between 0 and 1 (0 while it is hidden).
    double Share() const;
    // The mixed-water colour of a share; hot while the valve position is hidden.
    QRgb Mixed(double share) const;

    void Pipe(double x1, double y1, double x2, double y2, QRgb colour);
    void Arrow(double x, double y, double angle, QRgb colour);
    void Pump(double x, double y1, double y2, QRgb colour);
    void Consumer(double x1, double x2, double y, QRgb colour);
    void ControlValve(double x, double y1, double y2, SidePort port, QRgb colour, bool swap, bool threeWay);
    void ThrottleValve(double x1, double x2, double y, QRgb colour);
    void CheckValve(double x1, double x2, double y, QRgb colour);
    void Separator(double x1, double x2, double y1, double y2, QRgb colour);
    void Label(const QString& text, double x, double y);
    void Percent(int value, double x, double y);

    // The pipes to the consumer at Y(80) and the consumer itself.
    void ConsumerConnection(QRgb supplyColour);
    // The control valve of the circuit: on the supply with its side port to the right, or
    // on the return with its side port to the left, as the model says.
    void PlacedControlValve(double yFrom, double yTo, bool swap, bool threeWay);
    // The up and down arrows of the valve position, anchored at (x, y).
    void ValveControl(double x, double y);

    tSchematic Take();

private:
    void Actuator(double x, double cy, double r, SidePort port, QRgb colour);
    void CentreMark(double x, double cy, double r, QRgb colour);
    tPrimitive& Add(Element element, Shape shape);
    void AddCircle(Element element, QPointF centre, double radius, QRgb pen, double penWidth,
                   std::optional<QRgb> fill);
    void AddPolygon(Element element, QList<QPointF> points, QRgb pen, double penWidth,
                    std::optional<QRgb> fill);
    void AddLine(Element element, QPointF from, QPointF to, QRgb colour, double width);
    void AddText(Element element, const QString& text, QPointF centre, double size);

    const CHydraulicsModel& m_model;
    double m_width;
    double m_height;
    double m_w0;
    double m_fontSize;
    double m_arrowSize;
    double m_supplyX;
    double m_returnX;
    double m_consumerY;
    QRgb m_ink;
    QRgb m_paper; // the fill of open valve halves
    tSchematic m_schematic;
};

} // namespace Hydraulics
