#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The installation the host runs on: its folders, the settings base path, the suite's
// version name and region, and the host variables it starts with. The host names the
// installation file (a node tree in the text form, see docs/installation-file.md) by calling
// Load; until then every question answers empty.
class COrvaneInstallation {
public:
    static COrvaneInstallation& GetInstance();

    // Reads the file; false (and the previous state kept) when it cannot be read. The error
    // text, when given, says why.
    bool Load(const QString& path, QString* error = nullptr);
    // Forgets everything loaded.
    void Clear();
    bool IsLoaded() const { return m_loaded; }

    // The installation file and the folder holding it; empty when none.
    QString FilePath() const { return m_data.filePath; }
    QString RootFolder() const { return m_data.root; }
    // Program files of the suite (module kind 2), supplied data (kind 6), the user's own data
    // (kind 7) and the catalogue descriptors (orvCatalogManager).
    QString ProgramFolder() const { return m_data.program; }
    QString SupportFolder() const { return m_data.support; }
    QString StandardsFolder() const { return m_data.standards; }
    QString CatalogFolder() const { return m_data.catalogs; }
    // Where suite libraries are looked for: the libraries folder, else the program folder.
    QString LibraryFolder() const { return m_data.libraries.isEmpty() ? m_data.program : m_data.libraries; }
    // E.g. "Orvane\\Planung\\"; may be empty.
    QString RegistryBasePath() const { return m_data.registryBasePath; }
    QString VersionName() const { return m_data.versionName; }
    QString Region() const { return m_data.region; }
    // Host variables in file order, "$(INSTALLDIR)" already replaced by the root folder.
    const QList<QPair<QString, QString>>& Variables() const { return m_data.variables; }

private:
    COrvaneInstallation() = default;

    struct Data {
        QString filePath, root, program, support, standards, libraries, catalogs;
        QString registryBasePath, versionName, region;
        QList<QPair<QString, QString>> variables;
    };
    Data m_data;
    bool m_loaded = false;
};
