#include "tour.h"

#include "command_pane.h"
#include "drawing_view.h"
#include "host_variables_dialog.h"
#include "host_window.h"
#include "module_bridge.h"
#include "station_flow.h"
#include "tree_viewer.h"

#include "corekit/node.h"
#include "corekit/text_utils.h"
#include "corekit/ui_recorder.h"
#include "corekit/widgets/dialog_ext.h"
#include "hydraulics/dlg_hydraulics.h"
#include "stations/dlg_wohnungsstation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <memory>

namespace {

constexpr int kModalWaitMs = 10000;

// Runs `action` on the next modal window as soon as it is open (a modal dialog blocks the
// step that opens it). The action must close the window. Setting `cancelled` stops waiting, so
// that a window that never opened cannot catch the next step's window.
void WhenModalOpens(std::function<void(QWidget*)> action, std::shared_ptr<bool> cancelled = {}) {
    auto* timer = new QTimer(qApp);
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, action, cancelled] {
        const bool stop = cancelled && *cancelled;
        QWidget* modal = stop ? nullptr : QApplication::activeModalWidget();
        if (!stop && !modal && waited->elapsed() < kModalWaitMs)
            return;
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (modal)
            action(modal);
    });
    timer->start(10);
}

// Lets the event loop run for a while: the symbols window loads its pages just after it shows.
void Wait(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void Settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

QString Expect(bool ok, const QString& why) {
    return ok ? QString() : why;
}

// A control by its number; the toolbars name their symbol buttons by it instead.
QAbstractButton* DialogButton(QWidget* window, int id) {
    auto* dialog = qobject_cast<CDialogExt*>(window);
    auto* button = dialog ? qobject_cast<QAbstractButton*>(dialog->GetDlgItem(id)) : nullptr;
    return button ? button : window->findChild<QAbstractButton*>(QString::number(id));
}

// Controls of the symbols window and the toolbars.
constexpr int kFirstSymbolButton = 5000;
constexpr int kSearchButton = 1971;
constexpr int kOptionsButton = 1967;
constexpr int kPagesList = 1970;

} // namespace

Tour::Tour(HostWindow& window, const QString& folder) : m_window(window), m_folder(folder) {
    QDir().mkpath(folder);
    m_log.setFileName(QDir(folder).filePath(QStringLiteral("tour.log")));
    m_log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
}

QString Tour::StepPath(const QString& name, const char* extension) const {
    return QDir(m_folder).filePath(sformat("%02d-%s.%s", m_number, name, extension));
}

void Tour::Step(const QString& name, const Check& check, QWidget* shot) {
    ++m_number;
    const QString why = check();
    Settle();
    (shot ? shot : &m_window)->grab().save(StepPath(name, "png"));
    const QString line =
        sformat("%02d %s: %s", m_number, name, why.isEmpty() ? QStringLiteral("ok") : "FAILED: " + why);
    if (!why.isEmpty())
        ++m_failed;
    m_log.write(line.toUtf8() + '\n');
    m_log.flush();
}

int Tour::Run() {
    // Messages of the module are recorded, not shown: nobody is there to press OK.
    CRecordingUiServices messages;
    messages.SetDefaultYesNo(IDYES);
    m_messages = &messages;
    m_window.show();
    m_window.RestoreWindows();
    Settle();
    Step(QStringLiteral("start"), [] { return QString(); });
    StepsSymbolsWindow();
    StepsHydraulics();
    StepsCanvas();
    StepsStation();
    StepsToolbars();
    StepHostVariables();
    StepRevit();
    for (const CRecordingUiServices::Entry& shown : messages.Shown())
        m_log.write(("message: " + shown.caption + ": " + shown.text).toUtf8() + '\n');
    return m_failed == 0 ? 0 : 1;
}

