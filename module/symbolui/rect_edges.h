#pragma once

#include <QRect>

// The exclusive right and bottom edges of a rectangle (x + width, y + height), which the
// layout arithmetic counts with; QRect::right() and bottom() are one less.
inline int RightOf(const QRect& r) {
    return r.x() + r.width();
}
inline int BottomOf(const QRect& r) {
    return r.y() + r.height();
}
