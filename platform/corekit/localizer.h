#pragma once

#include <QString>

// The suite's version name ("OrvaneDT", ...) and the user's region token ("DEU", "AUT", ...),
// as the installation file gives them (COrvaneInstallation). The environment variables
// ORVANE_VERSION_NAME and ORVANE_REGION override them for a session.
class CLocalizer {
public:
    static CLocalizer& instance();

    QString GetVersionName() const;
    QString GetMyRegionsToken() const;

private:
    CLocalizer() = default;
};
