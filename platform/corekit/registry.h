#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// The user's settings, kept under the familiar registry names. Everything lives in one INI
// file per user: the file the program chose with SetOrvaneSettingsFile (looked up on every
// call, so tests can redirect it at any time), else "orvane/settings.ini" in the user's config
// folder. A key such as "Orvane\\OrvanePlanungUI20\\Dialogs"
// becomes the settings group "Orvane/OrvanePlanungUI20/Dialogs"; empty parts are dropped.
//
// Integers are stored as plain numbers; querying a DWORD succeeds when the stored value reads
// as a non-negative integer. Every write is synced to disk at once and reports failure.

using DWORD = quint32;

// Only the current user's settings exist here; the root is kept so that calls read as usual.
enum HKEY { HKEY_CURRENT_USER = 1 };

// A settings file larger than this is not read (the user's settings are a few kilobytes).
inline constexpr qint64 kMaxSettingsFileBytes = qint64(16) << 20;

// The settings file of the whole process, chosen by the program's entry point (from its
// command line, say); empty gives back the user's own file.
void SetOrvaneSettingsFile(const QString& file);
// The settings file in use right now.
QString OrvaneSettingsFile();
// A settings object on that file (INI format). Callers that write must sync and check status.
// When the name leads to no regular file (a folder, FIFO or device) or to one larger than
// kMaxSettingsFileBytes, the object reads nothing and cannot be written, and a warning says so.
std::unique_ptr<QSettings> OpenOrvaneSettings();
// The group path of a registry key ("A\\B\\" -> "A/B").
QString RegistryKeyToGroup(const QString& key);

// Non-zero on success. Settings groups need no creation; this checks that the file can be
// written, which is what a caller creating a key wants to know.
int RegCreateKeyW(HKEY root, const QString& key);
// Non-zero when the value exists (and, for DWORD, reads as one).
int RegQueryValueW(HKEY root, const QString& key, const QString& name, DWORD& value);
int RegQueryValueW(HKEY root, const QString& key, const QString& name, QString& value);
// Non-zero when the value was written to disk.
int RegSetValueW(HKEY root, const QString& key, const QString& name, DWORD value);
int RegSetValueW(HKEY root, const QString& key, const QString& name, const QString& value);
// Non-zero when the value existed and was removed.
int RegDeleteValueW(HKEY root, const QString& key, const QString& name);
// The value names directly under a key, in the file's order (sorted); non-zero when the key
// holds at least one value.
int RegEnumValues(HKEY root, const QString& key, QStringList& names);
