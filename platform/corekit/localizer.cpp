#include "localizer.h"

#include "installation.h"

CLocalizer& CLocalizer::instance() {
    static CLocalizer localizer;
    return localizer;
}

QString CLocalizer::GetVersionName() const {
    const QString fromEnvironment = qEnvironmentVariable("ORVANE_VERSION_NAME");
    return fromEnvironment.isEmpty() ? COrvaneInstallation::GetInstance().VersionName() : fromEnvironment;
}

QString CLocalizer::GetMyRegionsToken() const {
    const QString fromEnvironment = qEnvironmentVariable("ORVANE_REGION");
    return fromEnvironment.isEmpty() ? COrvaneInstallation::GetInstance().Region() : fromEnvironment;
}
