#pragma once

#include "orvane_export.h"

#include "corekit/node.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <memory>

struct SymbolFilterValues;
struct TreeReadError;

// One symbol file in memory: Root / Defaults / Pages / Page / Symbol. The symbol file manager
// owns every object; everybody else holds plain pointers.
class ORVANE_EXPORT CSymbolFile {
public:
    explicit CSymbolFile(const QString& path);
    ~CSymbolFile();
    CSymbolFile(const CSymbolFile&) = delete;
    CSymbolFile& operator=(const CSymbolFile&) = delete;

    // A new tree with one empty page, written to the file; the write result.
    int Create();
    // Reads the file; 0 when it cannot be read or no page passes the page filters (the tree
    // then stays loaded, so that a list file's entries can be read). `error` tells why a read
    // failed. The pages are counted against `filters`, the manager's filter values.
    int Load(const SymbolFilterValues& filters, TreeReadError* error = nullptr);
    // Writes the tree, in the XML form when the extension ends in 'x'; atomic, so a failed
    // write leaves the file on disk as it was.
    int Save() const;
    // Deletes the tree and zeroes every member behind the path.
    void Clear();

    // The symbol's own value of `key`, else the raw value in "Defaults", else empty.
    QString GetSymbolValue(const CNode* symbol, const QString& key) const;
    // The raw value of `key` in "Defaults", or empty.
    QString GetDefaultValue(const QString& key) const;

    // True when `path` lies in a supplied folder: "/Support/" (or "\Support\" in data written
    // elsewhere) after its first character.
    static bool IsSupportPath(const QString& path);

    QString m_path;
    std::unique_ptr<CNode> m_pRoot;
    CNode* m_pDefaults = nullptr;
    std::int32_t m_nPages = 0;
    std::int32_t m_bSupport = 0;
    QDateTime m_fileTime;
    CSymbolFile* m_pParent = nullptr;
};
