#include "slide_mapping.h"

#include <algorithm>
#include <cmath>

int RoundHalfUp(float value) {
    return static_cast<int>(std::floor(double(value) + 0.5));
}

bool SlideMappingFor(int width, int height, const QRect& rect, bool stretch, SlideMapping& mapping) {
    if (width <= 0 || height <= 0)
        return false;
    const int w = rect.width();
    const int h = rect.height();
    mapping.sx = float(w) / float(width);
    mapping.sy = float(h) / float(height);
    mapping.slideHeight = height;
    mapping.originX = rect.left();
    mapping.originY = rect.top();
    if (!stretch) {
        const float s = std::min(mapping.sx, mapping.sy);
        mapping.sx = mapping.sy = s;
        // Integer division truncates towards zero, as the centring asks.
        mapping.originX += (w - RoundHalfUp(float(width) * s)) / 2;
        mapping.originY += (h - RoundHalfUp(float(height) * s)) / 2;
    }
    return true;
}
