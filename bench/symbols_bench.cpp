// Collecting and indexing a generated installation of 1,000 symbol files with 100,000 symbols,
// against merely reading and parsing the same files; look-ups through the manager against a
// plain hash table; heap held by the manager, and the peak memory while it collects, against
// the bytes on disk.

#include "child_process.h"
#include "ratio_reporter.h"

#include "symbols/node_filters.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_library_context.h"
#include "symbols/symbol_values.h"

#include "corekit/node.h"
#include "corekit/tree_items.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include <memory>

namespace {

constexpr int kFiles = 1000;
constexpr int kSymbolsPerFile = 100;
const char* const kTrades[] = {"Heizung",     "Sanitaer", "Lueftung", "Elektro",
                               "Architektur", "Gas",      "Kaelte",   "Brandschutz"};

QByteArray generatedFile(int file) {
    QByteArray text = "Root {\n  Defaults { AskRotation = \"1\" UseSymbolFactor = \"1\" }\n  Pages {\n";
    for (int page = 0; page < 4; ++page) {
        text += "    Page {\n      DisplayName = \"Seite " + QByteArray::number(page) + "\"\n";
        if (page == 3)
            text += "      Version = \"-OrvaneLT\"\n      Region = \"-:CHE\"\n";
        for (int s = 0; s < kSymbolsPerFile / 4; ++s) {
            const QByteArray name =
                "SYM_" + QByteArray::number(file) + "_" + QByteArray::number(page * 100 + s);
            text += "      Symbol {\n        BlockName = \"" + name + "\"\n        DisplayName = \"Symbol " +
                    name + "\"\n        Abbreviation = \"S\"\n        Text = \"Beschreibung des Symbols " +
                    name +
                    "\"\n        Osnap = \"33\"\n        AskSize = \"0\"\n        LayerComponent = "
                    "\"HZ-ARMATUR\"\n";
            if (s % 10 == 0)
                text += "        Version = \"+OrvaneDT:OrvanePro\"\n        NewRow = \"\"\n";
            text += "      }\n";
        }
        text += "    }\n";
    }
    return text + "  }\n}\n";
}

struct Installation {
    QTemporaryDir dir;
    QStringList files;
    QStringList blockNames;
    qint64 bytes = 0;
    SymbolLibraryContext context;

    Installation() {
        for (int f = 0; f < kFiles; ++f) {
            const QString folder =
                dir.filePath(QStringLiteral("Support/Symbol Toolbars/%1").arg(kTrades[f % 8]));
            QDir().mkpath(folder);
            const QString path = folder + QStringLiteral("/Datei_%1.inf").arg(f, 4, 10, QLatin1Char('0'));
            QFile out(path);
            out.open(QIODevice::WriteOnly);
            const QByteArray content = generatedFile(f);
            out.write(content);
            bytes += content.size();
            files << path;
        }
        for (int i = 0; i < 10000; ++i)
            blockNames << QStringLiteral("sym_%1_%2").arg((i * 7919) % kFiles).arg((i % 4) * 100 + i % 25);
        context.folders = SymbolLibraryContext::FoldersUnder(dir.path());
        context.filters = {QStringLiteral("OrvaneDT"), QStringLiteral("DEU")};
    }
};

Installation& installation() {
    static Installation inst;
    return inst;
}

void ReadAndParse(benchmark::State& state) {
    const Installation& inst = installation();
    // Trees are kept and released outside the timing, as the manager keeps its trees.
    for (auto _ : state) {
        std::vector<std::unique_ptr<CNode>> trees;
        trees.reserve(inst.files.size());
        for (const QString& path : inst.files) {
            CNode* root = nullptr;
            TreeItems::ReadFromFile(path, root);
            trees.emplace_back(root);
        }
        state.PauseTiming();
        trees.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * inst.bytes);
}

void CollectAndIndex(benchmark::State& state) {
    installation();
    qsizetype indexed = 0;
    for (auto _ : state) {
        auto manager = std::make_unique<CSymbolFileManager>(installation().context);
        manager->CollectFiles();
        indexed = manager->IndexSize();
        state.PauseTiming();
        manager.reset();
        state.ResumeTiming();
    }
    state.counters["symbols"] = double(indexed);
    state.SetBytesProcessed(state.iterations() * installation().bytes);
}

void LookupThroughManager(benchmark::State& state) {
    const Installation& inst = installation();
    CSymbolFileManager manager(installation().context);
    manager.CollectFiles();
    qsizetype found = 0;
    for (auto _ : state)
        for (const QString& name : inst.blockNames)
            found += manager.LookupSymbol(name) != nullptr;
    if (found != state.iterations() * inst.blockNames.size())
        state.SkipWithError("a look-up failed");
    state.SetItemsProcessed(state.iterations() * inst.blockNames.size());
}

// Reference: the same names in a plain hash table with the keys already made.
void LookupPlainHash(benchmark::State& state) {
    const Installation& inst = installation();
    QHash<QString, int> table;
    QStringList keys;
    for (const QString& name : inst.blockNames) {
        keys << name.toUpper();
        table.insert(name.toUpper(), 1);
    }
    qsizetype found = 0;
    for (auto _ : state)
        for (const QString& key : keys)
            found += table.value(key);
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations() * keys.size());
}

