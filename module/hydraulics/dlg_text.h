#pragma once

#include "frame/app.h"

#include <QString>

// Every text of the hydraulic circuit dialog passes through the module's translations on its
// way to the screen.
inline QString HydText(const char* german) {
    return ModuleText(german);
}
