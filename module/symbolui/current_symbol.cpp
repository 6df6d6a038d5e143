#include "current_symbol.h"

#include "symbolui/symbol_insertion.h"

#include "frame/app.h"

#include "corekit/node.h"

CDesktopButton* g_pCurSymbolButton = nullptr;
CSymbolFile* g_pCurSymbolFile = nullptr;
CNode* g_pCurSymbolNode = nullptr;
ShowSymbolOptionsFunc g_pfnShowSymbolOptions = nullptr;

namespace DlgSymbols {

void SetShowSymbolOptionsFunc(ShowSymbolOptionsFunc func) {
    g_pfnShowSymbolOptions = func;
}

CDesktopButton* GetSymbolButton() {
    return g_pCurSymbolButton;
}

CNode* GetSymbolProps() {
    const HostDetection::HostKind host{theApp.m_isRevit != 0, theApp.m_revitVersion};
    return MakeSymbolProps(g_pCurSymbolFile, g_pCurSymbolNode, host).release();
}

QString GetValue(const wchar_t* key) {
    if (!key)
        return {};
    return CurrentSymbolValue(g_pCurSymbolFile, g_pCurSymbolNode, QString::fromWCharArray(key));
}

} // namespace DlgSymbols
