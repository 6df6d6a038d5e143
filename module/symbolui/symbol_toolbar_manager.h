#pragma once

#include "orvane_export.h"
#include "symbolui/dlg_symbol_toolbar.h"

#include <QHash>
#include <QString>

#include <vector>

// The open symbol toolbars of the process, one or more per trade, in the order they were
// opened; it owns them. It remembers in the user's settings which toolbars were open, so that
// the next start reopens them where they were.
class ORVANE_EXPORT CSymbolToolbarManager {
public:
    // Made on first use from the module's application object and symbol file manager;
    // DestroyInstance (also run when the application quits) closes every toolbar.
    static CSymbolToolbarManager* GetInstance();
    static void DestroyInstance();

    // `moduleKey` is the module's settings key; toolbars get `toolbarContext` (its manager
    // is set to this one) and `hostWindow` as their parent.
    CSymbolToolbarManager(const QString& moduleKey, const SymbolToolbarContext& toolbarContext,
                          QWidget* hostWindow = nullptr);
    ~CSymbolToolbarManager();
    CSymbolToolbarManager(const CSymbolToolbarManager&) = delete;
    CSymbolToolbarManager& operator=(const CSymbolToolbarManager&) = delete;

    // Reopens the toolbars of the last run, or shows the open ones.
    void RestoreToolbars();
    void ShowToolbars(int show);
    // Marks every open toolbar as open for the next run.
    void StoreToolbars();
    // 1 when a toolbar for the trade code is open afterwards, 0 when its window failed.
    int OpenToolbar(const QString& code);
    // Opens the toolbar a host command names (see SymbolToolbars::OnOpenToolbar); the current
    // trade is asked of the host in the toolbar context.
    int OpenToolbarOfCommand(const QString& command);
    // The planner closed the toolbar: it goes, and stays closed at the next start.
    void CloseToolbar(CDlgSymbolToolbar* toolbar);

    const std::vector<CDlgSymbolToolbar*>& Toolbars() const { return m_toolbars; }
    // The window title of a trade's toolbar, translated once.
    QString Title(const QString& code);

    QString m_regKey;

private:
    SymbolToolbarContext m_toolbarContext;
    QWidget* m_hostWindow;
    std::vector<CDlgSymbolToolbar*> m_toolbars;
    QHash<QString, QString> m_titles;
};

// The host's commands that open a toolbar.
namespace SymbolToolbars {
// The current trade ("CUR_GLOBAL_GEWERK_KZL") in the drawing host; in Revit the last letter of
// the command, whose names end in the trade letter. Opened by the process-wide manager.
ORVANE_EXPORT void OnOpenToolbar(const QString& command);
// The toolbar of the planner's own symbols ("USER"); the command is not used.
ORVANE_EXPORT void OnOpenUserToolbar(const QString& command);
// The trade code OnOpenToolbar opens.
ORVANE_EXPORT QString TradeOfCommand(const QString& command, bool revit, const QString& currentTrade);
} // namespace SymbolToolbars
