#include "symbol_library_check.h"

#include "node_filters.h"
#include "symbol_folders.h"
#include "symbol_trade_files.h"
#include "symbol_values.h"

#include "corekit/node.h"
#include "corekit/tree_items.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {

bool hasVisiblePage(const CNode& root, const SymbolFilterValues& filters) {
    const CNode* pages = root.FindChild(QStringLiteral("Pages"));
    const QString page = QStringLiteral("Page");
    for (const CNode* p = pages ? pages->FindChild(page) : nullptr; p; p = pages->FindChild(page, p))
        if (NodeFilters::CheckPageFilters(p, filters))
            return true;
    return false;
}

bool isWindowsAbsolute(const QString& path) {
    return path.size() > 2 && path.at(1) == u':' && (path.at(2) == u'\\' || path.at(2) == u'/');
}

} // namespace

int SymbolLibraryCheck::ErrorCount() const {
    int count = 0;
    for (const SymbolProblem& problem : m_problems)
        count += problem.severity == SymbolProblem::Error ? 1 : 0;
    return count;
}

void SymbolLibraryCheck::Add(SymbolProblem::Severity severity, const QString& file, const QString& where,
                             const QString& message) {
    m_problems.push_back({severity, file, 0, 0, where, message});
}

void SymbolLibraryCheck::Run() {
    const SymbolFolders::ToolbarFolders folders = m_context.ToolbarFolders();
    // A user folder may not exist yet; without the supplied one the base folder is wrong.
    if (folders.supplied.isEmpty() || !QFileInfo(folders.supplied).isDir())
        Add(SymbolProblem::Error, folders.supplied, {},
            QStringLiteral("the supplied symbol toolbar folder does not exist"));
    CheckToolbarFolder(folders.supplied, true);
    CheckToolbarFolder(folders.user, false);
    // After the scan, so that overrides can be matched against every block name.
    const QFileInfo userSettings(folders.user + QStringLiteral("UserSettings.inf"));
    if (!folders.user.isEmpty() && (userSettings.exists() || userSettings.isSymLink()))
        CheckUserSettings(userSettings.filePath());
}

void SymbolLibraryCheck::CheckToolbarFolder(const QString& toolbarFolder, bool supplied) {
    const SymbolTradeFiles::Listing listing = SymbolTradeFiles::List(toolbarFolder, supplied);
    if (!listing.error.isEmpty())
        Add(SymbolProblem::Error, toolbarFolder, {}, listing.error);
    for (const SymbolTradeFiles::TradeFolder& trade : listing.trades) {
        if (!trade.searched)
            Add(SymbolProblem::Warning, trade.folder, {},
                QStringLiteral("folder is not searched: only the trade folders are"));
        else if (!trade.error.isEmpty())
            Add(SymbolProblem::Error, trade.folder, {}, trade.error);
        for (const QString& name : trade.names) {
            QStringList chain;
            CheckFile(trade.folder + name, chain);
        }
    }
}

void SymbolLibraryCheck::CheckUserSettings(const QString& path) {
    CNode* rawRoot = nullptr;
    TreeReadError error;
    if (!TreeItems::ReadFromFile(path, rawRoot, 0, &error)) {
        m_problems.push_back({SymbolProblem::Error,
                              path,
                              error.line,
                              error.column,
                              {},
                              SymbolTradeFiles::CannotBeRead(error) +
                                  (QFileInfo::exists(path)
                                       ? QStringLiteral("; the module sets it aside and starts an empty one")
                                       : QString())});
        return;
    }
    const std::unique_ptr<CNode> root(rawRoot);
    if (!hasVisiblePage(*root, m_filters)) {
        Add(SymbolProblem::Error, path, {},
            QStringLiteral(
                "no page to hold the overrides; the module sets the file aside and starts an empty one"));
        return;
    }
    const CNode* page = root->FindChild(QStringLiteral("Pages"))->FindChild(QStringLiteral("Page"));
    int index = 0;
    for (const auto& symbol : page->Children()) {
        const QString where = QStringLiteral("Pages/Page[1]/%1[%2]").arg(symbol->GetName()).arg(++index);
        if (!CheckSymbolKeys(path, where, *symbol))
            continue;
        const QString blockName = Symbols::GetSymbolValue(symbol.get(), QStringLiteral("BlockName"));
        if (blockName.isEmpty())
            Add(SymbolProblem::Warning, path, where, QStringLiteral("no block name; it applies to nothing"));
        else if (symbol->NrOfLeaves() == 1)
            Add(SymbolProblem::Warning, path, where,
                QStringLiteral("holds only the block name; it is removed at the next start"));
        else if (!m_blockNames.contains(Symbols::GetSymbolKey(blockName)))
            Add(SymbolProblem::Warning, path, where,
                QStringLiteral("no symbol file has the block name \"%1\"").arg(blockName));
    }
}

