#include "window_position.h"

#include <QStringList>

#include <algorithm>

namespace WindowPosition {

QString Format(const QRect& rect) {
    return QStringLiteral("%1,%2,%3,%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

std::optional<QRect> Parse(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return std::nullopt;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return std::nullopt;
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

QRect FitOnScreens(const QRect& rect, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return rect;
    // The strip a user grabs to move the window must be reachable.
    const QRect titleArea(rect.x(), rect.y(), rect.width(), std::min(rect.height(), 24));
    for (const QRect& screen : screens)
        if (screen.intersects(titleArea))
            return rect;
    QRect best = screens.first();
    qint64 bestArea = -1;
    for (const QRect& screen : screens) {
        const QRect common = screen.intersected(rect);
        const qint64 area = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = screen;
        }
    }
    QRect fitted(rect.topLeft(),
                 QSize(std::min(rect.width(), best.width()), std::min(rect.height(), best.height())));
    fitted.moveLeft(std::clamp(fitted.left(), best.left(), best.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), best.top(), best.bottom() - fitted.height() + 1));
    return fitted;
}

} // namespace WindowPosition