void Tour::StepsHydraulics() {
    // The circuit types in the order of the dialog's list.
    const int types[] = {0, 1, 2, 6, 3, 5, 4};
    for (int position = 0; position < 7; ++position) {
        const QString name = sformat("hydraulics-type-%d", types[position]);
        QString dialogShot;
        auto done = std::make_shared<bool>(false);
        WhenModalOpens(
            [&](QWidget* modal) {
                auto* dialog = qobject_cast<CDialogExt*>(modal);
                auto* list =
                    dialog ? qobject_cast<QComboBox*>(dialog->GetDlgItem(CDlgHydraulics::IDC_CMB_HYDMODE))
                           : nullptr;
                auto* draw =
                    dialog
                        ? qobject_cast<QAbstractButton*>(dialog->GetDlgItem(CDlgHydraulics::IDC_BTN_ZEICHNEN))
                        : nullptr;
                if (!list || !draw) {
                    modal->close();
                    return;
                }
                list->setCurrentIndex(position);
                Settle();
                dialogShot = QDir(m_folder).filePath(sformat("%02d-%s-dialog.png", m_number, name));
                modal->grab().save(dialogShot);
                draw->click();
            },
            done);
        Step(name, [&]() -> QString {
            const CNode* node = m_window.RunHydraulics();
            *done = true;
            if (!node)
                return QStringLiteral("the dialog returned nothing");
            node->WriteToFile(StepPath(name, "inf"), false, true);
            const int mode = node->GetIntLeafValue(QString(), QStringLiteral("eHydMode"), 1, u':', -1);
            return Expect(node->GetName() == u"HydData" && mode == types[position],
                          sformat("expected HydData with eHydMode %d, got %s with %d", types[position],
                                  node->GetName(), mode));
        });
    }
}

void Tour::StepsCanvas() {
    Drawing& drawing = m_window.GetDrawing();
    DrawingView* view = m_window.View();
    const auto insertByName = [&](const QString& block, QPointF at, size_t expectedAdded) -> QString {
        const size_t before = drawing.Items().size();
        m_window.Commands().Type(QStringLiteral("SYMBOL ") + block);
        if (!view->IsPlacing())
            return QStringLiteral("SYMBOL ") + block + QStringLiteral(" did not start a placement");
        view->PlaceAt(at);
        view->centerOn(at);
        return Expect(drawing.Items().size() == before + expectedAdded,
                      sformat("expected %d new items, the drawing has %d", int(expectedAdded),
                              int(drawing.Items().size() - before)));
    };
    Step(QStringLiteral("insert-by-name"), [&] {
        return insertByName(QStringLiteral("HZ_KESSEL"), {0, 0}, 1);
    });
    Step(QStringLiteral("insert-block-pair"), [&] {
        return insertByName(QStringLiteral("HZ_FBH_VERTEILER"), {0, 100}, 2);
    });
    Step(QStringLiteral("move-delete-undo"), [&]() -> QString {
        const size_t count = drawing.Items().size();
        if (count == 0)
            return QStringLiteral("the drawing is empty");
        const int first = drawing.Items().begin()->first;
        const QPointF start = drawing.Item(first)->position;
        drawing.Move({first}, {30, 0});
        view->SelectIds({first});
        view->DeleteSelection();
        if (drawing.Items().size() != count - 1)
            return QStringLiteral("delete did not remove the item");
        drawing.UndoStack().undo();
        drawing.UndoStack().undo();
        return Expect(drawing.Items().size() == count && drawing.Item(first) &&
                          drawing.Item(first)->position == start,
                      QStringLiteral("undo did not bring the item back to its place"));
    });
    Step(QStringLiteral("save-and-reopen"), [&]() -> QString {
        const QString path = QDir(m_folder).filePath(QStringLiteral("drawing.inf"));
        const size_t count = drawing.Items().size();
        if (!m_window.SaveDrawing(path))
            return QStringLiteral("saving failed");
        drawing.Reset();
        if (!m_window.OpenDrawing(path))
            return QStringLiteral("opening failed");
        view->centerOn(0, 50);
        return Expect(drawing.Items().size() == count, QStringLiteral("the reopened drawing differs"));
    });
}

