#pragma once

#include "orvane_export.h"

#include <QString>

class CNode;

// Reading and writing single values of a "Symbol" node. None of these look at the file's
// "Defaults"; CSymbolFile::GetSymbolValue does.
namespace Symbols {

// The only value of the leaf `key`, or an empty text when the node is null or lacks the leaf.
ORVANE_EXPORT QString GetSymbolValue(const CNode* symbol, const QString& key);
// The first value as a decimal integer (IntegerOfText); `defaultValue` when the node, the leaf
// or a first value is missing.
ORVANE_EXPORT int GetSymbolValueInt(const CNode* symbol, const QString& key, int defaultValue);
// The number formed by a text's leading sign and digits (blanks before them skipped), 0 when
// there is none: "2x" is 2, "ja" is 0. Every integer value of a symbol is read this way.
ORVANE_EXPORT int IntegerOfText(const QString& text);
// Sets the first value of an existing leaf, else adds the leaf.
ORVANE_EXPORT void SetSymbolValueInt(CNode* symbol, const QString& key, int value);
// Sets the only value of an existing leaf (an empty text too); a missing leaf is added only
// for a non-empty text.
ORVANE_EXPORT void SetSymbolValue(CNode* symbol, const QString& key, const QString& text);
ORVANE_EXPORT void DeleteSymbolValue(CNode* symbol, const QString& key);
// Every leaf of `source`, in order, replaces the raw value of the target's leaf of that key
// or is appended to `target`.
ORVANE_EXPORT void CopySymbolValues(const CNode* source, CNode* target);

// The index key of a block name: the name in upper case, or for a name given as a path (a
// drive letter or U+00AE in second place, or a path from the root of this platform) the
// bare file name in upper case, so that "C:\X\Pump.dwg" and "PUMP" share one key.
ORVANE_EXPORT QString GetSymbolKey(QString blockName);

} // namespace Symbols
