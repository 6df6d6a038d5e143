// Start-up of the orvane tool, as a user starts it, against the smallest Qt Core program
// printing one line, both measured in this run: CPU time of the child (user and system, from
// wait4) and its wall time. Output goes to /dev/null.

#include "ratio_reporter.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct ChildCost {
    double cpu = -1; // seconds
    double wall = -1;
};

ChildCost runChild(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return {};
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime),
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

void measure(benchmark::State& state, const std::vector<std::string>& args) {
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const ChildCost cost = runChild(args);
        if (cost.cpu < 0) {
            state.SkipWithError("the program failed");
            return;
        }
        cpu += cost.cpu;
        wall += cost.wall;
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

// A command that does not paint: a small tree printed.
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
               "OrvaneTreePrint/iterations:30/real_time",
               "BareQtCore/iterations:60/real_time",
               false,
               {},
               "child_cpu"}});
}
