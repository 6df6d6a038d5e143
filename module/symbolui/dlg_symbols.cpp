#include "dlg_symbols.h"

#include "symbolui/current_symbol.h"
#include "symbolui/dlg_symbol_properties.h"
#include "symbolui/symbol_button_setup.h"
#include "symbolui/symbol_insertion.h"
#include "symbolui/symbol_search.h"

#include "frame/app.h"
#include "frame/host_command.h"
#include "frame/resource_scope.h"
#include "slides/corner_mark.h"
#include "slides/symbol_button.h"
#include "symbols/symbol_file.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_library_context.h"
#include "symbols/symbols_host.h"

#include "corekit/node.h"
#include "corekit/text_utils.h"
#include "corekit/ui_services.h"
#include "corekit/widgets/desktop_button.h"
#include "corekit/widgets/help_document.h"
#include "shellui/color_scheme.h"
#include "shellui/desktop_design.h"
#include "shellui/image_list.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>
#include <QTimerEvent>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kBitmapFlags = 0x0F00;
constexpr int kSmallButtonSize = 22;
constexpr int kMargin = 2;

struct SmallButton {
    int id;
    const char* tooltip;
    int image; // in the image list; -1 for the design's arrows
};
// In the order of the row at the top.
constexpr SmallButton kSmallButtons[] = {
    {CDlgSymbols::IDC_BTN_BACK, "zurück", -1},
    {CDlgSymbols::IDC_BTN_NEXT, "weiter", -1},
    {CDlgSymbols::IDC_BTN_OPTIONS, "Optionen", 0},
    {CDlgSymbols::IDC_BTN_SEARCH, "Symbol suchen", 1},
    {CDlgSymbols::IDC_BTN_SEARCH_NEXT, "Nächstes Symbol suchen", 2},
};

// A design image in the colour scheme in use when the design has one, else the plain one.
QImage designImage(const QString& folder, const QString& name) {
    const QString themed =
        QDir(folder).filePath(ShellUI::AddColorSchemeSuffix(name) + QStringLiteral(".bmp"));
    const QString plain = QDir(folder).filePath(name + QStringLiteral(".bmp"));
    const QString file = QFileInfo::exists(themed) ? themed : plain;
    return ShellUI::LoadImageList(file, 16, 16).Image(0);
}

} // namespace

SymbolsWindowContext SymbolsWindowContext::Module() {
    SymbolsWindowContext context;
    context.manager = CSymbolFileManager::GetInstance();
    context.designs = CDesktopDesignManager::GetInstance();
    context.host = &SymbolsHost::Get();
    context.rules = SymbolViewRules::Platform(context.manager->Context().Filters());
    context.regPath = theApp.m_regPath;
    context.supportFolder = SymbolsHost::Get().DefaultFolder(6);
    return context;
}

int CDlgSymbols::CreateWnd(QWidget*& window, QWidget* parent) {
    CModuleResourceScope resources;
    window = nullptr;
    auto* dialog = new CDlgSymbols(SymbolsWindowContext::Module(), parent);
    if (!dialog->Create()) {
        delete dialog;
        return 0;
    }
    window = dialog;
    return 1;
}

CDlgSymbols::CDlgSymbols(SymbolsWindowContext context, QWidget* parent)
    : CModelessDialog(kTemplateId, parent), m_context(std::move(context)) {
    if (parent)
        setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("DlgSymbols"));
    setAccessibleName(ModuleText("Symbole"));
    resize(160, 400);
    m_extras = SymbolsHost::VariableInt(*m_context.host, QStringLiteral("SYMBOLE_WINDOW_EXTRAS"), 0, 1) != 0;
    CreateControls();
    if (m_extras)
        CreateExtras();
    EnableResizing();
    if (theApp.m_isRevit)
        ShowControl(IDC_BTN_OPTIONS, false);
    m_firstLoad.start(kFirstLoadDelayMs, this);
    m_treeNotice = m_context.manager->NotifyBeforeTreesGo([this] { ForgetFiles(); });
}

