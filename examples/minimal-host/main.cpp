// A minimal host of the planning module: starts the module, registers the paste callback,
// opens the symbols window in a window of its own and then the hydraulic circuit dialog. With
// --auto the dialog is answered with "Zeichnen" at once (for tests); the node the module
// returns is printed in its text form.
#include "corekit/node.h"
#include "frame/host_command.h"
#include "frame/module_start.h"
#include "hydraulics/dlg_hydraulics.h"
#include "symbolui/dlg_symbols.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void PasteToCommandLine(const wchar_t* text, int, int) {
    std::printf("pasted: %s\n",
                qPrintable(QString::fromWCharArray(text).replace(u'\r', QStringLiteral("\\r"))));
}

// Presses "Zeichnen" in the dialog as soon as it is open.
void PressDrawWhenOpen() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        auto* dialog = qobject_cast<CDialogExt*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->deleteLater();
        if (auto* draw = qobject_cast<QAbstractButton*>(dialog->GetDlgItem(CDlgHydraulics::IDC_BTN_ZEICHNEN)))
            draw->click();
    });
    timer->start(10);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!OrvaneModuleStart()) {
        std::fprintf(stderr, "the module did not start\n");
        return 1;
    }
    DlgSymbols::SetOrvanePasteToCommandLineFunc(&PasteToCommandLine);

    // The symbols window goes into a parent that is on screen.
    QWidget host;
    host.resize(200, 420);
    host.show();
    QWidget* symbols = nullptr;
    if (!CDlgSymbols::CreateWnd(symbols, &host)) {
        std::fprintf(stderr, "the symbols window could not be made\n");
        return 1;
    }
    std::printf("symbols window: created\n");

    if (app.arguments().contains(QStringLiteral("--auto")))
        PressDrawWhenOpen();
    const std::unique_ptr<CNode> node(CDlgHydraulics::Show(nullptr));
    if (node) {
        QString text;
        node->WriteToString(text);
        std::printf("%s", qPrintable(text));
    }
    DlgSymbols::SetOrvanePasteToCommandLineFunc(nullptr);
    OrvaneModuleStop();
    return node ? 0 : 1;
}
