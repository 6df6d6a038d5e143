#include "vars_mgr.h"

#include "installation.h"
#include "registry.h"

#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("HostVariables/");

QString keyOf(const QString& name) {
    return name.trimmed().toUpper();
}

} // namespace

COrvaneVarsMgr& COrvaneVarsMgr::GetInstance() {
    static COrvaneVarsMgr manager;
    return manager;
}

COrvaneVarsMgr::COrvaneVarsMgr() {
    SeedFromInstallation();
}

void COrvaneVarsMgr::SeedFromInstallation() {
    for (const auto& [name, value] : COrvaneInstallation::GetInstance().Variables())
        m_values.insert(keyOf(name), value);
}

void COrvaneVarsMgr::Reset() {
    m_values.clear();
    SeedFromInstallation();
}

bool COrvaneVarsMgr::ReadKept(const QString& key, QString& value) const {
    auto settings = OpenOrvaneSettings();
    const QVariant stored = settings->value(kGroup + key);
    if (!stored.isValid())
        return false;
    value = stored.toString();
    return true;
}

bool COrvaneVarsMgr::WriteKept(const QString& key, const QString& value) {
    auto settings = OpenOrvaneSettings();
    settings->setValue(kGroup + key, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

int COrvaneVarsMgr::get(const QString& name, QString& value, int saveType) const {
    const QString key = keyOf(name);
    if (saveType == eVarSaveSettings && ReadKept(key, value))
        return 1;
    const auto found = m_values.constFind(key);
    if (found == m_values.cend())
        return 0;
    value = *found;
    return 1;
}

int COrvaneVarsMgr::get(const QString& name, int& value, int saveType) const {
    QString text;
    if (!get(name, text, saveType))
        return 0;
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok)
        return 0;
    value = number;
    return 1;
}

bool COrvaneVarsMgr::exists(const QString& name, int saveType) const {
    QString ignored;
    return get(name, ignored, saveType) != 0;
}

int COrvaneVarsMgr::set(const QString& name, const QString& value, int saveType) {
    const QString key = keyOf(name);
    if (!exists(key, saveType))
        return 0;
    m_values.insert(key, value);
    if (saveType == eVarSaveSettings && !WriteKept(key, value))
        return 0;
    return 1;
}

int COrvaneVarsMgr::set(const QString& name, int value, int saveType) {
    return set(name, QString::number(value), saveType);
}

int COrvaneVarsMgr::make(const QString& name, const QString& value, int saveType) {
    const QString key = keyOf(name);
    if (key.isEmpty())
        return 0;
    if (exists(key, saveType))
        return 1;
    m_values.insert(key, value);
    if (saveType == eVarSaveSettings && !WriteKept(key, value))
        return 0;
    return 1;
}
