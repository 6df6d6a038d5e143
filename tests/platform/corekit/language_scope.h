#pragma once

#include "corekit/translation.h"

#include <QByteArray>

namespace orvane::test {

// Sets the language for one test and gives the previous back afterwards.
class LanguageScope {
public:
    explicit LanguageScope(const QByteArray& language) : m_previous(qgetenv("ORVANE_LANGUAGE")) {
        qputenv("ORVANE_LANGUAGE", language);
        CTranslationManager::GetInstance().Reload();
    }
    ~LanguageScope() {
        qputenv("ORVANE_LANGUAGE", m_previous);
        CTranslationManager::GetInstance().Reload();
    }

private:
    QByteArray m_previous;
};

} // namespace orvane::test
