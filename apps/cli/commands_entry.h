#pragma once

// What the entry of every commands library does. The launcher opens the library of the
// command's group (liborvane_cmd_<group>.so) and calls its orvane_run_commands with its own
// arguments; the entry chooses the application the group needs and hands over to runCommands.

#include "cli_command.h"

#include <QCoreApplication>

#include <memory>

namespace orvane::cli {

// The application for a command of `group` (null when no group has that name) with the
// arguments after the group's name.
using MakeApplication = std::unique_ptr<QCoreApplication> (*)(const CommandGroup* group,
                                                              const QStringList& args, int& argc,
                                                              char** argv);

// Runs the command in argv (argv[0] the program) with the application `make` gives, then ends
// the process with the command's status.
[[noreturn]] void runCommands(int& argc, char** argv, MakeApplication make);

} // namespace orvane::cli
