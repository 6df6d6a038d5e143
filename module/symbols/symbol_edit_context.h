#pragma once

#include "orvane_export.h"

#include <QString>

class CNode;
class CSymbolFile;
class CSymbolFileManager;

// Where an edited symbol value lands. Symbols of the user's own files (and every symbol in
// master mode) are changed in place and their file is saved. Symbols of supplied files are
// never changed on disk: the change becomes an override in the user settings file under the
// block name and is mirrored into every loaded symbol of that block name.
class ORVANE_EXPORT CSymbolEditContext {
public:
    // Reads "Q3DB_MASTERMODE" now; the manager defaults to the process-wide one.
    CSymbolEditContext(CSymbolFile* file, CNode* symbol, CSymbolFileManager* manager = nullptr);

    bool IsInPlaceEdit() const;
    // Stores a text value.
    void StoreValue(const QString& key, const QString& text);
    // Stores an integer value; a value equal to the file's default removes the symbol's own
    // leaf (and the override's) so that the default applies again.
    void StoreIntValue(const QString& key, int value);
    // Writes the edit to disk; non-zero on success. A failed write leaves the file on disk as
    // it was and keeps the edit in memory.
    int SaveEditedSymbol();

    CSymbolFile* m_pSymbolFile = nullptr;
    CNode* m_pSymbol = nullptr;
    int m_modified = 0;
    int m_masterMode = 0;

private:
    QString ValueOf(const QString& key) const;

    CSymbolFileManager* m_manager;
};
