#include "stations/dlg_wohnungsstation.h"

#include "stations/daten_row.h"
#include "stations/dlg_anforderung_hz.h"
#include "stations/dlg_anforderung_tw.h"
#include "stations/failure_diagram.h"
#include "stations/manager_catalogs.h"
#include "stations/product_picture.h"
#include "stations/requirement_dialog_support.h"
#include "stations/station_report.h"
#include "stations/station_text.h"

#include "corekit/document_policy.h"
#include "corekit/node.h"
#include "corekit/ui_services.h"
#include "corekitex/catalog_manager.h"
#include "frame/app.h"
#include "frame/resource_scope.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace WoSt;

namespace {

constexpr QSize kStartSize(820, 600);

QString SettingsKey() {
    return theApp.m_regPath + QStringLiteral("Dialogs\\DlgWohnungsstation");
}

QPlainTextEdit* NewSummary(QWidget* parent, const QString& name, int rows) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(true);
    edit->setAccessibleName(name);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * rows + 12);
    // The rows are "label<TAB>value" with one or two tabs: stops every ten characters line up.
    edit->setTabStopDistance(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    return edit;
}

// The result fields separate rows with CR LF; the text widget wants plain line breaks.
QString Rows(QString text) {
    return text.replace(kCrLf, QStringLiteral("\n"));
}

} // namespace

CNode* CDlgWohnungsstation::ShowDialog(CNode* input, QWidget* parent) {
    if (!input)
        return nullptr;
    CModuleResourceScope resources;
    ManagerCatalogs catalogs(*orvCatalogManager::getInstance());
    CDlgWohnungsstation dialog(input, {&catalogs, SettingsKey(), theApp.m_isRevit != 0, QDir::tempPath()},
                               parent);
    if (!dialog.Initialize())
        return nullptr;
    return dialog.ResultNode(dialog.exec(), QDir::tempPath()).release();
}

CDlgWohnungsstation::CDlgWohnungsstation(const CNode* input, tWizardContext context, QWidget* parent)
    : CDialogExt(kTemplateId, parent) {
    const QString key = context.settingsKey;
    m_wizard = std::make_unique<CStationWizard>(input, std::move(context));
    setWindowTitle(T("Assistent Frischwasser- und Wohnungsstationen"));
    CreateControls();
    resize(kStartSize);
    EnableResizing();
    SetRegistryPath(key, QStringLiteral("WndPos"));
    RestorePosition(1);
    connect(qApp, &QApplication::focusChanged, this, &CDlgWohnungsstation::OnMeterFocusChanged);
}

// Hiding the window while it goes moves the focus; the fields are gone by then.
CDlgWohnungsstation::~CDlgWohnungsstation() {
    disconnect(qApp, nullptr, this, nullptr);
}

bool CDlgWohnungsstation::Initialize() {
    if (!m_wizard->Open())
        return false;
    FillCatalogues();
    const tWizardButtons buttons = m_wizard->Buttons();
    m_draw->setText(T(buttons.drawText));
    m_close->setText(T(buttons.closeText));
    m_delete->setVisible(buttons.deleteVisible);
    m_fetch->setVisible(buttons.fetchVisible);
    m_mirror->setVisible(buttons.mirrorVisible);
    m_mirror->setChecked(m_wizard->Mirror() != 0);
    ShowState();
    return true;
}

