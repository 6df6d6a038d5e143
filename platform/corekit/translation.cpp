#include "translation.h"

#include "registry.h"
#include "whole_file.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// Far more than the texts of any module; a data folder may hold anything under that name.
constexpr qint64 kMaxTranslationFileBytes = qint64(64) << 20;

bool needsNoTranslation(const QString& language) {
    return language.isEmpty() || language == QLatin1String("de");
}

// The finished translations of a Linguist source file, every context together. Data files
// are read as they are, so nobody has to compile translations that sit beside data.
int readTsFile(const QString& path, QHash<QString, QString>& texts) {
    const std::optional<QByteArray> bytes = ReadWholeFile(path, kMaxTranslationFileBytes);
    if (!bytes)
        return 0;
    QXmlStreamReader xml(*bytes);
    QString source, translation;
    bool usable = false;
    int count = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("message")) {
                source.clear();
                translation.clear();
                usable = false;
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                usable = type != QLatin1String("obsolete") && type != QLatin1String("vanished");
                translation = xml.readElementText(QXmlStreamReader::SkipChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (usable && !source.isEmpty() && !translation.isEmpty()) {
                texts.insert(source, translation);
                ++count;
            }
        }
    }
    return xml.hasError() ? 0 : (count > 0 ? 1 : 0);
}

} // namespace

namespace Translation {

QString UntranslatedText(const QString& key) {
    if (key.size() > 1 && key.startsWith(u'@')) {
        const qsizetype last = key.lastIndexOf(u'@');
        if (last > 0)
            return key.mid(last + 1);
    }
    return key;
}

} // namespace Translation

CTranslationModule::CTranslationModule(const QString& name) : m_name(name) {}

CTranslationModule::~CTranslationModule() = default;

void CTranslationModule::Reload(const QString& language) {
    m_language = language;
    m_codeTranslators.clear();
    m_dataTranslators.clear();
    m_dataTranslatorBytes.clear();
    m_dataTexts.clear();
    m_scannedFolders.clear();
    if (needsNoTranslation(language))
        return;
    // "Name_en.qm", and "Name.part_en.qm" for texts kept apart by the part that uses them.
    const QDir resources(QStringLiteral(":/i18n"));
    const QStringList files = resources.entryList({QStringLiteral("%1_%2.qm").arg(m_name, language),
                                                   QStringLiteral("%1.*_%2.qm").arg(m_name, language)},
                                                  QDir::Files, QDir::Name);
    for (const QString& file : files) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(resources.filePath(file)))
            m_codeTranslators.push_back(std::move(translator));
    }
}

bool CTranslationModule::Lookup(const QString& key, QString& out) const {
    const QByteArray context = m_name.toUtf8();
    const QByteArray source = key.toUtf8();
    for (const auto& translator : m_codeTranslators) {
        const QString found = translator->translate(context.constData(), source.constData());
        if (!found.isEmpty()) {
            out = found;
            return true;
        }
    }
    return false;
}

bool CTranslationModule::LookupData(const QString& key, QString& out) const {
    const auto found = m_dataTexts.constFind(key);
    if (found != m_dataTexts.cend()) {
        out = *found;
        return true;
    }
    const QByteArray source = key.toUtf8();
    for (const auto& translator : m_dataTranslators) {
        // Data files may use any context; the module's and the empty one are asked.
        QString text = translator->translate(m_name.toUtf8().constData(), source.constData());
        if (text.isEmpty())
            text = translator->translate("", source.constData());
        if (!text.isEmpty()) {
            out = text;
            return true;
        }
    }
    return false;
}

QString CTranslationModule::TranslateText(const char* germanUtf8) const {
    return TranslateText(QString::fromUtf8(germanUtf8 ? germanUtf8 : ""));
}

QString CTranslationModule::TranslateText(const QString& german) const {
    QString out;
    if (!german.isEmpty() && Lookup(german, out))
        return out;
    return Translation::UntranslatedText(german);
}

QString CTranslationModule::TranslateDataText(const QString& german) const {
    QString out;
    if (!german.isEmpty() && (LookupData(german, out) || Lookup(german, out)))
        return out;
    return Translation::UntranslatedText(german);
}

int CTranslationModule::ScanDirectory(const QString& folder) {
    QString path = folder;
    path.replace(u'\\', u'/');
    path = QDir::cleanPath(path);
    if (needsNoTranslation(m_language) || m_scannedFolders.contains(path))
        return 0;
    m_scannedFolders.insert(path);
    const QDir dir(path);
    int count = 0;
    const QStringList tsFiles =
        dir.entryList({QStringLiteral("*_%1.ts").arg(m_language)}, QDir::Files, QDir::Name);
    for (const QString& name : tsFiles)
        count += readTsFile(dir.filePath(name), m_dataTexts);
    const QStringList qmFiles =
        dir.entryList({QStringLiteral("*_%1.qm").arg(m_language)}, QDir::Files, QDir::Name);
    for (const QString& name : qmFiles) {
        // The translator reads from the bytes as long as it lives, so they are kept beside it.
        auto bytes = ReadWholeFile(dir.filePath(name), kMaxTranslationFileBytes);
        auto translator = std::make_unique<QTranslator>();
        if (bytes &&
            translator->load(reinterpret_cast<const uchar*>(bytes->constData()), int(bytes->size()))) {
            m_dataTranslatorBytes.push_back(std::move(*bytes));
            m_dataTranslators.push_back(std::move(translator));
            ++count;
        }
    }
    return count;
}

CTranslationManager& CTranslationManager::GetInstance() {
    static CTranslationManager manager;
    return manager;
}

CTranslationManager::CTranslationManager() : m_language(ChosenLanguage()) {}

void CTranslationManager::SetLanguage(const QString& language) {
    m_requested = language.trimmed();
    Reload();
}

QString CTranslationManager::ChosenLanguage() const {
    if (!m_requested.isEmpty())
        return m_requested;
    const QString fromSettings =
        OpenOrvaneSettings()->value(QStringLiteral("Translation/Language")).toString().trimmed();
    if (!fromSettings.isEmpty())
        return fromSettings;
    return QLocale::system().name().section(u'_', 0, 0);
}

CTranslationModule* CTranslationManager::AddModule(const QString& name) {
    if (CTranslationModule* existing = FindModule(name))
        return existing;
    m_modules.push_back(std::make_unique<CTranslationModule>(name));
    m_modules.back()->Reload(m_language);
    return m_modules.back().get();
}

CTranslationModule* CTranslationManager::FindModule(const QString& name) const {
    for (const auto& module : m_modules)
        if (module->Name() == name)
            return module.get();
    return nullptr;
}

QString CTranslationManager::GetDataText(const QString& text, const CTranslationModule* module) {
    return module ? module->TranslateDataText(text) : Translation::UntranslatedText(text);
}

void CTranslationManager::Reload() {
    m_language = ChosenLanguage();
    for (const auto& module : m_modules)
        module->Reload(m_language);
}
