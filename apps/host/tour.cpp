#include "tour.h"

#include "command_pane.h"
#include "drawing_view.h"
#include "host_variables_dialog.h"
#include "host_window.h"
#include "module_bridge.h"
#include "tour_support.h"

#include "corekit/node.h"
#include "corekit/text_utils.h"
#include "corekit/ui_recorder.h"
#include "corekit/widgets/dialog_ext.h"
#include "hydraulics/dlg_hydraulics.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QStatusBar>

#include <memory>

using namespace TourSupport;

namespace {
// Where the toolbar of the main window's picture stands, from the window's top left corner.
constexpr QPoint kToolbarInPicture(700, 60);
} // namespace

Tour::Tour(HostWindow& window, const QString& folder) : m_window(window), m_folder(folder) {
    QDir().mkpath(folder);
    m_log.setFileName(QDir(folder).filePath(QStringLiteral("tour.log")));
    m_log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
}

QString Tour::StepPath(const QString& name, const char* extension) const {
    return QDir(m_folder).filePath(sformat("%02d-%s.%s", m_number, name, extension));
}

void Tour::SaveShot(QWidget* widget, const QString& what) const {
    Settle();
    widget->grab().save(StepPath(m_stepName + u'-' + what, "png"));
}

void Tour::Step(const QString& name, const Check& check, QWidget* shot) {
    ++m_number;
    m_stepName = name;
    m_found.clear();
    m_picture = QImage();
    const QString why = check();
    Settle();
    if (m_picture.isNull())
        (shot ? shot : &m_window)->grab().save(StepPath(name, "png"));
    else
        m_picture.save(StepPath(name, "png"));
    QString line = sformat("%02d %s: ", m_number, name);
    if (!why.isEmpty()) {
        ++m_failed;
        line += QStringLiteral("FAILED: ") + why;
    } else {
        line += QStringLiteral("ok");
        if (!m_found.isEmpty())
            line += QStringLiteral(" [") + m_found + u']';
    }
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
    StepsSymbolEdit();
    StepsToolbars();
    StepHostVariables();
    StepRevit();
    m_window.SaveDrawing(QDir(m_folder).filePath(QStringLiteral("drawing.inf")));
    for (const CRecordingUiServices::Entry& shown : messages.Shown()) {
        const bool opened = shown.kind == CRecordingUiServices::Kind::OpenDocument;
        m_log.write(((opened ? "opened: " : "message: " + shown.caption + ": ") + shown.text).toUtf8() +
                    '\n');
    }
    return m_failed == 0 ? 0 : 1;
}

void Tour::StepMainWindow() {
    // A picture that stays the same from run to run: no line naming the tour's folders, and a
    // toolbar at a fixed place over the window, as a screen would show it.
    Step(QStringLiteral("main-window"), [&]() -> QString {
        m_window.Pane()->Clear();
        m_window.statusBar()->clearMessage();
        m_window.Commands().Type(QStringLiteral("SYMBOLLEISTE H"));
        const QList<QWidget*> open = ModuleBridge::Toolbars();
        QWidget* toolbar = open.isEmpty() ? nullptr : open.last();
        if (!toolbar)
            return QStringLiteral("no toolbar opened");
        toolbar->move(m_window.mapToGlobal(kToolbarInPicture));
        if (!ShownSymbolButton(toolbar) || !ShownSymbolButton(m_window.SymbolsWindow()))
            return QStringLiteral("the toolbar or the symbols window shows no symbol button");
        Settle();
        m_picture = m_window.grab().toImage();
        QPainter painter(&m_picture);
        painter.drawPixmap(toolbar->mapToGlobal(QPoint()) - m_window.mapToGlobal(QPoint()), toolbar->grab());
        painter.end();
        // The toolbar steps open it again.
        ModuleBridge::StoreAndCloseToolbars();
        return QString();
    });
}

void Tour::StepsHydraulics() {
    // The circuit types in the order of the dialog's list.
    const int types[] = {0, 1, 2, 6, 3, 5, 4};
    for (int position = 0; position < 7; ++position) {
        const QString name = sformat("hydraulics-type-%d", types[position]);
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
                SaveShot(modal, QStringLiteral("dialog"));
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

void Tour::StepsToolbars() {
    QWidget* toolbar = nullptr;
    Step(QStringLiteral("toolbar-open"), [&]() -> QString {
        const int before = ModuleBridge::OpenToolbarCount();
        m_window.Commands().Type(QStringLiteral("SYMBOLLEISTE H"));
        const QList<QWidget*> open = ModuleBridge::Toolbars();
        if (open.size() != before + 1)
            return QStringLiteral("no toolbar opened");
        toolbar = open.last();
        const bool filled = ShownSymbolButton(toolbar) != nullptr; // the picture waits for it
        Settle();
        SaveShot(toolbar, QStringLiteral("toolbar"));
        if (!filled)
            return QStringLiteral("the toolbar shows no page of symbols");
        return Expect(toolbar->windowTitle() == ModuleBridge::ToolbarTitle(QStringLiteral("H")),
                      QStringLiteral("the toolbar is not titled with its trade"));
    });
    Step(QStringLiteral("insert-from-toolbar"), [&]() -> QString {
        QAbstractButton* button = ShownSymbolButton(toolbar);
        if (!button)
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
        SaveShot(&m_window, QStringLiteral("hidden"));
        m_window.HidePanels(false);
        return Expect(hidden && toolbar->isVisible(),
                      QStringLiteral("the toolbar did not hide and show with the panels"));
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
