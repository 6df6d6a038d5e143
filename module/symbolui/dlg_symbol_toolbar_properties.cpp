#include "dlg_symbol_toolbar_properties.h"

#include "symbolui/symbol_page_list.h"

#include "frame/app.h"
#include "frame/resource_scope.h"
#include "symbols/symbol_file.h"

#include "corekit/node.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgSymbolToolbarProperties::CDlgSymbolToolbarProperties(QWidget* parent) : CDialogExt(kTemplateId, parent) {
    setWindowTitle(QStringLiteral("Eigenschaften"));
    auto* group = new QGroupBox(QStringLiteral("Titel"), this);
    m_titleField = new QLineEdit(group);
    m_fileField = new QLineEdit(group);
    m_fileField->setReadOnly(true);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_titleField);
    groupLayout->addWidget(m_fileField);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    SetControl(IDC_EDT_TITLE, m_titleField);
    SetControl(IDC_EDT_FILE, m_fileField);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSymbolToolbarProperties::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgSymbolToolbarProperties::reject);
    connect(m_titleField, &QLineEdit::textEdited, this, [this] { m_modified = 1; });
    resize(380, 130);
}

void CDlgSymbolToolbarProperties::SetData(CSymbolFile* file, CNode* page, bool masterMode) {
    m_pSymbolFile = file;
    m_pPage = page;
    m_masterMode = masterMode;
}

void CDlgSymbolToolbarProperties::OnInitDialog() {
    if (m_initialised)
        return;
    m_initialised = true;
    DialogEx::OnInitDialog(this, 0x0BF10000, g_pTranslationModule);
    m_titleField->setAccessibleName(ModuleText("Titel"));
    m_fileField->setAccessibleName(ModuleText("Datei"));
    if (m_pPage)
        m_title = ModuleDataText(PageTitle(m_pPage));
    if (m_pSymbolFile && m_pSymbolFile->m_bSupport && !m_masterMode)
        m_titleField->setReadOnly(true);
    m_titleField->setText(m_title);
    m_fileField->setText(m_pSymbolFile ? m_pSymbolFile->m_path : QString());
}

void CDlgSymbolToolbarProperties::showEvent(QShowEvent* event) {
    OnInitDialog();
    CDialogExt::showEvent(event);
}

int CDlgSymbolToolbarProperties::DoModal() {
    CModuleResourceScope scope;
    OnInitDialog();
    return exec();
}

void CDlgSymbolToolbarProperties::accept() {
    m_title = m_titleField->text();
    if (m_titleField->isReadOnly())
        m_modified = 0;
    if (m_modified && m_pPage)
        m_pPage->SetStrLeafValue(QString(), QStringLiteral("DisplayName"), 1, m_title, u':');
    CDialogExt::accept();
}