void SymbolLibraryCheck::CheckFile(const QString& path, QStringList& listChain) {
    if (m_checked.contains(path))
        return;
    m_checked << path;
    ++m_filesChecked;
    CNode* rawRoot = nullptr;
    TreeReadError error;
    if (!TreeItems::ReadFromFile(path, rawRoot, 0, &error)) {
        m_problems.push_back({SymbolProblem::Error,
                              path,
                              error.line,
                              error.column,
                              {},
                              SymbolTradeFiles::CannotBeRead(error)});
        return;
    }
    const std::unique_ptr<CNode> root(rawRoot);
    if (!root->FindLeaf(QStringLiteral("SymbolFile"))) {
        CheckSymbolFile(path, *root);
    } else if (hasVisiblePage(*root, m_filters)) {
        // The manager loads such a file as a symbol file and never looks at its entries.
        Add(SymbolProblem::Warning, path, {},
            QStringLiteral("\"SymbolFile\" entries are not read: the file has pages, so it is no list file"));
        CheckSymbolFile(path, *root);
    } else {
        CheckListFile(path, *root, listChain);
    }
}

void SymbolLibraryCheck::CheckListFile(const QString& path, const CNode& root, QStringList& listChain) {
    listChain << path;
    const QString key = QStringLiteral("SymbolFile");
    int index = 0;
    for (const CLeaf* leaf = root.FindLeaf(key); leaf; leaf = root.FindLeaf(key, leaf)) {
        const QString where = QStringLiteral("SymbolFile[%1]").arg(++index);
        const QString entry = leaf->GetOnlyValue(u':');
        const auto resolved = SymbolFolders::ResolveCatalogPath(m_context, entry);
        if (!resolved) {
            Add(SymbolProblem::Error, path, where,
                entry.startsWith(u'<')
                    ? QStringLiteral("unknown catalogue in \"%1\"").arg(entry)
                    : QStringLiteral("\"%1\" is not a catalogue path (<name>path)").arg(entry));
        } else if (listChain.contains(*resolved)) {
            Add(SymbolProblem::Error, path, where,
                QStringLiteral("\"%1\" leads back to a list file naming it").arg(entry));
        } else if (const QFileInfo named(*resolved); !named.exists() && !named.isSymLink()) {
            Add(SymbolProblem::Error, path, where,
                QStringLiteral("\"%1\" names a file that does not exist").arg(entry));
        } else {
            CheckFile(*resolved, listChain);
        }
    }
    for (const auto& leaf : root.Leaves())
        if (leaf->GetKey() != key)
            Add(SymbolProblem::Error, path, {},
                QStringLiteral("unknown key \"%1\" in a list file").arg(leaf->GetKey()));
    listChain.removeLast();
}

void SymbolLibraryCheck::CheckSlide(const QString& path, const QString& where, const QString& name,
                                    bool isPage) {
    if (isWindowsAbsolute(name))
        return; // a drawing path of another machine cannot be checked here
    QString file = SymbolFolders::NormalizeSeparators(name);
    if (!QFileInfo(file).isAbsolute())
        file = QFileInfo(path).dir().filePath(QStringLiteral("Slides/") + file);
    // Symbol slides get ".sld" when they have no extension; page backgrounds are named whole.
    if (!isPage && QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".sld");
    if (!QFileInfo(file).isFile())
        Add(SymbolProblem::Warning, path, where,
            QStringLiteral("slide missing: %1")
                .arg(QFileInfo(path).dir().relativeFilePath(QDir::cleanPath(file))));
}
