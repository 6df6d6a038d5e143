#pragma once

// Runs a program as a child process, its output thrown away, and answers what it cost: CPU time
// (user and system), wall time and the peak of its resident memory, all from the kernel. The
// program is started by the small child_cost helper (see child_cost.cpp), whose path the
// benchmark gets as ORVANE_CHILD_COST.

#include <cstdio>
#include <string>
#include <vector>

namespace orvane::bench {

struct ChildCost {
    bool ok = false; // started and ended with status 0
    double cpuSeconds = 0;
    double wallSeconds = 0;
    double peakBytes = 0; // resident high-water mark
};

inline ChildCost runChild(const std::vector<std::string>& args) {
    // Arguments are passed through the shell quoted, so paths with blanks stay whole.
    std::string command = "'" ORVANE_CHILD_COST "'";
    for (const std::string& a : args) {
        command += " '";
        for (char c : a)
            command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += "'";
    }
    ChildCost cost;
    std::FILE* out = popen(command.c_str(), "r");
    if (!out)
        return cost;
    const int read = std::fscanf(out, "%lf %lf %lf", &cost.cpuSeconds, &cost.wallSeconds, &cost.peakBytes);
    cost.ok = pclose(out) == 0 && read == 3;
    return cost;
}

} // namespace orvane::bench
