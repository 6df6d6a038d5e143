#include "symbol_file_manager.h"

#include "symbol_file.h"
#include "symbol_folders.h"
#include "symbol_library_context.h"
#include "symbol_trade_files.h"
#include "symbol_values.h"
#include "symbols_host.h"

#include "corekit/node.h"
#include "corekit/tree_items.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// Calls `visit` for every "Symbol" of every "Page" of a tree, in page order.
template <typename Visit> void forEachSymbol(const CNode* root, Visit visit) {
    const CNode* pages = root ? root->FindChild(QStringLiteral("Pages")) : nullptr;
    if (!pages)
        return;
    const QString page = QStringLiteral("Page");
    const QString symbol = QStringLiteral("Symbol");
    // The children are walked in one pass each: looking for the next match behind the previous
    // one would search for the previous one first.
    for (const auto& p : pages->Children())
        if (p->GetName() == page)
            for (const auto& s : p->Children())
                if (s->GetName() == symbol)
                    visit(s.get());
}

const CNode* rootOf(const CNode* node) {
    while (node && node->GetParent())
        node = node->GetParent();
    return node;
}

// Files loaded through list files, counted from the file where loading starts (a file of a
// trade folder, an entry of the file lists) as the first: enough for any real nesting of list
// files, small enough for any stack.
constexpr int kMaxListDepth = 32;

} // namespace

CSymbolFileManager* CSymbolFileManager::GetInstance() {
    static const HostSymbolLibraryContext context(SymbolsHost::Get());
    static const std::unique_ptr<CSymbolFileManager> instance = std::make_unique<CSymbolFileManager>(context);
    return instance.get();
}

CSymbolFileManager::CSymbolFileManager(const ISymbolLibraryContext& context) : m_context(context) {}

CSymbolFileManager::~CSymbolFileManager() {
    Reset();
}

void CSymbolFileManager::Reset() {
    TellTreesGo();
    qDeleteAll(m_mapFiles);
    qDeleteAll(m_listFiles);
    m_mapFiles.clear();
    m_listFiles.clear();
    m_mapSymbols.clear();
    m_mapUserSymbols.clear();
    m_pUserSettings.reset();
    m_readErrors.clear();
    m_bIndexChanged = 0;
}

int CSymbolFileManager::NotifyBeforeTreesGo(std::function<void()> letGo) {
    m_treeNotices.emplace_back(++m_lastNotice, std::move(letGo));
    return m_lastNotice;
}

void CSymbolFileManager::StopNotifying(int notice) {
    std::erase_if(m_treeNotices, [&](const auto& listed) { return listed.first == notice; });
}

void CSymbolFileManager::TellTreesGo() {
    // A holder may stop being told while the others are (the current symbol does), so each is
    // told only while it is still listed.
    const auto notices = m_treeNotices;
    for (const auto& [notice, letGo] : notices)
        if (std::any_of(m_treeNotices.begin(), m_treeNotices.end(),
                        [&](const auto& listed) { return listed.first == notice; }))
            letGo();
}

void CSymbolFileManager::NoteReadError(const TreeReadError& error) {
    for (const TreeReadError& known : m_readErrors)
        if (known.file == error.file)
            return;
    m_readErrors.push_back(error);
}

void CSymbolFileManager::CollectFiles() {
    if (!m_context.MasterMode() && !m_mapFiles.isEmpty())
        return;
    m_bIndexChanged = 0;
    const SymbolFolders::ToolbarFolders folders = m_context.ToolbarFolders();
    if (!m_pUserSettings && !folders.user.isEmpty() && QFileInfo::exists(UserSettingsPath()))
        LoadUserSettings(UserSettingsPath());

    // The trade folders and their symbol files are listed first, so that the index can be
    // sized from the files still to come.
    std::vector<SymbolTradeFiles::TradeFolder> tradeFiles;
    for (const auto& [toolbarFolder, supplied] :
         {std::pair{folders.supplied, true}, std::pair{folders.user, false}}) {
        SymbolTradeFiles::Listing listing = SymbolTradeFiles::List(toolbarFolder, supplied);
        if (!listing.error.isEmpty())
            NoteReadError({toolbarFolder, 0, 0, listing.error});
        for (SymbolTradeFiles::TradeFolder& trade : listing.trades) {
            if (!trade.searched)
                continue;
            if (!trade.error.isEmpty())
                NoteReadError({trade.folder, 0, 0, trade.error});
            m_filesToCome += int(trade.names.size());
            tradeFiles.push_back(std::move(trade));
        }
    }
    for (const SymbolTradeFiles::TradeFolder& files : tradeFiles) {
        m_context.ScanTranslations(files.folder);
        for (const QString& name : files.names) {
            --m_filesToCome;
            AddFile(files.folder + name, nullptr);
        }
    }
    m_filesToCome = 0;
}

