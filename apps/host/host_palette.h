#pragma once

#include <QPalette>

// The dark colours the host can be started with (--palette dark), so that what the module draws
// can be seen and checked against dark windows on any platform, the off-screen one included.
// Every role a widget may take a colour from is set, the disabled ones dimmed.
QPalette DarkPalette();
