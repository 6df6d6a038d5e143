#pragma once

#include "orvane_export.h"

#include "corekit/tree_items.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class CNode;
class CSymbolFile;
class ISymbolLibraryContext;

// Knows every symbol file of the installation and of the user: collects and loads them,
// reloads a file that changed on disk, indexes every symbol by its symbol key and applies the
// user's overrides from "UserSettings.inf". It owns its files and trees, everybody else holds
// plain pointers into them. Folders, filter values and catalogues come from its context.
class ORVANE_EXPORT CSymbolFileManager {
public:
    // The host's manager, over a context that asks the host; lives until the module unloads.
    static CSymbolFileManager* GetInstance();
    // A manager of its own over `context`, which must outlive it.
    explicit CSymbolFileManager(const ISymbolLibraryContext& context);
    ~CSymbolFileManager();
    CSymbolFileManager(const CSymbolFileManager&) = delete;
    CSymbolFileManager& operator=(const CSymbolFileManager&) = delete;

    // Finds and loads all symbol files: once while the module is loaded, on every call in
    // master mode ("Q3DB_MASTERMODE").
    void CollectFiles();
    // Loads or refreshes one file, or the files a list file names; non-zero when the file or
    // at least one listed file is available.
    int AddFile(const QString& path, const CSymbolFile* parent);
    // The files of a trade, sorted by their list file's path or their own.
    void GetFilesForTrade(const QString& trade, std::vector<CSymbolFile*>& files, const QString& subFolder,
                          int useVariable);
    // Every symbol of a trade's files that passes the version filter, by symbol key.
    void GetSymbolsForTrade(const QString& trade, QHash<QString, CNode*>& symbols);
    // The indexed symbol for a block name or its key, or null.
    CNode* LookupSymbol(const QString& name) const;
    // Forgets every file, the index and the user settings. Whoever asked to be told
    // (NotifyBeforeTreesGo) lets go of its pointers into them first.
    void Reset();
    // `letGo` runs before trees are deleted: at every Reset, when the manager ends, and before
    // a loaded file is read anew (AddFile, CollectFiles in master mode), also while its holder
    // is the one calling. It must not call the manager; a holder reads the files again later.
    // The number returned stops it (StopNotifying), at the latest when its holder goes.
    int NotifyBeforeTreesGo(std::function<void()> letGo);
    void StopNotifying(int notice);

    // The files named by the two ';'-separated file lists, in list order.
    void GetListedFiles(const QString& supportList, const QString& userList,
                        std::vector<CSymbolFile*>& files);
    // The user settings file; made (and written) on first need when `create` is set.
    CSymbolFile* GetUserSettingsFile(int create);
    // The user's override node for a block name, added when missing and `create` is set.
    CNode* GetUserSymbol(const QString& blockName, int create);
    void SetIndexEntry(const QString& name, CNode* node);
    // Every "Symbol" of all loaded files whose own "BlockName" equals `blockName` exactly.
    void FindSymbols(const QString& blockName, std::vector<CNode*>& nodes) const;

    // For looking at a library without changing it (the command-line tool): overrides holding
    // only the block name then stay in the file, and an unreadable file is left where it is.
    void SetUserSettingsReadOnly(bool readOnly) { m_userSettingsReadOnly = readOnly; }

    const ISymbolLibraryContext& Context() const { return m_context; }

    // The files and folders that could not be read since the last Reset, each once with why
    // (a symbol or list file that is damaged, a folder, a link that leads nowhere; a folder
    // that cannot be listed). A name that does not exist at all is not among them.
    const std::vector<TreeReadError>& ReadErrors() const { return m_readErrors; }

    // What is loaded, for tools and tests that look at a library without changing it.
    QStringList FilePaths() const;
    // The loaded symbol file of a path exactly as it was added, or null.
    CSymbolFile* FindFile(const QString& path) const;
    // The loaded symbol file whose tree holds `node`, or null.
    CSymbolFile* FileOfNode(const CNode* node) const;
    qsizetype IndexSize() const { return m_mapSymbols.size(); }
    qsizetype UserSymbolCount() const { return m_mapUserSymbols.size(); }
    // True when the user settings file holds an override for the block name's key.
    bool HasUserSymbol(const QString& blockName) const;

    // Set after the symbol index changed; every window reloads its pages and clears it.
    std::int32_t m_bIndexChanged = 0;

private:
    void IndexFile(CSymbolFile* file);
    void RemoveFromIndex(CSymbolFile* file);
    int AddListedFiles(CSymbolFile* listFile);
    void LoadUserSettings(const QString& path);
    void IndexUserSettings();
    QString UserSettingsPath() const;
    void NoteReadError(const TreeReadError& error);
    void TellTreesGo();

    const ISymbolLibraryContext& m_context;
    // Owned; keyed by the path exactly as given.
    QHash<QString, CSymbolFile*> m_mapFiles;
    QHash<QString, CNode*> m_mapSymbols;
    QHash<QString, CNode*> m_mapUserSymbols;
    std::unique_ptr<CSymbolFile> m_pUserSettings;

    // List files are parents of the files they name but not symbol files themselves; they are
    // kept here so that those files' parent pointers stay valid.
    QHash<QString, CSymbolFile*> m_listFiles;
    // Paths being added right now: a list file that names itself or a loop of list files
    // stops here instead of recursing for ever.
    QSet<QString> m_adding;
    // Symbol files CollectFiles has still to add after the current one; sizes the index.
    int m_filesToCome = 0;
    // List files already expanded during the current outermost AddFile, with their result:
    // list files that name the same list files (a diamond, or a ladder of them) are read
    // once instead of once per path to them, which grows exponentially with the depth.
    // A result that the depth limit or a loop cut short holds only for a path at least as
    // deep; reached by a shorter path, the list file is expanded again, so what loads does
    // not depend on the order of the entries.
    struct ExpandedList {
        int result = 0;
        qsizetype depth = 0; // list files above it when it was expanded
        bool cut = false;
    };
    QHash<QString, ExpandedList> m_expandedLists;
    bool m_listCut = false; // the expansion running now met the depth limit or a loop
    bool m_userSettingsReadOnly = false;
    std::vector<TreeReadError> m_readErrors;
    std::vector<std::pair<int, std::function<void()>>> m_treeNotices;
    int m_lastNotice = 0;
};
