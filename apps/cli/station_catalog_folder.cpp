#include "station_catalog_folder.h"

#include "orvmat/catalogue_source.h"
#include "orvmat/database_writer.h"
#include "orvmat/orvmat.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>

namespace orvane::cli {
namespace {

class EntryList : public WoSt::CatalogSource {
public:
    explicit EntryList(const std::vector<WoSt::CatalogEntry>& entries) : m_entries(entries) {}
    std::vector<WoSt::CatalogEntry> Catalogs() override { return m_entries; }
    // The folder attached every database when it was opened; the identifier is the key.
    QString EnsureMMDLoaded(const WoSt::CatalogEntry& entry) override { return entry.id; }

private:
    const std::vector<WoSt::CatalogEntry>& m_entries;
};

// The station code loads the material database library lazily by name; this program has it
// linked already, so the loader is pointed at the very same file.
void shareLinkedLibrary() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&OrvMat_AttachDatabase), &info) || !info.dli_fname)
        return;
    const QByteArray folder = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath().toLocal8Bit();
    const QByteArray path = qgetenv("ORVANE_LIBRARY_PATH");
    qputenv("ORVANE_LIBRARY_PATH", path.isEmpty() ? folder : folder + ':' + path);
}

QString manufacturerName(const QString& key) {
    if (!OrvMat_SelectDatabase(key.toUtf8().constData()))
        return {};
    OrvMatTable strings = 0;
    const OrvMatId row = OrvMat_IdOfKey("HERSTELLERNAME");
    const char* text = nullptr;
    if (row && OrvMat_OpenTable(&strings, 0, "StringTable") && OrvMat_ReadText(&text, strings, row, 0, 0) && text)
        return QString::fromUtf8(text);
    return {};
}

} // namespace

std::unique_ptr<StationCatalogFolder> StationCatalogFolder::Open(const QString& dir, QString& error) {
    if (!QFileInfo(dir).isDir()) {
        error = dir + QStringLiteral(": no folder");
        return nullptr;
    }
    shareLinkedLibrary();
    std::unique_ptr<StationCatalogFolder> folder(new StationCatalogFolder);
    if (!folder->AddFolder(dir, error))
        return nullptr;
    const QDir top(dir);
    for (const QString& sub : top.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (!folder->AddFolder(top.filePath(sub), error))
            return nullptr;
    folder->m_source = std::make_unique<EntryList>(folder->m_entries);
    return folder;
}

StationCatalogFolder::~StationCatalogFolder() {
    for (const QString& key : m_attached)
        OrvMat_DetachDatabase(key.toUtf8().constData());
}

bool StationCatalogFolder::AddFolder(const QString& path, QString& error) {
    const QDir dir(path);
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.omdb")}, QDir::Files, QDir::Name))
        if (!Attach(file.completeBaseName(), file.filePath(), path, error))
            return false;
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.orvsrc")}, QDir::Files, QDir::Name)) {
        const QString key = file.completeBaseName();
        if (m_attached.contains(key, Qt::CaseInsensitive))
            continue; // its database is there already
        orvmat::CatalogueSource source;
        orvmat::SourceError failure;
        if (!orvmat::readCatalogueSource(file.filePath().toLocal8Bit().toStdString(), source, failure)) {
            error = QString::fromStdString(failure.toString());
            return false;
        }
        if (source.key.empty())
            continue; // a part that a catalogue source includes
        if (!m_built.isValid()) {
            error = QStringLiteral("no temporary folder for the catalogue databases");
            return false;
        }
        const QString database = m_built.filePath(key + QStringLiteral(".omdb"));
        if (!orvmat::writeDatabase(source, database.toLocal8Bit().toStdString(), failure)) {
            error = QString::fromStdString(failure.toString());
            return false;
        }
        if (!Attach(QString::fromStdString(source.key), database, path, error))
            return false;
    }
    return true;
}

bool StationCatalogFolder::Attach(const QString& key, const QString& database, const QString& root, QString& error) {
    if (!OrvMat_AttachDatabase(key.toUtf8().constData(), database.toLocal8Bit().constData())) {
        error = database + QStringLiteral(": ") + QString::fromUtf8(OrvMat_LastError());
        return false;
    }
    m_attached << key;
    QString name = manufacturerName(key);
    if (name.isEmpty())
        name = QFileInfo(root).fileName();
    m_entries.push_back({nullptr, name, QDir(root).absolutePath(), key});
    return true;
}

} // namespace orvane::cli
