#pragma once

#include <QString>

class CHydraulicsModel;

namespace Hydraulics {

// The six fields of the hydraulic circuit dialog as DWORD values under one key of the user's
// registry settings ("HydMode", "VentilType", "Stellmotor", "Vorlauf", "Rueckfl",
// "KonstBeimDross").

// A missing value, a value that is not a number or one outside the field's range leaves the
// model's current value.
void ReadModelSettings(CHydraulicsModel& model, const QString& key);
void WriteModelSettings(const CHydraulicsModel& model, const QString& key);

} // namespace Hydraulics
