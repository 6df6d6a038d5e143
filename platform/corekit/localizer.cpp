#include "localizer.h"

#include "installation.h"

CLocalizer& CLocalizer::instance() {
    static CLocalizer localizer;
    return localizer;
}

QString CLocalizer::GetVersionName() const {
    return COrvaneInstallation::GetInstance().VersionName();
}

QString CLocalizer::GetMyRegionsToken() const {
    return COrvaneInstallation::GetInstance().Region();
}
