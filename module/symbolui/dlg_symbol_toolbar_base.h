#pragma once

#include "orvane_export.h"
#include "symbolui/toolbar_grid.h"

#include "corekit/widgets/dialog_ext.h"

#include <memory>
#include <vector>

class CNode;
class CSymbolButton;
class CSymbolFile;
class CSymbolFileManager;
class QComboBox;

// The base of page windows that other modules build: a window showing one page of symbol
// buttons at a time, with a pages combo box and optional back and forward buttons. The
// deriving class makes the controls, registers them under their numbers (SetControl: the
// combo box 2682, required; back 2681 and forward 2680, optional), then runs OnInitDialog. It
// fills the combo box in LoadPages, builds the buttons of the selected page in FillPage, and
// places them with RecalcLayout and CalcButtonRect. A page change by the combo box is posted
// to the parent window as ToolbarEvents::PageChangedEvent (2664).
class ORVANE_EXPORT CDlgSymbolToolbarBase : public CModelessDialog {
    Q_OBJECT
public:
    enum ControlId { IDC_BTN_FORWARD = 2680, IDC_BTN_BACK = 2681, IDC_CMB_PAGES = 2682 };
    static constexpr int kLoadTimerId = 1024;

    CDlgSymbolToolbarBase(int templateId, QWidget* parent);
    ~CDlgSymbolToolbarBase() override;

    // Connects the registered page controls.
    virtual void DoDataExchange();
    // Tool tips of the page controls; hides them until the pages are known. True.
    virtual bool OnInitDialog();

    // Measures the window for a page and frees the grid; shows or hides the page controls.
    void RecalcLayout(const QSize& buttonSize);
    // The next button's rectangle, empty when the page is full.
    QRect CalcButtonRect(const CNode* symbol);

    void SelectPage(int index);
    void OnSelChange_CmbPages();

    int CurrentFileIndex() const { return m_curFile; }
    const CToolbarGrid& Grid() const { return m_grid; }
    QComboBox* PagesComboBox() const;

    // The display scale the button sizes are multiplied with; 1.0 where the window system
    // scales already (Qt's logical pixels).
    void SetScaleFactor(double factor) { m_scaleFactor = factor; }

protected:
    virtual void FillPage() = 0;
    virtual void LoadPages() = 0;
    // Starts the one-time delay after which LoadPages runs, once the window is up.
    void StartLoadTimer(int milliseconds = 10);
    // For a deriving class whose m_files come from `manager` (null: from none): before the
    // manager deletes trees (a reset, a file read anew) the window lets go of m_files, its
    // buttons and the page list, and LoadPages runs again once the event loop turns. Other
    // pointers into the files the deriving class keeps, it lets go of in LoadPages.
    void FollowFilesOf(CSymbolFileManager* manager);
    void timerEvent(QTimerEvent* event) override;

    std::vector<CSymbolFile*> m_files;
    std::vector<std::unique_ptr<CSymbolButton>> m_buttons;
    int m_curFile = -1;

private:
    void OnStepPage(bool forward);
    void UpdateFileIndex();
    void ForgetFiles();

    CToolbarGrid m_grid;
    double m_scaleFactor = 1.0;
    int m_loadTimer = 0;
    CSymbolFileManager* m_manager = nullptr;
    int m_treeNotice = 0;
};
