#pragma once

#include "orvane_export.h"
#include "symbolui/quick_find.h"
#include "symbolui/symbol_page_layout.h"
#include "symbolui/symbol_page_list.h"
#include "symbolui/symbol_search_flow.h"

#include "corekit/widgets/dialog_ext.h"

#include <QBasicTimer>
#include <QString>

#include <cstdint>

#include <optional>
#include <vector>

class CDesktopButton;
class CDesktopDesignManager;
class CNode;
class CSymbolButton;
class CSymbolFile;
class CSymbolFileManager;
class ISymbolsHost;
struct SymbolColourSettings;
class QComboBox;
class QFileSystemWatcher;
class QLineEdit;
class QListWidget;
class QTimer;

// What the symbols window works with: the symbol file manager, the desktop designs, the
// filters and translations of pages and symbols, the module's settings key, the folder of the
// supplied images and the display scale. Module() gives the process-wide ones; tests build
// their own.
struct SymbolsWindowContext {
    CSymbolFileManager* manager = nullptr;
    CDesktopDesignManager* designs = nullptr;
    // Asked for the window's host variables (file lists, extras); must be set.
    ISymbolsHost* host = nullptr;
    SymbolViewRules rules;
    QString regPath;
    QString supportFolder;
    // The display scale the cells are computed for; the window's own when not set.
    std::optional<double> displayScale;

    static SymbolsWindowContext Module();
};

// The docked symbols window: five small buttons (back, next, options, search, search next),
// the pages of the host's two symbol file lists, and one symbol button per shown symbol of the
// selected page. A click inserts the symbol through the host's command line, a right click
// edits its properties.
class CDlgSymbols : public CModelessDialog, private ISymbolSearchWindow {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3077;
    enum ControlId {
        IDC_BTN_BACK = 1964,
        IDC_BTN_NEXT = 1963,
        IDC_BTN_OPTIONS = 1967,
        IDC_BTN_SEARCH = 1971,
        IDC_BTN_SEARCH_NEXT = 2024,
        IDC_CMB_PAGES = 1970,
        IDC_FIRST_SYMBOL_BUTTON = 5000,
    };
    // The host sends this event when its file lists may have changed.
    static constexpr int kRefreshFileListEvent = 0x07E9;
    // The first pages are loaded this long after the window was made, once it is up.
    static constexpr int kFirstLoadDelayMs = 10;
    // How long a clicked button and a search hit stay highlighted.
    static constexpr int kClickHighlightMs = 400;
    static constexpr int kSearchHighlightMs = 60000;

    // Creates the window as a child of `parent` with the module's resources current; the host
    // owns it. Non-zero on success, with `window` set.
    ORVANE_EXPORT static int CreateWnd(QWidget*& window, QWidget* parent);

    explicit CDlgSymbols(SymbolsWindowContext context, QWidget* parent = nullptr);
    ~CDlgSymbols() override;

    void LoadPages();
    void FillPage();
    void UpdateFileIndex();
    void ClearMarks();
    void OnStepPage(bool forward);
    void OnOptions();
    void OnSearchSymbol();
    void OnSearchNext();
    // A click and a right click on symbol button `index`.
    void OnSymbolClicked(int index);
    void OnSymbolContextMenu(int index);

    int CurrentPage() const { return m_curPage; }
    int CurrentFile() const { return m_curFile; }
    int PageCount() const { return m_pageCount; }
    const QString& SearchText() const { return m_searchFlow.Text(); }
    QComboBox* PagesList() const { return m_cmbPages; }
    const std::vector<CSymbolButton*>& SymbolButtons() const { return m_buttons; }
    const std::vector<CSymbolButton*>& MarkedButtons() const { return m_markedButtons; }
    CNode* SymbolOf(int index) const;
    CSymbolFile* CurrentSymbolFile() const;
    double DisplayScale() const;
    // The rich tooltip of button `index`: the symbol's name over its help document.
    QString HelpTooltip(int index) const;

    // Our additions beyond the usual symbol browser: quick find, keyboard flow over the
    // buttons and live reload of changed files. The host variable "SYMBOLE_WINDOW_EXTRAS" = 0
    // turns them off; the window then behaves exactly as the plain one.
    bool ExtrasOn() const { return m_extras; }
    QLineEdit* QuickFindLine() const { return m_quickFind; }
    QListWidget* QuickFindHits() const { return m_quickHits; }
    const std::vector<CQuickFind::Hit>& QuickFindResult() const { return m_hits; }
    void OnQuickFindChanged(const QString& text);
    // Shows the hit's page and inserts its symbol as a click would; false when it has no button.
    bool InsertQuickFindHit(int row);
    // A watched symbol file or slide changed on disk: reloaded shortly after, once.
    void OnWatchedFileChanged(const QString& path);
    void ReloadChangedFiles();
    QFileSystemWatcher* Watcher() const { return m_watcher; }

    // The window is docked and owned by the host: Esc does not close it.
    void reject() override {}

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void CreateControls();
    // The manager deletes trees (NotifyBeforeTreesGo): every pointer into its files goes now,
    // and the pages are read again on the next turn of the event loop unless this window is
    // reading them already.
    void ForgetFiles();
    void OnSelChange_CmbPages();
    void OnRefreshFileList();
    void PlaceControls();
    void PlaceSymbolButtons();
    bool DesignApplies() const;
    CSymbolButton* ButtonAt(std::size_t index);
    void SetUpButton(CSymbolButton& button, const CSymbolFile& file, CNode& symbol, const QString& slides,
                     const SymbolColourSettings& colours, int index);
    SymbolCellSize CellSize() const;
    // The rectangle the buttons start below: the pages list, and the quick find line with it.
    QRect ListRect() const;
    void CreateExtras();
    void IndexQuickFind();
    void WatchFiles();
    bool HandleButtonKey(int index, QKeyEvent* event);
    int NeighbourButton(int index, int key) const;
    std::uint32_t PaletteFace() const;
    // The search over the pages list.
    int SearchPageCount() const override;
    CNode* SearchPage(int index) const override;
    int SearchSelection() const override;
    void ShowSearchPage(int index) override;
    void ClearSearchMarks() override { ClearMarks(); }
    void MarkSearchMatches(const std::vector<CNode*>& matches) override;
    QString SearchCaption() const override;

    SymbolsWindowContext m_context;
    SymbolSearchFlow m_searchFlow{*this, m_context.rules.dataText};
    CDesktopButton* m_imageButtons[5] = {};
    QComboBox* m_cmbPages = nullptr;
    int m_curPage = -1;
    int m_pageCount = 0;
    int m_curFile = -1;
    QString m_fileListSupport;
    std::vector<CSymbolFile*> m_files;
    std::vector<CSymbolButton*> m_buttons;
    std::vector<CNode*> m_buttonSymbols;
    std::vector<QString> m_helpDocuments; // per button; empty when it has none
    std::vector<CSymbolButton*> m_markedButtons;
    std::vector<SymbolButtonSlot> m_placed;
    QBasicTimer m_firstLoad;
    int m_treeNotice = 0;
    bool m_readAgain = false; // files were let go of and not read again yet

    bool m_extras = true;
    QLineEdit* m_quickFind = nullptr;
    QListWidget* m_quickHits = nullptr;
    CQuickFind m_quickIndex;
    std::vector<CQuickFind::Hit> m_hits;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_reloadTimer = nullptr;
    QStringList m_changedFiles;
};
