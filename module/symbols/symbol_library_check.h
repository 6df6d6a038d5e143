#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

#include "symbol_library_context.h"

class CNode;

// Everything a library maintainer must fix in the symbol files of an installation: files that
// cannot be read, files whose pages are all filtered out, list-file entries that resolve to
// nothing, block names used in several files, slides and help documents that are missing,
// keys the module does not know, and user overrides that cannot be read or apply to nothing.
// Folders, catalogues and filter values come from a context, as for the symbol file manager.
struct SymbolProblem {
    enum Severity { Warning, Error };
    Severity severity = Error;
    QString file;
    int line = 0;   // 0 when unknown
    int column = 0; // 0 when unknown
    QString where;  // node path inside the file, e.g. "Pages/Page[2]/Symbol[1]"
    QString message;
};

class SymbolLibraryCheck {
public:
    // `context` must outlive the check.
    explicit SymbolLibraryCheck(const ISymbolLibraryContext& context)
        : m_context(context), m_filters(context.Filters()) {}

    // Checks every symbol file the manager would collect and every file their list files name.
    void Run();

    const std::vector<SymbolProblem>& Problems() const { return m_problems; }
    int ErrorCount() const;
    int FilesChecked() const { return m_filesChecked; }

private:
    // symbol_library_check.cpp: the files, list files, user settings and what they name.
    void CheckToolbarFolder(const QString& toolbarFolder, bool supplied);
    void CheckFile(const QString& path, QStringList& listChain);
    void CheckListFile(const QString& path, const CNode& root, QStringList& listChain);
    void CheckUserSettings(const QString& path);
    void CheckSlide(const QString& path, const QString& where, const QString& name, bool isPage);
    void Add(SymbolProblem::Severity severity, const QString& file, const QString& where,
             const QString& message);

    // symbol_library_check_pages.cpp: a symbol file's root, defaults and pages.
    void CheckSymbolFile(const QString& path, const CNode& root);
    void CheckRoot(const QString& path, const CNode& root);
    // Answers whether the page passes the page filters.
    bool CheckPage(const QString& path, const QString& where, const CNode& page);

    // symbol_library_check_symbols.cpp: one symbol of a page or of the user settings.
    void CheckSymbol(const QString& path, const QString& where, const CNode& symbol);
    bool CheckSymbolKeys(const QString& path, const QString& where, const CNode& symbol);
    void CheckBlockName(const QString& path, const QString& where, const CNode& symbol);
    void CheckSymbolDocuments(const QString& path, const QString& where, const CNode& symbol);
    // An error for every key of `node` that `known` does not hold.
    void CheckKnownKeys(const QString& path, const QString& where, const CNode& node,
                        const QSet<QString>& known);
    // The keys a symbol (and "Defaults") may hold.
    static const QSet<QString>& SymbolKeys();

    const ISymbolLibraryContext& m_context;
    const SymbolFilterValues m_filters;
    std::vector<SymbolProblem> m_problems;
    QStringList m_checked;
    // Block name key -> the file that used it first.
    QHash<QString, QString> m_blockNames;
    int m_filesChecked = 0;
};
