#pragma once

// Google Benchmark reports absolute times, which say little on a shared machine. This reporter
// keeps the console output and, at the end, prints each figure as a ratio to a reference that
// was measured in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace orvane::bench {

struct Ratio {
    std::string label;
    std::string measured;  // benchmark name
    std::string reference; // benchmark name
    bool throughput;       // true: bytes/s of measured over reference; false: time of measured over reference
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Ratio> ratios) : m_ratios(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nRatios (measured in this run):\n");
        for (const auto& r : m_ratios) {
            const auto m = m_seconds.find(r.measured);
            const auto ref = m_seconds.find(r.reference);
            if (m == m_seconds.end() || ref == m_seconds.end() || m->second <= 0 || ref->second <= 0) {
                std::printf("  %-58s n/a (not run)\n", r.label.c_str());
                continue;
            }
            // For equal byte counts a throughput ratio is the inverse time ratio.
            const double value = r.throughput ? ref->second / m->second : m->second / ref->second;
            std::printf("  %-58s %8.3f\n", r.label.c_str(), value);
        }
        std::fflush(stdout);
    }

private:
    std::vector<Ratio> m_ratios;
    std::map<std::string, double> m_seconds;
};

// Runs the registered benchmarks with the ratio reporter; use from main().
inline int runWithRatios(int argc, char** argv, std::vector<Ratio> ratios) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace orvane::bench
