// Reading and writing node trees in both forms, on a generated tree shaped like a large symbol
// file (about 20 MB in the text form). References measured in the same run: a plain memory
// copy of the same bytes, and a DOM XML parser loading the XML form; the XML stream reader alone
// over the same bytes shows how fast a reader built on it can be at most. The peak memory of
// the orvane tool printing and converting the file, against the file's size.

#include "child_process.h"
#include "ratio_reporter.h"

#include "corekit/tree_items.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <pugixml.hpp>

#include <malloc.h>

#include <cstring>
#include <memory>

namespace {

std::unique_ptr<CNode> makeSymbolFileTree(int pages, int symbolsPerPage) {
    auto root = std::make_unique<CNode>(QStringLiteral("Root"));
    CNode* defaults = root->AddChild(QStringLiteral("Defaults"));
    defaults->AddLeaf(QStringLiteral("AskRotation"), 1);
    defaults->AddLeaf(QStringLiteral("LayerComponent"), QStringLiteral("HZG"));
    CNode* pagesNode = root->AddChild(QStringLiteral("Pages"));
    for (int p = 0; p < pages; ++p) {
        CNode* page = pagesNode->AddChild(QStringLiteral("Page"));
        page->AddLeaf(QStringLiteral("DisplayName"), QStringLiteral("Heizung Seite %1").arg(p));
        page->AddLeaf(QStringLiteral("Version"), QStringLiteral("Standard:Pro"));
        for (int s = 0; s < symbolsPerPage; ++s) {
            const QString block = QStringLiteral("HZ_SYMBOL_%1_%2").arg(p).arg(s);
            CNode* symbol = page->AddChild(QStringLiteral("Symbol"));
            symbol->AddLeaf(QStringLiteral("BlockName"), block);
            symbol->AddLeaf(QStringLiteral("SlideName"), QStringLiteral("Heizung/") + block.toLower());
            symbol->AddLeaf(QStringLiteral("DisplayName"), QStringLiteral("Umwälzpumpe Größe %1").arg(s));
            symbol->AddLeaf(QStringLiteral("Abbreviation"), QStringLiteral("P%1").arg(s));
            symbol->AddLeaf(QStringLiteral("Text"),
                            QStringLiteral("Pumpe mit Rückschlagventil, DN %1").arg(15 + s % 5 * 5));
            symbol->AddLeaf(QStringLiteral("AttributeName1"), QStringLiteral("NAME"));
            symbol->AddLeaf(QStringLiteral("AskRotation"), 1);
            symbol->AddLeaf(QStringLiteral("AskSize"), 0);
            symbol->AddLeaf(QStringLiteral("Explode"), 0);
            symbol->AddLeaf(QStringLiteral("UsedInCalculations"), s % 2);
            symbol->AddLeaf(QStringLiteral("Osnap"), 33);
            symbol->AddLeaf(QStringLiteral("ButtonSizeWidthFactor"), 1);
            if (s % 10 == 0)
                symbol->AddLeaf(QStringLiteral("NewRow"), QString());
        }
    }
    return root;
}

struct Fixture {
    QByteArray text;
    QByteArray xml;
    Fixture() {
        const auto tree = makeSymbolFileTree(1150, 40);
        text = NodeFormats::WriteText(*tree);
        xml = NodeFormats::WriteXml(*tree);
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

void setBytes(benchmark::State& state, qsizetype bytes) {
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
    state.counters["MB"] = double(bytes) / 1e6;
}

void MemoryCopyText(benchmark::State& state) {
    const QByteArray& src = fixture().text;
    std::unique_ptr<char[]> dst(new char[size_t(src.size())]);
    for (auto _ : state) {
        std::memcpy(dst.get(), src.constData(), size_t(src.size()));
        benchmark::DoNotOptimize(dst.get());
        benchmark::ClobberMemory();
    }
    setBytes(state, src.size());
}

void DomXmlParserLoad(benchmark::State& state) {
    const QByteArray& src = fixture().xml;
    for (auto _ : state) {
        pugi::xml_document doc;
        const auto result = doc.load_buffer(src.constData(), size_t(src.size()));
        if (!result)
            state.SkipWithError("reference parser failed");
        benchmark::DoNotOptimize(doc.first_child());
    }
    setBytes(state, src.size());
}

// The ceiling of any reader built on the stream reader: the stream reader alone over the same
// bytes, fed as our reader feeds it (through a device; all bytes at once measured slower),
// stepping through the tokens and, with views, looking at what a reader needs of each: the
// element's name, its attributes and the text.
void streamReaderLoop(benchmark::State& state, bool views) {
    QByteArray src = fixture().xml;
    for (auto _ : state) {
        QBuffer device(&src);
        device.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&device);
        qsizetype seen = 0;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            ++seen;
            if (views && token == QXmlStreamReader::StartElement) {
                seen += xml.name().size();
                const QXmlStreamAttributes attributes = xml.attributes(); // const: no deep copy
                for (const QXmlStreamAttribute& a : attributes)
                    seen += a.value().size();
            } else if (views && token == QXmlStreamReader::Characters) {
                seen += xml.text().size();
            }
        }
        if (xml.hasError())
            state.SkipWithError("the stream reader failed");
        benchmark::DoNotOptimize(seen);
    }
    setBytes(state, src.size());
}

void XmlStreamReaderBare(benchmark::State& state) {
    streamReaderLoop(state, false);
}

void XmlStreamReaderViews(benchmark::State& state) {
    streamReaderLoop(state, true);
}

void ReadText(benchmark::State& state) {
    const QByteArray& src = fixture().text;
    for (auto _ : state) {
        std::unique_ptr<CNode> root(NodeFormats::ReadText(src, nullptr));
        if (!root)
            state.SkipWithError("text form failed to read");
        benchmark::DoNotOptimize(root.get());
    }
    setBytes(state, src.size());
}

void ReadXml(benchmark::State& state) {
    const QByteArray& src = fixture().xml;
    for (auto _ : state) {
        std::unique_ptr<CNode> root(NodeFormats::ReadXml(src, nullptr));
        if (!root)
            state.SkipWithError("XML form failed to read");
        benchmark::DoNotOptimize(root.get());
    }
    setBytes(state, src.size());
}

void WriteText(benchmark::State& state) {
    std::unique_ptr<CNode> root(NodeFormats::ReadText(fixture().text, nullptr));
    for (auto _ : state)
        benchmark::DoNotOptimize(NodeFormats::WriteText(*root));
    setBytes(state, fixture().text.size());
}

void WriteXml(benchmark::State& state) {
    std::unique_ptr<CNode> root(NodeFormats::ReadText(fixture().text, nullptr));
    for (auto _ : state)
        benchmark::DoNotOptimize(NodeFormats::WriteXml(*root));
    setBytes(state, fixture().xml.size());
}

// Heap bytes held by a loaded tree, as a multiple of the file's size.
void LoadedTreeMemory(benchmark::State& state) {
    const QByteArray& src = fixture().text;
    double factor = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const size_t before = mallinfo2().uordblks;
        std::unique_ptr<CNode> root(NodeFormats::ReadText(src, nullptr));
        const size_t after = mallinfo2().uordblks;
        factor = double(after - before) / double(src.size());
    }
    state.counters["memory_per_file_byte"] = factor;
}

