#pragma once

#include "stations/requirement_forms.h"

#include "corekit/widgets/dialog_ext.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// "Anforderung Trinkwasser": the drinking-water requirement. Works on a copy of the record;
// the wizard takes Record() back only when the dialog ends with OK. Heat output and tap rate
// show each other's conversion whenever a changed field is left.
class CDlgAnforderungTw : public CDialogExt {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3301;

    CDlgAnforderungTw(const WoSt::tReqTw& record, WoSt::tTwProductInfo product, QWidget* parent = nullptr);
    ~CDlgAnforderungTw() override;

    const WoSt::tReqTw& Record() const { return m_form.Record(); }
    QLineEdit* Field(int control) const;

    void accept() override;

private:
    void CreateControls();
    void ShowEntries();
    WoSt::tTwEntries ReadEntries() const;
    bool Refused(const std::optional<WoSt::tFieldError>& error);
    void OnFocusChanged(QWidget* old, QWidget* now);
    void OnTapRateChosen(int index);

    WoSt::CTwRequirementForm m_form;
    QLineEdit* m_tK = nullptr;
    QLineEdit* m_tW = nullptr;
    QLineEdit* m_heat = nullptr;
    QComboBox* m_tapRate = nullptr;
    QLineEdit* m_tVL = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_reading = false;
};