void CDlgWohnungsstation::CreateControls() {
    auto* columns = new QHBoxLayout;
    columns->addWidget(CreateSelectionColumn(), 1);
    columns->addWidget(CreateProductColumn(), 1);

    m_draw = new QPushButton(T("Zeichnen <"), this);
    m_delete = new QPushButton(T("Löschen <"), this);
    m_fetch = new QPushButton(T("Holen <"), this);
    m_close = new QPushButton(T("Beenden"), this);
    m_draw->setDefault(true);
    m_draw->setEnabled(false);
    SetControl(IDC_BTN_ZEICHNEN, m_draw);
    SetControl(IDC_BTN_LOESCHEN, m_delete);
    SetControl(IDC_BTN_HOLEN, m_fetch);
    SetControl(IDC_BTN_BEENDEN, m_close);
    connect(m_draw, &QPushButton::clicked, this, &CDlgWohnungsstation::OnZeichnen);
    connect(m_delete, &QPushButton::clicked, this, [this] { done(IDC_BTN_LOESCHEN); });
    connect(m_fetch, &QPushButton::clicked, this, [this] { done(IDC_BTN_HOLEN); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    m_report = new QPushButton(T("Bericht"), this);
    m_report->setAccessibleName(T("Auslegungsbericht"));
    SetControl(IDC_BTN_BERICHT, m_report);
    connect(m_report, &QPushButton::clicked, this, &CDlgWohnungsstation::OnBericht);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_draw);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_fetch);
    buttons->addStretch(1);
    buttons->addWidget(m_report);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

QWidget* CDlgWohnungsstation::CreateSelectionColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* choice = new QFormLayout;
    m_catalogues = new QComboBox(column);
    m_catalogues->setAccessibleName(T("Hersteller"));
    SetControl(IDC_CMB_HERSTELLER, m_catalogues);
    choice->addRow(T("Hersteller"), m_catalogues);
    connect(m_catalogues, &QComboBox::activated, this, &CDlgWohnungsstation::OnCatalogueChanged);
    for (int level = 0; level < kLevelCount; ++level) {
        const QString label = level == 0 ? T("Produktgruppe") : T("Produktauswahl");
        m_levels[level] = new QComboBox(column);
        m_levels[level]->setAccessibleName(level == 0 ? label : label + QStringLiteral(" %1").arg(level));
        m_levelLabels[level] = new QLabel(label, column);
        m_levelLabels[level]->setBuddy(m_levels[level]);
        SetControl(kLevelControls[level], m_levels[level]);
        choice->addRow(m_levelLabels[level], m_levels[level]);
        connect(m_levels[level], &QComboBox::activated, this,
                [this, level](int index) { OnLevelChanged(level, index); });
    }
    layout->addLayout(choice);

    const int meterIds[4] = {WizardControl::HeatMeterFlow, WizardControl::HeatMeterDp,
                             WizardControl::WaterMeterFlow, WizardControl::WaterMeterDp};
    for (int m = 0; m < 2; ++m) {
        auto* group = new QGroupBox(m == 0 ? T("Wärmemengenzähler") : T("Wasserzähler"), column);
        SetControl(m == 0 ? IDC_GRP_WMZ : IDC_GRP_WZ, group);
        auto* form = new QFormLayout(group);
        for (int f = 0; f < 2; ++f) {
            QLineEdit*& field = m_meterFields[2 * m + f];
            field = new QLineEdit(group);
            field->setAlignment(Qt::AlignRight);
            field->setAccessibleName(group->title() + QStringLiteral(": ") +
                                     (f == 0 ? T("Nennvolumenstrom") : T("Druckverlust")));
            SetControl(meterIds[2 * m + f], field);
            auto* row = new QHBoxLayout;
            row->addWidget(field, 1);
            row->addWidget(new QLabel(f == 0 ? U("m³/h") : U("mbar"), group));
            form->addRow(f == 0 ? T("Nennvolumenstrom") : T("Druckverlust"), row);
        }
        (m == 0 ? m_heatMeter : m_waterMeter) = group;
        layout->addWidget(group);
    }

    auto* extras = new QHBoxLayout;
    auto* accessories = new QPushButton(T("Auswahl Zubehörmaterial..."), column);
    SetControl(IDC_BTN_ZUBEHOER, accessories);
    connect(accessories, &QPushButton::clicked, this, &CDlgWohnungsstation::OnAccessories);
    m_mirror = new QCheckBox(T("spiegeln"), column);
    SetControl(IDC_CHK_SPIEGELN, m_mirror);
    connect(m_mirror, &QCheckBox::toggled, this, [this](bool on) { m_wizard->SetMirror(on ? 1 : 0); });
    extras->addWidget(accessories);
    extras->addWidget(m_mirror);
    extras->addStretch(1);
    layout->addLayout(extras);

    auto* tw = new QPushButton(T("Trinkwasser..."), column);
    SetControl(IDC_BTN_TRINKWASSER, tw);
    connect(tw, &QPushButton::clicked, this, &CDlgWohnungsstation::OnTrinkwasser);
    m_twSummary = NewSummary(column, T("Trinkwasser"), 3);
    SetControl(IDC_EDT_TW_SUMMARY, m_twSummary);
    m_fbh = new QPushButton(T("Fußbodenheizung..."), column);
    m_fbh->setEnabled(false);
    SetControl(IDC_BTN_FBH, m_fbh);
    connect(m_fbh, &QPushButton::clicked, this, &CDlgWohnungsstation::OnFussbodenheizung);
    m_hzSummary = NewSummary(column, T("Fußbodenheizung"), 2);
    SetControl(IDC_EDT_HZ_SUMMARY, m_hzSummary);
    for (QWidget* w : {static_cast<QWidget*>(tw), static_cast<QWidget*>(m_twSummary),
                       static_cast<QWidget*>(m_fbh), static_cast<QWidget*>(m_hzSummary)})
        layout->addWidget(w);
    layout->addStretch(1);
    return column;
}

