// The tour's steps in the symbols window: pages, insertion, search, quick find and options.
#include "tour.h"

#include "command_pane.h"
#include "drawing_view.h"
#include "host_variables.h"
#include "host_window.h"
#include "tour_support.h"

#include "corekit/node.h"
#include "corekit/text_utils.h"
#include "corekit/ui_recorder.h"
#include "slides/symbol_button.h"
#include "symbolui/current_symbol.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <memory>

using namespace TourSupport;

namespace {

constexpr int kSearchButton = 1971;
constexpr int kOptionsButton = 1967;
constexpr int kPagesList = 1970;

QList<CSymbolButton*> ShownButtons(QWidget* window) {
    QList<CSymbolButton*> shown;
    for (CSymbolButton* button : window->findChildren<CSymbolButton*>())
        if (button->isVisible())
            shown << button;
    return shown;
}

} // namespace

QString Tour::InsertFromWindow(QPointF at) {
    Drawing& drawing = m_window.GetDrawing();
    DrawingView* view = m_window.View();
    QWidget* window = m_window.SymbolsWindow();
    QAbstractButton* button = ShownSymbolButton(window);
    if (!button)
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
        auto* pages = DialogControl<QComboBox>(window, kPagesList);
        return Expect(pages && pages->count() > 0, QStringLiteral("the symbols window lists no pages"));
    });
    StepMainWindow();
    Step(QStringLiteral("insert-from-window"), [&]() -> QString {
        const QString why = InsertFromWindow({-150, 0});
        if (!why.isEmpty())
            return why;
        return Expect(m_window.Pane()->Text().contains(QStringLiteral("InsertSymbol\\r")) ||
                          m_window.Pane()->Text().contains(QStringLiteral("InsPair\\r")),
                      QStringLiteral("the pane does not show the pasted command"));
    });
    StepSymbolOptions();
    StepSearch();
    StepQuickFind();
}

void Tour::StepSearch() {
    QWidget* window = m_window.SymbolsWindow();
    const QString text = QStringLiteral("Ventil");
    Step(
        QStringLiteral("search"),
        [&]() -> QString {
            const int before = m_messages->MessageCount();
            m_messages->QueueInput(text);
            QAbstractButton* search = DialogButton(window, kSearchButton);
            auto* pages = DialogControl<QComboBox>(window, kPagesList);
            if (!search || !pages)
                return QStringLiteral("no search button");
            search->click();
            Settle();
            if (m_messages->MessageCount() != before)
                return QStringLiteral("the search found nothing");
            // The page with the first hit is shown and its hits are marked.
            QStringList marked;
            for (CSymbolButton* button : ShownButtons(window))
                if (button->IsHighlighted())
                    marked << button->accessibleName();
            m_found = pages->currentText() + QStringLiteral(": ") + marked.join(QStringLiteral(", "));
            return Expect(!marked.isEmpty(), QStringLiteral("the search marked no symbol"));
        },
        window);
}

void Tour::StepQuickFind() {
    QWidget* window = m_window.SymbolsWindow();
    Step(QStringLiteral("quick-find"), [&]() -> QString {
        auto* field = window->findChild<QLineEdit*>();
        auto* hits = window->findChild<QListWidget*>();
        auto* pages = DialogControl<QComboBox>(window, kPagesList);
        if (!field || !hits || !pages)
            return QStringLiteral("the symbols window has no quick find");
        field->setText(QStringLiteral("Kessel"));
        Settle();
        if (!hits->isVisible() || hits->count() == 0)
            return QStringLiteral("quick find lists no hit for 'Kessel'");
        // A hit reads "name — page (why)".
        const QString hit = hits->item(0)->text();
        const QString name = hit.section(QStringLiteral(" — "), 0, 0);
        const QString rest = hit.section(QStringLiteral(" — "), 1);
        const QString page = rest.left(rest.lastIndexOf(QStringLiteral(" (")));
        SaveShot(window, QStringLiteral("hits"));
        Q_EMIT field->returnPressed();
        Settle();
        field->clear();
        const std::unique_ptr<CNode> props(DlgSymbols::GetSymbolProps());
        if (!props || !m_window.View()->IsPlacing())
            return QStringLiteral("Return on a hit made no symbol current");
        props->WriteToFile(StepPath(QStringLiteral("quick-find"), "inf"), false, true);
        const QString block = props->GetStrLeafValue(QString(), QStringLiteral("BlockName"));
        const QList<int> ids = m_window.View()->PlaceAt({-150, 300});
        const DrawingItem* placed = ids.isEmpty() ? nullptr : m_window.GetDrawing().Item(ids.first());
        m_found = page + QStringLiteral(": ") + name + QStringLiteral(" = ") + block;
        if (pages->currentText() != page)
            return QStringLiteral("the window does not show the hit's page ") + page;
        return Expect(placed && placed->blockName == block,
                      QStringLiteral("the placed symbol is not the hit"));
    });
}

void Tour::StepSymbolOptions() {
    QWidget* window = m_window.SymbolsWindow();
    const auto marks = [window] {
        int count = 0;
        for (CSymbolButton* button : ShownButtons(window))
            count += button->MarkCorner() != 0 ? 1 : 0;
        return count;
    };
    Step(QStringLiteral("symbol-options"), [&]() -> QString {
        QAbstractButton* options = DialogButton(window, kOptionsButton);
        const int marked = marks();
        if (!options || marked == 0)
            return QStringLiteral("the page shows no symbol with a corner mark to turn off");
        // Off and on again: the host variable follows, and the window's buttons with it.
        for (const bool on : {false, true}) {
            auto done = std::make_shared<bool>(false);
            WhenModalOpens(
                [&](QWidget* modal) {
                    auto* box = modal->findChild<QCheckBox*>(QStringLiteral("MarkCorner"));
                    auto* buttons = modal->findChild<QDialogButtonBox*>();
                    if (box)
                        box->setChecked(on);
                    SaveShot(modal, on ? QStringLiteral("dialog-on") : QStringLiteral("dialog-off"));
                    if (box && buttons)
                        buttons->button(QDialogButtonBox::Ok)->click();
                    else
                        modal->close();
                },
                done);
            options->click();
            *done = true;
            Settle();
            if (HostVariables::ReadSymbolOptions().markCorner != on)
                return sformat("SYMBOLE_MARK_CORNER did not become %d", on ? 1 : 0);
            if (marks() != (on ? marked : 0))
                return sformat("with the corner mark %s, %d buttons show it", on ? "on" : "off", marks());
        }
        m_found = sformat("%d corner marks off and on", marked);
        return QString();
    });
}