CDlgSymbols::~CDlgSymbols() {
    m_context.manager->StopNotifying(m_treeNotice);
}

void CDlgSymbols::CreateControls() {
    const QString imageFile = QDir(m_context.supportFolder)
                                  .filePath(ShellUI::AddColorSchemeSuffix(QStringLiteral("ImgList_Symbols")) +
                                            QStringLiteral(".bmp"));
    const ShellUI::CImageList images = ShellUI::LoadImageList(imageFile, 16, 16);
    const CDesktopDesignBase* design = m_context.designs ? m_context.designs->GetDesign(-1) : nullptr;
    const QString designFolder =
        design ? design->GetPropertyStr(CDesktopDesignBase::kImageFolder, nullptr) : QString();
    int index = 0;
    for (const SmallButton& small : kSmallButtons) {
        auto* button = new CDesktopButton(this);
        button->SetNoDefaultButton(1);
        const QString tip = ModuleText(small.tooltip);
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        QImage image = small.image >= 0 ? images.Image(small.image)
                                        : designImage(designFolder, small.id == IDC_BTN_BACK
                                                                        ? QStringLiteral("ArrowLeft")
                                                                        : QStringLiteral("ArrowRight"));
        if (!image.isNull())
            button->SetBitmap(image, kBitmapFlags);
        else // no image at hand: a readable face all the same
            button->setText(QStringList{"<", ">", "…", "?", "?+"}.at(index));
        SetControl(small.id, button);
        m_imageButtons[index++] = button;
    }
    connect(m_imageButtons[0], &QPushButton::clicked, this, [this] { OnStepPage(false); });
    connect(m_imageButtons[1], &QPushButton::clicked, this, [this] { OnStepPage(true); });
    connect(m_imageButtons[2], &QPushButton::clicked, this, &CDlgSymbols::OnOptions);
    connect(m_imageButtons[3], &QPushButton::clicked, this, &CDlgSymbols::OnSearchSymbol);
    connect(m_imageButtons[4], &QPushButton::clicked, this, &CDlgSymbols::OnSearchNext);

    m_cmbPages = new QComboBox(this);
    m_cmbPages->setAccessibleName(ModuleText("Seiten"));
    m_cmbPages->setToolTip(ModuleText("Seiten"));
    SetControl(IDC_CMB_PAGES, m_cmbPages);
    connect(m_cmbPages, &QComboBox::activated, this, [this] { OnSelChange_CmbPages(); });
    PlaceControls();
}

void CDlgSymbols::PlaceControls() {
    int x = kMargin;
    for (CDesktopButton* button : m_imageButtons) {
        button->setGeometry(x, kMargin, kSmallButtonSize + 2, kSmallButtonSize);
        x += kSmallButtonSize + 3;
    }
    m_cmbPages->setGeometry(kMargin, kMargin + kSmallButtonSize + 7, std::max(40, width() - 2 * kMargin),
                            m_cmbPages->sizeHint().height());
    if (m_quickFind)
        m_quickFind->setGeometry(kMargin, m_cmbPages->geometry().bottom() + 4, m_cmbPages->width(),
                                 m_quickFind->sizeHint().height());
}

QRect CDlgSymbols::ListRect() const {
    return m_quickFind ? m_cmbPages->geometry().united(m_quickFind->geometry()) : m_cmbPages->geometry();
}

std::uint32_t CDlgSymbols::PaletteFace() const {
    // Colour 0 is no colour of its own: the face of the palette in use, light or dark.
    const QColor face = palette().color(QPalette::Button);
    return ColorRef(face.red()) | ColorRef(face.green()) << 8 | ColorRef(face.blue()) << 16;
}

double CDlgSymbols::DisplayScale() const {
    return m_context.displayScale.value_or(devicePixelRatioF());
}

SymbolCellSize CDlgSymbols::CellSize() const {
    return CellSizeFor(theApp.m_isAcadHost != 0, size(), ListRect(), DisplayScale());
}

