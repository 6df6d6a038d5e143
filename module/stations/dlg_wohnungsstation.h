#pragma once

#include "orvane_export.h"
#include "stations/station_wizard.h"

#include "corekit/widgets/dialog_ext.h"

#include <memory>

class CNode;
struct DocumentSource;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Assistent Frischwasser- und Wohnungsstationen": the planner picks a manufacturer, a product
// group and up to five further levels, states the requirements and the meter data, sees the
// check and ends with "Zeichnen", "Löschen", "Holen" or "Beenden". The logic is
// WoSt::CStationWizard; this window shows it and forwards the planner's actions.
class CDlgWohnungsstation : public CDialogExt {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3300;
    enum ControlId {
        IDC_CMB_HERSTELLER = 1002,
        IDC_CMB_GRUPPE = 1003,
        IDC_BTN_ZUBEHOER = 1008,
        IDC_BTN_TRINKWASSER = 1009,
        IDC_EDT_BESCHREIBUNG = 1010,
        IDC_BTN_DATENBLATT = 1011,
        IDC_PIC_PRODUKT = 1012,
        IDC_PIC_LOGO = 1013,
        IDC_TXT_INFO = 1014,
        IDC_EDT_TW_SUMMARY = 1015,
        IDC_EDT_RESULT = 1016,
        IDC_GRP_WMZ = 1021,
        IDC_GRP_WZ = 1022,
        IDC_BTN_FBH = 1023,
        IDC_EDT_HZ_SUMMARY = 1024,
        IDC_CHK_SPIEGELN = 1041,
        IDC_BTN_BERICHT = 1050,
        IDC_PIC_DIAGRAMM = 1051,
        IDC_BTN_ZEICHNEN = 1001,
        IDC_BTN_LOESCHEN = 1027,
        IDC_BTN_HOLEN = 1028,
        IDC_BTN_BEENDEN = 2,
    };
    static constexpr int kLevelControls[WoSt::kLevelCount] = {1003, 1004, 1005, 1006, 1007, 1025};
    static constexpr int kPictureMargin = 20;

    // Runs the wizard modally with the module's resources current. The caller owns the answer:
    // "DrawStation" after "Zeichnen", "DeleteStation" after "Löschen", "GetStation" after
    // "Holen"; null after "Beenden", without catalogues, or for a null input. The material output
    // file and the report go to the user's temporary folder.
    ORVANE_EXPORT static CNode* ShowDialog(CNode* input, QWidget* parent = nullptr);

    CDlgWohnungsstation(const CNode* input, WoSt::tWizardContext context, QWidget* parent = nullptr);
    ~CDlgWohnungsstation() override;

    // Lists the catalogues and shows the first state; false (after the message) when there is
    // none, and the dialog must not be run.
    bool Initialize();
    WoSt::CStationWizard& Wizard() { return *m_wizard; }
    // The answer node for how the dialog ended (null for cancel); `tempFolder` receives the
    // material output file.
    std::unique_ptr<CNode> ResultNode(int result, const QString& tempFolder);
    QRect PictureHotRect() const;

    // Runs a requirement dialog on a copy and takes it back on OK (1009, 1023).
    void OnTrinkwasser();
    void OnFussbodenheizung();
    void OnZeichnen();
    // Writes the check report as PDF into the temporary folder and opens it.
    void OnBericht();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Opens the product's information link, when it has one.
    void OpenProductLink();
    void CreateControls();
    QWidget* CreateSelectionColumn();
    QWidget* CreateProductColumn();
    void FillCatalogues();
    void ShowState();
    void ShowLevels();
    void ShowProduct();
    void ShowCheck();
    void ShowDiagram();
    void ShowMeters();
    bool ReadMeters();
    void OnCatalogueChanged(int index);
    void OnLevelChanged(int level, int index);
    void OnMeterFocusChanged(QWidget* old, QWidget* now);
    void OnDataSheet();
    DocumentSource CatalogueDocument(const char* what) const;
    void OnAccessories();

    std::unique_ptr<WoSt::CStationWizard> m_wizard;
    QComboBox* m_catalogues = nullptr;
    QComboBox* m_levels[WoSt::kLevelCount] = {};
    QLabel* m_levelLabels[WoSt::kLevelCount] = {};
    QGroupBox* m_heatMeter = nullptr;
    QGroupBox* m_waterMeter = nullptr;
    QLineEdit* m_meterFields[4] = {};
    QCheckBox* m_mirror = nullptr;
    QPlainTextEdit* m_twSummary = nullptr;
    QPlainTextEdit* m_hzSummary = nullptr;
    QPushButton* m_fbh = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_info = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QPushButton* m_dataSheet = nullptr;
    QPlainTextEdit* m_result = nullptr;
    QLabel* m_diagram = nullptr;
    QPushButton* m_draw = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_fetch = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_report = nullptr;
};
