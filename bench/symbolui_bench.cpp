// The symbols window against the frame it has to fit in: filling a page of 200 symbols
// (re-targeting, colouring, moving and showing the existing buttons) and one keystroke of the
// quick find over 100,000 symbols, each as a ratio to one frame of 16.7 ms.

#include "ratio_reporter.h"

#include "symbolui/dlg_symbols.h"
#include "symbolui/quick_find.h"

#include "frame/app.h"
#include "shellui/desktop_design.h"
#include "slides/slide_writer.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_library_context.h"
#include "symbols/symbols_host.h"

#include "corekit/node.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr double kFrameSeconds = 0.0167;

// Host answers for a library in a temporary folder.
class BenchHost final : public ISymbolsHost {
public:
    explicit BenchHost(const QString& root) : m_root(root) {}
    std::optional<QString> Variable(const QString& name, int) override {
        if (name == QLatin1String("SYMBOLE_PATH"))
            return m_root;
        if (name == QLatin1String("SYMBOLS_FILELIST_SUPPORT"))
            return QStringLiteral("Heizung\\viele.inf");
        return std::nullopt;
    }
    QString VersionName() override { return QStringLiteral("Basic"); }
    QString RegionToken() override { return QStringLiteral("DEU"); }
    QString DefaultFolder(int) override { return {}; }
    std::optional<QString> CatalogRoot(const QString&) override { return std::nullopt; }
    void ScanTranslations(const QString&) override {}

private:
    QString m_root;
};

// A supplied file with two pages of 200 symbols each, every symbol with a slide of its own.
void writeLibrary(const QString& root) {
    const QString folder = root + QStringLiteral("/Support/Symbol Toolbars/Heizung");
    QDir().mkpath(folder + QStringLiteral("/Slides"));
    QByteArray text = "Root {\n  Defaults { UsedInCalculations = \"1\" }\n  Pages {\n";
    for (int page = 0; page < 2; ++page) {
        text += "    Page { DisplayName = \"Seite " + QByteArray::number(page) + "\"\n";
        for (int i = 0; i < 200; ++i) {
            const QByteArray name = "S" + QByteArray::number(page) + "_" + QByteArray::number(i);
            text += "      Symbol { BlockName = \"" + name + "\" DisplayName = \"Symbol " + name + "\" }\n";
            CSlideWriter slide(100, 100);
            slide.SetColor(1 + i % 6);
            slide.AddLine({10, 10 + i % 50}, {90, 90});
            slide.AddLine({90, 10}, {10, 90 - i % 50});
            slide.WriteToFile(folder + QStringLiteral("/Slides/") + QString::fromLatin1(name) +
                              QStringLiteral(".sld"));
        }
        text += "    }\n";
    }
    text += "  }\n}\n";
    QFile file(folder + QStringLiteral("/viele.inf"));
    file.open(QIODevice::WriteOnly);
    file.write(text);
}

void BM_Frame(benchmark::State& state) {
    for (auto _ : state)
        state.SetIterationTime(kFrameSeconds);
}
BENCHMARK(BM_Frame)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FillPage200(benchmark::State& state) {
    QTemporaryDir dir;
    writeLibrary(dir.path());
    BenchHost host(dir.path());
    theApp.m_isAcadHost = 1;
    const HostSymbolLibraryContext library(host);
    CSymbolFileManager manager(library);
    CDesktopDesignManager designs{QString()};
    SymbolsWindowContext context{&manager,
                                 &designs,
                                 &host,
                                 SymbolViewRules::Platform(library.Filters()),
                                 QStringLiteral("OrvaneBench\\"),
                                 QString(),
                                 1.0};
    CDlgSymbols window(context);
    window.resize(400, 2000);
    window.LoadPages();
    int page = 0;
    for (auto _ : state) {
        page = 1 - page;
        window.PagesList()->setCurrentIndex(page);
        emit window.PagesList()->activated(page);
    }
    if (window.SymbolButtons().size() != 200)
        state.SkipWithError("the page did not fill");
}
BENCHMARK(BM_FillPage200)->Unit(benchmark::kMillisecond);

// 500 pages of 200 symbols with names from a small vocabulary, as a large library has them.
std::unique_ptr<CNode> makeLibrary(std::vector<CNode*>& pages) {
    static const char* const words[] = {"Ventil",        "Pumpe",   "Wärmepumpe", "Kessel",
                                        "Heizkörper",    "Mischer", "Fühler",     "Speicher",
                                        "Absperrklappe", "Regler",  "Zähler",     "Filter"};
    auto root = std::make_unique<CNode>(QStringLiteral("Pages"));
    for (int p = 0; p < 500; ++p) {
        CNode* page = root->AddChild(QStringLiteral("Page"));
        pages.push_back(page);
        for (int i = 0; i < 200; ++i) {
            CNode* symbol = page->AddChild(QStringLiteral("Symbol"));
            const int n = p * 200 + i;
            symbol->AddLeaf(QStringLiteral("BlockName"),
                            QStringLiteral("HZ_%1_%2").arg(QLatin1String(words[n % 12])).arg(n));
            symbol->AddLeaf(QStringLiteral("DisplayName"), QStringLiteral("%1 %2 DN%3")
                                                               .arg(QString::fromUtf8(words[n % 12]),
                                                                    QString::fromUtf8(words[(n / 12) % 12]))
                                                               .arg(15 + n % 50));
        }
    }
    return root;
}

// One keystroke: "ventl" is a typo found only by the one-edit comparison; "qxzv" finds
// nothing, so every symbol is compared to the end, the slowest keystroke there is.
void BM_QuickFindKeystroke100k(benchmark::State& state, const char* typed) {
    std::vector<CNode*> pages;
    const auto library = makeLibrary(pages);
    CQuickFind find;
    find.Index(pages, [](const QString& text) { return text; });
    const QString text = QString::fromLatin1(typed);
    for (auto _ : state)
        benchmark::DoNotOptimize(find.Find(text).size());
    if (find.Size() != 100000)
        state.SkipWithError("the library is not complete");
}
BENCHMARK_CAPTURE(BM_QuickFindKeystroke100k, typo, "ventl")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QuickFindKeystroke100k, nothing, "qxzv")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const char* kFrame = "BM_Frame/iterations:1/manual_time";
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return orvane::bench::runWithRatios(
        argc, argv,
        {{"fill a page of 200 symbols / one 16.7 ms frame", "BM_FillPage200", kFrame, false},
         {"quick-find keystroke, typo, 100,000 symbols / one frame", "BM_QuickFindKeystroke100k/typo", kFrame,
          false},
         {"quick-find keystroke, no hit, 100,000 symbols / one frame", "BM_QuickFindKeystroke100k/nothing",
          kFrame, false}});
}
