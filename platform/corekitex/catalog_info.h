#pragma once

#include <QString>
#include <QStringList>

class CNode;

// One catalogue of the suite: a manufacturer's data with its pictures, drawings, data sheets
// and material database. Described by a descriptor file (docs/catalogue-descriptor.md);
// handed out by orvCatalogManager, which owns it.
class orvCatalogInfo {
public:
    // Reads a descriptor; null (and `error` set) when it lacks an identifier or is unreadable.
    static orvCatalogInfo* FromDescriptor(const QString& path, QString* error = nullptr);

    const QString& getStrID() const { return m_id; }
    const QString& getStrDisplayName() const { return m_displayName; }
    // The catalogue's folder (with "Bmp", "2D", "3D", "Pdf"), without a trailing separator.
    const QString& getStrRootPath() const { return m_rootPath; }
    const QStringList& getKinds() const { return m_kinds; }
    bool hasKind(const QString& kind) const; // ignoring case
    // Key and file of the catalogue's material database.
    const QString& getStrMmdKey() const { return m_mmdKey; }
    const QString& getStrDatabasePath() const { return m_databasePath; }
    // The database as the descriptor writes it (possibly relative), for finding it elsewhere.
    const QString& getStrDatabaseName() const { return m_databaseName; }
    // Region tokens the catalogue is offered in; empty: everywhere.
    const QStringList& getRegions() const { return m_regions; }
    const QString& getDescriptorPath() const { return m_descriptorPath; }
    // Where a database missing beside the catalogue is looked for: the database folders of
    // the manager that read the descriptor (orvCatalogManager::setDatabaseFolders).
    const QStringList& getDatabaseFolders() const { return m_databaseFolders; }
    void setDatabaseFolders(const QStringList& folders) { m_databaseFolders = folders; }

private:
    orvCatalogInfo() = default;
    QString m_id, m_displayName, m_rootPath, m_mmdKey, m_databasePath, m_databaseName, m_descriptorPath;
    QStringList m_kinds, m_regions, m_databaseFolders;
};
