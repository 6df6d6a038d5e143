#include "symbolui/current_symbol.h"

#include "corekit/widgets/desktop_button.h"

#include <QPointer>

namespace {

// Guarded: a button goes with its window, and its symbol stays current after the window closes.
QPointer<CDesktopButton> g_button;

} // namespace

void SetCurrentSymbolButton(CDesktopButton* button) {
    g_button = button;
}

namespace DlgSymbols {

CDesktopButton* GetSymbolButton() {
    return g_button.data();
}

} // namespace DlgSymbols
