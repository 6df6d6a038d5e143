#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The installation the host runs on: its folders, the settings base path, the suite's
// version name and region, and the host variables it starts with. The host names the
// installation file (a node tree in the text form, see docs/installation-file.md) by calling
// Load, or through the environment variable ORVANE_INSTALLATION, which is read when nothing
// was loaded explicitly.
class COrvaneInstallation {
public:
    static COrvaneInstallation& GetInstance();

    // Reads the file; false (and the previous state kept) when it cannot be read. The error
    // text, when given, says why.
    bool Load(const QString& path, QString* error = nullptr);
    // Forgets everything loaded; the next question reads ORVANE_INSTALLATION again.
    void Clear();
    bool IsLoaded() const;

    QString FilePath() const;         // the installation file, empty when none
    QString RootFolder() const;       // the folder holding the installation file
    QString ProgramFolder() const;    // program files of the suite (module kind 2)
    QString SupportFolder() const;    // supplied data (kind 6)
    QString StandardsFolder() const;  // the user's own data (kind 7)
    QString LibraryFolder() const;    // where suite libraries are looked for
    QString CatalogFolder() const;    // the catalogue descriptors (orvCatalogManager)
    QString RegistryBasePath() const; // e.g. "Orvane\\Planung\\"; may be empty
    QString VersionName() const;
    QString Region() const;
    // Host variables in file order, "$(INSTALLDIR)" already replaced by the root folder.
    const QList<QPair<QString, QString>>& Variables() const;

private:
    COrvaneInstallation() = default;
    void EnsureLoaded() const;

    struct Data {
        QString filePath, root, program, support, standards, libraries, catalogs;
        QString registryBasePath, versionName, region;
        QList<QPair<QString, QString>> variables;
    };
    Data m_data;
    bool m_loaded = false;
    mutable bool m_triedEnvironment = false;
};
