#include "host_window.h"

#include "command_pane.h"
#include "drawing_file.h"
#include "drawing_view.h"
#include "host_text.h"
#include "host_variables_dialog.h"
#include "module_bridge.h"
#include "symbol_creation.h"
#include "symbol_options_dialog.h"
#include "tree_viewer.h"

#include "corekit/node.h"
#include "corekit/text_utils.h"
#include "corekit/vars_mgr.h"
#include "corekit/widgets/dialog_ext.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// The control id of the symbols window's first symbol button.
constexpr int kFirstSymbolButtonId = 5000;
const QString kDrawingFilter = QStringLiteral("%1 (*.inf *.infx)");
} // namespace

HostWindow::HostWindow(const HostOptions& options, const InstallationReport& report, QWidget* parent)
    : QMainWindow(parent), m_options(options), m_revitFolder(options.revitFolder) {
    setObjectName(QStringLiteral("OrvaneHost"));
    auto* central = new QWidget(this);
    m_banner = new QLabel(central);
    m_banner->setWordWrap(true);
    m_banner->setAccessibleName(HostText("Hinweise zur Installation"));
    m_banner->setStyleSheet(QStringLiteral("QLabel { padding: 4px; border: 1px solid palette(mid); }"));
    m_view = new DrawingView(m_drawing, central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_banner);
    layout->addWidget(m_view, 1);
    setCentralWidget(central);

    m_pane = new CommandPane(m_commands, this);
    auto* paneDock = new QDockWidget(HostText("Befehlszeile"), this);
    paneDock->setObjectName(QStringLiteral("CommandLineDock"));
    paneDock->setWidget(m_pane);
    addDockWidget(Qt::BottomDockWidgetArea, paneDock);

    m_symbolsDock = new QDockWidget(HostText("Symbole"), this);
    m_symbolsDock->setObjectName(QStringLiteral("SymbolsDock"));
    m_symbolsDock->setMinimumWidth(190);
    addDockWidget(Qt::LeftDockWidgetArea, m_symbolsDock);

    m_trees = new TreeViewer(this);
    auto* treeDock = new QDockWidget(HostText("Knotenbäume vom Modul"), this);
    treeDock->setObjectName(QStringLiteral("TreeDock"));
    treeDock->setWidget(m_trees);
    addDockWidget(Qt::RightDockWidgetArea, treeDock);

    connect(m_view, &DrawingView::Message, this, &HostWindow::Say);
    connect(&m_drawing.UndoStack(), &QUndoStack::cleanChanged, this, &HostWindow::UpdateTitle);
    ModuleBridge::SetPasteReceiver([this](const QString& text) { m_commands.Paste(text); });

    RegisterCommands();
    CreateMenus();
    ShowInstallation(report);
    UpdateTitle();
    resize(1280, 800);
}

HostWindow::~HostWindow() {
    // The toolbars are children of this window; the module's manager lets them go first.
    ModuleBridge::StoreAndCloseToolbars();
    ModuleBridge::SetPasteReceiver(nullptr);
    // The drawing's undo stack reports its clean state while it is destroyed, after the title's
    // texts are gone.
    m_drawing.UndoStack().disconnect(this);
}

void HostWindow::Say(const QString& line) {
    m_pane->AppendLine(line);
    statusBar()->showMessage(line, 5000);
}

void HostWindow::ShowInstallation(const InstallationReport& report) {
    const QString where = QDir::toNativeSeparators(m_options.installationDir);
    Say(sformat(HostText("Installation: %s (%d Symboldateien, %d Kataloge)"), where, report.symbolFiles,
                report.catalogs));
    for (const QString& problem : report.problems)
        Say(HostText("Fehlt: ") + problem);
    m_banner->setText(report.problems.join(u'\n'));
    m_banner->setVisible(!report.problems.isEmpty());
}

