// The host window's symbol toolbars: a menu per trade and "Freie Symbole", restored at start,
// stored at the end, hidden with the host's panels.
#include "host_window.h"

#include "host_text.h"
#include "module_bridge.h"

#include "corekit/text_utils.h"

#include <QDockWidget>
#include <QMenuBar>

void HostWindow::CreateToolbarMenu() {
    QMenu* menu = menuBar()->addMenu(HostText("S&ymbolleisten"));
    for (const QString& code : ModuleBridge::ToolbarCodes())
        menu->addAction(ModuleBridge::ToolbarTitle(code), this, [this, code] { OpenToolbar(code); });
    menu->addSeparator();
    QAction* hide = menu->addAction(HostText("Paneele &ausblenden"));
    hide->setCheckable(true);
    connect(hide, &QAction::toggled, this, &HostWindow::HidePanels);
    m_commands.Register(
        QStringLiteral("SYMBOLLEISTE"),
        HostText("SYMBOLLEISTE Gewerk: öffnet die Symbolleiste (H, S, L, E, A, G, K, B, USER)"),
        [this](const QStringList& args) { OpenToolbar(args.value(0).toUpper()); });
}

void HostWindow::OpenToolbar(const QString& code) {
    if (!ModuleBridge::ToolbarCodes().contains(code)) {
        Say(sformat(HostText("Unbekanntes Gewerk '%s'."), code));
        return;
    }
    ModuleBridge::OpenToolbar(code, !m_revitFolder.isEmpty());
    Say(sformat(HostText("Symbolleiste %s geöffnet (%d offen)."), ModuleBridge::ToolbarTitle(code),
                ModuleBridge::OpenToolbarCount()));
}

void HostWindow::HidePanels(bool hide) {
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        dock->setVisible(!hide);
    ModuleBridge::ShowToolbars(!hide);
}
