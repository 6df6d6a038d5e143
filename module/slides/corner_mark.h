#pragma once

#include "slide_colors.h"

#include <QLine>
#include <QRect>

#include <vector>

// Colour of the corner mark with which symbol buttons show symbols usable in calculations;
// the symbols window may change it.
extern COLORREF g_cornerMarkColor;
constexpr COLORREF kDefaultCornerMarkColor = 0xA08867;

// Number of strokes of the corner mark in a client area of w x h: 3, or growing with the
// button when the mark scales.
int CornerMarkStrokeCount(int w, int h, bool scale);

// The strokes that fill a right triangle of side n in the top-left corner of rect, each
// from the left edge up to the top edge, both ends included.
std::vector<QLine> CornerMarkStrokes(const QRect& rect, int n);