// Peak memory of "orvane tree ARGS" on the fixture's text file, less the peak of the same
// command on a tree of one leaf (the program's own start-up footprint, measured in this run),
// as a multiple of the file's size.
void toolPeakMemory(benchmark::State& state, const QStringList& command, const QString& outputName) {
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.inf"));
    const QString tiny = dir.filePath(QStringLiteral("tiny.inf"));
    QFile bigFile(big);
    QFile tinyFile(tiny);
    if (!bigFile.open(QIODevice::WriteOnly) || bigFile.write(fixture().text) != fixture().text.size() ||
        !tinyFile.open(QIODevice::WriteOnly) || tinyFile.write("Root {\n  Leaf = \"1\"\n}\n") < 0) {
        state.SkipWithError("cannot write the tree files");
        return;
    }
    bigFile.close();
    tinyFile.close();
    const auto run = [&](const QString& input) {
        std::vector<std::string> args{ORVANE_TOOL};
        for (const QString& a : command)
            args.push_back(a.toStdString());
        args.push_back(input.toStdString());
        if (!outputName.isEmpty())
            args.push_back(dir.filePath(outputName).toStdString());
        return orvane::bench::runChild(args);
    };
    double factor = 0;
    for (auto _ : state) {
        const auto bigCost = run(big);
        const auto tinyCost = run(tiny);
        if (!bigCost.ok || !tinyCost.ok) {
            state.SkipWithError("the tool failed");
            return;
        }
        factor += (bigCost.peakBytes - tinyCost.peakBytes) / double(fixture().text.size());
    }
    state.counters["peak_per_file_byte"] = factor / double(state.iterations());
}

