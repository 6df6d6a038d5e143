#include "hydraulics/dlg_hydraulics.h"

#include "hydraulics/hydraulics_settings.h"
#include "hydraulics/option_rules.h"
#include "hydraulics/schematic_view.h"

#include "corekit/node.h"
#include "frame/app.h"
#include "frame/resource_scope.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

using namespace Hydraulics;

namespace {

// 441 x 269 dialog units of the classic dialog font.
constexpr QSize kStartSize(662, 437);
constexpr int kMargin = 10;
constexpr int kOptionColumnWidth = 230;

// The flag word the suite's dialogs of this kind pass to the shared set-up.
constexpr unsigned kInitFlags = 0x0C420000;

QString DialogsKey() {
    return theApp.m_regPath + QStringLiteral("Dialogs");
}

} // namespace

CNode* CDlgHydraulics::Show(CNode*) {
    CModuleResourceScope resources;
    CDlgHydraulics dialog;
    return dialog.exec() == QDialog::Accepted ? dialog.Model().CreateHydDataNode() : nullptr;
}

CDlgHydraulics::CDlgHydraulics(QWidget* parent) : CDialogExt(kTemplateId, parent) {
    setWindowTitle(QStringLiteral("Hydraulische Schaltungen"));
    CreateControls();
    resize(kStartSize);
    EnableResizing();
    DialogEx::OnInitDialog(this, kInitFlags, g_pTranslationModule);
    setMinimumSize(size());
    SetRegistryPath(DialogsKey(), QStringLiteral("DlgHydraulics_WndPos"));
    RestorePosition(1);
    AdjustControlWidths(
        {IDC_CHK_VORLAUF, IDC_CHK_STELLMOTOR, IDC_RAD_VALVE0, IDC_RAD_VALVE1, IDC_RAD_VALVE2});
    m_settingsKey = GetRegistryKey() + QStringLiteral("\\DlgHydraulics");
    ReadModelSettings(m_model, m_settingsKey);
    FillTypeList();
    PlaceButtons();
    OnSelChange_CmbHydMode();
}

CDlgHydraulics::~CDlgHydraulics() {
    if (!m_stored)
        StoreSettings();
}

void CDlgHydraulics::CreateControls() {
    m_cmbType = new QComboBox(this);
    m_cmbType->setAccessibleName(ModuleText("Schaltungsart"));
    SetControl(IDC_CMB_HYDMODE, m_cmbType);
    m_cmbType->setGeometry(kMargin, kMargin, 300, m_cmbType->sizeHint().height());
    m_valveGroup = new QButtonGroup(this);
    const int radioIds[3] = {IDC_RAD_VALVE0, IDC_RAD_VALVE1, IDC_RAD_VALVE2};
    for (int i = 0; i < 3; ++i) {
        m_radValve[i] = new QRadioButton(this);
        SetControl(radioIds[i], m_radValve[i]);
        m_radValve[i]->adjustSize();
        m_radValve[i]->move(kMargin + 2, m_cmbType->geometry().bottom() + 12 + 24 * i);
        m_valveGroup->addButton(m_radValve[i], i);
        connect(m_radValve[i], &QAbstractButton::clicked, this, &CDlgHydraulics::OnOptionClicked);
    }
    m_chkSupply = new QCheckBox(QStringLiteral("Regelarmatur im Vorlauf"), this);
    SetControl(IDC_CHK_VORLAUF, m_chkSupply);
    m_chkActuator = new QCheckBox(QStringLiteral("mit Stellmotor"), this);
    SetControl(IDC_CHK_STELLMOTOR, m_chkActuator);
    m_chkExtra = new QCheckBox(QStringLiteral("mit Rückflussverhinderer"), this);
    SetControl(IDC_CHK_EXTRA, m_chkExtra);
    for (QCheckBox* box : {m_chkSupply, m_chkActuator, m_chkExtra}) {
        box->adjustSize();
        connect(box, &QAbstractButton::clicked, this, &CDlgHydraulics::OnOptionClicked);
    }
    m_btnDraw = new QPushButton(QStringLiteral("Zeichnen"), this);
    SetControl(IDC_BTN_ZEICHNEN, m_btnDraw);
    m_btnDraw->setDefault(true);
    m_btnClose = new QPushButton(QStringLiteral("Schließen"), this);
    SetControl(IDC_BTN_SCHLIESSEN, m_btnClose);
    for (QPushButton* button : {m_btnDraw, m_btnClose})
        button->resize(std::max(100, button->sizeHint().width()), button->sizeHint().height());
    connect(m_btnDraw, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::reject);
    // The schematic fills the client area underneath every control; made last, it comes last
    // in the Tab order.
    m_view = new CSchematicView(m_model, this);
    m_view->setAccessibleName(ModuleText("Schaltbild"));
    m_view->lower();
}

