#pragma once

#include "hydraulics/hydraulics_settings.h"

// The dialog's settings in the user's registry settings: the six fields as DWORD values under
// one key, the window position as a text value under another.
class CRegistryHydraulicsSettings : public IHydraulicsSettings {
public:
    CRegistryHydraulicsSettings(QString valuesKey, QString positionKey, QString positionName);

    // The keys the module uses: "<settings key>Dialogs\\DlgHydraulics" for the fields,
    // "<settings key>Dialogs" with "DlgHydraulics_WndPos" for the position.
    static CRegistryHydraulicsSettings ForModule(const QString& moduleSettingsKey);

    std::optional<int> ReadInt(const QString& name) const override;
    void WriteInt(const QString& name, int value) override;
    std::optional<QString> ReadWindowPosition() const override;
    void WriteWindowPosition(const QString& value) override;

private:
    QString m_valuesKey;
    QString m_positionKey;
    QString m_positionName;
};
