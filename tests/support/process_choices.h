#pragma once

#include "corekit/registry.h"
#include "corekit/translation.h"

#include <QString>

namespace orvane::test {

// The settings file of the process for one scope; the previous one comes back afterwards.
class SettingsFileScope {
public:
    explicit SettingsFileScope(const QString& file) : m_previous(OrvaneSettingsFile()) {
        SetOrvaneSettingsFile(file);
    }
    ~SettingsFileScope() { SetOrvaneSettingsFile(m_previous); }
    SettingsFileScope(const SettingsFileScope&) = delete;
    SettingsFileScope& operator=(const SettingsFileScope&) = delete;

private:
    QString m_previous;
};

// The language of the process for one scope (empty: the user's setting, else the system's);
// the previous one comes back afterwards. Every translation module is reloaded both times.
class LanguageScope {
public:
    explicit LanguageScope(const QString& language)
        : m_previous(CTranslationManager::GetInstance().RequestedLanguage()) {
        CTranslationManager::GetInstance().SetLanguage(language);
    }
    ~LanguageScope() { CTranslationManager::GetInstance().SetLanguage(m_previous); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    QString m_previous;
};

} // namespace orvane::test
