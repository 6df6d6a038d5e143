#pragma once

#include <QString>

// The suite's version name ("OrvaneDT", ...) and the user's region token ("DEU", "AUT", ...),
// as the installation file the host loaded gives them (COrvaneInstallation).
class CLocalizer {
public:
    static CLocalizer& instance();

    QString GetVersionName() const;
    QString GetMyRegionsToken() const;

private:
    CLocalizer() = default;
};