QWidget* CDlgWohnungsstation::CreateProductColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_logo = new QLabel(column);
    m_logo->setFixedHeight(48);
    m_logo->setAccessibleName(T("Hersteller"));
    SetControl(IDC_PIC_LOGO, m_logo);
    m_picture = new QLabel(column);
    m_picture->setMinimumSize(200, 160);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setAccessibleName(T("Produktbild"));
    m_picture->setMouseTracking(true);
    m_picture->installEventFilter(this);
    SetControl(IDC_PIC_PRODUKT, m_picture);
    m_info = new QLabel(column);
    m_info->setVisible(false);
    m_info->setWordWrap(true);
    SetControl(IDC_TXT_INFO, m_info);
    m_description = NewSummary(column, T("Beschreibung"), 4);
    SetControl(IDC_EDT_BESCHREIBUNG, m_description);
    m_dataSheet = new QPushButton(T("Datenblatt ..."), column);
    SetControl(IDC_BTN_DATENBLATT, m_dataSheet);
    connect(m_dataSheet, &QPushButton::clicked, this, &CDlgWohnungsstation::OnDataSheet);
    m_result = NewSummary(column, T("Ergebnis"), 4);
    SetControl(IDC_EDT_RESULT, m_result);
    layout->addWidget(m_logo);
    layout->addWidget(m_picture, 1);
    layout->addWidget(m_info);
    layout->addWidget(m_description);
    layout->addWidget(m_dataSheet, 0, Qt::AlignLeft);
    m_diagram = new QLabel(column);
    m_diagram->setFixedHeight(120);
    m_diagram->setAccessibleName(T("Kennlinie"));
    SetControl(IDC_PIC_DIAGRAMM, m_diagram);
    layout->addWidget(m_result);
    layout->addWidget(m_diagram);
    return column;
}

void CDlgWohnungsstation::FillCatalogues() {
    const QSignalBlocker block(m_catalogues);
    m_catalogues->clear();
    for (const auto& catalog : m_wizard->Catalogs())
        m_catalogues->addItem(catalog->info.displayName);
}

void CDlgWohnungsstation::ShowState() {
    m_catalogues->setCurrentIndex(m_wizard->CatalogIndex());
    ShowLevels();
    ShowProduct();
    ShowMeters();
    ShowCheck();
}

void CDlgWohnungsstation::ShowLevels() {
    for (int level = 0; level < kLevelCount; ++level) {
        const tLevelBox& box = m_wizard->Levels()[static_cast<size_t>(level)];
        QComboBox* combo = m_levels[level];
        const QSignalBlocker block(combo);
        combo->clear();
        for (const tSelLevel* entry : box.entries)
            combo->addItem(entry->name);
        combo->setCurrentIndex(box.selected);
        combo->setVisible(box.visible);
        m_levelLabels[level]->setVisible(box.visible);
    }
}

