#pragma once

#include "hydraulics/circuit_model.h"
#include "orvane_export.h"

#include "corekit/widgets/dialog_ext.h"

class CNode;
class CSchematicView;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

// "Hydraulische Schaltungen": the planner picks a circuit type with its valve and options
// and sees the schematic live; "Zeichnen" hands the choice to the host as a "HydData" node.
class CDlgHydraulics : public CDialogExt {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3101;
    // Control identifiers, registered with the base and found by GetDlgItem.
    enum ControlId {
        IDC_CMB_HYDMODE = 1544,
        IDC_RAD_VALVE0 = 2104,
        IDC_RAD_VALVE1 = 2105,
        IDC_RAD_VALVE2 = 2106,
        IDC_CHK_VORLAUF = 1541,
        IDC_CHK_STELLMOTOR = 1542,
        IDC_CHK_EXTRA = 1543,
        IDC_BTN_ZEICHNEN = 1097,
        IDC_BTN_SCHLIESSEN = 2,
    };
    static constexpr int kButtonMargin = 5;

    // Runs the dialog modally with the module's resources current. A new "HydData" node owned
    // by the caller after "Zeichnen", null after "Schließen". The node passed in is not read.
    ORVANE_EXPORT static CNode* Show(CNode* node);

    // Reads the last choice from the user's settings under the dialog's key.
    explicit CDlgHydraulics(QWidget* parent = nullptr);
    ~CDlgHydraulics() override;

    const CHydraulicsModel& Model() const { return m_model; }
    CSchematicView* SchematicView() const { return m_view; }

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void FillTypeList();
    void OnSelChange_CmbHydMode();
    void OnOptionClicked();
    void LoadControls();  // model -> controls, with the option rules
    void StoreControls(); // controls -> model
    void PlaceButtons();
    void StoreSettings();

    CHydraulicsModel m_model;
    QString m_settingsKey;
    CSchematicView* m_view = nullptr;
    QComboBox* m_cmbType = nullptr;
    QButtonGroup* m_valveGroup = nullptr;
    QRadioButton* m_radValve[3] = {};
    QCheckBox* m_chkSupply = nullptr;
    QCheckBox* m_chkActuator = nullptr;
    QCheckBox* m_chkExtra = nullptr;
    QPushButton* m_btnDraw = nullptr;
    QPushButton* m_btnClose = nullptr;
    bool m_stored = false;
};
