// Start-up of the orvane tool, as a user starts it, against the smallest Qt Core program
// printing one line, both measured in this run: CPU time of the child (user and system, from
// wait4) and its wall time. Output goes to /dev/null.

#include "child_process.h"
#include "ratio_reporter.h"

#include <QTemporaryDir>

#include <fstream>
#include <string>
#include <vector>

namespace {

using orvane::bench::runChild;

void measure(benchmark::State& state, const std::vector<std::string>& args) {
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const orvane::bench::ChildCost cost = runChild(args);
        if (!cost.ok) {
            state.SkipWithError("the program failed");
            return;
        }
        cpu += cost.cpuSeconds;
        wall += cost.wallSeconds;
    }
    state.counters["child_cpu"] = cpu / double(state.iterations());
    state.counters["child_wall"] = wall / double(state.iterations());
}

void BareQtCore(benchmark::State& state) {
    measure(state, {ORVANE_BARE_CORE});
}

void OrvaneHelp(benchmark::State& state) {
    measure(state, {ORVANE_TOOL, "--help"});
}

// A command that does not paint, a small tree printed: the launcher loads the tree commands
// library, which needs Qt Core and CoreKit only.
void OrvaneTreePrint(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("small.inf")).toStdString();
    std::ofstream(path) << "Root {\n  Leaf = \"1\"\n}\n";
    measure(state, {ORVANE_TOOL, "tree", "print", path});
}

BENCHMARK(BareQtCore)->Iterations(60)->UseRealTime();
BENCHMARK(OrvaneHelp)->Iterations(60)->UseRealTime();
BENCHMARK(OrvaneTreePrint)->Iterations(30)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    using namespace orvane::bench;
    return runWithRatios(
        argc, argv,
        {Ratio{"orvane --help start-up, CPU / bare Qt Core program", "OrvaneHelp/iterations:60/real_time",
               "BareQtCore/iterations:60/real_time", false, atMost(1.5), "child_cpu"},
         Ratio{"orvane --help start-up, wall time / bare Qt Core program",
               "OrvaneHelp/iterations:60/real_time",
               "BareQtCore/iterations:60/real_time",
               false,
               {},
               "child_wall"},
         Ratio{"orvane tree print (small file), CPU / bare Qt Core program",
               "OrvaneTreePrint/iterations:30/real_time", "BareQtCore/iterations:60/real_time", false,
               atMost(1.5), "child_cpu"}});
}
