#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include <memory>
#include <vector>

class QTranslator;

// Translation of the German texts a user sees. The German text is the key. A key of the form
// "@context@text" carries a context to tell apart equal German words; without a translation
// the text after the last '@' is shown.
//
// Code texts of a module come from Qt Linguist files compiled into the program: for module
// "Name" and language "en" the files ":/i18n/Name_en.qm" and ":/i18n/Name.<part>_en.qm",
// context "Name" (see
// docs/translations.md). Data texts (display names in data files) come from "*_<lang>.ts" or
// "*_<lang>.qm" files found by ScanDirectory beside the data.
//
// The language is the one the program set (CTranslationManager::SetLanguage) when it set one,
// else the setting "Translation/Language" of the user's settings file, else the system's
// language. German ("de") needs no translation.
class CTranslationModule {
public:
    explicit CTranslationModule(const QString& name);
    ~CTranslationModule();
    CTranslationModule(const CTranslationModule&) = delete;
    CTranslationModule& operator=(const CTranslationModule&) = delete;

    const QString& Name() const { return m_name; }

    // A code text: UTF-8 German in, the user's language out.
    QString TranslateText(const char* germanUtf8) const;
    QString TranslateText(const QString& german) const;
    // A data text: the data translations first, then the code translations.
    QString TranslateDataText(const QString& german) const;

    // Loads the data translations of the current language found directly in `folder`;
    // a folder is scanned once. Answers the number of translation files read.
    int ScanDirectory(const QString& folder);

    // Drops what was loaded and loads the code translations of `language` again; the
    // scanned folders are read again on their next scan.
    void Reload(const QString& language);

private:
    bool Lookup(const QString& key, QString& out) const;
    bool LookupData(const QString& key, QString& out) const;

    QString m_name;
    QString m_language;
    std::vector<std::unique_ptr<QTranslator>> m_codeTranslators;
    // The files the data translators read from; declared first, so they go last.
    std::vector<QByteArray> m_dataTranslatorBytes;
    std::vector<std::unique_ptr<QTranslator>> m_dataTranslators;
    QHash<QString, QString> m_dataTexts;
    QSet<QString> m_scannedFolders;
};

class CTranslationManager {
public:
    static CTranslationManager& GetInstance();

    // The module of that name, created on first request; the manager owns it.
    CTranslationModule* AddModule(const QString& name);
    CTranslationModule* FindModule(const QString& name) const;

    // A data text translated through `module`; with a null module only the "@context@text"
    // rule applies.
    static QString GetDataText(const QString& text, const CTranslationModule* module);

    // The language the program asks for (from its command line, say), for the whole process;
    // empty leaves the choice to the user's setting and the system. Reloads every module.
    void SetLanguage(const QString& language);
    const QString& RequestedLanguage() const { return m_requested; }

    // The language in use and the rule that picks it.
    QString Language() const { return m_language; }
    QString ChosenLanguage() const;
    // Picks the language again and reloads every module (for a changed setting, and tests).
    void Reload();

private:
    CTranslationManager();
    QString m_requested;
    QString m_language;
    std::vector<std::unique_ptr<CTranslationModule>> m_modules;
};

namespace Translation {
// What is shown for a key without translation: the text after the last '@' of an
// "@context@text" key, else the key itself.
QString UntranslatedText(const QString& key);
} // namespace Translation
