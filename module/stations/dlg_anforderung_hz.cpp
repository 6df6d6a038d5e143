#include "stations/dlg_anforderung_hz.h"

#include "stations/requirement_dialog_support.h"
#include "stations/station_text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace WoSt;

namespace {

constexpr int kFieldOrder[] = {HzControl::SupplyTemperature, HzControl::ReturnTemperature,
                               HzControl::Circuits,          HzControl::HeatOutput,
                               HzControl::PressureLoss,      HzControl::WaterContent};

} // namespace

CDlgAnforderungHz::CDlgAnforderungHz(const tReqHz& record, QWidget* parent)
    : CDialogExt(kTemplateId, parent), m_form(record) {
    setWindowTitle(T("Anforderung Fußbodenheizung"));
    CreateControls();
    ShowEntries();
}

CDlgAnforderungHz::~CDlgAnforderungHz() {
    // A field with the focus reports the end of its editing while the children are destroyed,
    // when this dialog's own part is already gone.
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->disconnect(this);
}

void CDlgAnforderungHz::CreateControls() {
    m_group = new QGroupBox(m_form.GroupTitle(T("Sekundärseite")), this);
    SetControl(HzControl::Group, m_group);
    auto* form = new QFormLayout(m_group);
    const QString longest = CHzRequirementForm::LongestEntry();
    AddNumberRow(*this, *form, HzControl::SupplyTemperature, "Vorlauftemp.", "°C", longest);
    AddNumberRow(*this, *form, HzControl::ReturnTemperature, "Rücklauftemp.", "°C", longest);
    form->addRow(new QLabel(T("Wenn Verteiler im Gerät enthalten:"), this));
    AddNumberRow(*this, *form, HzControl::Circuits, "Anzahl FBH-Kreise", "", longest);
    AddNumberRow(*this, *form, HzControl::HeatOutput, "Wärmeleistung", "W", longest);
    AddNumberRow(*this, *form, HzControl::PressureLoss, "Druckverlust", "Pa", longest);
    AddNumberRow(*this, *form, HzControl::WaterContent, "Wasserinhalt", "l", longest);
    for (int control : kFieldOrder)
        connect(Field(control), &QLineEdit::editingFinished, this, [this] { SetModified(); });
    connect(Field(HzControl::Circuits), &QLineEdit::textChanged, this,
            &CDlgAnforderungHz::EnableCircuitFields);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(T("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(T("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    SetControl(1, ok);
    SetControl(2, cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgAnforderungHz::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgAnforderungHz::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addWidget(buttons);
}

QLineEdit* CDlgAnforderungHz::Field(int control) const {
    return qobject_cast<QLineEdit*>(GetDlgItem(control));
}

void CDlgAnforderungHz::ShowEntries() {
    const tHzEntries e = m_form.Entries();
    const QString texts[] = {e.tVL, e.tRL, e.nFbh, e.q, e.dp, e.vol};
    for (int i = 0; i < 6; ++i)
        Field(kFieldOrder[i])->setText(texts[i]);
    EnableCircuitFields();
}

void CDlgAnforderungHz::EnableCircuitFields() {
    const bool enabled = CHzRequirementForm::CircuitFieldsEnabled(Field(HzControl::Circuits)->text().toInt());
    for (int control : {HzControl::HeatOutput, HzControl::PressureLoss, HzControl::WaterContent})
        EnableControl(control, enabled);
}

void CDlgAnforderungHz::accept() {
    const tHzEntries e{
        Field(HzControl::SupplyTemperature)->text(), Field(HzControl::ReturnTemperature)->text(),
        Field(HzControl::Circuits)->text(),          Field(HzControl::HeatOutput)->text(),
        Field(HzControl::PressureLoss)->text(),      Field(HzControl::WaterContent)->text()};
    if (const auto error = m_form.Read(e)) {
        ShowFieldError(*this, *error);
        return;
    }
    CDialogExt::accept();
}
