#pragma once

#include "catalog_info.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// Knows the catalogues of the installation: every descriptor file "*.inf" directly in the
// catalogue folder (docs/catalogue-descriptor.md). The folder is the installation's
// "Folders/Catalogs" (COrvaneInstallation::CatalogFolder) unless set explicitly. Descriptors
// are read on the first question and kept until reload(); catalogues come in the order of
// their descriptor file names.
class orvCatalogManager {
public:
    // The host's manager; tools and tests make managers of their own.
    static orvCatalogManager* getInstance();
    orvCatalogManager() = default;
    orvCatalogManager(const orvCatalogManager&) = delete;
    orvCatalogManager& operator=(const orvCatalogManager&) = delete;

    // Uses `folder` from now on (empty: the installation's again) and forgets what was read.
    void setCatalogFolder(const QString& folder);
    QString getCatalogFolder() const;
    // Folders where catalogue databases missing beside their catalogue are looked for, first
    // folder first (such as the databases a build makes from catalogue sources); the
    // catalogues read from now on carry them. None unless set.
    void setDatabaseFolders(const QStringList& folders);
    const QStringList& getDatabaseFolders() const { return m_databaseFolders; }
    // Reads the descriptors again at the next question.
    void reload();

    // The catalogue with that identifier, ignoring case; a name written "<ID>" is accepted.
    // Null when there is none.
    orvCatalogInfo* findCatalogInfo(const QString& name);

    // Fills `list` (emptied first) with the catalogues that pass every given condition and
    // answers their number. Null or empty conditions do not filter.
    //   ids     only catalogues with one of these identifiers (ignoring case)
    //   region  only catalogues offered in this region (or everywhere)
    //   filter  text contained in the identifier or the display name, ignoring case
    //   kind    only catalogues of this kind, e.g. "RS_HZ"
    //   mmdKey  only catalogues whose material-database key is this one (ignoring case)
    int getFilteredCatalogList(QList<orvCatalogInfo*>& list, const QStringList* ids, const QString* region,
                               const QString* filter, const QString& kind, const QString* mmdKey);

    // All catalogues read, and the descriptors that could not be read (one text each).
    QList<orvCatalogInfo*> getAllCatalogs();
    QStringList getLoadErrors();

    // The material database of a catalogue: ensureMMDLoaded(info, kind) in mmd_loader.h.

private:
    void ensureRead();

    QString m_folder;
    QStringList m_databaseFolders;
    bool m_read = false;
    std::vector<std::unique_ptr<orvCatalogInfo>> m_catalogs;
    QStringList m_errors;
};