// Heap held by a manager with everything collected, as a multiple of the bytes on disk.
void ManagerMemory(benchmark::State& state) {
    installation();
    double factor = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const size_t before = mallinfo2().uordblks;
        auto manager = std::make_unique<CSymbolFileManager>(installation().context);
        manager->CollectFiles();
        const size_t after = mallinfo2().uordblks;
        factor = double(after - before) / double(installation().bytes);
    }
    state.counters["memory_per_file_byte"] = factor;
}

// A "Vm...:" line of /proc/self/status in KiB, or -1.
long statusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(field.size()));
    return -1;
}

// Peak memory while collecting, as a multiple of the bytes on disk. Measured in a child process
// from the kernel's high-water mark of resident memory, reset just before collecting, so that the
// figure holds the peak of the collection (file texts and trees being read included) and nothing
// the benchmark itself held before. Answers -1 in the child when the mark cannot be reset.
double collectPeakFactor(const Installation& inst) {
    int channel[2];
    if (pipe(channel) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        malloc_trim(0);
        double factor = -1;
        std::ofstream reset("/proc/self/clear_refs");
        if (reset << "5" << std::flush) {
            const long start = statusKiB("VmHWM:");
            {
                CSymbolFileManager manager(installation().context);
                manager.CollectFiles();
                factor = double(statusKiB("VmHWM:") - start) * 1024.0 / double(inst.bytes);
            }
        }
        const ssize_t written = write(channel[1], &factor, sizeof factor);
        _exit(written == sizeof factor ? 0 : 1);
    }
    close(channel[1]);
    double factor = -1;
    if (child < 0 || read(channel[0], &factor, sizeof factor) != sizeof factor)
        factor = -1;
    close(channel[0]);
    if (child > 0)
        waitpid(child, nullptr, 0);
    return factor;
}

void ManagerPeakMemory(benchmark::State& state) {
    const Installation& inst = installation();
    double factor = -1;
    for (auto _ : state)
        factor = collectPeakFactor(inst);
    if (factor < 0)
        state.SkipWithError("the peak of resident memory could not be measured here");
    state.counters["peak_per_file_byte"] = factor;
}

// Reference for the memory figure: the same files parsed into trees and nothing else.
void ParsedTreesMemory(benchmark::State& state) {
    const Installation& inst = installation();
    double factor = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const size_t before = mallinfo2().uordblks;
        std::vector<std::unique_ptr<CNode>> trees;
        for (const QString& path : inst.files) {
            CNode* root = nullptr;
            TreeItems::ReadFromFile(path, root);
            trees.emplace_back(root);
        }
        const size_t after = mallinfo2().uordblks;
        factor = double(after - before) / double(inst.bytes);
    }
    state.counters["memory_per_file_byte"] = factor;
}

// Peak memory of "orvane symbols scan --json" over the installation, less the peak of the same
// command over an installation of one small file (the program's own start-up footprint,
// measured in this run), as a multiple of the bytes on disk.
void ScanCommandPeakMemory(benchmark::State& state) {
    const Installation& inst = installation();
    QTemporaryDir small;
    const QString folder = small.filePath(QStringLiteral("Support/Symbol Toolbars/Heizung"));
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/Datei.inf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(generatedFile(0)) < 0) {
        state.SkipWithError("cannot write the small installation");
        return;
    }
    file.close();
    const auto scan = [](const QString& base) {
        return orvane::bench::runChild(
            {ORVANE_TOOL, "symbols", "scan", "--base", base.toStdString(), "--json"});
    };
    double factor = 0;
    for (auto _ : state) {
        const auto big = scan(inst.dir.path());
        const auto tiny = scan(small.path());
        if (!big.ok || !tiny.ok) {
            state.SkipWithError("the tool failed");
            return;
        }
        factor += (big.peakBytes - tiny.peakBytes) / double(inst.bytes);
    }
    state.counters["peak_per_file_byte"] = factor / double(state.iterations());
}

BENCHMARK(ReadAndParse)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(CollectAndIndex)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(LookupPlainHash)->Unit(benchmark::kMillisecond);
BENCHMARK(LookupThroughManager)->Unit(benchmark::kMillisecond);
BENCHMARK(ParsedTreesMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ManagerMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ManagerPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ScanCommandPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv) {
    using namespace orvane::bench;
    return runWithRatios(
        argc, argv,
        {Ratio{"collect and index, time / read and parse (steady state)", "CollectAndIndex/iterations:5",
               "ReadAndParse/iterations:5", false, atMost(1.1)},
         Ratio{"look-up through the manager, time / plain hash table", "LookupThroughManager",
               "LookupPlainHash", false},
         Ratio{"orvane symbols scan --json, peak memory / bytes on disk",
               "ScanCommandPeakMemory/iterations:2", "", false, atMost(3), "peak_per_file_byte"}});
}
