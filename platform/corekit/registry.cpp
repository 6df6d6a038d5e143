#include "registry.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

// Keys and values under one group, with the value name as the last part of the full key.
QString fullKey(const QString& key, const QString& name) {
    const QString group = RegistryKeyToGroup(key);
    // A slash in a value name would open a group of its own; registry names may hold one.
    QString safeName = name;
    safeName.replace(u'/', u'|').replace(u'\\', u'|');
    return group.isEmpty() ? safeName : group + u'/' + safeName;
}

bool syncedOk(QSettings& settings) {
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

QString OrvaneSettingsFile() {
    const QString fromEnvironment = qEnvironmentVariable("ORVANE_SETTINGS_FILE");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("orvane/settings.ini"));
}

std::unique_ptr<QSettings> OpenOrvaneSettings() {
    return std::make_unique<QSettings>(OrvaneSettingsFile(), QSettings::IniFormat);
}

QString RegistryKeyToGroup(const QString& key) {
    QString normal = key;
    normal.replace(u'\\', u'/');
    return normal.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

int RegCreateKeyW(HKEY, const QString&) {
    auto settings = OpenOrvaneSettings();
    return settings->isWritable() ? 1 : 0;
}

int RegQueryValueW(HKEY, const QString& key, const QString& name, DWORD& value) {
    auto settings = OpenOrvaneSettings();
    const QVariant stored = settings->value(fullKey(key, name));
    if (!stored.isValid())
        return 0;
    bool ok = false;
    const qulonglong number = stored.toString().trimmed().toULongLong(&ok);
    if (!ok || number > 0xFFFFFFFFull)
        return 0;
    value = DWORD(number);
    return 1;
}

int RegQueryValueW(HKEY, const QString& key, const QString& name, QString& value) {
    auto settings = OpenOrvaneSettings();
    const QVariant stored = settings->value(fullKey(key, name));
    if (!stored.isValid())
        return 0;
    value = stored.toString();
    return 1;
}

int RegSetValueW(HKEY, const QString& key, const QString& name, DWORD value) {
    auto settings = OpenOrvaneSettings();
    settings->setValue(fullKey(key, name), QString::number(value));
    return syncedOk(*settings) ? 1 : 0;
}

int RegSetValueW(HKEY, const QString& key, const QString& name, const QString& value) {
    auto settings = OpenOrvaneSettings();
    settings->setValue(fullKey(key, name), value);
    return syncedOk(*settings) ? 1 : 0;
}

int RegDeleteValueW(HKEY, const QString& key, const QString& name) {
    auto settings = OpenOrvaneSettings();
    const QString full = fullKey(key, name);
    if (!settings->contains(full))
        return 0;
    settings->remove(full);
    return syncedOk(*settings) ? 1 : 0;
}

int RegEnumValues(HKEY, const QString& key, QStringList& names) {
    auto settings = OpenOrvaneSettings();
    const QString group = RegistryKeyToGroup(key);
    if (!group.isEmpty())
        settings->beginGroup(group);
    names = settings->childKeys();
    return names.isEmpty() ? 0 : 1;
}
