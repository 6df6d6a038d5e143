// The tour's steps with the station wizard: a station that passes its check is drawn, fetched
// and deleted; one that fails shows why.
#include "tour.h"

#include "drawing_view.h"
#include "host_window.h"
#include "station_flow.h"
#include "tour_support.h"

#include "corekit/node.h"
#include "corekit/text_utils.h"
#include "corekit/widgets/dialog_ext.h"
#include "stations/dlg_wohnungsstation.h"
#include "stations/requirement_forms.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

using namespace TourSupport;

Tour::StationCheck Tour::CheckOf(QWidget* wizard) {
    auto* result = DialogControl<QPlainTextEdit>(wizard, CDlgWohnungsstation::IDC_EDT_RESULT);
    auto* diagram = DialogControl<QWidget>(wizard, CDlgWohnungsstation::IDC_PIC_DIAGRAMM);
    if (!result || !diagram)
        return {true, QStringLiteral("the wizard shows no check")};
    QStringList lines = result->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.simplified();
    return {!diagram->isHidden(), lines.join(QStringLiteral(" / "))};
}

const CNode* Tour::RunStation(const QList<int>& buttons, StationCheck* check) {
    // Each press may open the wizard again (a fetch): the next press waits for that window.
    auto press = std::make_shared<std::function<void(int)>>();
    auto done = std::make_shared<bool>(false);
    *press = [this, buttons, press, done, check](int index) {
        WhenModalOpens(
            [this, buttons, press, index, check](QWidget* modal) {
                auto* dialog = qobject_cast<CDialogExt*>(modal);
                auto* button =
                    dialog ? qobject_cast<QAbstractButton*>(dialog->GetDlgItem(buttons[index])) : nullptr;
                SaveShot(modal, sformat("dialog-%d", index + 1));
                if (index == 0 && check)
                    *check = CheckOf(modal);
                if (index + 1 < buttons.size())
                    (*press)(index + 1);
                // A button that cannot be pressed (a failed check disables drawing) would leave
                // the wizard open for good: the window is closed instead, and the step says why.
                if (button && button->isEnabled())
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
        StationCheck check;
        const CNode* node = RunStation({CDlgWohnungsstation::IDC_BTN_ZEICHNEN}, &check);
        m_found = check.result;
        if (check.failed)
            return QStringLiteral("the station's check failed: ") + check.result;
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
            RunStation({CDlgWohnungsstation::IDC_BTN_HOLEN, CDlgWohnungsstation::IDC_BTN_ZEICHNEN});
        if (!node || node->GetName() != u"DrawStation")
            return QStringLiteral("the fetched station was not drawn again");
        const QList<int> now = stations();
        return Expect(now.size() == 1 && drawing.Item(now.first())->position == QPointF(200, 0) &&
                          node->GetStrLeafValue(QStringLiteral("WOST"), QStringLiteral("HANDLE")) == handle,
                      QStringLiteral("the fetched station was not replaced in place with the same product"));
    });
    Step(QStringLiteral("station-delete"), [&]() -> QString {
        view->SelectIds(stations());
        const CNode* node = RunStation({CDlgWohnungsstation::IDC_BTN_LOESCHEN});
        return Expect(node && node->GetName() == u"DeleteStation" && stations().isEmpty(),
                      QStringLiteral("the station was not deleted"));
    });
    StepStationFails();
}

void Tour::StepStationFails() {
    // The largest tap rate the drinking-water requirement offers is more than the station's heat
    // exchanger gives: the wizard shows the failed check and why, and nothing can be drawn.
    Step(QStringLiteral("station-check-fails"), [&]() -> QString {
        StationCheck check;
        bool asked = false;
        auto done = std::make_shared<bool>(false);
        WhenModalOpens(
            [&](QWidget* wizard) {
                WhenModalOpens(
                    [&](QWidget* requirement) {
                        auto* rate = DialogControl<QComboBox>(requirement, WoSt::TwControl::TapRate);
                        QAbstractButton* ok = DialogButton(requirement, 1);
                        asked = rate && ok && rate->count() > 0;
                        if (asked) {
                            rate->setCurrentIndex(rate->count() - 1);
                            Q_EMIT rate->activated(rate->count() - 1);
                        }
                        SaveShot(requirement, QStringLiteral("requirement"));
                        if (asked)
                            ok->click();
                        else
                            requirement->close();
                    },
                    done);
                if (QAbstractButton* water = DialogButton(wizard, CDlgWohnungsstation::IDC_BTN_TRINKWASSER))
                    water->click();
                Settle();
                check = CheckOf(wizard);
                m_picture = wizard->grab().toImage();
                wizard->close();
            },
            done);
        const CNode* node = m_window.RunStationWizard();
        *done = true;
        m_found = check.result;
        if (!asked)
            return QStringLiteral("the drinking-water requirement could not be changed");
        return Expect(check.failed && !check.result.isEmpty() && !node,
                      QStringLiteral("the wizard did not show a failed check: ") + check.result);
    });
}