void HostWindow::RegisterCommands() {
    CommandLine& c = m_commands;
    c.Register(QStringLiteral("InsertSymbol"), HostText("Fügt das aktuelle Symbol ein (vom Modul)"),
               [this](const QStringList&) { BeginInsert(QStringLiteral("InsertSymbol")); });
    c.Register(QStringLiteral("InsPair"), HostText("Fügt das aktuelle Symbol als Blockpaar ein (vom Modul)"),
               [this](const QStringList&) { BeginInsert(QStringLiteral("InsPair")); });
    c.Register(QStringLiteral("SYMBOL"), HostText("SYMBOL Blockname: fügt das Symbol dieses Blocks ein"),
               [this](const QStringList& args) {
                   QString why;
                   const QList<DrawingItem> items = ModuleBridge::ItemsForBlock(args.value(0), why);
                   if (items.isEmpty())
                       Say(why);
                   else
                       m_view->BeginPlacement(items, HostText("Symbol einfügen"));
               });
    // The symbol properties dialog asks the host to make a block or a slide of the selection.
    c.Register(QStringLiteral("CreateSymbolBlock"),
               HostText("Vom Modul: die Auswahl als Block und Dia in die Symbolbibliothek schreiben"),
               [this](const QStringList&) { CreateSymbolFiles(true); });
    c.Register(QStringLiteral("CreateSymbolSlide"),
               HostText("Vom Modul: die Auswahl als Dia in die Symbolbibliothek schreiben"),
               [this](const QStringList&) { CreateSymbolFiles(false); });
    c.Register(QStringLiteral("HYDRAULIK"), HostText("Hydraulische Schaltungen"),
               [this](const QStringList&) { RunHydraulics(); });
    c.Register(QStringLiteral("STATION"), HostText("Assistent Frischwasser- und Wohnungsstationen"),
               [this](const QStringList&) { RunStationWizard(); });
    c.Register(QStringLiteral("SYMBOLE"), HostText("Symboldateien neu laden"), [this](const QStringList&) {
        Say(sformat(HostText("%d Symboldateien geladen."), ModuleBridge::RefreshSymbols()));
        ModuleBridge::RefreshSymbolsWindow(m_symbols);
    });
    c.Register(QStringLiteral("VARIABLEN"), HostText("Host-Variablen bearbeiten"),
               [this](const QStringList&) { ShowHostVariables(); });
    c.Register(QStringLiteral("REVIT"), HostText("REVIT Ordner: als Revit mit diesem Programmordner laufen"),
               [this](const QStringList& args) { ActAsRevit(args.join(u' ')); });
    c.Register(QStringLiteral("ACAD"), HostText("Als Zeichenprogramm laufen (nicht Revit)"),
               [this](const QStringList&) { ActAsRevit(QString()); });
    c.Register(QStringLiteral("ZURUECK"), HostText("Letzte Änderung zurücknehmen"),
               [this](const QStringList&) { m_drawing.UndoStack().undo(); });
    c.Register(QStringLiteral("WIEDERHOLEN"), HostText("Zurückgenommene Änderung wiederholen"),
               [this](const QStringList&) { m_drawing.UndoStack().redo(); });
    c.Register(QStringLiteral("LOESCHEN"), HostText("Auswahl löschen"),
               [this](const QStringList&) { m_view->DeleteSelection(); });
    c.Register(QStringLiteral("SICHERN"), HostText("SICHERN [Datei]: Zeichnung speichern"),
               [this](const QStringList& args) {
                   if (!args.isEmpty())
                       SaveDrawing(args.join(u' '));
                   else
                       OnSave();
               });
    c.Register(QStringLiteral("OEFFNEN"), HostText("OEFFNEN Datei: Zeichnung öffnen"),
               [this](const QStringList& args) { OpenDrawing(args.join(u' ')); });
}

void HostWindow::CreateSymbolFiles(bool block) {
    // The paths the properties dialog chose; the symbols window shows the new slide once it
    // sees the file change.
    SymbolCreation::Request request;
    request.block = block;
    COrvaneVarsMgr& vars = COrvaneVarsMgr::GetInstance();
    if (block)
        vars.get(QStringLiteral("SYMBOLS_BLOCKFILE"), request.blockPath, eVarSaveSettings);
    vars.get(QStringLiteral("SYMBOLS_SLIDEFILE"), request.slidePath, eVarSaveSettings);
    for (const QString& line : SymbolCreation::Create(m_drawing, m_view->SelectedIds(), request))
        Say(line);
}

void HostWindow::BeginInsert(const QString& command) {
    QString why;
    const QList<DrawingItem> items = ModuleBridge::CurrentSymbolItems(why, m_commands.IsPasting());
    if (items.isEmpty()) {
        Say(why);
        return;
    }
    m_view->BeginPlacement(items, command);
}