bool CDlgSymbols::DesignApplies() const {
    const CDesktopDesignBase* design = m_context.designs ? m_context.designs->GetDesign(1) : nullptr;
    return design && design->UsesDesignColours();
}

CNode* CDlgSymbols::SymbolOf(int index) const {
    return index >= 0 && std::size_t(index) < m_buttonSymbols.size() ? m_buttonSymbols[std::size_t(index)]
                                                                     : nullptr;
}

CSymbolFile* CDlgSymbols::CurrentSymbolFile() const {
    return m_curFile >= 0 && std::size_t(m_curFile) < m_files.size() ? m_files[std::size_t(m_curFile)]
                                                                     : nullptr;
}

void CDlgSymbols::LoadPages() {
    m_curPage = -1;
    m_pageCount = 0;
    m_curFile = -1;
    m_cmbPages->clear();
    m_fileListSupport =
        SymbolsHost::VariableText(*m_context.host, QStringLiteral("SYMBOLS_FILELIST_SUPPORT"), 1);
    const QString standards =
        SymbolsHost::VariableText(*m_context.host, QStringLiteral("SYMBOLS_FILELIST_STANDARDS"), 1);
    m_files.clear();
    m_context.manager->CollectFiles();
    m_context.manager->GetListedFiles(m_fileListSupport, standards, m_files);
    if (m_context.manager->m_bIndexChanged) {
        // A file went or was read anew: the current symbol is not kept from a library the
        // window shows no longer.
        SetCurrentSymbol(nullptr, nullptr, nullptr);
    }
    m_context.manager->m_bIndexChanged = 0;
    m_readAgain = false;

    m_pageCount = PageCountOf(m_files);
    if (m_pageCount >= 1) {
        m_curPage = 0;
        m_curFile = 0;
    }
    QStringList titles;
    for (const SymbolPageEntry& entry : CollectPages(m_files, m_context.rules.pageShown)) {
        titles << m_context.rules.dataText(entry.title);
        m_cmbPages->addItem(titles.last(), QVariant::fromValue(static_cast<void*>(entry.page)));
    }

    // The window remembers its page by the name it shows.
    const int index = RememberedPageIndex(titles, ReadLastPageName(m_context.regPath));
    if (index < 0) {
        for (CSymbolButton* button : m_buttons)
            button->hide();
        m_placed.clear();
    } else {
        m_cmbPages->setCurrentIndex(index);
        OnSelChange_CmbPages();
    }
    const bool any = m_cmbPages->count() > 0;
    for (int id : {int(IDC_BTN_BACK), int(IDC_BTN_NEXT), int(IDC_CMB_PAGES)})
        EnableControl(id, any);
    if (m_extras) {
        IndexQuickFind();
        WatchFiles();
    }
}

void CDlgSymbols::ForgetFiles() {
    ClearMarks();
    {
        const QSignalBlocker blocker(m_cmbPages);
        m_cmbPages->clear(); // its items hold the pages
    }
    m_files.clear();
    m_curFile = m_curPage = -1;
    m_pageCount = 0;
    std::fill(m_buttonSymbols.begin(), m_buttonSymbols.end(), nullptr);
    for (CSymbolButton* button : m_buttons)
        button->hide();
    m_placed.clear();
    if (m_extras) {
        m_quickIndex.Index({}, m_context.rules.dataText);
        m_hits.clear();
        const QSignalBlocker blocker(m_quickHits);
        m_quickHits->clear();
    }
    m_readAgain = true;
    QTimer::singleShot(0, this, [this] {
        if (m_readAgain)
            LoadPages();
    });
}

void CDlgSymbols::OnSelChange_CmbPages() {
    const int selection = m_cmbPages->currentIndex();
    if (selection < 0)
        return;
    m_curPage = selection;
    UpdateFileIndex();
    FillPage();
}

