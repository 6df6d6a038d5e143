#include "catalog_manager.h"

#include "corekit/installation.h"

#include <QDir>

orvCatalogManager* orvCatalogManager::getInstance() {
    static orvCatalogManager manager;
    return &manager;
}

void orvCatalogManager::setCatalogFolder(const QString& folder) {
    m_folder = folder;
    reload();
}

void orvCatalogManager::setDatabaseFolders(const QStringList& folders) {
    m_databaseFolders = folders;
    reload();
}

QString orvCatalogManager::getCatalogFolder() const {
    return m_folder.isEmpty() ? COrvaneInstallation::GetInstance().CatalogFolder() : m_folder;
}

void orvCatalogManager::reload() {
    m_read = false;
    m_catalogs.clear();
    m_errors.clear();
}

void orvCatalogManager::ensureRead() {
    if (m_read)
        return;
    m_read = true;
    QString folder = getCatalogFolder();
    folder.replace(u'\\', u'/');
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    // Every kind of entry, so that a descriptor that is a folder or a link leading nowhere is
    // named among the errors rather than passed over.
    const QStringList files =
        dir.entryList({QStringLiteral("*.inf")},
                      QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& file : files) {
        QString error;
        std::unique_ptr<orvCatalogInfo> info(orvCatalogInfo::FromDescriptor(dir.filePath(file), &error));
        if (!info) {
            m_errors << error;
            continue;
        }
        if (findCatalogInfo(info->getStrID())) {
            m_errors << dir.filePath(file) +
                            QStringLiteral(": the identifier %1 is used twice").arg(info->getStrID());
            continue;
        }
        info->setDatabaseFolders(m_databaseFolders);
        m_catalogs.push_back(std::move(info));
    }
}

orvCatalogInfo* orvCatalogManager::findCatalogInfo(const QString& name) {
    ensureRead();
    QString id = name.trimmed();
    if (id.startsWith(u'<'))
        id.remove(0, 1);
    if (id.endsWith(u'>'))
        id.chop(1);
    for (const auto& info : m_catalogs)
        if (info->getStrID().compare(id, Qt::CaseInsensitive) == 0)
            return info.get();
    return nullptr;
}

int orvCatalogManager::getFilteredCatalogList(QList<orvCatalogInfo*>& list, const QStringList* ids,
                                              const QString* region, const QString* filter,
                                              const QString& kind, const QString* mmdKey) {
    ensureRead();
    list.clear();
    for (const auto& info : m_catalogs) {
        if (ids && !ids->isEmpty() && !ids->contains(info->getStrID(), Qt::CaseInsensitive))
            continue;
        if (region && !region->isEmpty() && !info->getRegions().isEmpty() &&
            !info->getRegions().contains(*region, Qt::CaseInsensitive))
            continue;
        if (filter && !filter->isEmpty() && !info->getStrID().contains(*filter, Qt::CaseInsensitive) &&
            !info->getStrDisplayName().contains(*filter, Qt::CaseInsensitive))
            continue;
        if (!kind.isEmpty() && !info->hasKind(kind))
            continue;
        if (mmdKey && !mmdKey->isEmpty() && info->getStrMmdKey().compare(*mmdKey, Qt::CaseInsensitive) != 0)
            continue;
        list.append(info.get());
    }
    return int(list.size());
}

QList<orvCatalogInfo*> orvCatalogManager::getAllCatalogs() {
    ensureRead();
    QList<orvCatalogInfo*> all;
    for (const auto& info : m_catalogs)
        all.append(info.get());
    return all;
}

QStringList orvCatalogManager::getLoadErrors() {
    ensureRead();
    return m_errors;
}
