#pragma once

#include "hydraulics/hydraulics_settings.h"

// The dialog's six fields as DWORD values under one key of the user's registry settings.
class CRegistryHydraulicsSettings : public IHydraulicsSettings {
public:
    explicit CRegistryHydraulicsSettings(QString key);

    std::optional<int> ReadInt(const QString& name) const override;
    void WriteInt(const QString& name, int value) override;

private:
    QString m_key;
};