void CDlgSymbols::UpdateFileIndex() {
    m_curFile = FileIndexOfPage(m_files, m_curPage, m_curFile);
}

void CDlgSymbols::OnStepPage(bool forward) {
    // The window steps among the pages as the files count them, not among the list entries.
    const std::optional<int> next = StepPage(m_curPage, m_pageCount, forward);
    if (!next)
        return;
    m_curPage = *next;
    if (m_curPage >= 0 && m_curPage < m_cmbPages->count())
        m_cmbPages->setCurrentIndex(m_curPage);
    UpdateFileIndex();
    FillPage();
}

void CDlgSymbols::ClearMarks() {
    for (CSymbolButton* button : m_markedButtons)
        button->WaitForModalDialog(0, 0);
    m_markedButtons.clear();
}

CSymbolButton* CDlgSymbols::ButtonAt(std::size_t index) {
    if (index < m_buttons.size())
        return m_buttons[index];
    auto* button = new CSymbolButton(this);
    button->setGeometry(0, 0, 1, 1);
    button->SetNoDefaultButton(1);
    if (DesignApplies()) {
        button->SetUseXPLook(2);
        button->SetDrawRoundCorners(0);
        button->SetGradientColor(0, kDesignFaceFrom, kDesignFaceTo);
        button->SetGradientColor(1, 0xC8C138, 0xA39C13);
        button->SetGradientColor(2, 0xFEFEFE, 0xD7D7D7);
        button->SetColor(3, 0x010000);
    }
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    button->installEventFilter(this);
    const int at = int(index);
    SetControl(IDC_FIRST_SYMBOL_BUTTON + at, button);
    connect(button, &QPushButton::clicked, this, [this, at] { OnSymbolClicked(at); });
    connect(button, &QWidget::customContextMenuRequested, this, [this, at] { OnSymbolContextMenu(at); });
    button->show();
    m_buttons.push_back(button);
    m_buttonSymbols.push_back(nullptr);
    m_helpDocuments.emplace_back();
    return button;
}

void CDlgSymbols::SetUpButton(CSymbolButton& button, const CSymbolFile& file, CNode& symbol,
                              const QString& slides, const SymbolColourSettings& colours, int index) {
    const SymbolPreview preview = PreviewOf(symbol, slides);
    button.SetSlideFile(preview.kind == SymbolPreview::Slide ? preview.path : QString());
    button.SetBitmapFile(preview.kind == SymbolPreview::Bitmap ? preview.path : QString(), kBitmapFlags);

    const SymbolButtonLook look = LookOf(UsedInCalculations(file, symbol), colours);
    button.SetMarkCorner(look.markCorner, 0);
    if (look.gradient)
        button.SetGradientColor(0, look.first, look.second);
    else
        button.SetColor(0, look.first != 0 ? look.first : PaletteFace());

    const QString name = DisplayNameOf(symbol);
    const std::optional<QString> help = HelpDocumentOf(file, symbol);
    m_helpDocuments[std::size_t(index)] = help.value_or(QString());
    button.setToolTip(help ? QString() : name);
    // Without a preview the face says which symbol it is.
    const bool hasPreview = preview.kind != SymbolPreview::None && QFileInfo::exists(preview.path);
    const QString label = name.isEmpty() ? file.GetSymbolValue(&symbol, QStringLiteral("BlockName")) : name;
    const int room = std::max(0, m_placed[std::size_t(index)].rect.width() - 4);
    button.setText(hasPreview ? QString() : button.fontMetrics().elidedText(label, Qt::ElideRight, room));
    button.setAccessibleName(label);
    m_buttonSymbols[std::size_t(index)] = &symbol;
}

