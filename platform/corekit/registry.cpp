#include "registry.h"

#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcSettings, "orvane.settings")

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

// The file the program chose; the one piece of process-wide state here, as the settings
// belong to the user of the whole process.
QString& chosenSettingsFile() {
    static QString file;
    return file;
}

} // namespace

void SetOrvaneSettingsFile(const QString& file) {
    chosenSettingsFile() = file;
}

QString OrvaneSettingsFile() {
    if (!chosenSettingsFile().isEmpty())
        return chosenSettingsFile();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("orvane/settings.ini"));
}

std::unique_ptr<QSettings> OpenOrvaneSettings() {
    const QString file = OrvaneSettingsFile();
    // QSettings reads its file whole on first use: a FIFO there would wait for a writer for
    // ever and a device would never end. Such a file, or one too large, is left alone: the
    // settings object gets a name below it, which can be neither read nor created, so every
    // write reports failure. A missing file is made by the first write; a folder needs no help,
    // as QSettings can neither read nor replace it.
    QFile probe;
    WholeFileError error;
    if (!OpenRegularFile(file, kMaxSettingsFileBytes, probe, &error) &&
        (error.kind == WholeFileError::Directory || error.kind == WholeFileError::NotRegular ||
         error.kind == WholeFileError::TooLarge)) {
        qCWarning(lcSettings).noquote() << error.ToString();
        if (error.kind != WholeFileError::Directory)
            return std::make_unique<QSettings>(file + QStringLiteral("/unusable.ini"), QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
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