int CSymbolFileManager::AddFile(const QString& path, const CSymbolFile* parent) {
    if (m_adding.contains(path) || m_adding.size() >= kMaxListDepth) {
        m_listCut = true;
        return 0;
    }
    const qsizetype depth = m_adding.size();
    if (const auto expanded = m_expandedLists.constFind(path);
        expanded != m_expandedLists.cend() && (!expanded->cut || expanded->depth <= depth)) {
        m_listCut = m_listCut || expanded->cut;
        return expanded->result;
    }
    m_adding.insert(path);
    const auto done = [&](int result) {
        m_adding.remove(path);
        if (m_adding.isEmpty()) {
            m_expandedLists.clear();
            m_listCut = false;
        }
        return result;
    };

    CSymbolFile* file = m_mapFiles.value(path);
    bool isNew = false;
    if (file) {
        const QFileInfo info(path);
        if (!info.isFile()) {
            RemoveFromIndex(file);
            return done(0);
        }
        if (!(info.lastModified() > file->m_fileTime))
            return done(1);
        // Windows and the current symbol may point into the tree that the reload deletes.
        TellTreesGo();
        RemoveFromIndex(file);
    } else {
        // Anything of that name is read, so that what is wrong with it is noted.
        if (const QFileInfo info(path); !info.exists() && !info.isSymLink())
            return done(0);
        file = m_listFiles.value(path);
        if (!file) {
            file = new CSymbolFile(path);
            isNew = true;
        }
    }

    CSymbolFile* const previousParent = file->m_pParent;
    TreeReadError error;
    if (file->Load(m_context.Filters(), &error)) {
        IndexFile(file);
        m_bIndexChanged = 1;
        if (m_listFiles.value(path) == file)
            m_listFiles.remove(path); // it became a symbol file; the object stays the same
        m_mapFiles.insert(path, file);
        file->m_pParent = parent ? const_cast<CSymbolFile*>(parent) : previousParent;
        return done(1);
    }
    if (!file->m_pRoot)
        NoteReadError(error);
    const bool cutAbove = std::exchange(m_listCut, false);
    const int listed = AddListedFiles(file) > 0 ? 1 : 0;
    m_expandedLists.insert(path, {listed, depth, m_listCut});
    m_listCut = m_listCut || cutAbove;
    if (listed) {
        if (!m_mapFiles.contains(path))
            m_listFiles.insert(path, file);
        return done(1);
    }
    if (isNew)
        delete file;
    return done(0);
}

int CSymbolFileManager::AddListedFiles(CSymbolFile* listFile) {
    if (!listFile->m_pRoot)
        return 0;
    int added = 0;
    const QString key = QStringLiteral("SymbolFile");
    for (const CLeaf* leaf = listFile->m_pRoot->FindLeaf(key); leaf;
         leaf = listFile->m_pRoot->FindLeaf(key, leaf)) {
        const auto resolved = SymbolFolders::ResolveCatalogPath(m_context, leaf->GetOnlyValue(u':'));
        if (resolved && AddFile(*resolved, listFile))
            ++added;
    }
    return added;
}

void CSymbolFileManager::IndexFile(CSymbolFile* file) {
    // While collecting, the index grows at most once more per file: when this file does not
    // fit, room is made for as many symbols as this one has in every file still to come.
    qsizetype symbols = 0;
    forEachSymbol(file->m_pRoot.get(), [&](CNode*) { ++symbols; });
    if (m_mapSymbols.size() + symbols > m_mapSymbols.capacity())
        m_mapSymbols.reserve(m_mapSymbols.size() + symbols * (1 + m_filesToCome));

    const QString blockNameKey = QStringLiteral("BlockName");
    forEachSymbol(file->m_pRoot.get(), [&](CNode* symbol) {
        // One text per symbol: the value, turned into its key in place.
        QString key = Symbols::GetSymbolValue(symbol, blockNameKey);
        if (key.isEmpty())
            return;
        key = Symbols::GetSymbolKey(std::move(key));
        m_mapSymbols.insert(key, symbol);
        if (const CNode* user = m_mapUserSymbols.value(key))
            Symbols::CopySymbolValues(user, symbol);
    });
}

void CSymbolFileManager::RemoveFromIndex(CSymbolFile* file) {
    forEachSymbol(file->m_pRoot.get(), [&](CNode* symbol) {
        if (const CLeaf* leaf = symbol->FindLeaf(QStringLiteral("BlockName")))
            m_mapSymbols.remove(Symbols::GetSymbolKey(leaf->GetOnlyValue(u':')));
    });
    // Entries set for an edited block name may point into this tree under another key; the
    // tree is about to go, so none may stay.
    if (file->m_pRoot)
        m_mapSymbols.removeIf(
            [&](const auto& entry) { return rootOf(entry.value()) == file->m_pRoot.get(); });
    m_bIndexChanged = 1;
}

CNode* CSymbolFileManager::LookupSymbol(const QString& name) const {
    if (CNode* node = m_mapSymbols.value(name))
        return node;
    return m_mapSymbols.value(Symbols::GetSymbolKey(name));
}

void CSymbolFileManager::SetIndexEntry(const QString& name, CNode* node) {
    m_mapSymbols.insert(Symbols::GetSymbolKey(name), node);
}

void CSymbolFileManager::FindSymbols(const QString& blockName, std::vector<CNode*>& nodes) const {
    for (const CSymbolFile* file : m_mapFiles)
        forEachSymbol(file->m_pRoot.get(), [&](CNode* symbol) {
            const CLeaf* leaf = symbol->FindLeaf(QStringLiteral("BlockName"));
            if (leaf && leaf->GetRawData() == blockName)
                nodes.push_back(symbol);
        });
}

QStringList CSymbolFileManager::FilePaths() const {
    return m_mapFiles.keys();
}

CSymbolFile* CSymbolFileManager::FindFile(const QString& path) const {
    return m_mapFiles.value(path);
}

CSymbolFile* CSymbolFileManager::FileOfNode(const CNode* node) const {
    const CNode* root = rootOf(node);
    for (CSymbolFile* file : m_mapFiles)
        if (root && file->m_pRoot.get() == root)
            return file;
    return nullptr;
}

bool CSymbolFileManager::HasUserSymbol(const QString& blockName) const {
    return m_mapUserSymbols.contains(Symbols::GetSymbolKey(blockName));
}
