#include "dlg_symbol_toolbar.h"

#include "symbolui/current_symbol.h"
#include "symbolui/dlg_symbol_properties.h"
#include "symbolui/dlg_symbol_toolbar_properties.h"
#include "symbolui/symbol_insertion.h"
#include "symbolui/symbol_page_list.h"
#include "symbolui/symbol_search.h"
#include "symbolui/symbol_toolbar_manager.h"
#include "symbolui/toolbar_button_face.h"
#include "symbolui/toolbar_events.h"
#include "symbolui/toolbar_layout.h"

#include "frame/app.h"
#include "frame/host_command.h"
#include "frame/resource_scope.h"
#include "slides/slide.h"
#include "slides/symbol_button.h"
#include "symbols/node_filters.h"
#include "symbols/symbol_file.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_folders.h"
#include "symbols/symbol_library_context.h"
#include "symbols/symbol_toolbar_settings.h"
#include "symbols/symbols_host.h"

#include "corekit/node.h"
#include "corekit/registry.h"
#include "corekit/text_utils.h"
#include "corekit/ui_services.h"
#include "shellui/color_scheme.h"
#include "shellui/desktop_design.h"
#include "shellui/image_list.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kTopRowY = 4;
constexpr int kSmallButton = 22;
const QString kStretchValue = QStringLiteral("StretchButtons");

// A design image in the colour scheme in use when the design has one, else the plain one.
QImage DesignImage(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return QImage();
    const QString themed =
        QDir(folder).filePath(ShellUI::AddColorSchemeSuffix(name) + QStringLiteral(".bmp"));
    const QString plain = QDir(folder).filePath(name + QStringLiteral(".bmp"));
    return ShellUI::LoadImageList(QFileInfo::exists(themed) ? themed : plain, 16, 16).Image(0);
}

CNode* SymbolOf(const CSymbolButton* button) {
    return button ? static_cast<CNode*>(button->property("symbolNode").value<void*>()) : nullptr;
}

} // namespace

CDlgSymbolToolbar::CDlgSymbolToolbar(const SymbolToolbarContext& context, QWidget* parent)
    : CModelessDialog(kTemplateId, parent), m_context(context),
      m_searchFlow(*this, [](const QString& text) { return ModuleDataText(text); }) {
    setWindowTitle(QStringLiteral("Symbole"));
    setWindowFlag(Qt::Tool, parent != nullptr);
    EnableResizing(true);
    setMouseTracking(true);
    // Buttons move on every resize; painting the whole window at once avoids flicker.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    resize(480, 172);
    if (m_context.fileManager)
        m_treeNotice = m_context.fileManager->NotifyBeforeTreesGo([this] { ForgetFiles(); });
}

CDlgSymbolToolbar::~CDlgSymbolToolbar() {
    if (m_context.fileManager)
        m_context.fileManager->StopNotifying(m_treeNotice);
    if (!m_pageIndexValue.isEmpty())
        StorePageIndex();
}

