#include "command_index.h"

#include <cstring>

namespace orvane::cli {

const CommandSummary kCommandSummaries[] = {
    {"catalog", "build material databases from catalogue sources, show and dump them"},
    {"hydraulics", "render hydraulic circuit schematics and list their primitives"},
    {"slide", "inspect, render and build slide files (.sld)"},
    {"station", "list station catalogues, check stations against requirements, draw nodes"},
    {"symbols", "scan, look up and check the symbol library of an installation"},
    {"tree", "print and convert node-tree files (.inf, .infx)"},
};
const int kCommandSummaryCount = int(sizeof kCommandSummaries / sizeof kCommandSummaries[0]);

std::string OverviewText() {
    std::string text =
        "Usage: orvane COMMAND [ARGS...]\n\n"
        "Inspects and converts the data of the planning module: node trees, symbol libraries,\n"
        "slides, circuit schematics and station catalogues.\n\nCommands:\n";
    for (int i = 0; i < kCommandSummaryCount; ++i) {
        std::string name = kCommandSummaries[i].name;
        if (name.size() < 12)
            name.resize(12, ' ');
        text += "  " + name + kCommandSummaries[i].summary + "\n";
    }
    return text + "\nRun 'orvane COMMAND --help' for the commands of a group.\n";
}

} // namespace orvane::cli
