#pragma once

#include "orvane_export.h"

#include <QList>
#include <QRect>

// Where a restored toolbar goes when its stored place is no longer wholly on a screen (a
// laptop undocked, a monitor removed or rearranged): a toolbar that lies wholly on one of the
// screens stays; any other moves, whole, onto the screen that holds most of it, or onto the
// screen nearest to it when it lies on none; it shrinks only when it is larger than that
// screen. With no screens at all it stays where it was.
ORVANE_EXPORT QRect BringOntoNearestScreen(const QRect& window, const QList<QRect>& screens);
