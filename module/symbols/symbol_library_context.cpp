#include "symbol_library_context.h"

#include "symbols_host.h"

#include <QFileInfo>

namespace {

SymbolFolders::ToolbarFolders toolbarFoldersIn(const QString& supplied, const QString& user) {
    // A folder the installation does not name stays empty and is not searched.
    const auto toolbarsIn = [](const QString& folder) {
        return folder == QStringLiteral("/") || folder.isEmpty()
                   ? QString()
                   : SymbolFolders::JoinFolder(folder, QStringLiteral("Symbol Toolbars"));
    };
    return {toolbarsIn(supplied), toolbarsIn(user)};
}

} // namespace

SymbolFolders::ToolbarFolders SymbolLibraryContext::FoldersUnder(const QString& base) {
    const QString folder = SymbolFolders::NormalizeSeparators(base);
    if (folder.isEmpty())
        return {};
    return toolbarFoldersIn(SymbolFolders::JoinFolder(folder, QStringLiteral("Support")),
                            SymbolFolders::JoinFolder(folder, QStringLiteral("User-Standards")));
}

std::optional<QString> SymbolLibraryContext::CatalogRoot(const QString& name) const {
    if (const auto found = catalogRoots.constFind(name); found != catalogRoots.cend())
        return found.value();
    return catalogLookup ? catalogLookup(name) : std::nullopt;
}

void SymbolLibraryContext::ScanTranslations(const QString& folder) const {
    if (scanTranslations)
        scanTranslations(folder);
}

// The base folder from "SYMBOLE_PATH" when that folder exists, else the module's default
// folders of kinds 6 and 7.
SymbolFolders::ToolbarFolders HostSymbolLibraryContext::ToolbarFolders() const {
    QString base = m_host.Variable(QStringLiteral("SYMBOLE_PATH"), 0).value_or(QString());
    base = SymbolFolders::NormalizeSeparators(base);
    if (!base.isEmpty() && QFileInfo(base).isDir())
        return SymbolLibraryContext::FoldersUnder(base);
    return toolbarFoldersIn(SymbolFolders::JoinFolder(m_host.DefaultFolder(6), QString()),
                            SymbolFolders::JoinFolder(m_host.DefaultFolder(7), QString()));
}

bool HostSymbolLibraryContext::MasterMode() const {
    const QString text = m_host.Variable(QStringLiteral("Q3DB_MASTERMODE"), 1).value_or(QString());
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value != 0;
}

QString HostSymbolLibraryContext::TradeFolderVariable(const QString& code) const {
    return m_host.Variable(QStringLiteral("Q3DB_SYMBOLTB_DIRNAME_") + code, 0).value_or(QString());
}

SymbolFilterValues HostSymbolLibraryContext::Filters() const {
    return {m_host.VersionName(), m_host.RegionToken()};
}

std::optional<QString> HostSymbolLibraryContext::CatalogRoot(const QString& name) const {
    return m_host.CatalogRoot(name);
}

void HostSymbolLibraryContext::ScanTranslations(const QString& folder) const {
    m_host.ScanTranslations(folder);
}
