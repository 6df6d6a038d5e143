#include "stations/dlg_anforderung_tw.h"

#include "stations/requirement_dialog_support.h"
#include "stations/station_text.h"

#include "frame/app.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace WoSt;

CDlgAnforderungTw::CDlgAnforderungTw(const tReqTw& record, tTwProductInfo product, QWidget* parent)
    : CDialogExt(kTemplateId, parent), m_form(record, product) {
    setWindowTitle(T("Anforderung Trinkwasser"));
    CreateControls();
    ShowEntries();
    connect(qApp, &QApplication::focusChanged, this, &CDlgAnforderungTw::OnFocusChanged);
}

// Hiding the window while it goes moves the focus; the fields are gone by then.
CDlgAnforderungTw::~CDlgAnforderungTw() {
    disconnect(qApp, nullptr, this, nullptr);
}

void CDlgAnforderungTw::CreateControls() {
    auto* group = new QGroupBox(T("Trinkwassererwärmer Auslegung"), this);
    auto* form = new QFormLayout(group);
    const QString longest = CTwRequirementForm::LongestEntry();
    m_tK = AddNumberRow(*this, *form, TwControl::ColdTemperature, "Temperatur (kalt)", "°C", longest);
    m_tW = AddNumberRow(*this, *form, TwControl::HotTemperature, "Temperatur (warm)", "°C", longest);
    m_tapRate = new QComboBox(this);
    m_tapRate->setEditable(true);
    m_tapRate->setInsertPolicy(QComboBox::NoInsert);
    m_tapRate->setAccessibleName(T("Zapfrate"));
    for (int choice : TapRateChoices())
        m_tapRate->addItem(QString::asprintf("%i", choice), choice);
    m_tapRate->setMinimumWidth(WidthShowing(*m_tapRate, longest));
    SetControl(TwControl::TapRate, m_tapRate);
    auto* tapRow = new QHBoxLayout;
    tapRow->addWidget(m_tapRate, 1);
    auto* tapUnit = new QLabel(U("l/min"), this);
    tapUnit->setMinimumWidth(40);
    tapRow->addWidget(tapUnit);
    auto* tapLabel = new QLabel(T("Zapfrate"), this);
    tapLabel->setBuddy(m_tapRate);
    form->addRow(tapLabel, tapRow);
    m_heat = AddNumberRow(*this, *form, TwControl::HeatOutput, "Wärmeleistung", "W", longest);
    m_tVL = AddNumberRow(*this, *form, TwControl::SupplyTemperature, "Temperatur, Vorlauf", "°C", longest);
    connect(m_tapRate, &QComboBox::activated, this, &CDlgAnforderungTw::OnTapRateChosen);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(T("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(T("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    SetControl(1, ok);
    SetControl(2, m_cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgAnforderungTw::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgAnforderungTw::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

QLineEdit* CDlgAnforderungTw::Field(int control) const {
    if (control == TwControl::TapRate)
        return m_tapRate->lineEdit();
    return qobject_cast<QLineEdit*>(GetDlgItem(control));
}

void CDlgAnforderungTw::ShowEntries() {
    const tTwEntries e = m_form.Entries();
    m_tK->setText(e.tK);
    m_tW->setText(e.tW);
    m_heat->setText(e.heat);
    m_tapRate->setEditText(e.tapRate);
    m_tVL->setText(e.tVL);
    for (int control : {TwControl::ColdTemperature, TwControl::HotTemperature, TwControl::HeatOutput,
                        TwControl::TapRate, TwControl::SupplyTemperature})
        Field(control)->setModified(false);
}

tTwEntries CDlgAnforderungTw::ReadEntries() const {
    return {m_tK->text(), m_tW->text(), m_heat->text(), m_tapRate->currentText(), m_tVL->text()};
}

bool CDlgAnforderungTw::Refused(const std::optional<tFieldError>& error) {
    if (!error)
        return false;
    // Moving the focus back must not read the fields a second time.
    m_reading = true;
    ShowFieldError(*this, *error);
    m_reading = false;
    return true;
}

void CDlgAnforderungTw::OnFocusChanged(QWidget* old, QWidget* now) {
    if (m_reading || !old || now == m_cancel || !isVisible())
        return;
    QLineEdit* left = nullptr;
    for (int control : {TwControl::ColdTemperature, TwControl::HotTemperature, TwControl::HeatOutput,
                        TwControl::TapRate, TwControl::SupplyTemperature})
        if (Field(control) == old)
            left = Field(control);
    if (!left || !left->isModified())
        return;
    left->setModified(false);
    if (!Refused(m_form.Read(ReadEntries())))
        ShowEntries();
}

void CDlgAnforderungTw::OnTapRateChosen(int index) {
    if (!Refused(m_form.ChooseTapRate(ReadEntries(), m_tapRate->itemData(index).toInt())))
        ShowEntries();
}

void CDlgAnforderungTw::accept() {
    if (Refused(m_form.Read(ReadEntries())))
        return;
    CDialogExt::accept();
}
