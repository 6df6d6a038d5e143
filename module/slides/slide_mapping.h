#pragma once

#include <QPoint>
#include <QRect>

// How slide coordinates land on a device: scales, origin and the flip of the y axis.
struct SlideMapping {
    float sx = 0.f;
    float sy = 0.f;
    int originX = 0;
    int originY = 0;
    int slideHeight = 0;
};

// Rounds half up: 2.5 gives 3, -2.5 gives -2.
int RoundHalfUp(float value);

// The mapping of a slide of width x height (its highest coordinates) into rect. Without
// stretch both axes use the smaller scale and the figure is centred; with stretch the figure
// fills the rectangle from its top-left corner. Answers nothing for a slide of width or height 0.
bool SlideMappingFor(int width, int height, const QRect& rect, bool stretch, SlideMapping& mapping);

// The device point of slide point (x, y); slide y grows upwards, device y downwards.
inline QPoint MapSlidePoint(const SlideMapping& m, int x, int y) {
    return {RoundHalfUp(float(x) * m.sx) + m.originX,
            RoundHalfUp(float(m.slideHeight - y) * m.sy) + m.originY};
}
