#include "dlg_symbol_properties.h"

#include "symbolui/current_symbol.h"
#include "symbolui/symbol_properties_rules.h"

#include "frame/app.h"
#include "frame/host_command.h"
#include "frame/resource_scope.h"
#include "symbols/symbol_edit_context.h"
#include "symbols/symbol_file.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_values.h"
#include "symbols/symbols_host.h"

#include "corekit/node.h"
#include "corekit/paths.h"
#include "corekit/ui_services.h"
#include "corekit/vars_mgr.h"
#include "corekit/widgets/desktop_button.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace SymbolProperties;

namespace {

constexpr int kDialogFlags = 0;
// Room for a usual block or slide name in its field however narrow the dialog gets.
constexpr int kNameFieldMinChars = 20;

struct CheckEntry {
    int id;
    const char* text;
    const char* key;
};
constexpr CheckEntry kInsertOptions[] = {
    {IDC_ASK_ROTATION, "Drehung abfragen", "AskRotation"},
    {IDC_ASK_SIZE, "Größe abfragen", "AskSize"},
    {IDC_USE_SYMBOL_FACTOR, "Symbolfaktor anwenden", "UseSymbolFactor"},
    {IDC_EXPLODE, "in Ursprung auflösen", "Explode"},
    {IDC_ADJUST_LAYER, "incl. Layer anpassen", "AdjustLayer"},
    {IDC_ASK_ATTRIBUTES, "Attribute abfragen", "AskAttributes"},
    {IDC_USE_MEDIUM, "Medium verwenden", "UseMedium"},
};
constexpr CheckEntry kOsnapBoxes[] = {
    {IDC_OSNAP_CURRENT, "aktuell eingestellter", nullptr},
    {IDC_OSNAP_NEAREST, "@Objektfang@Nächster", nullptr},
    {IDC_OSNAP_END, "@Objektfang@Endpunkt", nullptr},
    {IDC_OSNAP_MID, "@Objektfang@Mittelpunkt", nullptr},
    {IDC_OSNAP_INTERSECTION, "@Objektfang@Schnittpunkt", nullptr},
    {IDC_OSNAP_POINT, "@Objektfang@Punkt", nullptr},
};

} // namespace

CDlgSymbolProperties::CDlgSymbolProperties(QWidget* parent, CSymbolFileManager* manager)
    : CDialogExt(kTemplateId, parent), m_manager(manager ? manager : CSymbolFileManager::GetInstance()) {
    setObjectName(QStringLiteral("DlgSymbolProperties"));
    setWindowTitle(ModuleText("Eigenschaften"));
    CreateControls();
}

CDlgSymbolProperties::~CDlgSymbolProperties() = default;

QLineEdit* CDlgSymbolProperties::Edit(int id) const {
    return qobject_cast<QLineEdit*>(GetDlgItem(id));
}
QCheckBox* CDlgSymbolProperties::Check(int id) const {
    return qobject_cast<QCheckBox*>(GetDlgItem(id));
}
QAbstractButton* CDlgSymbolProperties::Button(int id) const {
    return qobject_cast<QAbstractButton*>(GetDlgItem(id));
}

