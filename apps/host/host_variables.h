#pragma once

#include <QList>
#include <QString>

// The host variables the module reads or sets, for the host's editor: each with the save type
// the module uses for it, its value now and a short German description (a translation key).
struct HostVariable {
    QString name;
    int saveType = 0;
    QString value;
    bool exists = false;
    const char* description = "";
};

namespace HostVariables {

// The module's variables (and the installation's own, where it has more), with their values.
QList<HostVariable> Read();
// Writes every variable whose value differs from what it holds now (creating missing ones);
// answers the names that were changed.
QStringList Apply(const QList<HostVariable>& variables);

} // namespace HostVariables

// The symbols window's options, kept in the host variables "SYMBOLE_MARK_CORNER",
// "SYMBOLE_USE_BUTTON_COLOR" and "SYMBOLE_BUTTON_COLOR" (a colour value 0x00BBGGRR).
struct SymbolOptions {
    bool markCorner = true;
    bool useButtonColor = false;
    quint32 buttonColor = 0; // 0x00BBGGRR

    bool operator==(const SymbolOptions&) const = default;
};

namespace HostVariables {
// Missing or unreadable variables give the window's defaults (mark 1, own colour 0, colour 0).
SymbolOptions ReadSymbolOptions();
// Writes the three variables (creating missing ones); true when any value changed.
bool WriteSymbolOptions(const SymbolOptions& options);
} // namespace HostVariables
