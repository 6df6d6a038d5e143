#pragma once

// Google Benchmark reports absolute times, which say little on a shared machine. This reporter
// keeps the console output and, at the end, prints each figure as a ratio to a reference that
// was measured in the same run, from CPU time with the real-time ratio beside it. All figures
// are also written, one "figure<TAB>ratio<TAB>aim<TAB>holds" line each ("-" for a figure
// without an aim), to the file that --summary_file=PATH names; scripts/bench --summary gathers those lines
// into one table.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvane::bench {

// What a figure should be: at most or at least a value; no aim when op is 0.
struct Aim {
    char op = 0; // '<': at most value, '>': at least value
    double value = 0;
};
inline constexpr Aim atMost(double value) {
    return {'<', value};
}
inline constexpr Aim atLeast(double value) {
    return {'>', value};
}

// One painted frame at 60 Hz, the fixed reference of interactive figures.
inline constexpr double kFrameSeconds = 1.0 / 60.0;

struct Ratio {
    std::string label;
    std::string measured;  // benchmark name
    std::string reference; // benchmark name; empty: referenceSeconds is the reference
    // true: throughput of measured over reference (per byte when both set the "bytes" counter
    // to the bytes one iteration handles); false: time of measured over reference.
    bool throughput;
    Aim aim = {};
    // When set, the figure is this counter of measured, divided by the same counter of
    // reference when one is named (for work done outside this process, such as child programs).
    std::string counter = {};
    double referenceSeconds = 0;
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::vector<Ratio> ratios, std::string summaryFile)
        : m_ratios(std::move(ratios)), m_summaryFile(std::move(summaryFile)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            Measured& m = m_runs[run.benchmark_name()];
            // In seconds, whatever unit the benchmark reports in.
            const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            m.cpu = run.GetAdjustedCPUTime() / unit;
            m.real = run.GetAdjustedRealTime() / unit;
            // A benchmark timed by the wall clock or by its own manual time waits for another
            // process or a timer, or times itself: its time stands for both.
            const std::string name = run.benchmark_name();
            if (name.find("/real_time") != std::string::npos ||
                name.find("/manual_time") != std::string::npos)
                m.cpu = m.real;
            for (const auto& [name, counter] : run.counters)
                m.counters[name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::FILE* summary = m_summaryFile.empty() ? nullptr : std::fopen(m_summaryFile.c_str(), "a");
        std::printf("\nRatios (measured in this run; CPU time, real time beside it):\n");
        for (const auto& r : m_ratios) {
            const std::optional<std::pair<double, double>> value = figure(r);
            if (!value) {
                std::printf("  %-62s n/a (not run)\n", r.label.c_str());
                if (summary)
                    std::fprintf(summary, "%s\tn/a\t%s\t%s\n", r.label.c_str(), aimText(r.aim).c_str(),
                                 r.aim.op ? "no" : "-");
                continue;
            }
            std::printf("  %-62s %9.3f  (real %9.3f)%s\n", r.label.c_str(), value->first, value->second,
                        r.aim.op ? ("  aim " + aimText(r.aim)).c_str() : "");
            if (summary)
                std::fprintf(summary, "%s\t%.3f\t%s\t%s\n", r.label.c_str(), value->first,
                             aimText(r.aim).c_str(),
                             !r.aim.op                    ? "-"
                             : holds(r.aim, value->first) ? "yes"
                                                          : "no");
        }
        if (summary)
            std::fclose(summary);
        std::fflush(stdout);
    }

private:
    struct Measured {
        double cpu = 0;
        double real = 0;
        std::map<std::string, double> counters;
    };

    static std::string aimText(const Aim& aim) {
        if (!aim.op)
            return "-";
        char text[32];
        std::snprintf(text, sizeof text, "%s %g", aim.op == '<' ? "<=" : ">=", aim.value);
        return text;
    }
    static bool holds(const Aim& aim, double value) {
        return aim.op == '<' ? value <= aim.value : value >= aim.value;
    }

    // The figure from CPU time and from real time, or nothing when a benchmark did not run.
    std::optional<std::pair<double, double>> figure(const Ratio& r) const {
        const auto m = m_runs.find(r.measured);
        if (m == m_runs.end())
            return std::nullopt;
        const Measured* ref = nullptr;
        if (!r.reference.empty()) {
            const auto found = m_runs.find(r.reference);
            if (found == m_runs.end())
                return std::nullopt;
            ref = &found->second;
        }
        if (!r.counter.empty()) {
            const auto value = m->second.counters.find(r.counter);
            if (value == m->second.counters.end())
                return std::nullopt;
            double divisor = 1;
            if (ref) {
                const auto refValue = ref->counters.find(r.counter);
                if (refValue == ref->counters.end() || refValue->second <= 0)
                    return std::nullopt;
                divisor = refValue->second;
            }
            return std::pair{value->second / divisor, value->second / divisor};
        }
        // Per byte when both say how many bytes an iteration handles.
        double scale = 1;
        if (ref) {
            const auto mBytes = m->second.counters.find("bytes");
            const auto refBytes = ref->counters.find("bytes");
            if (mBytes != m->second.counters.end() && refBytes != ref->counters.end() && mBytes->second > 0)
                scale = refBytes->second / mBytes->second;
        }
        const auto ratio = [&](double measured, double reference) -> std::optional<double> {
            if (measured <= 0 || reference <= 0)
                return std::nullopt;
            return r.throughput ? reference / (measured * scale) : measured * scale / reference;
        };
        const std::optional<double> cpu = ratio(m->second.cpu, ref ? ref->cpu : r.referenceSeconds);
        const std::optional<double> real = ratio(m->second.real, ref ? ref->real : r.referenceSeconds);
        if (!cpu || !real)
            return std::nullopt;
        return std::pair{*cpu, *real};
    }

    std::vector<Ratio> m_ratios;
    std::string m_summaryFile;
    std::map<std::string, Measured> m_runs;
};

// Runs the registered benchmarks with the ratio reporter; use from main(). Takes
// --summary_file=PATH off the arguments before Google Benchmark reads them.
inline int runWithRatios(int argc, char** argv, std::vector<Ratio> ratios) {
    std::string summaryFile;
    const char* const option = "--summary_file=";
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], option, std::strlen(option)) == 0)
            summaryFile = argv[i] + std::strlen(option);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(ratios), std::move(summaryFile));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace orvane::bench
