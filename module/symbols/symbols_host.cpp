#include "symbols_host.h"

#include "frame/app.h"

#include "corekit/localizer.h"
#include "corekit/translation.h"
#include "corekit/vars_mgr.h"
#include "corekitex/catalog_info.h"
#include "corekitex/catalog_manager.h"

namespace {

// Answers from the platform services: host variables, the localizer, the module's default
// folders, the catalogue manager and the module's translations.
class PlatformSymbolsHost final : public ISymbolsHost {
public:
    std::optional<QString> Variable(const QString& name, int saveType) override {
        QString value;
        if (!COrvaneVarsMgr::GetInstance().get(name, value, saveType))
            return std::nullopt;
        return value;
    }
    QString VersionName() override { return CLocalizer::instance().GetVersionName(); }
    QString RegionToken() override { return CLocalizer::instance().GetMyRegionsToken(); }
    QString DefaultFolder(int kind) override { return theApp.m_dllModule.Get(kind); }
    std::optional<QString> CatalogRoot(const QString& name) override {
        return SymbolsHost::CatalogManagerRoot(name);
    }
    void ScanTranslations(const QString& folder) override {
        if (g_pTranslationModule)
            g_pTranslationModule->ScanDirectory(folder);
    }
};

} // namespace

namespace SymbolsHost {

ISymbolsHost& Get() {
    static PlatformSymbolsHost platform;
    return platform;
}

int VariableInt(ISymbolsHost& host, const QString& name, int saveType, int defaultValue) {
    const auto text = host.Variable(name, saveType);
    if (!text)
        return defaultValue;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

QString VariableText(ISymbolsHost& host, const QString& name, int saveType) {
    return host.Variable(name, saveType).value_or(QString());
}

int VariableInt(const QString& name, int saveType, int defaultValue) {
    return VariableInt(Get(), name, saveType, defaultValue);
}

QString VariableText(const QString& name, int saveType) {
    return VariableText(Get(), name, saveType);
}

std::optional<QString> CatalogManagerRoot(const QString& name) {
    const orvCatalogInfo* info = orvCatalogManager::getInstance()->findCatalogInfo(name);
    if (!info)
        return std::nullopt;
    return info->getStrRootPath();
}

} // namespace SymbolsHost
