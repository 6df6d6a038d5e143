#include "hydraulics/registry_settings.h"

#include "corekit/registry.h"

#include <limits>

CRegistryHydraulicsSettings::CRegistryHydraulicsSettings(QString key) : m_key(std::move(key)) {}

std::optional<int> CRegistryHydraulicsSettings::ReadInt(const QString& name) const {
    DWORD value = 0;
    if (!RegQueryValueW(HKEY_CURRENT_USER, m_key, name, value) || value > DWORD(std::numeric_limits<int>::max()))
        return std::nullopt;
    return int(value);
}

void CRegistryHydraulicsSettings::WriteInt(const QString& name, int value) {
    RegSetValueW(HKEY_CURRENT_USER, m_key, name, DWORD(value));
}
