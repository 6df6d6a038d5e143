#pragma once

#include "hydraulics/schematic.h"

class CHydraulicsModel;

namespace Hydraulics {

// The schematic of the model's circuit type at its valve position for a client area of the
// given size: the circuit (nothing for a type outside 0 ... 6), then the valve-position
// control. The background is the colour the area is cleared with and the pumps and the
// consumer are filled with; the ink is the colour of the symbols' outlines, the valve-position
// arrows and the labels, which must stand out against the background (light or dark).
tSchematic BuildSchematic(QSize clientSize, const CHydraulicsModel& model,
                          QRgb background = kDefaultBackground, QRgb ink = kBlack);

} // namespace Hydraulics
