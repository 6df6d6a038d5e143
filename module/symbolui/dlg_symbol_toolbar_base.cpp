#include "dlg_symbol_toolbar_base.h"

#include "symbolui/symbol_page_list.h"
#include "symbolui/toolbar_events.h"

#include "frame/app.h"
#include "slides/symbol_button.h"
#include "symbols/symbol_file_manager.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>
#include <QTimerEvent>

CDlgSymbolToolbarBase::CDlgSymbolToolbarBase(int templateId, QWidget* parent)
    : CModelessDialog(templateId, parent) {}

CDlgSymbolToolbarBase::~CDlgSymbolToolbarBase() {
    FollowFilesOf(nullptr);
}

void CDlgSymbolToolbarBase::FollowFilesOf(CSymbolFileManager* manager) {
    if (m_manager)
        m_manager->StopNotifying(m_treeNotice);
    m_manager = manager;
    m_treeNotice = manager ? manager->NotifyBeforeTreesGo([this] { ForgetFiles(); }) : 0;
}

void CDlgSymbolToolbarBase::ForgetFiles() {
    if (QComboBox* combo = PagesComboBox()) {
        const QSignalBlocker blocker(combo);
        combo->clear(); // its items hold the pages
    }
    m_files.clear();
    m_curFile = -1;
    // The manager may be called from a click on one of them: they go once it is handled.
    for (std::unique_ptr<CSymbolButton>& button : m_buttons) {
        button->hide();
        button.release()->deleteLater();
    }
    m_buttons.clear();
    StartLoadTimer(0);
}

QComboBox* CDlgSymbolToolbarBase::PagesComboBox() const {
    return qobject_cast<QComboBox*>(GetDlgItem(IDC_CMB_PAGES));
}

void CDlgSymbolToolbarBase::DoDataExchange() {
    if (QComboBox* combo = PagesComboBox())
        connect(combo, &QComboBox::activated, this, [this] { OnSelChange_CmbPages(); });
    if (auto* back = qobject_cast<QAbstractButton*>(GetDlgItem(IDC_BTN_BACK)))
        connect(back, &QAbstractButton::clicked, this, [this] { OnStepPage(false); });
    if (auto* forward = qobject_cast<QAbstractButton*>(GetDlgItem(IDC_BTN_FORWARD)))
        connect(forward, &QAbstractButton::clicked, this, [this] { OnStepPage(true); });
}

bool CDlgSymbolToolbarBase::OnInitDialog() {
    DoDataExchange();
    const struct {
        int id;
        const char* text;
    } tips[] = {{IDC_BTN_BACK, "zurück"}, {IDC_BTN_FORWARD, "weiter"}, {IDC_CMB_PAGES, "Seiten"}};
    for (const auto& tip : tips) {
        SetControlToolTip(tip.id, ModuleText(tip.text));
        if (QWidget* control = GetDlgItem(tip.id))
            control->setAccessibleName(ModuleText(tip.text));
        ShowControl(tip.id, false);
    }
    return true;
}

void CDlgSymbolToolbarBase::RecalcLayout(const QSize& buttonSize) {
    QComboBox* combo = PagesComboBox();
    ToolbarGridFrame frame;
    frame.client = rect();
    frame.pageCount = combo ? combo->count() : 0;
    if (QWidget* back = GetDlgItem(IDC_BTN_BACK))
        frame.backButton = back->geometry();
    frame.comboBox = combo ? combo->geometry() : QRect();
    frame.scaleFactor = m_scaleFactor;
    const ToolbarGridControls controls = m_grid.RecalcLayout(buttonSize, frame);
    ShowControl(IDC_BTN_BACK, controls.showStepButtons);
    ShowControl(IDC_BTN_FORWARD, controls.showStepButtons);
    ShowControl(IDC_CMB_PAGES, controls.showComboBox);
    if (combo && controls.comboBoxMovedTo) {
        combo->setGeometry(*controls.comboBoxMovedTo);
        combo->update();
    }
}

QRect CDlgSymbolToolbarBase::CalcButtonRect(const CNode* symbol) {
    return m_grid.CalcButtonRect(symbol);
}

void CDlgSymbolToolbarBase::SelectPage(int index) {
    QComboBox* combo = PagesComboBox();
    if (!combo || index == combo->currentIndex() || index < 0 || index >= combo->count())
        return;
    combo->setCurrentIndex(index);
    OnSelChange_CmbPages();
}

void CDlgSymbolToolbarBase::UpdateFileIndex() {
    QComboBox* combo = PagesComboBox();
    const std::optional<int> selection =
        combo && combo->currentIndex() >= 0 ? std::optional<int>(combo->currentIndex()) : std::nullopt;
    m_curFile = FileIndexOfPage(m_files, selection, m_curFile);
}

void CDlgSymbolToolbarBase::OnSelChange_CmbPages() {
    QComboBox* combo = PagesComboBox();
    if (!combo || combo->currentIndex() < 0)
        return;
    UpdateFileIndex();
    FillPage();
    if (QWidget* parent = parentWidget())
        QCoreApplication::postEvent(parent, new ToolbarEvents::PageChangedEvent(combo->currentIndex()));
}

void CDlgSymbolToolbarBase::OnStepPage(bool forward) {
    QComboBox* combo = PagesComboBox();
    if (!combo)
        return;
    const std::optional<int> selection =
        combo->currentIndex() >= 0 ? std::optional<int>(combo->currentIndex()) : std::nullopt;
    const std::optional<int> next = ::StepPage(selection, combo->count(), forward);
    if (!next)
        return;
    combo->setCurrentIndex(*next);
    UpdateFileIndex();
    FillPage();
}

void CDlgSymbolToolbarBase::StartLoadTimer(int milliseconds) {
    if (m_loadTimer)
        killTimer(m_loadTimer);
    m_loadTimer = startTimer(milliseconds);
}

void CDlgSymbolToolbarBase::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_loadTimer || m_loadTimer == 0) {
        CModelessDialog::timerEvent(event);
        return;
    }
    killTimer(m_loadTimer);
    m_loadTimer = 0;
    LoadPages();
}