void CDlgSymbolToolbar::CreateControls() {
    const QString imageFile = QDir(m_context.supportFolder)
                                  .filePath(ShellUI::AddColorSchemeSuffix(QStringLiteral("ImgList_Symbols")) +
                                            QStringLiteral(".bmp"));
    const ShellUI::CImageList images = ShellUI::LoadImageList(imageFile, 16, 16);
    const CDesktopDesignBase* design = m_context.designs ? m_context.designs->GetDesign(-1) : nullptr;
    const QString designFolder =
        design ? design->GetPropertyStr(CDesktopDesignBase::kImageFolder, nullptr) : QString();
    // A button without its image at hand shows a glyph; the text a screen reader speaks is
    // the tool tip.
    const auto makeButton = [this](int id, const char* tip, const QImage& image, const QString& glyph) {
        auto* button = new CDesktopButton(this);
        button->SetNoDefaultButton(1);
        if (!image.isNull())
            button->SetBitmap(image, 0x0F00);
        else
            button->setText(glyph);
        button->setToolTip(ModuleText(tip));
        button->setAccessibleName(ModuleText(tip));
        button->setFocusPolicy(Qt::TabFocus);
        SetControl(id, button);
        return button;
    };
    m_back = makeButton(IDC_BTN_BACK, "zurück", DesignImage(designFolder, QStringLiteral("ArrowLeft")),
                        QStringLiteral("\u25C0"));
    m_forward = makeButton(IDC_BTN_FORWARD, "weiter", DesignImage(designFolder, QStringLiteral("ArrowRight")),
                           QStringLiteral("\u25B6"));
    m_pages = new QComboBox(this);
    m_pages->setToolTip(ModuleText("Seiten"));
    m_pages->setAccessibleName(ModuleText("Seiten"));
    SetControl(IDC_CMB_PAGES, m_pages);
    m_standardSize = makeButton(IDC_BTN_STANDARD_SIZE, "Standard-Größe", QImage(), QStringLiteral("\u25A1"));
    m_stretch = makeButton(IDC_BTN_STRETCH, "Schaltflächen strecken/nicht strecken", QImage(), QString());
    m_options = makeButton(IDC_BTN_OPTIONS, "Optionen", images.Image(0), QStringLiteral("\u2026"));
    m_search = makeButton(IDC_BTN_SEARCH, "Symbol suchen", images.Image(1), QStringLiteral("?"));
    m_searchNext =
        makeButton(IDC_BTN_SEARCH_NEXT, "Nächstes Symbol suchen", images.Image(2), QStringLiteral("?\u00BB"));
    if (m_context.isRevit)
        m_options->hide();

    connect(m_back, &QAbstractButton::clicked, this, [this] { StepPage(false); });
    connect(m_forward, &QAbstractButton::clicked, this, [this] { StepPage(true); });
    connect(m_pages, &QComboBox::activated, this, [this] { OnSelChange(); });
    connect(m_standardSize, &QAbstractButton::clicked, this, [this] { RestoreStandardSize(); });
    connect(m_stretch, &QAbstractButton::clicked, this, [this] { ToggleStretch(); });
    connect(m_search, &QAbstractButton::clicked, this, [this] { OnSearchSymbol(); });
    connect(m_searchNext, &QAbstractButton::clicked, this, [this] { OnSearchNext(); });
    connect(m_options, &QAbstractButton::clicked, this, [this] {
        if (g_pfnShowSymbolOptions && g_pfnShowSymbolOptions(this) == 1)
            FillPage();
    });
}

void CDlgSymbolToolbar::PlaceControls() {
    if (!m_pages)
        return;
    m_back->setGeometry(4, kTopRowY, kSmallButton, kSmallButton);
    m_forward->setGeometry(4 + kSmallButton + 2, kTopRowY, kSmallButton, kSmallButton);
    // The five buttons on the right keep their distance to the right edge.
    int x = width() - 4 - kSmallButton;
    for (CDesktopButton* button : {m_searchNext, m_search, m_options, m_standardSize, m_stretch}) {
        if (button == m_options && m_context.isRevit)
            continue;
        button->setGeometry(x, kTopRowY, kSmallButton, kSmallButton);
        x -= kSmallButton + 2;
    }
    const int comboLeft = m_forward->geometry().right() + 5;
    m_pages->setGeometry(comboLeft, kTopRowY, std::max(40, x - comboLeft), kSmallButton);
}

bool CDlgSymbolToolbar::OnInitDialog() {
    CreateControls();
    DialogEx::OnInitDialog(this, 0x0BF00000, g_pTranslationModule);
    DWORD stretch = 1;
    if (RegQueryValueW(HKEY_CURRENT_USER, GetRegistryKey(), kStretchValue, stretch))
        m_stretchButtons = stretch != 0 ? 1 : 0;
    UpdateStretchFace();
    setMinimumSize(kMinimumSize);
    PlaceControls();
    m_defaultSize = size();
    // The pages are filled once the window is up.
    QTimer::singleShot(10, this, [this] { LoadPages(); });
    return true;
}

void CDlgSymbolToolbar::UpdateStretchFace() {
    if (m_stretch)
        m_stretch->setText(m_stretchButtons ? QStringLiteral("\u2192\u2190") : QStringLiteral("\u2194"));
}

SymbolFilterValues CDlgSymbolToolbar::Filters() const {
    return m_context.fileManager ? m_context.fileManager->Context().Filters() : SymbolFilterValues{};
}

