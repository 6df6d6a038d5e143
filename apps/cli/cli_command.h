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

// A command group such as "tree" or "slide": it gets the arguments after its name.
struct CommandGroup {
    QString name;
    QString summary; // one line for the overview
    std::function<int(const QStringList& args, CommandIo& io)> run;
};

// All groups, in the order of their names.
std::vector<CommandGroup>& commandGroups();

// Registers a group from a static object in its own source file.
struct CommandRegistration {
    explicit CommandRegistration(CommandGroup group);
};

// Runs "orvane ARGS..." (without the program name) and answers the exit status.
int runCli(const QStringList& args, CommandIo& io);

// True when args hold -h or --help.
bool wantsHelp(const QStringList& args);

} // namespace orvane::cli
