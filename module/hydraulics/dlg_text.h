#pragma once

#include <QString>

// Every text of the hydraulic circuit dialog passes through here on its way to the screen.
inline QString HydText(const char* german) {
    return QString::fromUtf8(german);
}
