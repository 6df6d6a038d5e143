#pragma once

#include <string>

namespace orvane::cli {

// The command groups and their one-line summaries, in the order of their names. The launcher
// prints the overview from this list without loading the commands; a test keeps it equal to
// the groups that register themselves.
struct CommandSummary {
    const char* name;
    const char* summary;
};

extern const CommandSummary kCommandSummaries[];
extern const int kCommandSummaryCount;

// The overview "orvane --help" prints.
std::string OverviewText();

} // namespace orvane::cli