void CDlgSymbolToolbar::LoadPages() {
    m_curFile = -1;
    m_pages->clear();
    // Reloaded files may change any picture: the next fill reads every one again.
    for (CSymbolButton* button : m_buttons)
        button->setProperty("faceKey", QVariant());
    const QString subFolder =
        m_context.isRevit ? QStringLiteral("ToolbarRevit_") : QStringLiteral("Toolbar_");
    m_files.clear();
    if (CSymbolFileManager* files = m_context.fileManager) {
        files->CollectFiles();
        files->GetFilesForTrade(m_name, m_files, subFolder, 1);
        files->m_bIndexChanged = 0;
    }
    m_readAgain = false;
    for (const SymbolPageEntry& entry : CollectPages(m_files, SymbolViewRules::Platform(Filters()).pageShown))
        m_pages->addItem(ModuleDataText(entry.title), QVariant::fromValue(static_cast<void*>(entry.page)));
    m_pageIndexValue = SymbolToolbarSettings::PageIndexValue(m_name);

    const bool any = m_pages->count() > 0;
    if (!any) {
        for (CSymbolButton* button : m_buttons)
            button->hide();
        m_usedButtons = 0;
    } else {
        DWORD stored = 0;
        std::optional<int> index;
        if (RegQueryValueW(HKEY_CURRENT_USER, GetRegistryKey(), m_pageIndexValue, stored) &&
            stored <= INT_MAX)
            index = int(stored);
        m_pages->setCurrentIndex(RestoredPageIndex(index, m_pages->count()));
        OnSelChange();
    }
    for (int id : {IDC_BTN_BACK, IDC_BTN_FORWARD, IDC_CMB_PAGES})
        EnableControl(id, any);
}

void CDlgSymbolToolbar::OnSelChange() {
    const std::optional<int> selection =
        m_pages->currentIndex() >= 0 ? std::optional<int>(m_pages->currentIndex()) : std::nullopt;
    m_curFile = FileIndexOfPage(m_files, selection, m_curFile);
    FillPage();
}

void CDlgSymbolToolbar::SelectPage(int index) {
    if (index < 0 || index >= m_pages->count())
        return;
    m_pages->setCurrentIndex(index);
    OnSelChange();
}

void CDlgSymbolToolbar::StepPage(bool forward) {
    const std::optional<int> selection =
        m_pages->currentIndex() >= 0 ? std::optional<int>(m_pages->currentIndex()) : std::nullopt;
    if (const auto next = ::StepPage(selection, m_pages->count(), forward))
        SelectPage(*next);
}

CNode* CDlgSymbolToolbar::SelectedPage() const {
    if (!m_pages || m_pages->currentIndex() < 0)
        return nullptr;
    return static_cast<CNode*>(m_pages->currentData().value<void*>());
}

CSymbolButton* CDlgSymbolToolbar::ButtonAt(int index) {
    if (index < int(m_buttons.size()))
        return m_buttons[std::size_t(index)];
    auto* button = new CSymbolButton(this);
    button->setGeometry(0, 0, 1, 1);
    button->setObjectName(QString::number(kFirstSymbolButtonId + index));
    button->SetNoDefaultButton(1);
    button->SetDrawRoundCorners(0);
    // Tab reaches the symbols, but a click leaves the focus in the drawing.
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QAbstractButton::clicked, this, [this, button] { OnSymbolClicked(button); });
    m_buttons.push_back(button);
    button->show();
    return button;
}

void CDlgSymbolToolbar::LoadBackground(const CNode* page, const QString& slidesFolder) {
    const CLeaf* slideName = page->FindLeaf(QStringLiteral("SlideName"));
    if (!slideName) {
        if (m_pBackground && m_pBackground->IsLoaded()) {
            m_pBackground->Clear();
            update();
        }
        return;
    }
    if (!m_pBackground)
        m_pBackground = std::make_unique<CSlide>();
    m_pBackground->Clear();
    QString name;
    slideName->GetFirstValue(name, u':');
    // Slide files are named in lower case here ("bg" is "bg.sld"). A missing slide leaves the
    // page without background; its buttons are still laid out.
    QString path = slidesFolder + SymbolFolders::NormalizeSeparators(name);
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".sld");
    m_pBackground->Load(QString(), path);
    update();
}

void CDlgSymbolToolbar::ClearMarks() {
    for (CSymbolButton* marked : m_markedButtons)
        marked->WaitForModalDialog(0, 0);
    m_markedButtons.clear();
}

void CDlgSymbolToolbar::ForgetFiles() {
    ClearMarks();
    if (m_pages) {
        const QSignalBlocker blocker(m_pages);
        m_pages->clear(); // its items hold the pages
    }
    m_files.clear();
    m_curFile = -1;
    for (CSymbolButton* button : m_buttons) {
        button->setProperty("symbolNode", QVariant());
        button->setProperty("faceKey", QVariant());
        button->hide();
    }
    m_usedButtons = 0;
    m_readAgain = true;
    QTimer::singleShot(0, this, [this] {
        if (m_pages && m_readAgain) // no pages: the window loads them once it is built
            LoadPages();
    });
}