void HostWindow::CreateMenus() {
    QMenu* file = menuBar()->addMenu(HostText("&Datei"));
    file->addAction(HostText("&Neu"), QKeySequence::New, this, &HostWindow::OnNew);
    file->addAction(HostText("Ö&ffnen…"), QKeySequence::Open, this, &HostWindow::OnOpen);
    file->addAction(HostText("&Speichern"), QKeySequence::Save, this, &HostWindow::OnSave);
    file->addAction(HostText("Speichern &unter…"), QKeySequence::SaveAs, this, &HostWindow::OnSaveAs);
    file->addSeparator();
    file->addAction(HostText("&Beenden"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(HostText("&Bearbeiten"));
    QAction* undo = m_drawing.UndoStack().createUndoAction(this, HostText("Rückgängig:"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_drawing.UndoStack().createRedoAction(this, HostText("Wiederholen:"));
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addAction(HostText("&Löschen"), QKeySequence::Delete, m_view, &DrawingView::DeleteSelection);

    QMenu* module = menuBar()->addMenu(HostText("&Modul"));
    module->addAction(HostText("&Hydraulische Schaltungen…"), this, [this] { RunHydraulics(); });
    module->addAction(HostText("&Wohnungsstation…"), this, [this] { RunStationWizard(); });
    module->addAction(HostText("Symbole &aktualisieren"), this,
                      [this] { m_commands.Execute(QStringLiteral("SYMBOLE"), {}); });

    CreateToolbarMenu();

    QMenu* extras = menuBar()->addMenu(HostText("E&xtras"));
    extras->addAction(HostText("&Host-Variablen…"), this, &HostWindow::ShowHostVariables);
    extras->addAction(HostText("&Symboloptionen…"), this, [this] { SymbolOptionsDialog::Run(this); });
    QAction* revit = extras->addAction(HostText("Als &Revit ausführen…"));
    revit->setCheckable(true);
    revit->setChecked(!m_revitFolder.isEmpty());
    connect(revit, &QAction::toggled, this, &HostWindow::OnActAsRevit);

    QMenu* view = menuBar()->addMenu(HostText("&Ansicht"));
    view->addAction(HostText("Ver&größern"), QKeySequence::ZoomIn, this, [this] { m_view->ZoomBy(1.25); });
    view->addAction(HostText("Ver&kleinern"), QKeySequence::ZoomOut, this, [this] { m_view->ZoomBy(0.8); });
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        view->addAction(dock->toggleViewAction());
}

const CNode* HostWindow::RunHydraulics() {
    std::unique_ptr<CNode> node = ModuleBridge::RunHydraulics();
    if (!node) {
        Say(HostText("Hydraulische Schaltungen: geschlossen, nichts zu zeichnen."));
        return nullptr;
    }
    const CNode* shown = node.get();
    Say(sformat(HostText("Hydraulische Schaltungen: Knoten \"%s\" erhalten."), node->GetName()));
    m_trees->Add(HostText("Hydraulische Schaltung"), std::move(node));
    return shown;
}

void HostWindow::ShowHostVariables() {
    HostVariablesDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList changed = HostVariables::Apply(dialog.Edited());
    Say(changed.isEmpty() ? HostText("Keine Host-Variable geändert.")
                          : sformat(HostText("Geändert: %s"), changed.join(QStringLiteral(", "))));
}

void HostWindow::CreateSymbolsWindow() {
    delete m_symbols;
    m_symbols = ModuleBridge::CreateSymbolsWindow(m_symbolsDock, &SymbolOptionsDialog::Run);
    if (!m_symbols) {
        auto* missing = new QLabel(HostText("Das Symbolfenster konnte nicht erzeugt werden."), m_symbolsDock);
        missing->setWordWrap(true);
        m_symbols = missing;
    }
    m_symbolsDock->setWidget(m_symbols);
}

void HostWindow::RestoreWindows() {
    // The module makes its window only into a parent on screen.
    if (!m_symbols)
        CreateSymbolsWindow();
    ModuleBridge::RestoreToolbars();
}

void HostWindow::ActAsRevit(const QString& folder) {
    m_revitFolder = folder;
    // The module's windows belong to the host kind they were made for.
    ModuleBridge::StoreAndCloseToolbars();
    ModuleBridge::Start(folder);
    RestoreWindows();
    Say(folder.isEmpty() ? HostText("Das Modul läuft jetzt im Zeichenprogramm.")
                         : sformat(HostText("Das Modul läuft jetzt als Revit (Programmordner %s)."), folder));
    UpdateTitle();
}

void HostWindow::OnActAsRevit(bool on) {
    if (!on) {
        ActAsRevit(QString());
        return;
    }
    bool ok = false;
    const QString folder = QInputDialog::getText(
        this, HostText("Als Revit ausführen"),
        HostText("Programmordner von Revit (sein Name nennt die Version):"), QLineEdit::Normal,
        m_revitFolder.isEmpty() ? QStringLiteral("/opt/Autodesk/Revit 2019") : m_revitFolder, &ok);
    if (ok && !folder.trimmed().isEmpty())
        ActAsRevit(folder.trimmed());
}

void HostWindow::QuitWhenFilled() {
    // The symbols window loads its first page just after it shows; filled means its first
    // symbol button is on screen (or the window could not be made, or five seconds passed).
    auto* timer = new QTimer(this);
    auto* clock = new QElapsedTimer;
    clock->start();
    connect(timer, &QTimer::timeout, this, [this, timer, clock] {
        auto* symbols = qobject_cast<CDialogExt*>(m_symbols);
        QWidget* first = symbols ? symbols->GetDlgItem(kFirstSymbolButtonId) : nullptr;
        if (symbols && !(first && first->isVisible()) && clock->elapsed() < 5000)
            return;
        timer->stop();
        delete clock;
        QCoreApplication::quit();
    });
    timer->start(1);
}

bool HostWindow::SaveDrawing(const QString& path) {
    QString error;
    if (!DrawingFile::Save(m_drawing, path, &error)) {
        Say(error);
        return false;
    }
    m_drawingPath = path;
    m_drawing.UndoStack().setClean();
    Say(sformat(HostText("Gespeichert: %s"), path));
    UpdateTitle();
    return true;
}

bool HostWindow::OpenDrawing(const QString& path, QString* error) {
    QString why;
    if (!DrawingFile::Open(m_drawing, path, &why)) {
        Say(why);
        if (error)
            *error = why;
        return false;
    }
    m_drawingPath = path;
    Say(sformat(HostText("Geöffnet: %s (%d Elemente)"), path, int(m_drawing.Items().size())));
    UpdateTitle();
    return true;
}

void HostWindow::OnNew() {
    m_drawing.Reset();
    m_drawingPath.clear();
    UpdateTitle();
}

void HostWindow::OnOpen() {
    const QString path = QFileDialog::getOpenFileName(this, HostText("Zeichnung öffnen"), m_drawingPath,
                                                      kDrawingFilter.arg(HostText("Zeichnungen")));
    if (!path.isEmpty())
        OpenDrawing(path);
}

void HostWindow::OnSave() {
    if (m_drawingPath.isEmpty())
        OnSaveAs();
    else
        SaveDrawing(m_drawingPath);
}

void HostWindow::OnSaveAs() {
    const QString path = QFileDialog::getSaveFileName(this, HostText("Zeichnung speichern"), m_drawingPath,
                                                      kDrawingFilter.arg(HostText("Zeichnungen")));
    if (!path.isEmpty())
        SaveDrawing(path);
}

void HostWindow::UpdateTitle() {
    QString title = HostText("Orvane Demo-Host");
    title += QStringLiteral(" – ") + (m_drawingPath.isEmpty() ? HostText("Unbenannt") : m_drawingPath);
    if (!m_drawing.UndoStack().isClean())
        title += QStringLiteral(" *");
    if (!m_revitFolder.isEmpty())
        title += QStringLiteral(" [Revit]");
    setWindowTitle(title);
}

void HostWindow::closeEvent(QCloseEvent* event) {
    if (!m_drawing.UndoStack().isClean()) {
        const auto answer = QMessageBox::question(
            this, HostText("Orvane Demo-Host"), HostText("Die Zeichnung wurde geändert. Speichern?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            event->ignore();
            return;
        }
        if (answer == QMessageBox::Save) {
            OnSave();
            if (!m_drawing.UndoStack().isClean()) {
                event->ignore();
                return;
            }
        }
    }
    event->accept();
}
