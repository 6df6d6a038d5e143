#pragma once

#include "symbol_folders.h"

#include <QHash>
#include <QString>

#include <functional>
#include <optional>

class ISymbolsHost;

// The version name and region token that the page and symbol filters compare against.
struct SymbolFilterValues {
    QString versionName;
    QString regionToken;
};

// What the symbol library works with: the two symbol toolbar folders, whether files are
// collected on every call (master mode), the host's own names of trade folders, the filter
// values and the catalogue roots. The symbol file manager and the library check are given
// one; the process-wide manager of the host gets one that asks the host.
class ISymbolLibraryContext {
public:
    virtual ~ISymbolLibraryContext() = default;

    virtual SymbolFolders::ToolbarFolders ToolbarFolders() const = 0;
    virtual bool MasterMode() const = 0;
    // The host's folder name for a trade code; empty when it names none.
    virtual QString TradeFolderVariable(const QString& code) const = 0;
    virtual SymbolFilterValues Filters() const = 0;
    // The root folder of a catalogue; nothing when the catalogue is unknown.
    virtual std::optional<QString> CatalogRoot(const QString& name) const = 0;
    // Lets the translation service learn the data texts of a folder.
    virtual void ScanTranslations(const QString& folder) const = 0;
};

// Values given by the caller, such as the command-line tool and the tests.
class SymbolLibraryContext final : public ISymbolLibraryContext {
public:
    // The symbol toolbar folders under a symbol base folder: <base>/Support/Symbol Toolbars/
    // and <base>/User-Standards/Symbol Toolbars/.
    static SymbolFolders::ToolbarFolders FoldersUnder(const QString& base);

    SymbolFolders::ToolbarFolders ToolbarFolders() const override { return folders; }
    bool MasterMode() const override { return masterMode; }
    QString TradeFolderVariable(const QString& code) const override { return tradeFolders.value(code); }
    SymbolFilterValues Filters() const override { return filters; }
    std::optional<QString> CatalogRoot(const QString& name) const override;
    void ScanTranslations(const QString& folder) const override;

    SymbolFolders::ToolbarFolders folders;
    bool masterMode = false;
    QHash<QString, QString> tradeFolders; // trade code -> folder name
    SymbolFilterValues filters;
    QHash<QString, QString> catalogRoots; // catalogue name -> root folder
    // Asked for catalogue names that catalogRoots does not hold, when set.
    std::function<std::optional<QString>(const QString&)> catalogLookup;
    // Called for every trade folder that is collected, when set.
    std::function<void(const QString&)> scanTranslations;
};

// Asks the host on every question: its variables "SYMBOLE_PATH", "Q3DB_MASTERMODE" and
// "Q3DB_SYMBOLTB_DIRNAME_<code>", its version and region, its default folders, its catalogues
// and its translation service.
class HostSymbolLibraryContext final : public ISymbolLibraryContext {
public:
    explicit HostSymbolLibraryContext(ISymbolsHost& host) : m_host(host) {}

    SymbolFolders::ToolbarFolders ToolbarFolders() const override;
    bool MasterMode() const override;
    QString TradeFolderVariable(const QString& code) const override;
    SymbolFilterValues Filters() const override;
    std::optional<QString> CatalogRoot(const QString& name) const override;
    void ScanTranslations(const QString& folder) const override;

private:
    ISymbolsHost& m_host;
};
