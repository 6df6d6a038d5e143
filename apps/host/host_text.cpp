#include "host_text.h"

#include "corekit/translation.h"

QString HostText(const char* german) {
    static CTranslationModule* module =
        CTranslationManager::GetInstance().AddModule(QStringLiteral("OrvaneHost"));
    return module->TranslateText(german);
}
