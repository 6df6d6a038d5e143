#include "app.h"

#include "host_detection.h"

#include "corekit/installation.h"
#include "corekit/translation.h"

constinit CApp theApp;

HINSTANCE g_hModuleInstance = nullptr;
HINSTANCE g_hResourceInstance = nullptr;
CTranslationModule* g_pTranslationModule = nullptr;
PasteToCommandLineFunc g_pfnPasteToCommandLine = nullptr;
unsigned char g_loadErrorShown = 0;

int CApp::InitInstance() {
    // The application object lies inside the module, so its address names the module.
    g_hModuleInstance = &theApp;
    g_hResourceInstance = g_hModuleInstance;

    g_pTranslationModule = CTranslationManager::GetInstance().AddModule(QString::fromLatin1(kModuleName));

    m_dllModule.Init(g_hModuleInstance);

    QString base = COrvaneInstallation::GetInstance().RegistryBasePath();
    if (!base.isEmpty() && !base.endsWith(u'\\') && !base.endsWith(u'/'))
        base += u'\\';
    m_regPath = base + QStringLiteral("OrvanePlanungUI20\\");

    const HostDetection::HostKind host = HostDetection::DetectHost();
    m_isRevit = host.isRevit ? 1 : 0;
    m_isAcadHost = host.isRevit ? 0 : 1;
    m_revitVersion = host.revitVersion;
    return 1;
}

int CApp::ExitInstance() {
    return 0;
}

QString ModuleText(const char* german) {
    if (g_pTranslationModule)
        return g_pTranslationModule->TranslateText(german);
    return Translation::UntranslatedText(QString::fromUtf8(german ? german : ""));
}

QString ModuleDataText(const QString& text) {
    return CTranslationManager::GetDataText(text, g_pTranslationModule);
}
