#pragma once

#include "frame/host_detection.h"

#include <QString>
#include <QStringList>

#include <memory>

class CNode;
class CSymbolFile;

// What a click on a symbol button hands to the host, and what the host reads back about the
// current symbol afterwards. Shared by the symbols window and the symbol toolbars.

// The commands a click sends, in order and not yet formatted for the command line: the
// symbol's own "Command" when it has one, then "InsPair" for a block pair ("UseBlockPair"
// not 0) or "InsertSymbol", when it has a block name. Values with the file's defaults.
QStringList SymbolClickCommands(const CSymbolFile& file, const CNode& symbol);

// The value of `key` for a symbol, with the file's defaults; empty without a symbol (the
// file is then not asked) or without a file.
QString CurrentSymbolValue(const CSymbolFile* file, const CNode* symbol, const QString& key);

// The "SymbolProps" node of a symbol for the host: the block, insertion options and layer
// component, the folder of its blocks (drawing host) or of its families and its system type
// (Revit), and the second block with its attribute names for a block pair. Null without a
// file or a symbol.
std::unique_ptr<CNode> MakeSymbolProps(const CSymbolFile* file, const CNode* symbol,
                                       const HostDetection::HostKind& host);