void CDlgWohnungsstation::ShowProduct() {
    const tProduct& p = m_wizard->Product();
    const tCatalog* catalog = m_wizard->State().catalog;
    const qreal ratio = devicePixelRatioF();
    m_logo->setPixmap(catalog ? LoadPicture(catalog->logo, m_logo->size(), ratio) : QPixmap());
    m_picture->setPixmap(LoadPicture(p.bitmap, m_picture->size(), ratio));
    m_description->setPlainText(p.description);
    m_info->setText(p.infoTarget);
    // A picture with a link is reached by Tab and opens it with Enter or Space.
    m_picture->setFocusPolicy(p.infoTarget.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    m_dataSheet->setEnabled(!p.dataSheet.isEmpty() && QFileInfo(p.dataSheet).isFile());
}

void CDlgWohnungsstation::ShowMeters() {
    const tWizardState& s = m_wizard->State();
    const double values[4] = {s.heatMeterFlow, s.heatMeterDp, s.waterMeterFlow, s.waterMeterDp};
    for (int i = 0; i < 4; ++i) {
        m_meterFields[i]->setText(FieldText(values[i]));
        m_meterFields[i]->setModified(false);
    }
}

void CDlgWohnungsstation::ShowCheck() {
    const tCheckDisplay& d = m_wizard->State().display;
    m_twSummary->setPlainText(Rows(d.twSummary));
    m_hzSummary->setPlainText(Rows(d.hzSummary));
    m_result->setPlainText(Rows(d.result));
    const auto [text, face] = ResultColors(d.resultLook, palette());
    QPalette look = m_result->palette();
    look.setColor(QPalette::Text, text);
    look.setColor(QPalette::Base, face);
    m_result->setPalette(look);
    for (QWidget* w : m_heatMeter->findChildren<QWidget*>())
        w->setVisible(d.heatMeterVisible);
    for (QWidget* w : m_waterMeter->findChildren<QWidget*>())
        w->setVisible(d.waterMeterVisible);
    m_draw->setEnabled(d.drawEnabled);
    m_fbh->setEnabled(d.fbhEnabled);
    ShowDiagram();
}

// Beside a failing result, how far off the station is; nothing while it passes.
void CDlgWohnungsstation::ShowDiagram() {
    const tWizardState& s = m_wizard->State();
    const bool fails = s.display.resultLook == ResultLook::Error && s.catalog;
    m_diagram->setVisible(fails);
    if (!fails)
        return;
    const QPalette& pal = palette();
    const tDiagramColors colors{pal.color(QPalette::WindowText), pal.color(QPalette::Mid),
                                pal.color(QPalette::Highlight), QColor(255, 0, 0)};
    const QSize size(std::max(200, m_diagram->width()), m_diagram->height());
    m_diagram->setPixmap(
        QPixmap::fromImage(RenderFailureDiagram(FailureDiagramOf(s), size, devicePixelRatioF(), colors)));
}

bool CDlgWohnungsstation::ReadMeters() {
    double values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> value = ParseField(m_meterFields[i]->text());
        if (!value) {
            ShowFieldError(*this, {WizardControl::HeatMeterFlow + i, NotANumberMessage()});
            return false;
        }
        values[i] = *value;
    }
    m_wizard->SetMeterData(values[0], values[1], values[2], values[3]);
    return true;
}

void CDlgWohnungsstation::OnCatalogueChanged(int index) {
    if (!m_wizard->SelectCatalogue(index)) {
        const QSignalBlocker block(m_catalogues);
        m_catalogues->setCurrentIndex(m_wizard->CatalogIndex());
        return;
    }
    ShowState();
}

void CDlgWohnungsstation::OnLevelChanged(int level, int index) {
    m_wizard->SelectLevel(level, index);
    ShowLevels();
    ShowProduct();
    ShowCheck();
}

void CDlgWohnungsstation::OnMeterFocusChanged(QWidget* old, QWidget*) {
    for (QLineEdit* field : m_meterFields)
        if (field == old && field->isModified()) {
            field->setModified(false);
            if (ReadMeters())
                ShowCheck();
            return;
        }
}