void CDlgSymbolToolbar::FillPage() {
    ClearMarks();
    if (m_context.fileManager && m_context.fileManager->m_bIndexChanged) {
        LoadPages();
        return;
    }
    if (m_curFile < 0 || m_curFile >= int(m_files.size()))
        return;
    CSymbolFile* file = m_files[std::size_t(m_curFile)];
    const CNode* page = SelectedPage();
    int used = 0;
    if (page) {
        ToolbarFrame frame;
        frame.client = rect();
        frame.backButton = m_back->geometry();
        frame.stretch = m_stretchButtons != 0;
        frame.defaultWindowSize = m_defaultSize;
        frame.windowSize = frameGeometry().size();
        frame.clientSize = size();
        frame.scaleFactor = m_context.scaleFactor;
        m_pages->setToolTip(m_pages->currentText());

        const QString folder = QFileInfo(file->m_path).absolutePath();
        const QString slidesFolder = SymbolFolders::JoinFolder(folder, QStringLiteral("Slides"));
        LoadBackground(page, slidesFolder);
        const bool fixed = page->GetIntLeafValue(QString(), QStringLiteral("FixedLayout"), 1, u':', 0) != 0;

        ToolbarFaceContext faceContext;
        faceContext.slidesFolder = slidesFolder;
        if (m_context.host) {
            ISymbolsHost& host = *m_context.host;
            faceContext.markCorner =
                SymbolsHost::VariableInt(host, QStringLiteral("SYMBOLE_MARK_CORNER"), 0, 1);
            faceContext.useButtonColour =
                SymbolsHost::VariableInt(host, QStringLiteral("SYMBOLE_USE_BUTTON_COLOR"), 0, 0);
            faceContext.buttonColour =
                quint32(SymbolsHost::VariableInt(host, QStringLiteral("SYMBOLE_BUTTON_COLOR"), 0, 0));
        }
        if (m_context.isRevit) {
            bool applies = false;
            faceContext.families = FamilyFoldersFor(folder + u'/', m_context.revitVersion, applies);
            faceContext.checkFamilies = applies;
        }

        std::optional<QSize> slideSize;
        if (m_pBackground && m_pBackground->IsLoaded())
            slideSize = QSize(m_pBackground->m_width, m_pBackground->m_height);
        CToolbarPlacer placer(frame, fixed, FixedLayoutReferenceSize(page, slideSize));
        const ButtonFace plainFace;
        const SymbolFilterValues filters = Filters();
        for (const auto& child : page->Children()) {
            const CNode* symbol = child.get();
            if (symbol->GetName() != QLatin1String("Symbol") ||
                !NodeFilters::CheckSymbolFilters(symbol, filters))
                continue;
            const ToolbarPlacement placement = placer.Place(symbol, file);
            if (placement.kind == ToolbarPlacement::Kind::Skipped)
                continue;
            CSymbolButton* button = ButtonAt(used++);
            const ToolbarButtonFace face = ComputeToolbarButtonFace(symbol, file, faceContext);
            // A resize fills the page again with the same symbols: their pictures stay loaded.
            const QString faceKey = face.slideFile + u'|' + face.bitmapFile;
            if (SymbolOf(button) != symbol || button->property("faceKey").toString() != faceKey) {
                button->SetSlideFile(face.slideFile);
                button->SetBitmapFile(face.bitmapFile, 0x0F00);
                button->setProperty("faceKey", faceKey);
            }
            button->SetMarkCorner(face.markCorner, face.scaleMark);
            button->SetColor(0, face.colour ? face.colour : plainFace.WithPalette(palette()).color(0));
            button->setToolTip(face.toolTipKey.isEmpty() ? QString() : ModuleDataText(face.toolTipKey));
            // A symbol without display name is called by its block, as on its face.
            button->setAccessibleName(!button->toolTip().isEmpty() ? button->toolTip()
                                      : !face.toolTipKey.isEmpty()
                                          ? face.toolTipKey
                                          : file->GetSymbolValue(symbol, QStringLiteral("BlockName")));
            button->setProperty("symbolNode",
                                QVariant::fromValue(static_cast<void*>(const_cast<CNode*>(symbol))));
            button->setGeometry(placement.rect);
            button->setVisible(placement.kind == ToolbarPlacement::Kind::Placed);
        }
    }
    for (std::size_t i = std::size_t(used); i < m_buttons.size(); ++i)
        m_buttons[i]->hide();
    m_usedButtons = used;
    StorePageIndex();
    emit pageFilled();
}

