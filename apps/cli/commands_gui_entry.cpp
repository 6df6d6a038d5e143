// The entry of the libraries of command groups that paint for some of their commands: a GUI
// application for those, a Qt Core application for the others.

#include "commands_entry.h"

#include <QGuiApplication>

namespace {

std::unique_ptr<QCoreApplication> makeApplication(const orvane::cli::CommandGroup* group,
                                                  const QStringList& args, int& argc, char** argv) {
    if (!group || !group->paints(args))
        return std::make_unique<QCoreApplication>(argc, argv);
    // Painting text needs a GUI application; no window is ever shown, so the offscreen
    // platform serves when there is no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

extern "C" __attribute__((visibility("default"))) int orvane_run_commands(int argc, char** argv) {
    orvane::cli::runCommands(argc, argv, makeApplication);
}
