#pragma once

#include <QHash>
#include <QString>

// How long a host variable lives: for the process only, or kept in the user's settings
// (group "HostVariables" of the settings file, see registry.h) so that it survives a restart.
enum EVarSaveType { eVarSaveProcess = 0, eVarSaveSettings = 1 };

// The host variables shared between the host and its modules. Names are case-insensitive.
// At first use the variables of the installation (COrvaneInstallation::Variables) are the
// starting values; a value kept in the settings wins over the installation's for save type 1.
// All answers are non-zero on success, 0 on failure.
class COrvaneVarsMgr {
public:
    static COrvaneVarsMgr& GetInstance();

    // 0 when the variable does not exist; an int query also fails for a non-numeric value.
    int get(const QString& name, QString& value, int saveType = eVarSaveProcess) const;
    int get(const QString& name, int& value, int saveType = eVarSaveProcess) const;
    // Changes an existing variable; 0 when it does not exist or cannot be kept.
    int set(const QString& name, const QString& value, int saveType = eVarSaveProcess);
    int set(const QString& name, int value, int saveType = eVarSaveProcess);
    // Creates the variable with `value` unless it exists already (then it keeps its value);
    // non-zero in both cases.
    int make(const QString& name, const QString& value, int saveType = eVarSaveProcess);
    bool exists(const QString& name, int saveType = eVarSaveProcess) const;

    // Starts afresh: forgets every process value and seeds again from the installation,
    // as a new process would. Settings are untouched.
    void Reset();

private:
    COrvaneVarsMgr();
    void SeedFromInstallation();
    bool ReadKept(const QString& key, QString& value) const;
    bool WriteKept(const QString& key, const QString& value);

    QHash<QString, QString> m_values; // upper-case name -> value
};
