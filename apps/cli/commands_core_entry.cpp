// The entry of the libraries of command groups that never paint: a Qt Core application, so
// that such a command loads nothing of Qt GUI.

#include "commands_entry.h"

extern "C" __attribute__((visibility("default"))) int orvane_run_commands(int argc, char** argv) {
    orvane::cli::runCommands(argc, argv,
                             [](const orvane::cli::CommandGroup*, const QStringList&, int& count,
                                char** values) { return std::make_unique<QCoreApplication>(count, values); });
}
