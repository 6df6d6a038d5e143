#include "current_symbol.h"

#include "symbolui/symbol_insertion.h"

#include "frame/app.h"
#include "symbols/symbol_file_manager.h"

#include "corekit/node.h"

CSymbolFile* g_pCurSymbolFile = nullptr;
CNode* g_pCurSymbolNode = nullptr;
ShowSymbolOptionsFunc g_pfnShowSymbolOptions = nullptr;

namespace {

// The manager the current file and node belong to, and its notice to us.
struct CurrentSource {
    CSymbolFileManager* manager = nullptr;
    int notice = 0;
};
CurrentSource g_source;

// The manager deletes trees (a reset, its end, a file read anew): nothing current points into
// it any more, and it may be gone before the next symbol is made current.
void ForgetCurrentFile() {
    g_pCurSymbolFile = nullptr;
    g_pCurSymbolNode = nullptr;
    g_source.manager->StopNotifying(g_source.notice);
    g_source = {};
}

} // namespace

void SetCurrentSymbol(CSymbolFileManager* manager, CSymbolFile* file, CNode* symbol) {
    g_pCurSymbolFile = file;
    g_pCurSymbolNode = symbol;
    if (manager == g_source.manager)
        return;
    if (g_source.manager)
        g_source.manager->StopNotifying(g_source.notice);
    g_source = {manager, manager ? manager->NotifyBeforeTreesGo(ForgetCurrentFile) : 0};
}

namespace DlgSymbols {

void SetShowSymbolOptionsFunc(ShowSymbolOptionsFunc func) {
    g_pfnShowSymbolOptions = func;
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
