#include "hydraulics/registry_settings.h"

#include "corekit/registry.h"

#include <limits>

CRegistryHydraulicsSettings::CRegistryHydraulicsSettings(QString valuesKey, QString positionKey,
                                                         QString positionName)
    : m_valuesKey(std::move(valuesKey)), m_positionKey(std::move(positionKey)),
      m_positionName(std::move(positionName)) {}

CRegistryHydraulicsSettings CRegistryHydraulicsSettings::ForModule(const QString& moduleSettingsKey) {
    QString base = moduleSettingsKey;
    if (!base.isEmpty() && !base.endsWith(u'\\'))
        base += u'\\';
    return CRegistryHydraulicsSettings(base + QStringLiteral("Dialogs\\DlgHydraulics"),
                                       base + QStringLiteral("Dialogs"), QStringLiteral("DlgHydraulics_WndPos"));
}

std::optional<int> CRegistryHydraulicsSettings::ReadInt(const QString& name) const {
    DWORD value = 0;
    if (!RegQueryValueW(HKEY_CURRENT_USER, m_valuesKey, name, value) ||
        value > DWORD(std::numeric_limits<int>::max()))
        return std::nullopt;
    return int(value);
}

void CRegistryHydraulicsSettings::WriteInt(const QString& name, int value) {
    RegSetValueW(HKEY_CURRENT_USER, m_valuesKey, name, DWORD(value));
}

std::optional<QString> CRegistryHydraulicsSettings::ReadWindowPosition() const {
    QString value;
    if (!RegQueryValueW(HKEY_CURRENT_USER, m_positionKey, m_positionName, value))
        return std::nullopt;
    return value;
}

void CRegistryHydraulicsSettings::WriteWindowPosition(const QString& value) {
    RegSetValueW(HKEY_CURRENT_USER, m_positionKey, m_positionName, value);
}
