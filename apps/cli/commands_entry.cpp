// The entry point of the commands library, called by the launcher with its arguments.

#include "cli_command.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Qt reports its fallback for a missing runtime folder on every start of a GUI application
// without a session (scripts, CI); the tool uses no runtime folder, so the note is dropped.
QtMessageHandler g_defaultHandler = nullptr;

void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_defaultHandler(type, context, message);
}

} // namespace

extern "C" __attribute__((visibility("default"))) int orvane_run_commands(int argc, char** argv) {
    g_defaultHandler = qInstallMessageHandler(messageHandler);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const orvane::cli::CommandGroup* group = orvane::cli::findCommandGroup(args.value(0));
    const bool paints = group && group->paints(args.mid(1));
    std::unique_ptr<QCoreApplication> app;
    if (paints) {
        // Painting text needs a GUI application; no window is ever shown, so the offscreen
        // platform serves when there is no display.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
            !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    int status = 0;
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        orvane::cli::CommandIo io{out, err};
        status = orvane::cli::runCli(args, io);
    }
    // Everything is written and every file saved: the process ends without tearing down the
    // application, its fonts and the libraries one by one.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}
