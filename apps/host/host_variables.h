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
