#pragma once

#include <QString>
#include <QStringList>

// Loads the installation the host runs on and says what of it is missing, so that the host
// can start anyway and tell the planner which part will not work and where it was looked for.
struct InstallationReport {
    bool loaded = false;  // the installation file was read
    QStringList problems; // translated, one sentence each, naming the path
    int symbolFiles = 0;  // symbol files below the supplied symbol toolbar folder
    int catalogs = 0;     // catalogue descriptors
};

// Reads `folder`/installation.inf into COrvaneInstallation::GetInstance() and checks the supplied
// symbol files and the catalogue descriptors.
InstallationReport LoadInstallation(const QString& folder);
