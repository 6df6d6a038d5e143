#pragma once

#include <QString>

#include <optional>

class CHydraulicsModel;

// Where the hydraulic circuit dialog keeps its choices between runs. The dialog and the
// model only talk to this small interface, so the storage underneath can change in one place.
class IHydraulicsSettings {
public:
    virtual ~IHydraulicsSettings() = default;
    // Nothing when the value is missing or is not a whole number.
    virtual std::optional<int> ReadInt(const QString& name) const = 0;
    virtual void WriteInt(const QString& name, int value) = 0;
};

namespace Hydraulics {

// Reads the six fields; a missing value, a value that is not a number or one outside the
// field's range leaves the model's current value.
void ReadModelSettings(CHydraulicsModel& model, const IHydraulicsSettings& settings);
void WriteModelSettings(const CHydraulicsModel& model, IHydraulicsSettings& settings);

} // namespace Hydraulics