void Tour::StepHostVariables() {
    HostVariablesDialog dialog(&m_window);
    dialog.show();
    Step(
        QStringLiteral("host-variables"),
        [&] {
            return Expect(dialog.Edited().size() > 10, QStringLiteral("the editor lists too few variables"));
        },
        &dialog);
}

const CNode* Tour::RunStation(const QString& name, const QList<int>& buttons) {
    // Each press may open the wizard again (a fetch): the next press waits for that window.
    auto press = std::make_shared<std::function<void(int)>>();
    auto done = std::make_shared<bool>(false);
    *press = [this, name, buttons, press, done](int index) {
        WhenModalOpens(
            [this, name, buttons, press, index](QWidget* modal) {
                auto* dialog = qobject_cast<CDialogExt*>(modal);
                auto* button =
                    dialog ? qobject_cast<QAbstractButton*>(dialog->GetDlgItem(buttons[index])) : nullptr;
                Settle();
                modal->grab().save(
                    QDir(m_folder).filePath(sformat("%02d-%s-dialog-%d.png", m_number, name, index + 1)));
                if (index + 1 < buttons.size())
                    (*press)(index + 1);
                if (button)
                    button->click();
                else
                    modal->close();
            },
            done);
    };
    (*press)(0);
    const CNode* answer = m_window.RunStationWizard();
    *done = true;
    // The chain refers to itself; clearing it lets it go.
    *press = nullptr;
    return answer;
}

void Tour::StepsStation() {
    Drawing& drawing = m_window.GetDrawing();
    DrawingView* view = m_window.View();
    const auto stations = [&] {
        QList<int> all;
        for (const auto& [id, item] : drawing.Items())
            all << id;
        return StationFlow::Stations(drawing, all);
    };
    QString handle;
    Step(QStringLiteral("station-draw"), [&]() -> QString {
        const CNode* node =
            RunStation(QStringLiteral("station-draw"), {CDlgWohnungsstation::IDC_BTN_ZEICHNEN});
        if (!node || node->GetName() != u"DrawStation")
            return QStringLiteral("the wizard did not answer DrawStation");
        node->WriteToFile(StepPath(QStringLiteral("station-draw"), "inf"), false, true);
        handle = node->GetStrLeafValue(QStringLiteral("WOST"), QStringLiteral("HANDLE"));
        if (!view->IsPlacing())
            return QStringLiteral("the drawn station is not being placed");
        view->PlaceAt({200, 0});
        view->centerOn(100, 50);
        return Expect(stations().size() == 1 && !handle.isEmpty(),
                      QStringLiteral("no station on the canvas"));
    });
    Step(QStringLiteral("station-fetch"), [&]() -> QString {
        view->SelectIds({});
        // "Holen" with nothing selected takes the only station and opens the wizard with it.
        const CNode* node =
            RunStation(QStringLiteral("station-fetch"),
                       {CDlgWohnungsstation::IDC_BTN_HOLEN, CDlgWohnungsstation::IDC_BTN_ZEICHNEN});
        if (!node || node->GetName() != u"DrawStation")
            return QStringLiteral("the fetched station was not drawn again");
        const QList<int> now = stations();
        return Expect(now.size() == 1 && drawing.Item(now.first())->position == QPointF(200, 0) &&
                          node->GetStrLeafValue(QStringLiteral("WOST"), QStringLiteral("HANDLE")) == handle,
                      QStringLiteral("the fetched station was not replaced in place with the same product"));
    });
    Step(QStringLiteral("station-delete"), [&]() -> QString {
        view->SelectIds(stations());
        const CNode* node =
            RunStation(QStringLiteral("station-delete"), {CDlgWohnungsstation::IDC_BTN_LOESCHEN});
        return Expect(node && node->GetName() == u"DeleteStation" && stations().isEmpty(),
                      QStringLiteral("the station was not deleted"));
    });
}