void CDlgSymbols::FillPage() {
    ClearMarks();
    if (m_context.manager->m_bIndexChanged) {
        LoadPages();
        return;
    }
    const CSymbolFile* file = CurrentSymbolFile();
    if (!file)
        return;
    auto* page = static_cast<CNode*>(m_cmbPages->currentData().value<void*>());
    m_placed.clear();
    if (page) {
        const SymbolCellSize cell = CellSize();
        m_placed =
            LayoutPage(*file, *page, cell, ButtonOrigin(ListRect()), width(), m_context.rules.symbolShown);
        m_cmbPages->setToolTip(m_cmbPages->currentText());
        if (DesignApplies())
            g_cornerMarkColor = kDesignCornerMark;
        const QString slides = SlidesFolderOf(*file);
        const SymbolColourSettings colours = SymbolColourSettings::FromHost(*m_context.host, DesignApplies());
        for (std::size_t i = 0; i < m_placed.size(); ++i) {
            CSymbolButton* button = ButtonAt(i);
            const SymbolButtonSlot& slot = m_placed[i];
            if (slot.hidden) {
                button->hide();
            } else {
                SetUpButton(*button, *file, *slot.symbol, slides, colours, int(i));
                if (!button->isVisible())
                    button->show();
            }
            button->setGeometry(slot.rect);
            button->update();
        }
    }
    for (std::size_t i = m_placed.size(); i < m_buttons.size(); ++i)
        m_buttons[i]->hide();
    if (m_cmbPages->currentIndex() >= 0)
        WriteLastPageName(m_context.regPath, m_cmbPages->currentText());
    if (m_extras)
        WatchFiles();
}

void CDlgSymbols::PlaceSymbolButtons() {
    const CSymbolFile* file = CurrentSymbolFile();
    auto* page = static_cast<CNode*>(m_cmbPages->currentData().value<void*>());
    if (!file || !page || m_placed.empty() || m_context.manager->m_bIndexChanged)
        return;
    m_placed =
        LayoutPage(*file, *page, CellSize(), ButtonOrigin(ListRect()), width(), m_context.rules.symbolShown);
    for (std::size_t i = 0; i < m_placed.size() && i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(m_placed[i].rect);
}

void CDlgSymbols::OnOptions() {
    if (g_pfnShowSymbolOptions && g_pfnShowSymbolOptions(this) == 1)
        FillPage();
}

void CDlgSymbols::OnSymbolClicked(int index) {
    if (m_context.manager->m_bIndexChanged)
        return; // the files may be gone; the next page fill reloads them
    CSymbolButton* button =
        index >= 0 && std::size_t(index) < m_buttons.size() ? m_buttons[std::size_t(index)] : nullptr;
    if (!button)
        return;
    SetCurrentSymbolButton(button);
    button->WaitForModalDialog(1, kClickHighlightMs);
    SetCurrentSymbol(m_context.manager, CurrentSymbolFile(), SymbolOf(index));
    if (!g_pCurSymbolFile || !g_pCurSymbolNode)
        return;
    for (const QString& command : SymbolClickCommands(*g_pCurSymbolFile, *g_pCurSymbolNode))
        PasteToCommandLine(FormatHostCommand(command), 0, 1);
}

void CDlgSymbols::OnSymbolContextMenu(int index) {
    CSymbolButton* button =
        index >= 0 && std::size_t(index) < m_buttons.size() ? m_buttons[std::size_t(index)] : nullptr;
    if (SymbolProperties::EditSymbol(this, button, SymbolOf(index), CurrentSymbolFile(), m_context.manager))
        FillPage();
}

void CDlgSymbols::OnSearchSymbol() {
    m_searchFlow.Ask();
}

void CDlgSymbols::OnSearchNext() {
    m_searchFlow.Next();
}

int CDlgSymbols::SearchPageCount() const {
    return m_cmbPages->count();
}

CNode* CDlgSymbols::SearchPage(int index) const {
    return static_cast<CNode*>(m_cmbPages->itemData(index).value<void*>());
}

int CDlgSymbols::SearchSelection() const {
    return m_cmbPages->currentIndex();
}

void CDlgSymbols::ShowSearchPage(int index) {
    m_curPage = index;
    m_cmbPages->setCurrentIndex(index);
    UpdateFileIndex();
    FillPage();
}

void CDlgSymbols::MarkSearchMatches(const std::vector<CNode*>& matches) {
    for (std::size_t i = 0; i < m_placed.size() && i < m_buttons.size(); ++i) {
        if (m_placed[i].hidden ||
            std::find(matches.begin(), matches.end(), m_buttonSymbols[i]) == matches.end())
            continue;
        m_buttons[i]->WaitForModalDialog(1, kSearchHighlightMs);
        m_markedButtons.push_back(m_buttons[i]);
    }
}

QString CDlgSymbols::SearchCaption() const {
    return ModuleText("Symbolsuche");
}

void CDlgSymbols::OnRefreshFileList() {
    const QString support =
        SymbolsHost::VariableText(*m_context.host, QStringLiteral("SYMBOLS_FILELIST_SUPPORT"), 1);
    if (!m_fileListSupport.isEmpty() && m_fileListSupport != support)
        LoadPages();
}

bool CDlgSymbols::event(QEvent* event) {
    if (int(event->type()) == kRefreshFileListEvent) {
        OnRefreshFileList();
        return true;
    }
    return CModelessDialog::event(event);
}

bool CDlgSymbols::eventFilter(QObject* watched, QEvent* event) {
    if (m_extras && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_quickFind && key->key() == Qt::Key_Escape) {
            m_quickFind->clear();
            return true;
        }
        if (watched == m_quickFind && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) &&
            m_quickHits->count() > 0) {
            const int step = key->key() == Qt::Key_Down ? 1 : -1;
            m_quickHits->setCurrentRow(
                std::clamp(m_quickHits->currentRow() + step, 0, m_quickHits->count() - 1));
            return true;
        }
        const auto found = std::find(m_buttons.begin(), m_buttons.end(), watched);
        if (found != m_buttons.end() && HandleButtonKey(int(found - m_buttons.begin()), key))
            return true;
    }
    if (event->type() == QEvent::ToolTip) {
        const auto found = std::find(m_buttons.begin(), m_buttons.end(), watched);
        const std::size_t index = std::size_t(found - m_buttons.begin());
        if (found != m_buttons.end() && !m_helpDocuments[index].isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), HelpTooltip(index), *found);
            return true;
        }
    }
    return CModelessDialog::eventFilter(watched, event);
}

