#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

// Window positions as the dialogs keep them in the settings: one text value "x,y,width,height".
namespace WindowPosition {

QString Format(const QRect& rect);
// Null for a text that is not four integers with a positive size.
std::optional<QRect> Parse(const QString& text);

// Where a stored window goes on the screens there are now: unchanged when its title bar
// area is on a screen; otherwise moved (and shrunk when needed) onto the screen that holds
// most of it, or the first screen. With no screens at all, unchanged.
QRect FitOnScreens(const QRect& rect, const QList<QRect>& screens);

} // namespace WindowPosition
