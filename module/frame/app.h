#pragma once

#include "corekit/dll_module.h"

#include <QString>

class CTranslationModule;

// The module's single application object. OrvaneModuleStart (module_start.h) runs its
// start-up once the host has loaded the library; OrvaneModuleStop its shut-down.
class CApp {
public:
    constexpr CApp() = default;
    virtual ~CApp() = default;
    CApp(const CApp&) = delete;
    CApp& operator=(const CApp&) = delete;

    // Records the module's handle, registers with the translation service, builds the
    // settings key and finds out which host runs the module. Non-zero on success.
    virtual int InitInstance();
    virtual int ExitInstance();

    CDllModule m_dllModule;
    QString m_regPath;      // settings key: registry base path + "OrvanePlanungUI20\\"
    int m_isAcadHost = 0;   // 1 unless the host is Revit
    int m_isRevit = 0;      // 1 in Revit
    QString m_revitVersion; // e.g. "2018"; empty outside Revit
};

extern CApp theApp;

// Module-wide values set once by InitInstance.
extern HINSTANCE g_hModuleInstance;
extern HINSTANCE g_hResourceInstance;
extern CTranslationModule* g_pTranslationModule;

// The host's paste-to-command-line callback (host_command.h registers it); null until then.
using PasteToCommandLineFunc = void (*)(const wchar_t* text, int, int);
extern PasteToCommandLineFunc g_pfnPasteToCommandLine;

// Set after a load failure of the material library has been reported (lazy_library.h).
extern unsigned char g_loadErrorShown;

// The translation module's name; also the base name of the module's .ts/.qm files.
inline constexpr const char* kModuleName = "OrvanePlanungUI";

// A German text of the module's code (UTF-8 literal) in the user's language. Before start-up,
// or without a translation, the German text (or the text after the last '@' of an
// "@context@text" key) is answered.
QString ModuleText(const char* german);
// A text from data (display names and the like) through the module's data translations.
QString ModuleDataText(const QString& text);