void TreePrintPeakMemory(benchmark::State& state) {
    toolPeakMemory(state, {QStringLiteral("tree"), QStringLiteral("print")}, QString());
}

void TreeConvertToXmlPeakMemory(benchmark::State& state) {
    toolPeakMemory(state, {QStringLiteral("tree"), QStringLiteral("convert")}, QStringLiteral("out.infx"));
}

// A page of 80,000 symbols with a few other children between them, walked as the module
// walks pages: FindChild(name, after), against a plain loop over the same children (about 2.5
// times it here; a walk that searched from the start each step took thousands of times it).
const CNode& bigPage() {
    static const std::unique_ptr<CNode> page = [] {
        auto node = std::make_unique<CNode>(QStringLiteral("Page"));
        for (int i = 0; i < 80000; ++i)
            node->AddChild(i % 100 ? QStringLiteral("Symbol") : QStringLiteral("Group"));
        return node;
    }();
    return *page;
}

void WalkChildrenByName(benchmark::State& state) {
    const CNode& page = bigPage();
    const QString name = QStringLiteral("Symbol");
    for (auto _ : state) {
        int count = 0;
        for (const CNode* child = page.FindChild(name); child; child = page.FindChild(name, child))
            ++count;
        benchmark::DoNotOptimize(count);
    }
}

void LoopOverChildren(benchmark::State& state) {
    const CNode& page = bigPage();
    const QString name = QStringLiteral("Symbol");
    for (auto _ : state) {
        int count = 0;
        for (const auto& child : page.Children())
            count += child->GetName() == name;
        benchmark::DoNotOptimize(count);
    }
}

BENCHMARK(MemoryCopyText)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(DomXmlParserLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(XmlStreamReaderBare)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(XmlStreamReaderViews)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ReadText)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ReadXml)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(WriteText)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(WriteXml)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(WalkChildrenByName)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(LoopOverChildren)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(LoadedTreeMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(TreePrintPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(TreeConvertToXmlPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    using namespace orvane::bench;
    const auto timed = [](const char* name) { return std::string(name) + "/min_time:1.000"; };
    return runWithRatios(
        argc, argv,
        {Ratio{"text read, throughput / DOM XML parser", timed("ReadText"), timed("DomXmlParserLoad"), true},
         Ratio{"XML read, throughput / DOM XML parser (CPU)", timed("ReadXml"), timed("DomXmlParserLoad"),
               true, atLeast(0.35)},
         Ratio{"XML stream reader alone, throughput / DOM XML parser (CPU)", timed("XmlStreamReaderBare"),
               timed("DomXmlParserLoad"), true},
         Ratio{"XML stream reader with views, throughput / DOM XML parser (CPU)",
               timed("XmlStreamReaderViews"), timed("DomXmlParserLoad"), true},
         Ratio{"XML read, throughput / stream reader with views (CPU)", timed("ReadXml"),
               timed("XmlStreamReaderViews"), true},
         Ratio{"text read, throughput / memory copy", timed("ReadText"), timed("MemoryCopyText"), true},
         Ratio{"XML read, throughput / memory copy", timed("ReadXml"), timed("MemoryCopyText"), true},
         Ratio{"text write, throughput / memory copy", timed("WriteText"), timed("MemoryCopyText"), true},
         Ratio{"XML write, throughput / memory copy", timed("WriteXml"), timed("MemoryCopyText"), true},
         Ratio{"page of 80,000 symbols walked with FindChild(name, after), time / plain loop",
               "WalkChildrenByName/min_time:0.500", "LoopOverChildren/min_time:0.500", false, atMost(5)},
         Ratio{"orvane tree print, peak memory / file size", "TreePrintPeakMemory/iterations:3", "", false,
               atMost(3), "peak_per_file_byte"},
         Ratio{"orvane tree convert to XML, peak memory / file size",
               "TreeConvertToXmlPeakMemory/iterations:3",
               "",
               false,
               {},
               "peak_per_file_byte"}});
}