void Tour::StepsToolbars() {
    QWidget* toolbar = nullptr;
    Step(QStringLiteral("toolbar-open"), [&]() -> QString {
        const int before = ModuleBridge::OpenToolbarCount();
        m_window.Commands().Type(QStringLiteral("SYMBOLLEISTE H"));
        const QList<QWidget*> open = ModuleBridge::Toolbars();
        if (open.size() != before + 1)
            return QStringLiteral("no toolbar opened");
        toolbar = open.last();
        Settle();
        toolbar->grab().save(QDir(m_folder).filePath(sformat("%02d-toolbar-open-toolbar.png", m_number)));
        return Expect(toolbar->windowTitle() == ModuleBridge::ToolbarTitle(QStringLiteral("H")),
                      QStringLiteral("the toolbar is not titled with its trade"));
    });
    Step(QStringLiteral("insert-from-toolbar"), [&]() -> QString {
        Wait(150);
        QAbstractButton* button = toolbar ? DialogButton(toolbar, kFirstSymbolButton) : nullptr;
        if (!button || !button->isVisible())
            return QStringLiteral("the toolbar shows no symbol button");
        const size_t before = m_window.GetDrawing().Items().size();
        button->click();
        Settle();
        if (!m_window.View()->IsPlacing())
            return QStringLiteral("the click on a toolbar symbol started no placement");
        m_window.View()->PlaceAt({-150, -100});
        return Expect(m_window.GetDrawing().Items().size() > before, QStringLiteral("nothing was placed"));
    });
    Step(QStringLiteral("toolbars-restored"), [&]() -> QString {
        const int open = ModuleBridge::OpenToolbarCount();
        ModuleBridge::StoreAndCloseToolbars();
        m_window.RestoreWindows();
        const QList<QWidget*> restored = ModuleBridge::Toolbars();
        toolbar = restored.isEmpty() ? nullptr : restored.last();
        return Expect(restored.size() == open && toolbar && toolbar->isVisible(),
                      sformat("%d toolbars were open, %d came back", open, int(restored.size())));
    });
    Step(QStringLiteral("panels-hidden"), [&]() -> QString {
        m_window.HidePanels(true);
        const bool hidden = toolbar && !toolbar->isVisible();
        Settle();
        m_window.grab().save(QDir(m_folder).filePath(sformat("%02d-panels-hidden-hidden.png", m_number)));
        m_window.HidePanels(false);
        return Expect(hidden && toolbar->isVisible(),
                      QStringLiteral("the toolbar did not hide and show with the panels"));
    });
}

QString Tour::InsertFromWindow(QPointF at) {
    Drawing& drawing = m_window.GetDrawing();
    DrawingView* view = m_window.View();
    QWidget* window = m_window.SymbolsWindow();
    Wait(150);
    QAbstractButton* button = DialogButton(window, kFirstSymbolButton);
    if (!button || !button->isVisible())
        return QStringLiteral("the symbols window shows no symbol button");
    const size_t before = drawing.Items().size();
    button->click();
    Settle();
    if (!view->IsPlacing())
        return QStringLiteral("the click on a symbol started no placement");
    view->PlaceAt(at);
    view->centerOn(at);
    return Expect(drawing.Items().size() > before, QStringLiteral("nothing was placed"));
}