void CDlgSymbolToolbar::StorePageIndex() const {
    if (!m_pages || m_pages->currentIndex() < 0 || m_pageIndexValue.isEmpty())
        return;
    RegSetValueW(HKEY_CURRENT_USER, GetRegistryKey(), m_pageIndexValue, DWORD(m_pages->currentIndex()));
}

void CDlgSymbolToolbar::ToggleStretch() {
    m_stretchButtons = m_stretchButtons ? 0 : 1;
    UpdateStretchFace();
    RegSetValueW(HKEY_CURRENT_USER, GetRegistryKey(), kStretchValue, DWORD(m_stretchButtons));
    FillPage();
}

void CDlgSymbolToolbar::RestoreStandardSize() {
    resize(m_defaultSize);
    FillPage();
}

int CDlgSymbolToolbar::IsMouseInside(const QPoint& globalPos) const {
    return frameGeometry().contains(globalPos) ? 1 : 0;
}

void CDlgSymbolToolbar::OnSymbolClicked(CSymbolButton* button) {
    if (m_context.fileManager && m_context.fileManager->m_bIndexChanged) {
        FillPage();
        return;
    }
    if (m_curFile < 0 || m_curFile >= int(m_files.size()) || !SymbolOf(button))
        return;
    CSymbolFile* file = m_files[std::size_t(m_curFile)];
    CNode* symbol = SymbolOf(button);
    SetCurrentSymbolButton(button);
    button->WaitForModalDialog(1, 400);
    SetCurrentSymbol(m_context.fileManager, file, symbol);
    for (const QString& command : SymbolClickCommands(*file, *symbol))
        PasteToCommandLine(FormatHostCommand(command), 0, 1);
}

void CDlgSymbolToolbar::OnSearchSymbol() {
    m_searchFlow.Ask();
}

void CDlgSymbolToolbar::OnSearchNext() {
    m_searchFlow.Next();
}

int CDlgSymbolToolbar::SearchPageCount() const {
    return m_pages->count();
}

CNode* CDlgSymbolToolbar::SearchPage(int index) const {
    return static_cast<CNode*>(m_pages->itemData(index).value<void*>());
}

int CDlgSymbolToolbar::SearchSelection() const {
    return m_pages->currentIndex();
}

void CDlgSymbolToolbar::MarkSearchMatches(const std::vector<CNode*>& matches) {
    for (int i = 0; i < m_usedButtons; ++i) {
        CSymbolButton* button = m_buttons[std::size_t(i)];
        if (std::find(matches.begin(), matches.end(), SymbolOf(button)) != matches.end()) {
            button->WaitForModalDialog(1, 60000);
            m_markedButtons.push_back(button);
        }
    }
}

void CDlgSymbolToolbar::OnSymbolRightClicked(CSymbolButton* button) {
    if ((m_context.fileManager && m_context.fileManager->m_bIndexChanged) || !SymbolOf(button))
        return;
    if (SymbolProperties::EditSymbol(this, button, SymbolOf(button), m_files[std::size_t(m_curFile)],
                                     m_context.fileManager))
        FillPage();
}

void CDlgSymbolToolbar::EditPageTitle() {
    CNode* page = SelectedPage();
    if (!page || m_curFile < 0 || m_curFile >= int(m_files.size()))
        return;
    CSymbolFile* file = m_files[std::size_t(m_curFile)];
    CDlgSymbolToolbarProperties dialog(this);
    dialog.SetData(file, page, m_context.fileManager && m_context.fileManager->Context().MasterMode());
    int result;
    {
        CModuleResourceScope scope;
        result = runPropertiesDialog ? runPropertiesDialog(dialog) : dialog.DoModal();
    }
    if (result != QDialog::Accepted || !dialog.IsTitleModified())
        return;
    m_pages->setUpdatesEnabled(false);
    m_pages->setItemText(m_pages->currentIndex(), dialog.Title());
    m_pages->setUpdatesEnabled(true);
    m_pages->update();
    if (!file->Save())
        UiMessageBox(ModuleText("Änderungen konnten nicht gespeichert werden."), windowTitle(), UiButtons::Ok,
                     UiIcon::Exclamation);
}

