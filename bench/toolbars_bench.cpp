// A symbol toolbar page of 200 buttons, each showing a real slide of the sample installation,
// laid out and painted again as the planner drags the window's edge: measured against one
// frame of a 60 Hz display (16.7 ms), the time a resize step may take without a visible lag.
// Steps are timed by the processor time of the test's thread.

#include "ratio_reporter.h"

#include "symbolui/dlg_symbol_toolbar.h"

#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_library_context.h"
#include "symbols/symbols_host.h"

#include "corekit/registry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <ctime>
#include <memory>

namespace {

constexpr int kButtons = 200;
const char* const kSlides[] = {"HZ_PUMPE", "HZ_KESSEL", "HZ_HEIZKOERPER", "HZ_DREIWEGEMISCHER",
                               "HZ_WAERMEPUMPE"};

class BenchHost final : public ISymbolsHost {
public:
    explicit BenchHost(const QString& base) : m_base(base) {}
    std::optional<QString> Variable(const QString& name, int) override {
        if (name == QStringLiteral("SYMBOLE_PATH"))
            return m_base;
        return std::nullopt;
    }
    QString VersionName() override { return QStringLiteral("Basic"); }
    QString RegionToken() override { return QStringLiteral("DEU"); }
    QString DefaultFolder(int) override { return {}; }
    std::optional<QString> CatalogRoot(const QString& name) override {
        if (name == QStringLiteral("TB"))
            return m_base + QStringLiteral("/Support/Symbol Toolbars");
        return std::nullopt;
    }
    void ScanTranslations(const QString&) override {}

private:
    QString m_base;
};

void Write(const QString& path, const QByteArray& content) {
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
}

struct Toolbar {
    QTemporaryDir dir;
    BenchHost host{dir.path()};
    HostSymbolLibraryContext library{host};
    CSymbolFileManager files{library};
    std::unique_ptr<CDlgSymbolToolbar> window;
    int step = 0; // across runs, so that every step changes the size

    Toolbar() {
        const QString heating = dir.filePath(QStringLiteral("Support/Symbol Toolbars/Heizung"));
        Write(heating + QStringLiteral("/Leisten.inf"),
              "Root { SymbolFile = \"<TB>Heizung/Toolbar_/Leiste.inf\" }\n");
        QByteArray page = "Root {\n  Pages {\n    Page {\n      DisplayName = \"Viele\"\n";
        for (int i = 0; i < kButtons; ++i)
            page += "      Symbol { BlockName = \"B" + QByteArray::number(i) + "\" SlideName = \"" +
                    kSlides[i % 5] + "\" UsedInCalculations = \"" + QByteArray::number(i % 2) + "\" }\n";
        Write(heating + QStringLiteral("/Toolbar_/Leiste.inf"), page + "    }\n  }\n}\n");
        for (const char* slide : kSlides) {
            const QString name = QString::fromUtf8(slide) + QStringLiteral(".sld");
            QFile::copy(
                QStringLiteral(ORVANE_SOURCE_DIR "/data/sample-installation/Support/Slides/Heizung/") + name,
                heating + QStringLiteral("/Toolbar_/Slides/") + name);
        }
        SymbolToolbarContext context;
        context.fileManager = &files;
        window = std::make_unique<CDlgSymbolToolbar>(context);
        window->SetName(QStringLiteral("H"));
        window->OnInitDialog();
        window->show();
        window->LoadPages();
        if (window->UsedButtonCount() != kButtons)
            qFatal("the bench page has %d buttons, not %d", window->UsedButtonCount(), kButtons);
    }
    ~Toolbar() { window.reset(); }
};

// Made on first use and let go in main(), while the application that its window needs still lives.
std::unique_ptr<Toolbar>& ToolbarSlot() {
    static std::unique_ptr<Toolbar> toolbar;
    return toolbar;
}

Toolbar& TheToolbar() {
    if (!ToolbarSlot())
        ToolbarSlot() = std::make_unique<Toolbar>();
    return *ToolbarSlot();
}

// The processor time of this thread: the machine is shared, and the wall clock would measure
// the neighbours too.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Two window sizes a drag moves between; every step changes the cell size.
QSize StepSize(int step) {
    return step % 2 ? QSize(1100, 560) : QSize(1060, 540);
}

// One drag step: the new size reaches the window as the window system delivers it, and the
// window lays its page out again.
void Resize(Toolbar& toolbar) {
    toolbar.window->resize(StepSize(++toolbar.step));
    QCoreApplication::processEvents();
}

// Counts the page fills, so that a step that did not lay the page out fails the run.
struct FillCounter {
    explicit FillCounter(CDlgSymbolToolbar* window) {
        QObject::connect(window, &CDlgSymbolToolbar::pageFilled, &context, [this] { ++fills; });
    }
    QObject context;
    int fills = 0;
};

void ResizeLayoutOnly(benchmark::State& state) {
    Toolbar& toolbar = TheToolbar();
    FillCounter counter(toolbar.window.get());
    int steps = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        Resize(toolbar);
        ++steps;
        state.SetIterationTime(ThreadSeconds() - start);
    }
    if (counter.fills < steps)
        state.SkipWithError("a resize step did not lay the page out");
}
BENCHMARK(ResizeLayoutOnly)->UseManualTime()->Unit(benchmark::kMillisecond);

void ResizeLayoutAndPaint(benchmark::State& state) {
    Toolbar& toolbar = TheToolbar();
    int steps = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        Resize(toolbar);
        ++steps;
        // The whole window with its 200 buttons, at the display's pixel ratio.
        const QPixmap frame = toolbar.window->grab();
        benchmark::DoNotOptimize(frame.cacheKey());
        state.SetIterationTime(ThreadSeconds() - start);
    }
}
BENCHMARK(ResizeLayoutAndPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void ResizeLayoutAndPaintAtScale2(benchmark::State& state) {
    Toolbar& toolbar = TheToolbar();
    int steps = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        Resize(toolbar);
        ++steps;
        QPixmap frame(toolbar.window->size() * 2);
        frame.setDevicePixelRatio(2.0);
        toolbar.window->render(&frame);
        benchmark::DoNotOptimize(frame.cacheKey());
        state.SetIterationTime(ThreadSeconds() - start);
    }
}
BENCHMARK(ResizeLayoutAndPaintAtScale2)->UseManualTime()->Unit(benchmark::kMillisecond);

// The reference: one frame of a 60 Hz display.
void Frame60Hz(benchmark::State& state) {
    for (auto _ : state)
        state.SetIterationTime(1.0 / 60.0);
}
BENCHMARK(Frame60Hz)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    SetOrvaneSettingsFile(settings.filePath(QStringLiteral("bench.ini")));
    QApplication app(argc, argv);
    using orvane::bench::Ratio;
    const int status = orvane::bench::runWithRatios(
        argc, argv,
        {Ratio{"200-button page: resize, layout and paint / one 60 Hz frame",
               "ResizeLayoutAndPaint/manual_time", "Frame60Hz/iterations:10/manual_time", false},
         Ratio{"the same at display scale 2 / one 60 Hz frame", "ResizeLayoutAndPaintAtScale2/manual_time",
               "Frame60Hz/iterations:10/manual_time", false},
         Ratio{"resize and layout alone / one 60 Hz frame", "ResizeLayoutOnly/manual_time",
               "Frame60Hz/iterations:10/manual_time", false}});
    ToolbarSlot().reset();
    return status;
}
