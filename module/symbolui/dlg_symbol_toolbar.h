#pragma once

#include "orvane_export.h"
#include "symbolui/symbol_search_flow.h"

#include "corekit/widgets/dialog_ext.h"

#include <QSize>

#include <functional>
#include <memory>
#include <vector>

class CDesktopButton;
class CDesktopDesignManager;
class CDlgSymbolToolbarProperties;
class CNode;
class CSlide;
class CSymbolButton;
class CSymbolFile;
class CSymbolFileManager;
class CSymbolToolbarManager;
class ISymbolsHost;
class QComboBox;
struct SymbolFilterValues;

// What a symbol toolbar needs of its surroundings.
struct SymbolToolbarContext {
    CSymbolFileManager* fileManager = nullptr;
    // Asked for the button colour variables; without it their defaults apply.
    ISymbolsHost* host = nullptr;
    CSymbolToolbarManager* manager = nullptr; // told when the planner closes the toolbar
    bool isRevit = false;
    QString revitVersion;
    // Where the window system does not scale by itself; Qt's logical pixels need 1.0.
    double scaleFactor = 1.0;
    // The design whose arrow images the page buttons show, and the supplied support folder
    // with the image list of the other small buttons; without them the buttons show glyphs.
    CDesktopDesignManager* designs = nullptr;
    QString supportFolder;
};

// A floating, resizable window showing the pages of one trade's symbol files, one page of
// symbol buttons at a time, in rows or at fixed places over the page's background slide.
class ORVANE_EXPORT CDlgSymbolToolbar : public CModelessDialog, private ISymbolSearchWindow {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3091;
    enum ControlId {
        IDC_BTN_BACK = 1964,
        IDC_BTN_FORWARD = 1963,
        IDC_CMB_PAGES = 1970,
        IDC_BTN_STANDARD_SIZE = 1965,
        IDC_BTN_STRETCH = 1966,
        IDC_BTN_OPTIONS = 1967,
        IDC_BTN_SEARCH = 1971,
        IDC_BTN_SEARCH_NEXT = 2024,
        kFirstSymbolButtonId = 5000,
    };
    static constexpr QSize kMinimumSize{329, 108};

    CDlgSymbolToolbar(const SymbolToolbarContext& context, QWidget* parent = nullptr);
    ~CDlgSymbolToolbar() override;

    void SetName(const QString& name) { m_name = name; }
    const QString& Name() const { return m_name; }

    // Builds and connects the controls, reads the stretch setting, remembers the default size
    // and starts the short delay after which the pages are loaded.
    bool OnInitDialog();
    void LoadPages();
    void FillPage();
    void SelectPage(int index);
    void StepPage(bool forward);
    void ToggleStretch();
    void RestoreStandardSize();
    // The page title dialog for the selected page, as a right click in the free area runs it.
    void EditPageTitle();
    // The text search over the pages: asks for the text, or finds the next match. The first
    // page with a match is shown and its matching buttons are marked.
    void OnSearchSymbol();
    void OnSearchNext();
    const std::vector<CSymbolButton*>& MarkedButtons() const { return m_markedButtons; }
    // 1 when the point (global coordinates) lies inside the window, else 0.
    int IsMouseInside(const QPoint& globalPos) const;

    int CurrentFileIndex() const { return m_curFile; }
    const std::vector<CSymbolFile*>& Files() const { return m_files; }
    const std::vector<CSymbolButton*>& Buttons() const { return m_buttons; }
    // The buttons in use on the shown page (the rest are hidden spares).
    int UsedButtonCount() const { return m_usedButtons; }
    bool IsStretched() const { return m_stretchButtons != 0; }
    QSize DefaultSize() const { return m_defaultSize; }
    const CSlide* Background() const { return m_pBackground.get(); }
    QComboBox* PagesList() const { return m_pages; }
    CNode* SelectedPage() const;

    // Runs the page title dialog; tests replace it to answer for the planner.
    std::function<int(CDlgSymbolToolbarProperties&)> runPropertiesDialog;

signals:
    void pageFilled();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // The filter values of the file manager's context; none without a manager.
    SymbolFilterValues Filters() const;
    void CreateControls();
    void PlaceControls();
    void UpdateStretchFace();
    void OnSelChange();
    // The manager deletes trees (NotifyBeforeTreesGo): every pointer into its files goes now,
    // and the pages are read again on the next turn of the event loop unless this window is
    // reading them already.
    void ForgetFiles();
    void OnSymbolClicked(CSymbolButton* button);
    void OnSymbolRightClicked(CSymbolButton* button);
    void ClearMarks();
    // The search over the pages list.
    int SearchPageCount() const override;
    CNode* SearchPage(int index) const override;
    int SearchSelection() const override;
    void ShowSearchPage(int index) override { SelectPage(index); }
    void ClearSearchMarks() override { ClearMarks(); }
    void MarkSearchMatches(const std::vector<CNode*>& matches) override;
    QString SearchCaption() const override { return windowTitle(); }
    void LoadBackground(const CNode* page, const QString& slidesFolder);
    CSymbolButton* ButtonAt(int index);
    void StorePageIndex() const;
    void CloseByPlanner();

    SymbolToolbarContext m_context;
    QString m_name;
    std::vector<CSymbolFile*> m_files;
    int m_curFile = -1;
    std::vector<CSymbolButton*> m_buttons; // children of the window
    int m_usedButtons = 0;
    std::vector<CSymbolButton*> m_markedButtons;
    std::unique_ptr<CSlide> m_pBackground;
    QString m_pageIndexValue;
    int m_stretchButtons = 1;
    QSize m_defaultSize;
    SymbolSearchFlow m_searchFlow;
    bool m_closing = false;
    int m_treeNotice = 0;
    bool m_readAgain = false; // files were let go of and not read again yet

    CDesktopButton* m_back = nullptr;
    CDesktopButton* m_forward = nullptr;
    QComboBox* m_pages = nullptr;
    CDesktopButton* m_standardSize = nullptr;
    CDesktopButton* m_stretch = nullptr;
    CDesktopButton* m_options = nullptr;
    CDesktopButton* m_search = nullptr;
    CDesktopButton* m_searchNext = nullptr;
};
