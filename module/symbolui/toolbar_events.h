#pragma once

#include <QEvent>

// The window messages of the page windows and toolbars, as Qt events carrying the same numbers.
namespace ToolbarEvents {

// Posted by a page window to its parent when the planner picked another page.
inline constexpr int kPageChanged = 2664;
// Asked of a symbol toolbar: is the mouse cursor inside the window?
inline constexpr int kMouseInsideQuery = 0x7101;

class PageChangedEvent : public QEvent {
public:
    explicit PageChangedEvent(int page) : QEvent(QEvent::Type(kPageChanged)), m_page(page) {}
    int Page() const { return m_page; }

private:
    int m_page;
};

// Sent (not posted) to a toolbar; the toolbar writes its answer into the event.
class MouseInsideQuery : public QEvent {
public:
    MouseInsideQuery() : QEvent(QEvent::Type(kMouseInsideQuery)) {}
    int answer = 0;
};

} // namespace ToolbarEvents