void CDlgSymbolToolbar::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (m_curFile < 0 || m_curFile >= int(m_files.size()))
        return;
    QWidget* target = childAt(event->pos());
    for (CSymbolButton* button : m_buttons)
        if (button == target) {
            OnSymbolRightClicked(button);
            return;
        }
    for (int id : {IDC_BTN_BACK, IDC_BTN_FORWARD, IDC_CMB_PAGES, IDC_BTN_STANDARD_SIZE, IDC_BTN_STRETCH,
                   IDC_BTN_OPTIONS, IDC_BTN_SEARCH, IDC_BTN_SEARCH_NEXT})
        if (target && GetDlgItem(id) && GetDlgItem(id)->isAncestorOf(target) | (GetDlgItem(id) == target))
            return;
    EditPageTitle();
}

// What the symbols window does from the keyboard: Enter inserts the focused symbol, the menu key
// (or Shift+F10) edits its properties, Page Up and Page Down step the pages and leave the focus on
// the first symbol of the new page. F2 gives the page a new title, as a right click beside the
// buttons does.
void CDlgSymbolToolbar::keyPressEvent(QKeyEvent* event) {
    const auto focused = std::find(m_buttons.begin(), m_buttons.end(), focusWidget());
    const int key = event->key();
    const bool menuKey =
        key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() & Qt::ShiftModifier);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && focused != m_buttons.end()) {
        (*focused)->click();
    } else if (menuKey && focused != m_buttons.end()) {
        OnSymbolRightClicked(*focused);
    } else if (key == Qt::Key_F2) {
        EditPageTitle();
    } else if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        StepPage(key == Qt::Key_PageDown);
        if (focused != m_buttons.end()) {
            const auto first = std::find_if(m_buttons.begin(), m_buttons.end(),
                                            [this](CSymbolButton* b) { return b->isVisibleTo(this); });
            if (first != m_buttons.end())
                (*first)->setFocus(Qt::TabFocusReason);
        }
    } else {
        CModelessDialog::keyPressEvent(event);
    }
}

void CDlgSymbolToolbar::keyReleaseEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (event->key() == Qt::Key_F5)
        LoadPages();
    else if (control && (event->key() == Qt::Key_F || event->key() == Qt::Key_F3))
        OnSearchSymbol();
    else if (event->key() == Qt::Key_F3)
        OnSearchNext();
    CModelessDialog::keyReleaseEvent(event);
}

void CDlgSymbolToolbar::mouseMoveEvent(QMouseEvent* event) {
    CModelessDialog::mouseMoveEvent(event);
    // In the drawing host the command line keeps the focus; a toolbar under the mouse takes it
    // so that its keys work.
    if (!m_context.isRevit && !isActiveWindow() && !isAncestorOf(QApplication::focusWidget()))
        activateWindow();
}

bool CDlgSymbolToolbar::event(QEvent* event) {
    if (event->type() == QEvent::Type(ToolbarEvents::kMouseInsideQuery)) {
        static_cast<ToolbarEvents::MouseInsideQuery*>(event)->answer = IsMouseInside(QCursor::pos());
        return true;
    }
    return CModelessDialog::event(event);
}

void CDlgSymbolToolbar::paintEvent(QPaintEvent* event) {
    CModelessDialog::paintEvent(event);
    if (!m_pBackground || !m_pBackground->IsLoaded())
        return;
    QPainter painter(this);
    // White slide lines follow the palette, so the slide reads in light and dark themes.
    m_pBackground->SetForegroundColor(ColorRefFromColor(palette().color(QPalette::WindowText)));
    m_pBackground->Draw(painter, rect().adjusted(1, 1, -1, -1), 1);
}

void CDlgSymbolToolbar::resizeEvent(QResizeEvent* event) {
    CModelessDialog::resizeEvent(event);
    PlaceControls();
    if (m_pages && m_pages->count() > 0)
        FillPage();
}

void CDlgSymbolToolbar::CloseByPlanner() {
    if (m_closing)
        return;
    m_closing = true;
    StorePageIndex();
    if (m_context.manager)
        m_context.manager->CloseToolbar(this);
    else
        hide();
}

void CDlgSymbolToolbar::closeEvent(QCloseEvent* event) {
    CModelessDialog::closeEvent(event);
    CloseByPlanner();
}

void CDlgSymbolToolbar::reject() {
    CloseByPlanner();
}