void CDlgWohnungsstation::OnTrinkwasser() {
    tTwProductInfo product;
    const tWizardState& s = m_wizard->State();
    if (s.catalog && s.product.supported) {
        product.supported = true;
        product.heatingRodPower = DatenRowReader(CatalogDb(*s.catalog), *s.catalog, s.product)
                                      .integer(DatenColumn::HeatingRodPower);
    }
    CDlgAnforderungTw dialog(s.reqTw, product, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_wizard->SetReqTw(dialog.Record());
    ShowCheck();
}

void CDlgWohnungsstation::OnFussbodenheizung() {
    CDlgAnforderungHz dialog(m_wizard->State().reqHz, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_wizard->SetReqHz(dialog.Record());
    ShowCheck();
}

void CDlgWohnungsstation::OnZeichnen() {
    if (!m_wizard->State().catalog || !ReadMeters())
        return;
    if (!m_wizard->Product().supported) {
        ShowMessage(T("Dieser Stationstyp wird in dieser Version noch nicht unterstützt!"),
                    MessageIcon::Information);
        return;
    }
    if (const int gap = m_wizard->FirstMeterGap()) {
        GetDlgItem(gap)->setFocus(Qt::OtherFocusReason);
        if (UiMessageBox(T("Es fehlt eine Angabe zum Zähler.\nWollen Sie trotzdem fortfahren?"),
                         windowTitle(), UiButtons::YesNo, UiIcon::Exclamation) != IDYES)
            return;
    }
    m_wizard->StoreDrawSettings();
    done(IDC_BTN_ZEICHNEN);
}

// Where a document named by the catalogue comes from, for the check before it is opened.
DocumentSource CDlgWohnungsstation::CatalogueDocument(const char* what) const {
    const tCatalog* catalog = m_wizard->State().catalog;
    if (!catalog)
        return {T(what), QString()};
    return {catalog->info.displayName + QStringLiteral(", ") + T(what), catalog->info.rootPath};
}

void CDlgWohnungsstation::OnBericht() {
    const QString folder = m_wizard->Context().tempFolder;
    if (!m_wizard->State().catalog || folder.isEmpty() || !ReadMeters())
        return;
    // The report's pumps and parts list come from the draw node, made without the material file.
    const auto draw = m_wizard->State().display.drawEnabled ? m_wizard->CreateDrawNode(QString()) : nullptr;
    const QString path = QDir(folder).filePath(QStringLiteral("WOST_BERICHT.pdf"));
    QString error;
    if (!WriteStationReport(m_wizard->State(), draw.get(), path, &error)) {
        ShowMessage(sformat(T("Der Bericht konnte nicht geschrieben werden: %s"), error),
                    MessageIcon::Exclamation);
        return;
    }
    CurrentUiServices().OpenWithDefaultHandler(path, {T("Auslegungsbericht"), folder});
}

void CDlgWohnungsstation::OnDataSheet() {
    CurrentUiServices().OpenWithDefaultHandler(m_wizard->Product().dataSheet,
                                               CatalogueDocument("Datenblatt"));
}

void CDlgWohnungsstation::OnAccessories() {
    m_wizard->ChooseAccessories(T("Wählen Sie das Zubehörmaterial"));
}

QRect CDlgWohnungsstation::PictureHotRect() const {
    return m_picture->rect().adjusted(kPictureMargin, kPictureMargin, -kPictureMargin, -kPictureMargin);
}

bool CDlgWohnungsstation::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_picture)
        return CDialogExt::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        const bool inside = PictureHotRect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
        m_picture->setCursor(inside ? Qt::PointingHandCursor : Qt::ArrowCursor);
        m_info->setVisible(inside && !m_info->text().isEmpty());
    } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        m_info->setVisible(event->type() == QEvent::FocusIn && !m_info->text().isEmpty());
    } else if (event->type() == QEvent::Leave) {
        m_info->setVisible(m_picture->hasFocus() && !m_info->text().isEmpty());
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && PictureHotRect().contains(mouse->position().toPoint()))
            OpenProductLink();
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            OpenProductLink();
            return true; // not the default button's Enter
        }
    }
    return CDialogExt::eventFilter(watched, event);
}

void CDlgWohnungsstation::OpenProductLink() {
    if (!m_wizard->Product().infoTarget.isEmpty())
        CurrentUiServices().OpenLinkWithDefaultHandler(m_wizard->Product().infoTarget,
                                                       CatalogueDocument("Produktbild"));
}

std::unique_ptr<CNode> CDlgWohnungsstation::ResultNode(int result, const QString& tempFolder) {
    switch (result) {
    case IDC_BTN_ZEICHNEN:
        return m_wizard->CreateDrawNode(tempFolder);
    case IDC_BTN_LOESCHEN:
        return CreateDeleteStationNode();
    case IDC_BTN_HOLEN:
        return CreateGetStationNode();
    default:
        return nullptr;
    }
}
