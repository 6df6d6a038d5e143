#include "cli_command.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // Rendering commands paint text, which needs a GUI application; no window is ever shown,
    // so the offscreen platform serves when there is no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    orvane::cli::CommandIo io{out, err};
    const int status = orvane::cli::runCli(app.arguments().mid(1), io);
    out.flush();
    err.flush();
    return status;
}
