#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace orvane::cli {

// Exit status of every command: 0 the work was done, 1 the work failed, 2 the call was wrong.
enum ExitCode { Success = 0, WorkFailed = 1, UsageError = 2 };

// Where a command writes; tests pass string streams.
struct CommandIo {
    QTextStream& out;
    QTextStream& err;
};

// Whether a command paints (and so needs a GUI application) for the arguments after its group's
// name.
using PaintsPredicate = bool (*)(const QStringList& args);
inline bool alwaysPaints(const QStringList&) {
    return true;
}
inline bool neverPaints(const QStringList&) {
    return false;
}

// A command group such as "tree" or "slide": it gets the arguments after its name. A group that
// does not say whether it paints gets a GUI application, which serves every command.
struct CommandGroup {
    QString name;
    QString summary; // one line for the overview; command_index.cpp holds the same line
    std::function<int(const QStringList& args, CommandIo& io)> run;
    PaintsPredicate paints = alwaysPaints;
};

// All groups, in the order of their names.
std::vector<CommandGroup>& commandGroups();

// The group of that name, or null.
const CommandGroup* findCommandGroup(const QString& name);

// Registers a group from a static object in its own source file.
struct CommandRegistration {
    explicit CommandRegistration(CommandGroup group);
};

// Runs "orvane ARGS..." (without the program name) and answers the exit status.
int runCli(const QStringList& args, CommandIo& io);

// True when args hold -h or --help.
bool wantsHelp(const QStringList& args);

} // namespace orvane::cli
