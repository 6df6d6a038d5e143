#include "corner_mark.h"

COLORREF g_cornerMarkColor = kDefaultCornerMarkColor;

int CornerMarkStrokeCount(int w, int h, bool scale) {
    if (!scale)
        return 3;
    // Kept in this form so that negative sizes truncate the same way as on the original buttons.
    return 1 - static_cast<int>((w + h) * 0.5 / -36.0 * 3.0);
}

std::vector<QLine> CornerMarkStrokes(const QRect& rect, int n) {
    std::vector<QLine> strokes;
    for (int i = 0; i < n; ++i)
        strokes.emplace_back(rect.left(), rect.top() + i, rect.left() + i, rect.top());
    return strokes;
}
