#pragma once

#include "orvane_export.h"

#include <QString>

class CDesktopButton;
class CNode;
class CSymbolFile;
class CSymbolFileManager;

// The module's current symbol: the button last clicked or right-clicked in the symbols window
// or a symbol toolbar, its file and its node. The host reads it after an insertion command.
// None of them is owned; they stay until the next click, the button until it goes with its
// window (SetCurrentSymbolButton), the file and node until their manager deletes
// trees (SetCurrentSymbol).
extern CSymbolFile* g_pCurSymbolFile;
extern CNode* g_pCurSymbolNode;

// Makes `symbol` of `file` (either may be null) the current symbol; both are forgotten when
// `manager`, which loaded the file, resets, ends or reads any loaded file anew.
void SetCurrentSymbol(CSymbolFileManager* manager, CSymbolFile* file, CNode* symbol);
// Makes `button` (or none) the current symbol's button; DlgSymbols::GetSymbolButton gives null
// once the button is deleted.
void SetCurrentSymbolButton(CDesktopButton* button);

// The host's callback behind the Options button of the symbols window; null until registered.
class QWidget;
using ShowSymbolOptionsFunc = long long (*)(QWidget* window);
extern ShowSymbolOptionsFunc g_pfnShowSymbolOptions;

namespace DlgSymbols {
// The host registers its Options callback here (null unregisters).
ORVANE_EXPORT void SetShowSymbolOptionsFunc(ShowSymbolOptionsFunc func);
// The button of the current symbol; null before the first click and once it is deleted.
ORVANE_EXPORT CDesktopButton* GetSymbolButton();
// A new "SymbolProps" node of the current symbol that the caller owns; null without a current
// file or symbol.
ORVANE_EXPORT CNode* GetSymbolProps();
// The value of `key` for the current symbol (with its file's defaults); empty without one.
ORVANE_EXPORT QString GetValue(const wchar_t* key);
} // namespace DlgSymbols
