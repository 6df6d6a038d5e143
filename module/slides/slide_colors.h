#pragma once

#include <QColor>
#include <QtGlobal>

// Colours are passed around as 0x00BBGGRR values (red in the low byte), the form in which
// the host and the data give them.
using COLORREF = quint32;

inline QColor ColorFromColorRef(COLORREF c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
inline COLORREF ColorRefFromColor(const QColor& c) {
    return COLORREF(c.red()) | (COLORREF(c.green()) << 8) | (COLORREF(c.blue()) << 16);
}

// The drawing colour of a slide colour number; 7 and 250 take the foreground colour,
// numbers without a colour of their own draw black.
COLORREF SlideColorToColorRef(int colorNumber, COLORREF foreground);
