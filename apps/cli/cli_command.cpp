#include "cli_command.h"

#include <algorithm>

namespace orvane::cli {

std::vector<CommandGroup>& commandGroups() {
    static std::vector<CommandGroup> groups;
    return groups;
}

CommandRegistration::CommandRegistration(CommandGroup group) {
    auto& groups = commandGroups();
    const auto at =
        std::lower_bound(groups.begin(), groups.end(), group.name,
                         [](const CommandGroup& g, const QString& name) { return g.name < name; });
    groups.insert(at, std::move(group));
}

const CommandGroup* findCommandGroup(const QString& name) {
    for (const auto& group : commandGroups())
        if (group.name == name)
            return &group;
    return nullptr;
}

bool wantsHelp(const QStringList& args) {
    return args.contains(QStringLiteral("-h")) || args.contains(QStringLiteral("--help"));
}

namespace {

void printOverview(QTextStream& out) {
    out << "Usage: orvane COMMAND [ARGS...]\n\n"
           "Inspects and converts the data of the planning module: node trees, symbol libraries,\n"
           "slides, circuit schematics and station catalogues.\n\nCommands:\n";
    for (const auto& group : commandGroups())
        out << "  " << group.name.leftJustified(12) << group.summary << "\n";
    out << "\nRun 'orvane COMMAND --help' for the commands of a group.\n";
}

} // namespace

int runCli(const QStringList& args, CommandIo& io) {
    if (args.isEmpty() || args.first() == QStringLiteral("-h") || args.first() == QStringLiteral("--help") ||
        args.first() == QStringLiteral("help")) {
        printOverview(args.isEmpty() ? io.err : io.out);
        return args.isEmpty() ? UsageError : Success;
    }
    if (const CommandGroup* group = findCommandGroup(args.first()))
        return group->run(args.mid(1), io);
    io.err << "orvane: unknown command '" << args.first() << "'\n";
    printOverview(io.err);
    return UsageError;
}

} // namespace orvane::cli
