#include "hydraulics/hydraulics_settings.h"

#include "hydraulics/circuit_model.h"

#include "corekit/registry.h"

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

void ReadModelSettings(CHydraulicsModel& model, const QString& key) {
    for (const auto& stored : kStoredFields) {
        DWORD value = 0;
        if (RegQueryValueW(HKEY_CURRENT_USER, key, QString::fromLatin1(stored.name), value) &&
            value <= DWORD(stored.maxValue))
            model.*stored.field = int(value);
    }
}

void WriteModelSettings(const CHydraulicsModel& model, const QString& key) {
    for (const auto& stored : kStoredFields)
        RegSetValueW(HKEY_CURRENT_USER, key, QString::fromLatin1(stored.name), DWORD(model.*stored.field));
}

} // namespace Hydraulics
