#include "toolbar_screens.h"

#include <algorithm>
#include <limits>

namespace {

qint64 AreaOf(const QRect& r) {
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

// Squared distance between the window's centre and the nearest point of the screen.
qint64 DistanceTo(const QRect& screen, const QPoint& point) {
    const qint64 dx = point.x() < screen.left()    ? screen.left() - point.x()
                      : point.x() > screen.right() ? point.x() - screen.right()
                                                   : 0;
    const qint64 dy = point.y() < screen.top()      ? screen.top() - point.y()
                      : point.y() > screen.bottom() ? point.y() - screen.bottom()
                                                    : 0;
    return dx * dx + dy * dy;
}

} // namespace

QRect BringOntoNearestScreen(const QRect& window, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return window;
    for (const QRect& screen : screens)
        if (screen.contains(window))
            return window;

    QRect best = screens.first();
    qint64 bestArea = 0;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QRect& screen : screens) {
        const qint64 area = AreaOf(screen.intersected(window));
        const qint64 distance = DistanceTo(screen, window.center());
        if (area > bestArea || (bestArea == 0 && area == 0 && distance < bestDistance)) {
            best = screen;
            bestArea = area;
            bestDistance = distance;
        }
    }
    QRect fitted(window.topLeft(),
                 QSize(std::min(window.width(), best.width()), std::min(window.height(), best.height())));
    fitted.moveLeft(std::clamp(fitted.left(), best.left(), best.left() + best.width() - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), best.top(), best.top() + best.height() - fitted.height()));
    return fitted;
}