QString CDlgSymbols::HelpTooltip(int index) const {
    const CNode* symbol = SymbolOf(index);
    const QString title =
        symbol ? symbol->GetStrLeafValue(QString(), QStringLiteral("DisplayName")) : QString();
    const QString document = m_helpDocuments[std::size_t(index)];
    const DocumentSource source{ModuleText("Symbolhilfe"), QFileInfo(document).absolutePath()};
    QString reason;
    const QString html = SafeHelpHtml(document, source, &reason);
    return QStringLiteral("<b>") + title.toHtmlEscaped() + QStringLiteral("</b><br>") +
           (html.isEmpty() ? reason.toHtmlEscaped() : html);
}

void CDlgSymbols::keyReleaseEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (event->key() == Qt::Key_F5)
        LoadPages();
    else if (ctrl && (event->key() == Qt::Key_F || event->key() == Qt::Key_F3))
        OnSearchSymbol();
    else if (!ctrl && event->key() == Qt::Key_F3)
        OnSearchNext();
    CModelessDialog::keyReleaseEvent(event);
}

void CDlgSymbols::resizeEvent(QResizeEvent* event) {
    CModelessDialog::resizeEvent(event);
    PlaceControls();
    PlaceSymbolButtons();
    if (m_quickHits) {
        const int top = ButtonOrigin(ListRect()).y();
        m_quickHits->setGeometry(kMargin, top, width() - 2 * kMargin, std::max(40, height() - top - kMargin));
    }
}

void CDlgSymbols::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_firstLoad.timerId()) {
        m_firstLoad.stop();
        LoadPages();
        return;
    }
    CModelessDialog::timerEvent(event);
}
