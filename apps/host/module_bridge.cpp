#include "module_bridge.h"

#include "host_text.h"
#include "symbol_placement.h"

#include "corekit/dll_module.h"
#include "corekit/node.h"
#include "corekit/vars_mgr.h"
#include "frame/host_command.h"
#include "frame/host_detection.h"
#include "frame/module_start.h"
#include "hydraulics/dlg_hydraulics.h"
#include "slides/symbol_button.h"
#include "stations/dlg_wohnungsstation.h"
#include "symbols/symbol_file.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_values.h"
#include "symbolui/current_symbol.h"
#include "symbolui/dlg_symbols.h"
#include "symbolui/symbol_toolbar_manager.h"
#include <QCoreApplication>
#include <QEvent>

#include <QFileInfo>
#include <QLibrary>

namespace {

std::function<void(const QString&)>& PasteReceiver() {
    static std::function<void(const QString&)> receiver;
    return receiver;
}

// The callback the module calls; the two integers are always 0 and 1.
void PasteToHost(const wchar_t* text, int, int) {
    if (text && PasteReceiver())
        PasteReceiver()(QString::fromWCharArray(text));
}

bool g_started = false;

} // namespace

namespace ModuleBridge {

bool Start(const QString& revitFolder) {
    if (g_started)
        Stop();
    HostDetection::SetRevitProgramFolder(revitFolder);
    g_started = OrvaneModuleStart() != 0;
    DlgSymbols::SetOrvanePasteToCommandLineFunc(&PasteToHost);
    return g_started;
}

void Stop() {
    if (!g_started)
        return;
    DlgSymbols::SetOrvanePasteToCommandLineFunc(nullptr);
    OrvaneModuleStop();
    g_started = false;
}

void SetPasteReceiver(std::function<void(const QString&)> receiver) {
    PasteReceiver() = std::move(receiver);
}

std::unique_ptr<CNode> RunHydraulics() {
    return std::unique_ptr<CNode>(CDlgHydraulics::Show(nullptr));
}

std::unique_ptr<CNode> RunStationWizard(const CNode* input, QWidget* parent) {
    // The wizard reads its input and never changes it.
    return std::unique_ptr<CNode>(CDlgWohnungsstation::ShowDialog(const_cast<CNode*>(input), parent));
}

QList<DrawingItem> CurrentSymbolItems(QString& why, bool justClicked) {
    const std::unique_ptr<CNode> props(DlgSymbols::GetSymbolProps());
    if (!props) {
        why = HostText(
            "Kein aktuelles Symbol: im Symbolfenster oder in einer Symbolleiste ein Symbol anklicken, "
            "oder SYMBOL mit einem Blocknamen eingeben.");
        return {};
    }
    // The slide the window showed for the symbol is the one to draw.
    QString preview;
    if (justClicked)
        if (const auto* button = qobject_cast<const CSymbolButton*>(DlgSymbols::GetSymbolButton()))
            preview = button->SlideFile();
    const QList<DrawingItem> items =
        SymbolPlacement::ItemsFromSymbolProps(*props, preview, DlgSymbols::GetValue(L"SlideName"));
    if (items.isEmpty())
        why = HostText("Das aktuelle Symbol nennt keinen Block.");
    return items;
}

QWidget* CreateSymbolsWindow(QWidget* parent, long long (*options)(QWidget*)) {
    DlgSymbols::SetShowSymbolOptionsFunc(options);
    QWidget* window = nullptr;
    return CDlgSymbols::CreateWnd(window, parent) ? window : nullptr;
}

void RefreshSymbolsWindow(QWidget* window) {
    if (!window)
        return;
    QEvent refresh(QEvent::Type(CDlgSymbols::kRefreshFileListEvent));
    QCoreApplication::sendEvent(window, &refresh);
}

QList<DrawingItem> ItemsForBlock(const QString& blockName, QString& why) {
    CSymbolFileManager* manager = CSymbolFileManager::GetInstance();
    manager->CollectFiles();
    const CNode* symbol = manager->LookupSymbol(blockName);
    if (!symbol) {
        why = HostText("Kein Symbol mit diesem Blocknamen in der Symbolbibliothek.");
        return {};
    }
    const CSymbolFile* file = manager->FileOfNode(symbol);
    const QString folder = file ? QFileInfo(file->m_path).absolutePath() : QString();
    auto value = [&](const char* key) {
        return file ? file->GetSymbolValue(symbol, QString::fromLatin1(key))
                    : Symbols::GetSymbolValue(symbol, QString::fromLatin1(key));
    };
    // The node the module would answer for this symbol, as far as the placement reads it.
    CNode props(QStringLiteral("SymbolProps"));
    props.AddLeaf(QStringLiteral("BlockName"), value("BlockName"));
    props.AddLeaf(QStringLiteral("SymbolsDir"), folder + QStringLiteral("/Symbols/"));
    if (Symbols::IntegerOfText(value("UseBlockPair")) >= 1)
        props.AddLeaf(QStringLiteral("SecondBlockName"), value("SecondBlockName"));
    return SymbolPlacement::ItemsFromSymbolProps(props, QString(), value("SlideName"));
}

QString SymbolFilePath(const QString& blockName) {
    CSymbolFileManager* manager = CSymbolFileManager::GetInstance();
    manager->CollectFiles();
    const CNode* symbol = manager->LookupSymbol(blockName);
    const CSymbolFile* file = symbol ? manager->FileOfNode(symbol) : nullptr;
    return file ? file->m_path : QString();
}

QStringList ToolbarCodes() {
    return {QStringLiteral("H"), QStringLiteral("S"), QStringLiteral("L"),
            QStringLiteral("E"), QStringLiteral("A"), QStringLiteral("G"),
            QStringLiteral("K"), QStringLiteral("B"), QStringLiteral("USER")};
}

QString ToolbarTitle(const QString& code) {
    return CSymbolToolbarManager::GetInstance()->Title(code);
}

void OpenToolbar(const QString& code, bool revit) {
    if (code == u"USER") {
        SymbolToolbars::OnOpenUserToolbar(QString());
    } else if (revit) {
        SymbolToolbars::OnOpenToolbar(QStringLiteral("ORVSYMBOLLEISTE_") + code);
    } else {
        COrvaneVarsMgr& vars = COrvaneVarsMgr::GetInstance();
        vars.make(QStringLiteral("CUR_GLOBAL_GEWERK_KZL"), code, eVarSaveProcess);
        vars.set(QStringLiteral("CUR_GLOBAL_GEWERK_KZL"), code, eVarSaveProcess);
        SymbolToolbars::OnOpenToolbar(QStringLiteral("ORVSYMBOLLEISTE"));
    }
}

int OpenToolbarCount() {
    return int(CSymbolToolbarManager::GetInstance()->Toolbars().size());
}

QList<QWidget*> Toolbars() {
    QList<QWidget*> windows;
    for (CDlgSymbolToolbar* toolbar : CSymbolToolbarManager::GetInstance()->Toolbars())
        windows << toolbar;
    return windows;
}

void RestoreToolbars() {
    CSymbolToolbarManager::GetInstance()->RestoreToolbars();
}

void ShowToolbars(bool show) {
    CSymbolToolbarManager::GetInstance()->ShowToolbars(show ? 1 : 0);
}

void StoreAndCloseToolbars() {
    CSymbolToolbarManager::GetInstance()->StoreToolbars();
    CSymbolToolbarManager::DestroyInstance();
}

int RefreshSymbols() {
    // Never Reset here: the module's windows hold the manager's files. Collecting again
    // reloads what changed (every file in master mode) and flags the windows to reload.
    CSymbolFileManager* manager = CSymbolFileManager::GetInstance();
    manager->CollectFiles();
    return int(manager->FilePaths().size());
}

bool MaterialLibraryFound() {
    // Looked for beside the module, as the module looks for it.
    return LoadOrvaneLib(QStringLiteral("OrvMat"), reinterpret_cast<HINSTANCE>(&OrvaneModuleStart)) !=
           nullptr;
}

} // namespace ModuleBridge
