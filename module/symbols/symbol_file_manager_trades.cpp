// The questions the symbol windows ask: the files and symbols of a trade and the files of the
// file lists.

#include "symbol_file_manager.h"

#include "node_filters.h"
#include "symbol_file.h"
#include "symbol_folders.h"
#include "symbol_library_context.h"
#include "symbol_values.h"

#include "corekit/node.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QStringList fileListEntries(const QString& list) {
    if (list.isEmpty())
        return {};
    QStringList entries = list.split(u';', Qt::KeepEmptyParts);
    if (list.endsWith(u';'))
        entries.removeLast();
    for (QString& entry : entries)
        entry = SymbolFolders::NormalizeSeparators(entry);
    return entries;
}

// "Heizung/a.inf" for ".../Symbol Toolbars/Heizung/a.inf".
QString pathBelowParentFolder(const QString& path) {
    const QFileInfo info(SymbolFolders::NormalizeSeparators(path));
    return info.dir().dirName() + u'/' + info.fileName();
}

bool containsEither(const QString& path, const char* folder, Qt::CaseSensitivity cs) {
    const QString platform = QStringLiteral("/%1/").arg(QLatin1String(folder));
    const QString windows = QStringLiteral("\\%1\\").arg(QLatin1String(folder));
    return path.contains(platform, cs) || path.contains(windows, cs);
}

} // namespace

void CSymbolFileManager::GetFilesForTrade(const QString& trade, std::vector<CSymbolFile*>& files,
                                          const QString& subFolder, int useVariable) {
    files.clear();
    const bool desktopVersion = m_context.Filters().versionName == QStringLiteral("OrvaneDT");
    const SymbolFolders::ToolbarFolders folders = m_context.ToolbarFolders();
    const QString name = SymbolFolders::TradeFolderName(m_context, trade, useVariable != 0);
    QString supplied =
        folders.supplied.isEmpty() ? QString() : SymbolFolders::JoinFolder(folders.supplied, name);
    QString user = folders.user.isEmpty() ? QString() : SymbolFolders::JoinFolder(folders.user, name);
    if (!subFolder.isEmpty()) {
        supplied = supplied.isEmpty() ? supplied : SymbolFolders::JoinFolder(supplied, subFolder);
        user = user.isEmpty() ? user : SymbolFolders::JoinFolder(user, subFolder);
    }
    const auto inSupplied = [&](const QString& path) {
        return !supplied.isEmpty() && path.contains(supplied, Qt::CaseSensitive);
    };
    for (CSymbolFile* file : std::as_const(m_mapFiles)) {
        if (!desktopVersion &&
            SymbolFolders::ShortFileName(file->m_path).startsWith(QStringLiteral("Toolbar")))
            continue;
        const bool inUser = !user.isEmpty() && file->m_path.contains(user, Qt::CaseInsensitive);
        if (inSupplied(file->m_path) || inUser || (file->m_pParent && inSupplied(file->m_pParent->m_path)))
            files.push_back(file);
    }
    const auto sortKey = [](const CSymbolFile* file) {
        return file->m_pParent ? file->m_pParent->m_path : file->m_path;
    };
    // Ties (files of one list file) keep a fixed order by their own path.
    std::sort(files.begin(), files.end(), [&](const CSymbolFile* a, const CSymbolFile* b) {
        const int byKey = QString::compare(sortKey(a), sortKey(b), Qt::CaseSensitive);
        return byKey != 0 ? byKey < 0 : QString::compare(a->m_path, b->m_path, Qt::CaseSensitive) < 0;
    });
}

void CSymbolFileManager::GetSymbolsForTrade(const QString& trade, QHash<QString, CNode*>& symbols) {
    std::vector<CSymbolFile*> files;
    GetFilesForTrade(trade, files, QString(), 1);
    if (symbols.capacity() < 20)
        symbols.reserve(311);
    const QString factorKey = QStringLiteral("UseSymbolFactor");
    const SymbolFilterValues filters = m_context.Filters();
    for (CSymbolFile* file : files) {
        if (!file->m_pRoot)
            continue;
        const CNode* defaults = file->m_pRoot->FindChild(QStringLiteral("Defaults"));
        const int defaultFactor = Symbols::GetSymbolValueInt(defaults, factorKey, 0);
        const CNode* pages = file->m_pRoot->FindChild(QStringLiteral("Pages"));
        if (!pages)
            continue;
        for (const CNode* page = pages->FindChild(QStringLiteral("Page")); page;
             page = pages->FindChild(QStringLiteral("Page"), page)) {
            for (CNode* symbol = page->FindChild(QStringLiteral("Symbol")); symbol;
                 symbol = page->FindChild(QStringLiteral("Symbol"), symbol)) {
                const QString blockName = Symbols::GetSymbolValue(symbol, QStringLiteral("BlockName"));
                if (blockName.isEmpty() || !NodeFilters::CheckSymbolFilters(symbol, filters))
                    continue;
                const QString key = Symbols::GetSymbolKey(blockName);
                symbols.insert(key, symbol);
                if (!symbol->FindLeaf(factorKey))
                    symbol->AddLeaf(factorKey, defaultFactor, 0);
                if (const CNode* user = m_mapUserSymbols.value(key))
                    Symbols::CopySymbolValues(user, symbol);
            }
        }
    }
}

void CSymbolFileManager::GetListedFiles(const QString& supportList, const QString& userList,
                                        std::vector<CSymbolFile*>& files) {
    const QStringList supplied = fileListEntries(supportList);
    const QStringList user = fileListEntries(userList);
    std::vector<CSymbolFile*> found(supplied.size() + user.size(), nullptr);
    const auto fill = [&](const QStringList& entries, qsizetype offset, const QString& relative,
                          CSymbolFile* file) {
        for (qsizetype i = 0; i < entries.size(); ++i)
            if (QString::compare(entries[i], relative, Qt::CaseInsensitive) == 0)
                found[offset + i] = file;
    };
    for (CSymbolFile* file : std::as_const(m_mapFiles)) {
        const QString relative = pathBelowParentFolder(file->m_path);
        if (containsEither(file->m_path, "Support", Qt::CaseInsensitive))
            fill(supplied, 0, relative, file);
        if (containsEither(file->m_path, "User-standards", Qt::CaseInsensitive))
            fill(user, supplied.size(), relative, file);
    }
    for (qsizetype i = 0; i < supplied.size(); ++i) {
        if (found[i])
            continue;
        const auto resolved = SymbolFolders::ResolveCatalogPath(m_context, supplied[i]);
        if (resolved && AddFile(*resolved, nullptr))
            found[i] = m_mapFiles.value(*resolved);
    }
    files.clear();
    for (CSymbolFile* file : found)
        if (file)
            files.push_back(file);
}
