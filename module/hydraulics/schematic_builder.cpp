#include "hydraulics/schematic_builder.h"

#include "hydraulics/circuit_model.h"
#include "hydraulics/schematic_canvas.h"

namespace Hydraulics {

namespace {

// Types 0 and 1: the consumer mixes supply water with return water through the bypass;
// type 1 adds a constant admixture above the valve.
void DrawAdmixture(CSchematicCanvas& c, bool constant) {
    const CHydraulicsModel& m = c.Model();
    const double sx = c.SupplyX();
    const double rx = c.ReturnX();
    const double base = constant ? 60 : 100;
    const double s = c.Share();
    const int share = RoundHalfUp(s * base);
    const int rest = RoundHalfUp((1 - s) * base);
    const QRgb mixed = c.Mixed(s);
    const QRgb mixed2 = c.Mixed(s * base / 100);
    const QRgb upper = constant ? mixed2 : mixed;
    const double y25 = c.Y(25);
    const double y40 = c.Y(40);
    const double yTop = y40 + 0.6 * (c.Y(80) - y40);
    const double yMid = y25 + 0.7 * (y40 - y25);
    const double yInlet = (c.Y(0) + y25) / 2;

    if (constant) {
        const double arrowX = m.m_throttle == 1 ? c.X(44) : c.X(50);
        if (m.m_throttle == 1) {
            c.Pipe(sx, y40, c.X(47), y40, kCold);
            c.Pipe(c.X(53), y40, rx, y40, kCold);
            c.ThrottleValve(c.X(47), c.X(53), y40, c.Ink());
        } else {
            c.Pipe(sx, y40, rx, y40, kCold);
        }
        c.Arrow(arrowX, y40, -90, kCold);
    }
    const QRgb inlet = share < 1 && c.FlowsShown() ? kCold : kHot;
    c.Pipe(sx, c.Y(2), sx, y25, inlet);
    c.Arrow(sx, yInlet, 0, inlet);
    c.Pipe(sx, y25, sx, y40, mixed);
    if (constant)
        c.Arrow(sx, yMid, 0, mixed);
    c.Pipe(sx, y40, sx, c.Y(80), upper);
    c.Arrow(sx, yTop, 0, upper);
    c.Pipe(rx, c.Y(2), rx, y25, kCold);
    c.Pipe(rx, y25, rx, c.Y(80), kCold);
    c.Pipe(sx, y25, rx, y25, kCold);
    c.Arrow(c.X(50), y25, -90, kCold);
    c.Pump(sx, c.Y(45), c.Y(55), c.Ink());
    c.PlacedControlValve(20, 30, false, true);
    c.ConsumerConnection(upper);
    if (!c.FlowsShown())
        return;
    const double labelX = sx - c.X(4);
    c.Percent(rest, c.X(50), c.Y(30));
    c.Percent(share, labelX, yInlet);
    if (constant)
        c.Percent(rest + share, labelX, yMid);
    c.Percent(100, labelX, yTop);
    if (constant)
        c.Percent(40, c.X(50), c.Y(45));
}

// Type 4: primary and secondary circuits joined through a separator; above 1/1.1 of the
// consumer flow the primary side pushes water through the separator into the return.
void DrawSeparator(CSchematicCanvas& c) {
    const double sx = c.SupplyX();
    const double rx = c.ReturnX();
    const double s = c.Share();
    const int primary = RoundHalfUp(110 * s);
    const int over = RoundHalfUp((1 - 1.1 * s) * 100);
    const QRgb mixed = c.Mixed(s);

    c.Pipe(sx, c.Y(2), sx, c.Y(35), primary < 1 && c.FlowsShown() ? kCold : kHot);
    c.Arrow(sx, c.Y(10), 0, primary > 0 ? kHot : kCold);
    c.Pipe(sx, c.Y(45), sx, c.Y(80), mixed);
    c.Arrow(sx, c.Y(70), 0, mixed);
    c.Pipe(rx, c.Y(35), rx, c.Y(2), kCold);
    c.Pipe(rx, c.Y(45), rx, c.Y(80), kCold);
    c.Pump(sx, c.Y(15), c.Y(25), c.Ink());
    c.Pump(sx, c.Y(55), c.Y(65), c.Ink());
    c.ConsumerConnection(mixed);
    c.Separator(sx, rx, c.Y(45), c.Y(35), c.Ink());
    if (over < 0)
        c.Arrow(c.X(50), c.Y(40), 90, kHot);
    else
        c.Arrow(c.X(50), c.Y(40), -90, kCold);
    if (!c.FlowsShown())
        return;
    c.Percent(100, sx - c.X(5), c.Y(70));
    c.Percent(std::abs(over), c.X(50), c.Y(47));
    c.Percent(primary, sx - c.X(5), c.Y(10));
}

// Type 2: the valve splits the supply between the consumer and the bypass.
void DrawDiverting(CSchematicCanvas& c) {
    const double sx = c.SupplyX();
    const double rx = c.ReturnX();
    const double s = c.Share();
    const int share = RoundHalfUp(100 * s);
    const int rest = RoundHalfUp(100 * (1 - s));
    const QRgb hotOrCold = share > 0 || !c.FlowsShown() ? kHot : kCold;
    const QRgb bypass = rest > 0 ? kHot : kCold;

    c.Pipe(sx, c.Y(2), sx, c.Y(50), kHot);
    c.Pipe(sx, c.Y(50), sx, c.Y(80), hotOrCold);
    c.Arrow(sx, (c.Y(50) + c.Y(80)) / 2, 0, share > 0 ? kHot : kCold);
    c.Pipe(rx, c.Y(50), rx, c.Y(80), kCold);
    c.Pipe(rx, c.Y(50), rx, c.Y(2), c.FlowsShown() ? MixedColour(1 - s) : kCold);
    c.Pipe(sx, c.Y(50), rx, c.Y(50), bypass);
    c.Arrow(c.X(50), c.Y(50), 90, bypass);
    c.Pump(sx, c.Y(20), c.Y(30), c.Ink());
    c.Arrow(sx, c.Y(35), 0, kHot);
    c.PlacedControlValve(45, 55, true, true);
    c.ConsumerConnection(hotOrCold);
    if (!c.FlowsShown())
        return;
    c.Percent(rest, c.X(50), c.Y(55));
    c.Percent(share, sx - c.X(5), c.Y(65));
    c.Percent(100, sx - c.X(5), c.Y(35));
}

// Type 6: a two-way valve throttles the whole flow.
void DrawThrottling(CSchematicCanvas& c) {
    const double sx = c.SupplyX();
    const double rx = c.ReturnX();
    const int share = RoundHalfUp(100 * c.Share());
    const QRgb hotOrCold = share > 0 || !c.FlowsShown() ? kHot : kCold;

    c.Pipe(sx, c.Y(2), sx, c.Y(80), hotOrCold);
    c.Arrow(sx, (c.Y(50) + c.Y(80)) / 2, 0, share > 0 ? kHot : kCold);
    c.Pipe(rx, c.Y(2), rx, c.Y(80), kCold);
    c.Pump(sx, c.Y(20), c.Y(30), c.Ink());
    c.PlacedControlValve(45, 55, false, false);
    c.ConsumerConnection(hotOrCold);
    if (c.FlowsShown())
        c.Percent(share, sx - c.X(5), c.Y(65));
}

// The crossing at Y(45) of both injection circuits: a pipe from supply to return, broken by
// a check valve when the model has one.
void DrawInjectionCrossing(CSchematicCanvas& c, double y45) {
    const double sx = c.SupplyX();
    const double rx = c.ReturnX();
    if (c.Model().m_checkValve == 1) {
        c.Pipe(sx, y45, c.X(47), y45, kCold);
        c.Pipe(c.X(53), y45, rx, y45, kCold);
        c.CheckValve(c.X(47), c.X(53), y45, c.Ink());
        c.Arrow(c.X(44), y45, -90, kCold);
    } else {
        c.Pipe(sx, y45, rx, y45, kCold);
        c.Arrow(c.X(50), y45, -90, kCold);
    }
}

// Types 3 and 5: a primary pump injects supply water into the consumer circuit through a
// three-way or a two-way valve.
void DrawInjection(CSchematicCanvas& c, bool threeWay) {
    const double sx = c.SupplyX();
    const double rx = c.ReturnX();
    const double s = c.Share();
    const int share = RoundHalfUp(100 * s);
    const int rest = RoundHalfUp(100 * (1 - s));
    const double y30 = c.Y(30);
    const double y45 = c.Y(45);
    const double yLbl = y30 + 0.6 * (y45 - y30);
    const QRgb mix = c.Mixed(s);
    const QRgb cold = c.FlowsShown() ? kCold : kHot;
    const bool noInjection = share < 1;
    const QRgb upper = noInjection ? cold : mix;
    // Below the valve the three-way circuit always carries primary supply water; the
    // two-way one only while the valve lets some through.
    const QRgb lower = threeWay || !noInjection ? kHot : cold;

    c.Pipe(sx, c.Y(2), sx, c.Y(5), lower);
    c.Pipe(sx, c.Y(15), sx, y30, lower);
    c.Pipe(sx, y30, sx, y45, noInjection ? cold : kHot);
    c.Pipe(sx, y45, sx, c.Y(55), upper);
    c.Pipe(sx, c.Y(65), sx, c.Y(80), upper);
    c.Arrow(sx, yLbl, 0, share > 0 ? kHot : kCold);
    c.Arrow(sx, c.Y(70), 0, share > 0 ? mix : kCold);
    if (threeWay)
        c.Arrow(sx, c.Y(20), 0, kHot);
    c.Pipe(rx, y45, rx, c.Y(80), kCold);
    if (threeWay) {
        c.Pipe(rx, y45, rx, y30, kCold);
        c.Pipe(rx, y30, rx, c.Y(2), c.FlowsShown() ? MixedColour(1 - s) : kCold);
    } else {
        c.Pipe(rx, y45, rx, c.Y(2), kCold);
    }
    DrawInjectionCrossing(c, y45);
    if (threeWay) {
        const QRgb crossing = rest > 0 ? kHot : kCold;
        c.Pipe(sx, y30, rx, y30, crossing);
        c.Arrow(c.X(50), y30, 90, crossing);
    }
    c.ConsumerConnection(upper);
    c.Pump(sx, c.Y(5), c.Y(15), c.Ink());
    c.Pump(sx, c.Y(55), c.Y(65), c.Ink());
    c.PlacedControlValve(25, 35, threeWay, threeWay);
    if (!c.FlowsShown())
        return;
    const double labelX = sx - c.X(5);
    if (threeWay)
        c.Percent(rest, c.X(50), c.Y(35));
    c.Percent(rest, c.X(50), c.Y(50));
    c.Percent(share, labelX, yLbl);
    c.Percent(100, labelX, c.Y(70));
    if (threeWay)
        c.Percent(100, labelX, c.Y(20));
}

double ControlAnchorY(const CSchematicCanvas& c, int type) {
    switch (type) {
    case Verteilung:
    case Drosselung:
        return c.Y(50);
    case EinspritzungDreiwege:
    case EinspritzungZweiwege:
        return c.Y(30);
    case Weiche:
        return c.Y(20);
    default:
        return c.Y(25);
    }
}

} // namespace

tSchematic BuildSchematic(QSize clientSize, const CHydraulicsModel& model, QRgb background, QRgb ink) {
    CSchematicCanvas canvas(clientSize, model, background, ink);
    const int type = model.m_circuitType;
    switch (type) {
    case Beimischung:
    case BeimischungKonstant:
        DrawAdmixture(canvas, type == BeimischungKonstant);
        break;
    case Weiche:
        DrawSeparator(canvas);
        break;
    case Verteilung:
        DrawDiverting(canvas);
        break;
    case Drosselung:
        DrawThrottling(canvas);
        break;
    case EinspritzungDreiwege:
        DrawInjection(canvas, true);
        break;
    case EinspritzungZweiwege:
        DrawInjection(canvas, false);
        break;
    default:
        break;
    }
    const bool leftAnchor = model.m_valveInSupply == 1 || type == Weiche;
    canvas.ValveControl(leftAnchor ? canvas.X(30) : canvas.X(70), ControlAnchorY(canvas, type));
    return canvas.Take();
}

} // namespace Hydraulics