void CDlgSymbolProperties::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    const auto group = [&](const char* title) {
        auto* box = new QGroupBox(ModuleText(title), this);
        box->setAccessibleName(box->title());
        auto* grid = new QGridLayout(box);
        layout->addWidget(box);
        return grid;
    };
    const auto edit = [&](QGridLayout* grid, int row, int column, int id, const char* label) {
        auto* field = new QLineEdit(this);
        if (label) {
            auto* text = new QLabel(ModuleText(label), this);
            text->setBuddy(field);
            grid->addWidget(text, row, column);
            field->setAccessibleName(text->text());
        }
        grid->addWidget(field, row, column + 1);
        SetControl(id, field);
        connect(field, &QLineEdit::textChanged, this, &CDlgSymbolProperties::SetModified);
        return field;
    };
    const auto button = [&](QGridLayout* grid, int row, int column, int id, const char* text,
                            const char* name) {
        auto* b = new QPushButton(ModuleText(text), this);
        b->setAutoDefault(false);
        b->setAccessibleName(ModuleText(name));
        grid->addWidget(b, row, column);
        SetControl(id, b);
        return b;
    };
    const auto check = [&](QGridLayout* grid, int row, int column, int id, const char* text) {
        auto* box = new QCheckBox(ModuleText(text), this);
        box->setAccessibleName(box->text());
        grid->addWidget(box, row, column);
        SetControl(id, box);
        return box;
    };

    QGridLayout* names = group("Namen");
    edit(names, 0, 0, IDC_BLOCKNAME, "Blockname/-datei");
    button(names, 0, 2, IDC_BROWSE_BLOCK, "...", "Blockdatei wählen");
    button(names, 0, 3, IDC_CREATE_BLOCK, "erzeugen <", "Block erzeugen");
    check(names, 1, 0, IDC_USE_BLOCK_PAIR, "verbinden mit Block");
    edit(names, 1, 0, IDC_SECOND_BLOCK, nullptr)->setAccessibleName(ModuleText("verbinden mit Block"));
    button(names, 1, 2, IDC_BROWSE_SECOND, "...", "zweite Blockdatei wählen");
    edit(names, 2, 0, IDC_ATTRIBUTE1, "1. Attr.");
    edit(names, 3, 0, IDC_ATTRIBUTE2, "2. Attr.");
    edit(names, 4, 0, IDC_SLIDENAME, "Slidename/-datei");
    button(names, 4, 2, IDC_BROWSE_SLIDE, "...", "Slidedatei wählen");
    button(names, 4, 3, IDC_CREATE_SLIDE, "erzeugen <", "Slide erzeugen");
    // The buttons beside them keep their width: without a minimum of their own the name
    // fields would be what gives way in a narrow dialog (one opened on a small screen),
    // down to a few letters of the name.
    for (int id : {int(IDC_BLOCKNAME), int(IDC_SECOND_BLOCK), int(IDC_ATTRIBUTE1), int(IDC_ATTRIBUTE2),
                   int(IDC_SLIDENAME)})
        GetDlgItem(id)->setMinimumWidth(kNameFieldMinChars * fontMetrics().averageCharWidth());

    QGridLayout* texts = group("Texte");
    edit(texts, 0, 0, IDC_DISPLAYNAME, "Info");
    edit(texts, 1, 0, IDC_ABBREVIATION, "Kürzel");
    m_text = new QPlainTextEdit(this);
    m_text->setTabChangesFocus(true);
    m_text->setAccessibleName(ModuleText("Beschreibung"));
    m_text->setMaximumHeight(60);
    texts->addWidget(new QLabel(ModuleText("Beschreibung"), this), 2, 0);
    texts->addWidget(m_text, 2, 1);
    SetControl(IDC_TEXT, m_text);
    connect(m_text, &QPlainTextEdit::textChanged, this, &CDlgSymbolProperties::SetModified);
    edit(texts, 3, 0, IDC_COMMAND, "Befehl absetzen");
    connect(check(texts, 4, 1, IDC_USED_IN_CALCULATIONS, "Verwendbar für Rohrnetzberechnung"),
            &QCheckBox::clicked, this, &CDlgSymbolProperties::SetModified);

    QGridLayout* options = group("Einfüge-Optionen");
    int row = 0;
    for (const CheckEntry& entry : kInsertOptions) {
        const int id = entry.id;
        connect(check(options, row / 2, row % 2, id, entry.text), &QCheckBox::clicked, this,
                [this, id] { OnInsertOption(id); });
        ++row;
    }
    edit(options, 4, 0, IDC_LAYER_COMPONENT, "Komponente");

    QGridLayout* osnap = group("Objektfang");
    row = 0;
    for (const CheckEntry& entry : kOsnapBoxes) {
        const int id = entry.id;
        connect(check(osnap, row / 3, row % 3, id, entry.text), &QCheckBox::clicked, this,
                [this, id] { OnOsnap(id); });
        ++row;
    }
    connect(check(osnap, 2, 0, IDC_NO_Z_PART, "ohne Z-Anteil"), &QCheckBox::clicked, this,
            &CDlgSymbolProperties::SetModified);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(ModuleText("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(ModuleText("Abbrechen"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSymbolProperties::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgSymbolProperties::reject);

    connect(Check(IDC_USE_BLOCK_PAIR), &QCheckBox::clicked, this, &CDlgSymbolProperties::OnUseBlockPair);
    for (int id : {int(IDC_BROWSE_BLOCK), int(IDC_BROWSE_SECOND), int(IDC_BROWSE_SLIDE)})
        connect(Button(id), &QAbstractButton::clicked, this, [this, id] { OnBrowse(id); });
    connect(Button(IDC_CREATE_BLOCK), &QAbstractButton::clicked, this, &CDlgSymbolProperties::OnCreateBlock);
    connect(Button(IDC_CREATE_SLIDE), &QAbstractButton::clicked, this, &CDlgSymbolProperties::OnCreateSlide);
}

void CDlgSymbolProperties::SetData(CSymbolFile* file, CNode* symbol) {
    m_edit = std::make_unique<CSymbolEditContext>(file, symbol, m_manager);
}

bool CDlgSymbolProperties::IsModifiedByUser() const {
    return m_edit && m_edit->m_modified;
}

void CDlgSymbolProperties::SetModified() {
    if (!m_loading && m_edit)
        m_edit->m_modified = 1;
}

QString CDlgSymbolProperties::Base() const {
    if (!m_edit || !m_edit->m_pSymbolFile)
        return {};
    const CDirPath dir = CFilePath(m_edit->m_pSymbolFile->m_path).GetDirPath();
    return dir.IsEmpty() ? QString() : dir.GetPath() + u'/';
}

int CDlgSymbolProperties::DoModal() {
    CModuleResourceScope resources;
    OnInitDialog();
    return exec() == QDialog::Accepted ? 1 : 0;
}

void CDlgSymbolProperties::OnInitDialog() {
    m_loading = true;
    DialogEx::OnInitDialog(this, kDialogFlags, g_pTranslationModule);
    SetRegistryPath(theApp.m_regPath + QStringLiteral("Dialogs"),
                    QStringLiteral("DlgSymbolProperties_WndPos"));
    RestorePosition(1, -1, -1);
    if (m_edit && m_edit->m_pSymbolFile && m_edit->m_pSymbol) {
        const CSymbolFile& file = *m_edit->m_pSymbolFile;
        const CNode* symbol = m_edit->m_pSymbol;
        const auto value = [&](const char* key) {
            return file.GetSymbolValue(symbol, QString::fromLatin1(key));
        };
        const auto integer = [&](const char* key) { return Symbols::IntegerOfText(value(key)); };
        const QString block = value("BlockName");
        QString slide = value("SlideName");
        if (slide.isEmpty())
            slide = CFilePath(block).GetShortFileName();
        Edit(IDC_BLOCKNAME)->setText(block);
        Edit(IDC_SLIDENAME)->setText(slide);
        Edit(IDC_SECOND_BLOCK)->setText(value("SecondBlockName"));
        Edit(IDC_ATTRIBUTE1)->setText(value("AttributeName1"));
        Edit(IDC_ATTRIBUTE2)->setText(value("AttributeName2"));
        Edit(IDC_COMMAND)->setText(value("Command"));
        Edit(IDC_LAYER_COMPONENT)->setText(value("LayerComponent"));
        Edit(IDC_DISPLAYNAME)->setText(ModuleDataText(value("DisplayName")));
        Edit(IDC_ABBREVIATION)->setText(ModuleDataText(value("Abbreviation")));
        m_text->setPlainText(ModuleDataText(value("Text")));
        const std::pair<int, const char*> checks[] = {
            {IDC_USE_BLOCK_PAIR, "UseBlockPair"},
            {IDC_ASK_ROTATION, "AskRotation"},
            {IDC_ASK_SIZE, "AskSize"},
            {IDC_USE_SYMBOL_FACTOR, "UseSymbolFactor"},
            {IDC_EXPLODE, "Explode"},
            {IDC_ADJUST_LAYER, "AdjustLayer"},
            {IDC_ASK_ATTRIBUTES, "AskAttributes"},
            {IDC_USE_MEDIUM, "UseMedium"},
            {IDC_USED_IN_CALCULATIONS, "UsedInCalculations"},
            {IDC_NO_Z_PART, "NoZPart"},
        };
        for (const auto& [id, key] : checks)
            Check(id)->setChecked(integer(key) != 0);
        const OsnapBoxes osnap = OsnapFromMask(integer("Osnap"));
        Check(IDC_OSNAP_CURRENT)->setChecked(osnap.current);
        Check(IDC_OSNAP_NEAREST)->setChecked(osnap.nearest);
        Check(IDC_OSNAP_END)->setChecked(osnap.end);
        Check(IDC_OSNAP_MID)->setChecked(osnap.mid);
        Check(IDC_OSNAP_INTERSECTION)->setChecked(osnap.intersection);
        Check(IDC_OSNAP_POINT)->setChecked(osnap.point);
        OnUseBlockPair();
        EnableControl(IDC_ADJUST_LAYER, integer("Explode") != 0);
        const ControlLocks locks = LocksFor(!m_edit->IsInPlaceEdit(), theApp.m_isRevit != 0);
        for (int id : locks.disabled)
            EnableControl(id, false);
        for (int id : locks.readOnly)
            Edit(id)->setReadOnly(true);
    }
    m_loading = false;
    if (m_edit)
        m_edit->m_modified = 0;
}

void CDlgSymbolProperties::OnInsertOption(int id) {
    if (id == IDC_USE_SYMBOL_FACTOR)
        Check(IDC_ASK_SIZE)->setChecked(false);
    else if (id == IDC_ASK_SIZE)
        Check(IDC_USE_SYMBOL_FACTOR)->setChecked(false);
    else if (id == IDC_EXPLODE)
        EnableControl(IDC_ADJUST_LAYER, Check(IDC_EXPLODE)->isChecked());
    SetModified();
}

void CDlgSymbolProperties::OnOsnap(int id) {
    if (id == IDC_OSNAP_CURRENT) {
        for (int other :
             {IDC_OSNAP_NEAREST, IDC_OSNAP_END, IDC_OSNAP_MID, IDC_OSNAP_INTERSECTION, IDC_OSNAP_POINT})
            Check(other)->setChecked(false);
    } else {
        Check(IDC_OSNAP_CURRENT)->setChecked(false);
    }
    SetModified();
}

void CDlgSymbolProperties::OnUseBlockPair() {
    const bool pair = Check(IDC_USE_BLOCK_PAIR)->isChecked();
    EnableControl(IDC_BROWSE_SECOND, pair);
    for (int id : {IDC_SECOND_BLOCK, IDC_ATTRIBUTE1, IDC_ATTRIBUTE2})
        Edit(id)->setReadOnly(!pair);
    SetModified();
}

void CDlgSymbolProperties::OnBrowse(int button) {
    const BrowseTarget target = BrowseTargetFor(button, Base(), theApp.m_isRevit != 0, theApp.m_revitVersion);
    QLineEdit* field = Edit(button == IDC_BROWSE_BLOCK    ? IDC_BLOCKNAME
                            : button == IDC_BROWSE_SECOND ? IDC_SECOND_BLOCK
                                                          : IDC_SLIDENAME);
    QString name = field->text();
    if (button == IDC_BROWSE_SLIDE && name.isEmpty())
        name = Edit(IDC_BLOCKNAME)->text();
    CreateDirectoryRecursive(target.folder);
    const QString chosen = CurrentUiServices().GetOpenFileName(ModuleText("Datei wählen"),
                                                               ProposedFile(name, target), target.filter);
    if (chosen.isEmpty())
        return;
    field->setText(NameForChosenFile(chosen, target));
    SetModified();
}

void CDlgSymbolProperties::OnCreateBlock() {
    if (Edit(IDC_BLOCKNAME)->text().isEmpty()) {
        UiMessageBox(ModuleText("Geben Sie bitte einen Blocknamen ein."), windowTitle(), UiButtons::Ok,
                     UiIcon::Exclamation);
        Edit(IDC_BLOCKNAME)->setFocus();
        return;
    }
    const QString symbols = Base() + QStringLiteral("Symbols/");
    const QString slides = Base() + QStringLiteral("Slides/");
    const QString blockPath = CompletedPath(Edit(IDC_BLOCKNAME)->text(), symbols, QStringLiteral("dwg"));
    if (QFileInfo::exists(blockPath) &&
        UiMessageBox(ModuleText("Zeichnung ist schon vorhanden. Überschreiben?"), windowTitle(),
                     UiButtons::YesNo, UiIcon::Question) != IDYES)
        return;
    QDir().mkdir(symbols);
    QString slideText = Edit(IDC_SLIDENAME)->text();
    if (slideText.isEmpty())
        slideText = CFilePath(blockPath).GetShortFileName();
    QString slidePath = CompletedPath(slideText, slides, QStringLiteral("sld"));
    QDir().mkdir(slides);
    accept();
    if (QFileInfo::exists(slidePath))
        slidePath.clear(); // an existing slide is not overwritten
    COrvaneVarsMgr& vars = COrvaneVarsMgr::GetInstance();
    for (const auto& [name, path] : {std::pair{QStringLiteral("SYMBOLS_BLOCKFILE"), blockPath},
                                     std::pair{QStringLiteral("SYMBOLS_SLIDEFILE"), slidePath}}) {
        vars.make(name, path, eVarSaveSettings);
        vars.set(name, path, eVarSaveSettings);
    }
    PasteToCommandLine(FormatHostCommand(QStringLiteral("CreateSymbolBlock")), 0, 1);
}

void CDlgSymbolProperties::OnCreateSlide() {
    if (Edit(IDC_SLIDENAME)->text().isEmpty()) {
        UiMessageBox(ModuleText("Geben Sie bitte einen Slidenamen ein."), windowTitle(), UiButtons::Ok,
                     UiIcon::Exclamation);
        Edit(IDC_SLIDENAME)->setFocus();
        return;
    }
    const QString slides = Base() + QStringLiteral("Slides/");
    const QString slidePath = CompletedPath(Edit(IDC_SLIDENAME)->text(), slides, QStringLiteral("sld"));
    QDir().mkdir(slides);
    accept();
    COrvaneVarsMgr& vars = COrvaneVarsMgr::GetInstance();
    vars.make(QStringLiteral("SYMBOLS_SLIDEFILE"), slidePath, eVarSaveSettings);
    vars.set(QStringLiteral("SYMBOLS_SLIDEFILE"), slidePath, eVarSaveSettings);
    PasteToCommandLine(FormatHostCommand(QStringLiteral("CreateSymbolSlide")), 0, 1);
}

void CDlgSymbolProperties::accept() {
    CDialogExt::accept();
    if (!m_edit || !m_edit->m_modified || !m_edit->m_pSymbolFile || !m_edit->m_pSymbol)
        return;
    FieldValues v;
    v.block = Edit(IDC_BLOCKNAME)->text();
    v.slide = Edit(IDC_SLIDENAME)->text();
    v.secondBlock = Edit(IDC_SECOND_BLOCK)->text();
    v.attribute1 = Edit(IDC_ATTRIBUTE1)->text();
    v.attribute2 = Edit(IDC_ATTRIBUTE2)->text();
    v.displayName = Edit(IDC_DISPLAYNAME)->text();
    v.abbreviation = Edit(IDC_ABBREVIATION)->text();
    v.text = m_text->toPlainText();
    v.command = Edit(IDC_COMMAND)->text();
    v.layerComponent = Edit(IDC_LAYER_COMPONENT)->text();
    const auto checked = [this](int id) { return Check(id)->isChecked(); };
    v.useBlockPair = checked(IDC_USE_BLOCK_PAIR);
    v.askRotation = checked(IDC_ASK_ROTATION);
    v.askSize = checked(IDC_ASK_SIZE);
    v.useSymbolFactor = checked(IDC_USE_SYMBOL_FACTOR);
    v.explode = checked(IDC_EXPLODE);
    v.adjustLayer = checked(IDC_ADJUST_LAYER);
    v.askAttributes = checked(IDC_ASK_ATTRIBUTES);
    v.useMedium = checked(IDC_USE_MEDIUM);
    v.usedInCalculations = checked(IDC_USED_IN_CALCULATIONS);
    v.noZPart = checked(IDC_NO_Z_PART);
    v.osnap = {checked(IDC_OSNAP_CURRENT), checked(IDC_OSNAP_NEAREST),      checked(IDC_OSNAP_END),
               checked(IDC_OSNAP_MID),     checked(IDC_OSNAP_INTERSECTION), checked(IDC_OSNAP_POINT)};
    StoreFields(*m_edit, v);
}

int CDlgSymbolProperties::SaveEditedSymbol() {
    return m_edit ? m_edit->SaveEditedSymbol() : 0;
}

namespace SymbolProperties {

bool EditSymbol(QWidget* window, CDesktopButton* button, CNode* symbol, CSymbolFile* file,
                CSymbolFileManager* manager) {
    if (manager->m_bIndexChanged)
        return false;
    SetCurrentSymbol(manager, file, symbol);
    if (!symbol)
        return false;
    CModuleResourceScope resources;
    CDlgSymbolProperties dialog(window, manager);
    SetCurrentSymbolButton(button);
    if (button)
        button->WaitForModalDialog(1, 400);
    if (!file)
        return false;
    dialog.SetData(file, symbol);
    if (dialog.DoModal() != 1 || !dialog.IsModifiedByUser())
        return false;
    if (dialog.SaveEditedSymbol())
        return true;
    UiMessageBox(ModuleText("Änderungen konnten nicht gespeichert werden."), ModuleText("Eigenschaften"),
                 UiButtons::Ok, UiIcon::Exclamation);
    return false;
}

} // namespace SymbolProperties