void Tour::StepsSymbolsWindow() {
    QWidget* window = m_window.SymbolsWindow();
    Step(QStringLiteral("symbols-window"), [&]() -> QString {
        Wait(150);
        auto* dialog = qobject_cast<CDialogExt*>(window);
        auto* pages = dialog ? qobject_cast<QComboBox*>(dialog->GetDlgItem(kPagesList)) : nullptr;
        return Expect(pages && pages->count() > 0, QStringLiteral("the symbols window lists no pages"));
    });
    Step(QStringLiteral("insert-from-window"), [&]() -> QString {
        const QString why = InsertFromWindow({-150, 0});
        if (!why.isEmpty())
            return why;
        return Expect(m_window.Pane()->Text().contains(QStringLiteral("InsertSymbol\\r")) ||
                          m_window.Pane()->Text().contains(QStringLiteral("InsPair\\r")),
                      QStringLiteral("the pane does not show the pasted command"));
    });
    Step(
        QStringLiteral("search"),
        [&]() -> QString {
            const int before = m_messages->MessageCount();
            m_messages->QueueInput(QStringLiteral("Ventil"));
            QAbstractButton* search = DialogButton(window, kSearchButton);
            if (!search)
                return QStringLiteral("no search button");
            search->click();
            Settle();
            return Expect(m_messages->MessageCount() == before, QStringLiteral("the search found nothing"));
        },
        m_window.SymbolsWindow());
    Step(QStringLiteral("quick-find"), [&]() -> QString {
        auto* field = window->findChild<QLineEdit*>();
        auto* hits = window->findChild<QListWidget*>();
        if (!field || !hits)
            return QStringLiteral("the symbols window has no quick find");
        field->setText(QStringLiteral("Kessel"));
        Settle();
        if (!hits->isVisible() || hits->count() == 0)
            return QStringLiteral("quick find lists no hit for 'Kessel'");
        window->grab().save(QDir(m_folder).filePath(sformat("%02d-quick-find-hits.png", m_number)));
        Q_EMIT field->returnPressed();
        Settle();
        field->clear();
        if (!m_window.View()->IsPlacing())
            return QStringLiteral("Return on a hit started no placement");
        const QList<int> ids = m_window.View()->PlaceAt({-150, 300});
        const DrawingItem* placed = ids.isEmpty() ? nullptr : m_window.GetDrawing().Item(ids.first());
        return Expect(placed && placed->blockName.contains(QStringLiteral("KESSEL"), Qt::CaseInsensitive),
                      QStringLiteral("the placed symbol is not the hit"));
    });
    Step(QStringLiteral("symbol-properties"), [&]() -> QString {
        QAbstractButton* button = DialogButton(window, kFirstSymbolButton);
        if (!button)
            return QStringLiteral("no symbol button");
        auto done = std::make_shared<bool>(false);
        bool shown = false;
        // Looked at and closed: OK would change the sample installation's files.
        WhenModalOpens(
            [&](QWidget* modal) {
                shown = true;
                Settle();
                modal->grab().save(
                    QDir(m_folder).filePath(sformat("%02d-symbol-properties-dialog.png", m_number)));
                modal->close();
            },
            done);
        Q_EMIT button->customContextMenuRequested(QPoint(4, 4));
        *done = true;
        return Expect(shown, QStringLiteral("a right click opened no properties dialog"));
    });
    Step(QStringLiteral("symbol-options"), [&]() -> QString {
        auto done = std::make_shared<bool>(false);
        bool shown = false;
        WhenModalOpens(
            [&](QWidget* modal) {
                shown = true;
                modal->grab().save(
                    QDir(m_folder).filePath(sformat("%02d-symbol-options-dialog.png", m_number)));
                modal->close();
            },
            done);
        QAbstractButton* options = DialogButton(window, kOptionsButton);
        if (options)
            options->click();
        *done = true;
        return Expect(shown, QStringLiteral("the Options button showed no options dialog"));
    });
}

void Tour::StepRevit() {
    Step(QStringLiteral("act-as-revit"), [&]() -> QString {
        m_window.Commands().Type(QStringLiteral("REVIT ") +
                                 QDir(m_folder).filePath(QStringLiteral("Revit 2019")));
        const QString why = InsertFromWindow({-150, 150});
        m_window.Commands().Type(QStringLiteral("ACAD"));
        if (!why.isEmpty())
            return why;
        // Revit gets the bare command, without the carriage return of the drawing host.
        const QStringList lines = m_window.Pane()->Text().split(u'\n');
        const bool bare = std::any_of(lines.begin(), lines.end(), [](const QString& line) {
            return line.endsWith(QStringLiteral(": InsertSymbol")) ||
                   line.endsWith(QStringLiteral(": InsPair"));
        });
        return Expect(bare, QStringLiteral("Revit did not get the bare command"));
    });
}