void CDlgHydraulics::FillTypeList() {
    for (const tCircuitTypeEntry& entry : CircuitTypeList())
        m_cmbType->addItem(ModuleText(entry.name), entry.type);
    m_cmbType->setCurrentIndex(0);
    const int stored = m_cmbType->findData(m_model.m_circuitType);
    if (stored >= 0)
        m_cmbType->setCurrentIndex(stored);
    connect(m_cmbType, &QComboBox::currentIndexChanged, this, &CDlgHydraulics::OnSelChange_CmbHydMode);
}

void CDlgHydraulics::OnSelChange_CmbHydMode() {
    const int type = m_cmbType->currentData().toInt();
    if (type != m_model.m_circuitType) {
        m_model.SetCircuitType(type);
        m_view->update();
    }
    LoadControls();
}

void CDlgHydraulics::OnOptionClicked() {
    StoreControls();
    m_view->update();
    LoadControls();
}

void CDlgHydraulics::LoadControls() {
    const tOptionRules rules = OptionRulesFor(m_model.m_circuitType);
    for (int i = 0; i < 3; ++i) {
        m_radValve[i]->setText(ModuleText(rules.radioLabels[i]));
        m_radValve[i]->setVisible(rules.valveOptionsShown);
    }
    if (QAbstractButton* radio = m_valveGroup->button(m_model.m_valveType))
        radio->setChecked(true);
    m_chkSupply->setChecked(m_model.m_valveInSupply == 1);
    m_chkActuator->setChecked(m_model.m_actuator == 1);
    m_chkSupply->setVisible(rules.valveOptionsShown);
    m_chkActuator->setVisible(rules.valveOptionsShown);
    const bool throttle = ExtraOptionBinding(m_model.m_circuitType) == ExtraOption::Throttle;
    m_chkExtra->setChecked((throttle ? m_model.m_throttle : m_model.m_checkValve) == 1);
    if (rules.extraLabel)
        m_chkExtra->setText(ModuleText(rules.extraLabel));
    m_chkExtra->setVisible(rules.extraOption != ExtraOption::None);
    AdjustControlWidths({IDC_RAD_VALVE0, IDC_RAD_VALVE1, IDC_RAD_VALVE2, IDC_CHK_EXTRA});
    PlaceButtons();
}

void CDlgHydraulics::StoreControls() {
    if (const int checked = m_valveGroup->checkedId(); checked >= 0)
        m_model.m_valveType = checked;
    m_model.m_valveInSupply = m_chkSupply->isChecked() ? 1 : 0;
    m_model.m_actuator = m_chkActuator->isChecked() ? 1 : 0;
    const int extra = m_chkExtra->isChecked() ? 1 : 0;
    if (ExtraOptionBinding(m_model.m_circuitType) == ExtraOption::Throttle)
        m_model.m_throttle = extra;
    else
        m_model.m_checkValve = extra;
}

void CDlgHydraulics::PlaceButtons() {
    const QRect client = rect();
    m_view->setGeometry(client);
    m_btnDraw->move(kButtonMargin, client.height() - kButtonMargin - m_btnDraw->height());
    m_btnClose->move(client.width() - kButtonMargin - m_btnClose->width(),
                     client.height() - kButtonMargin - m_btnClose->height());
    // The option boxes stay in the top right corner.
    const int x = client.width() - kMargin - kOptionColumnWidth;
    m_chkSupply->move(x, kMargin);
    m_chkActuator->move(x, kMargin + 24);
    m_chkExtra->move(x, kMargin + 48);
}

void CDlgHydraulics::resizeEvent(QResizeEvent* event) {
    CDialogExt::resizeEvent(event);
    PlaceButtons();
}

void CDlgHydraulics::StoreSettings() {
    m_stored = true;
    StoreControls();
    WriteModelSettings(m_model, m_settingsKey);
}

void CDlgHydraulics::done(int result) {
    if (!m_stored)
        StoreSettings();
    CDialogExt::done(result);
}
