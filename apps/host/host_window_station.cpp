// The host window's station wizard: draw, delete and fetch a station on the canvas.
#include "host_window.h"

#include "drawing_view.h"
#include "host_text.h"
#include "module_bridge.h"
#include "station_flow.h"
#include "tree_viewer.h"

#include "corekit/node.h"

namespace {
// The input's "ZTyp" in the drawing host: the mirror option is offered.
constexpr int kZTypDrawingHost = 1;
} // namespace

const CNode* HostWindow::RunStationWizard() {
    QList<int> chosen = StationFlow::Stations(m_drawing, m_view->SelectedIds());
    for (;;) {
        const DrawingItem* fetched = chosen.isEmpty() ? nullptr : m_drawing.Item(chosen.first());
        const auto input = StationFlow::Input(fetched ? fetched->data.get() : nullptr, kZTypDrawingHost);
        std::unique_ptr<CNode> result = ModuleBridge::RunStationWizard(input.get(), this);
        switch (StationFlow::AnswerOf(result.get())) {
        case StationFlow::Answer::None:
            Say(HostText("Wohnungsstation: geschlossen, nichts zu tun."));
            return nullptr;
        case StationFlow::Answer::Delete:
            if (chosen.isEmpty()) {
                Say(HostText("Keine Station ausgewählt: die Station auf der Zeichenfläche anklicken und "
                             "STATION erneut "
                             "aufrufen."));
            } else {
                m_drawing.Remove(chosen);
                Say(HostText("Station gelöscht."));
            }
            break;
        case StationFlow::Answer::Fetch:
            if (chosen.isEmpty()) {
                QList<int> all;
                for (const auto& [id, item] : m_drawing.Items())
                    all << id;
                chosen = StationFlow::Stations(m_drawing, all);
                if (chosen.size() != 1) {
                    Say(HostText("Die Station auf der Zeichenfläche anklicken und STATION erneut aufrufen."));
                    return nullptr;
                }
            }
            m_view->SelectIds(chosen);
            Say(HostText("Station geholt: der Assistent öffnet sie wieder."));
            continue;
        case StationFlow::Answer::Draw: {
            DrawingItem item = StationFlow::ItemOf(std::shared_ptr<const CNode>(result->Clone()));
            if (fetched) {
                // The fetched station is drawn anew where it stood.
                item.position = fetched->position;
                m_drawing.UndoStack().beginMacro(HostText("Station ersetzen"));
                m_drawing.Remove(chosen);
                m_view->SelectIds(m_drawing.Insert({item}, HostText("Station zeichnen")));
                m_drawing.UndoStack().endMacro();
            } else {
                m_view->BeginPlacement({item}, HostText("Station zeichnen"));
            }
            break;
        }
        }
        const CNode* shown = result.get();
        m_trees->Add(HostText("Wohnungsstation"), std::move(result));
        return shown;
    }
}
