#pragma once

// The station catalogues of a folder, for the command line: every sub folder (and the folder
// itself) that holds a material database "<KEY>.omdb", or a catalogue source "<KEY>.orvsrc"
// with a "database" line, which is then built into a temporary folder first. A catalogue's
// folder is its root (pictures, data sheets); its display name is the manufacturer's name
// from the database, else the folder's name.

#include "stations/station_catalog.h"

#include <QTemporaryDir>

#include <memory>

namespace orvane::cli {

class StationCatalogFolder {
public:
    // Null, with `error` set, when `dir` is no folder or a source in it does not build.
    static std::unique_ptr<StationCatalogFolder> Open(const QString& dir, QString& error);
    ~StationCatalogFolder();

    WoSt::CatalogSource& Source() { return *m_source; }

private:
    StationCatalogFolder() = default;
    bool AddFolder(const QString& folder, QString& error);
    bool Attach(const QString& key, const QString& database, const QString& root, QString& error);

    QTemporaryDir m_built;
    QStringList m_attached;
    std::unique_ptr<WoSt::CatalogSource> m_source;
    std::vector<WoSt::CatalogEntry> m_entries;
};

} // namespace orvane::cli
