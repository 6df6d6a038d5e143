#include "hydraulics/dlg_hydraulics.h"

#include "hydraulics/dlg_text.h"
#include "hydraulics/hydraulics_settings.h"
#include "hydraulics/option_rules.h"
#include "hydraulics/registry_settings.h"
#include "hydraulics/schematic_view.h"

#include "corekit/node.h"

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

QString ModuleSettingsKey() {
    return QStringLiteral("Orvane\\OrvanePlanungUI20\\");
}

} // namespace

CNode* CDlgHydraulics::Show(CNode*) {
    CDlgHydraulics dialog;
    return dialog.exec() == QDialog::Accepted ? dialog.Model().CreateHydDataNode() : nullptr;
}

CDlgHydraulics::CDlgHydraulics(std::unique_ptr<IHydraulicsSettings> settings, QWidget* parent)
    : QDialog(parent), m_settings(std::move(settings)) {
    if (!m_settings)
        m_settings = std::make_unique<CRegistryHydraulicsSettings>(
            CRegistryHydraulicsSettings::ForModule(ModuleSettingsKey()));
    setWindowTitle(HydText("Hydraulische Schaltungen"));
    CreateControls();
    resize(kStartSize);
    setMinimumSize(kStartSize);
    RestorePosition();
    ReadModelSettings(m_model, *m_settings);
    FillTypeList();
    PlaceButtons();
    OnSelChange_CmbHydMode();
}

CDlgHydraulics::~CDlgHydraulics() {
    if (!m_stored)
        StoreSettings();
}

void CDlgHydraulics::CreateControls() {
    // The schematic fills the client area underneath every control.
    m_view = new CSchematicView(m_model, this);
    m_cmbType = new QComboBox(this);
    m_cmbType->setObjectName(QString::number(IDC_CMB_HYDMODE));
    m_cmbType->setGeometry(kMargin, kMargin, 300, m_cmbType->sizeHint().height());
    m_valveGroup = new QButtonGroup(this);
    const int radioIds[3] = {IDC_RAD_VALVE0, IDC_RAD_VALVE1, IDC_RAD_VALVE2};
    for (int i = 0; i < 3; ++i) {
        m_radValve[i] = new QRadioButton(this);
        m_radValve[i]->setObjectName(QString::number(radioIds[i]));
        m_radValve[i]->move(kMargin + 2, m_cmbType->geometry().bottom() + 12 + 24 * i);
        m_valveGroup->addButton(m_radValve[i], i);
        connect(m_radValve[i], &QAbstractButton::clicked, this, &CDlgHydraulics::OnOptionClicked);
    }
    m_chkSupply = new QCheckBox(HydText("Regelarmatur im Vorlauf"), this);
    m_chkSupply->setObjectName(QString::number(IDC_CHK_VORLAUF));
    m_chkActuator = new QCheckBox(HydText("mit Stellmotor"), this);
    m_chkActuator->setObjectName(QString::number(IDC_CHK_STELLMOTOR));
    m_chkExtra = new QCheckBox(HydText("mit Rückflussverhinderer"), this);
    m_chkExtra->setObjectName(QString::number(IDC_CHK_EXTRA));
    for (QCheckBox* box : {m_chkSupply, m_chkActuator, m_chkExtra})
        connect(box, &QAbstractButton::clicked, this, &CDlgHydraulics::OnOptionClicked);
    m_btnDraw = new QPushButton(HydText("Zeichnen"), this);
    m_btnDraw->setObjectName(QString::number(IDC_BTN_ZEICHNEN));
    m_btnDraw->setDefault(true);
    m_btnClose = new QPushButton(HydText("Schließen"), this);
    m_btnClose->setObjectName(QString::number(IDC_BTN_SCHLIESSEN));
    for (QPushButton* button : {m_btnDraw, m_btnClose})
        button->resize(std::max(100, button->sizeHint().width()), button->sizeHint().height());
    connect(m_btnDraw, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* CDlgHydraulics::Control(int id) const {
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void CDlgHydraulics::FillTypeList() {
    for (const tCircuitTypeEntry& entry : CircuitTypeList())
        m_cmbType->addItem(HydText(entry.name), entry.type);
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
        m_radValve[i]->setText(HydText(rules.radioLabels[i]));
        m_radValve[i]->adjustSize();
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
        m_chkExtra->setText(HydText(rules.extraLabel));
    m_chkExtra->setVisible(rules.extraOption != ExtraOption::None);
    for (QCheckBox* box : {m_chkSupply, m_chkActuator, m_chkExtra})
        box->adjustSize();
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
    QDialog::resizeEvent(event);
    PlaceButtons();
}

void CDlgHydraulics::RestorePosition() {
    const auto stored = m_settings->ReadWindowPosition();
    if (!stored)
        return;
    const QStringList parts = stored->split(u',');
    if (parts.size() != 4)
        return;
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return;
    }
    move(values[0], values[1]);
    resize(QSize(values[2], values[3]).expandedTo(minimumSize()));
}

void CDlgHydraulics::StoreSettings() {
    m_stored = true;
    StoreControls();
    WriteModelSettings(m_model, *m_settings);
    m_settings->WriteWindowPosition(
        QStringLiteral("%1,%2,%3,%4").arg(pos().x()).arg(pos().y()).arg(width()).arg(height()));
}

void CDlgHydraulics::done(int result) {
    if (!m_stored)
        StoreSettings();
    QDialog::done(result);
}
