#pragma once

#include <QString>

#include <functional>
#include <memory>

class QAbstractButton;
class QWidget;

// What the tour's steps share: waiting for the event loop, for modal windows, and finding the
// controls of the module's windows.
namespace TourSupport {

// Runs `action` on the next modal window as soon as it is open (a modal dialog blocks the step
// that opens it). The action must close the window. Setting `cancelled` stops waiting, so that a
// window that never opened cannot catch the next step's window.
void WhenModalOpens(std::function<void(QWidget*)> action, std::shared_ptr<bool> cancelled = {});

// Lets the event loop run for a while: the module's windows load their pages just after they show.
void Wait(int milliseconds);
// Lets the event loop run until `done` holds or `milliseconds` passed; answers `done()`.
bool WaitFor(const std::function<bool()>& done, int milliseconds);
void Settle();

// Empty when `ok`, else `why`: the answer of a step's check.
QString Expect(bool ok, const QString& why);

// A control of a module window by its number; the toolbars name their symbol buttons by it.
QAbstractButton* DialogButton(QWidget* window, int id);
// The first symbol button of the symbols window or a toolbar once it shows, or null after five
// seconds: a window reads its page just after it opens, and again when a symbol file changed
// (which it notices a moment after the file was written).
QAbstractButton* ShownSymbolButton(QWidget* window);
template <typename Control> Control* DialogControl(QWidget* window, int id);

} // namespace TourSupport
