#pragma once

#include "stations/requirement_forms.h"

#include "corekit/widgets/dialog_ext.h"

class QGroupBox;
class QLineEdit;

// "Anforderung Fußbodenheizung": the floor-heating requirement on the secondary side. OK
// closes only when every field is inside its range; Record() is then the edited copy.
class CDlgAnforderungHz : public CDialogExt {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3302;

    explicit CDlgAnforderungHz(const WoSt::tReqHz& record, QWidget* parent = nullptr);
    ~CDlgAnforderungHz() override;

    const WoSt::tReqHz& Record() const { return m_form.Record(); }
    QLineEdit* Field(int control) const;

    void accept() override;

private:
    void CreateControls();
    void ShowEntries();
    void EnableCircuitFields();

    WoSt::CHzRequirementForm m_form;
    QGroupBox* m_group = nullptr;
};
