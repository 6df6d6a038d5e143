#include "corekit_text.h"

#include "translation.h"

QString CoreKitText(const char* germanUtf8) {
    static CTranslationModule* module =
        CTranslationManager::GetInstance().AddModule(QStringLiteral("CoreKit"));
    return module->TranslateText(germanUtf8);
}
