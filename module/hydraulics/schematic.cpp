#include "hydraulics/schematic.h"

#include <cmath>

namespace Hydraulics {

int RoundHalfUp(double v) {
    return int(std::floor(v + 0.5));
}

QRgb MixedColour(double share) {
    return qRgba(RoundHalfUp(share * 255), 0, RoundHalfUp((1 - share) * 255), 255);
}

bool RectContains(const QRectF& rect, const QPointF& point) {
    return point.x() >= rect.left() && point.x() < rect.left() + rect.width() && point.y() >= rect.top() &&
           point.y() < rect.top() + rect.height();
}

ValveHit HitValveControl(const tSchematic& schematic, const QPointF& point) {
    if (RectContains(schematic.upRect, point))
        return ValveHit::Up;
    if (RectContains(schematic.downRect, point))
        return ValveHit::Down;
    return ValveHit::None;
}

} // namespace Hydraulics
