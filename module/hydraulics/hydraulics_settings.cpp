#include "hydraulics/hydraulics_settings.h"

#include "hydraulics/circuit_model.h"

namespace Hydraulics {

namespace {

struct tStoredField {
    const char* name;
    int CHydraulicsModel::*field;
    int maxValue;
};

constexpr tStoredField kStoredFields[] = {
    {"HydMode", &CHydraulicsModel::m_circuitType, kCircuitTypeCount - 1},
    {"VentilType", &CHydraulicsModel::m_valveType, 2},
    {"Stellmotor", &CHydraulicsModel::m_actuator, 1},
    {"Vorlauf", &CHydraulicsModel::m_valveInSupply, 1},
    {"Rueckfl", &CHydraulicsModel::m_checkValve, 1},
    {"KonstBeimDross", &CHydraulicsModel::m_throttle, 1},
};

} // namespace

void ReadModelSettings(CHydraulicsModel& model, const IHydraulicsSettings& settings) {
    for (const auto& stored : kStoredFields) {
        const auto value = settings.ReadInt(QString::fromLatin1(stored.name));
        if (value && *value >= 0 && *value <= stored.maxValue)
            model.*stored.field = *value;
    }
}

void WriteModelSettings(const CHydraulicsModel& model, IHydraulicsSettings& settings) {
    for (const auto& stored : kStoredFields)
        settings.WriteInt(QString::fromLatin1(stored.name), model.*stored.field);
}

} // namespace Hydraulics
