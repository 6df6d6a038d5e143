// Slide decoding against a plain memory copy of the same bytes (per byte), and painting a page
// of 200 symbol buttons against one 60 Hz frame. The slides are real-size: the shared real
// slides of 10 KB and more (found beside the repository) and generated ones of 10 to 100 KB,
// repeated until there are 200.

#include "ratio_reporter.h"

#include "slides/slide_decoder.h"
#include "slides/slide_writer.h"
#include "slides/symbol_button.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>

namespace {

constexpr int kButtons = 200;
constexpr int kColumns = 20;
constexpr int kButtonSize = 48;
constexpr qint64 kRealSizeFrom = 10 * 1024;
constexpr qint64 kRealSizeTo = 100 * 1024;

QString realSlidesFolder() {
    return qEnvironmentVariable("ORVANE_SHARED_TESTDATA",
                                QStringLiteral(ORVANE_SOURCE_DIR "/../shared/testdata")) +
           QStringLiteral("/slides-real");
}

// A drawing of polylines in a few colours, some behind solid fills, of at least `bytes` bytes;
// the writer stores each line in the shortest record, so every vector kind occurs.
QByteArray generatedSlide(qint64 bytes, quint32 seed) {
    QRandomGenerator random(seed);
    CSlideWriter writer(1874, 829);
    QPoint at(900, 400);
    QByteArray data;
    while (data.size() < bytes) {
        for (int i = 0; i < 200; ++i) {
            if (i % 40 == 0)
                writer.SetColor(1 + int(random.bounded(7)));
            if (i % 97 == 0)
                writer.AddSolidFill(at);
            const int reach = i % 3 == 0 ? 400 : 60;
            const QPoint to(std::clamp(at.x() + int(random.bounded(2 * reach)) - reach, 0, 1874),
                            std::clamp(at.y() + int(random.bounded(2 * reach)) - reach, 0, 829));
            writer.AddLine(i % 11 == 0 ? QPoint(to.y(), to.x()) : at, to);
            at = to;
        }
        data = writer.ToBytes();
    }
    return data;
}

struct Fixture {
    std::vector<QByteArray> pool; // the real-size slides, each once
    std::vector<QByteArray> page; // kButtons slides drawn from the pool
    qint64 pageBytes = 0;
    QTemporaryDir dir;
    std::vector<QString> files;
    QString problem;

    Fixture() {
        QDirIterator it(realSlidesFolder(), {QStringLiteral("*.sld")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.size() >= kRealSizeFrom && file.size() <= kRealSizeTo && file.open(QIODevice::ReadOnly))
                pool.push_back(file.readAll());
        }
        if (pool.empty()) {
            problem = QStringLiteral("the shared real slides (../shared/testdata/slides-real) are missing");
            return;
        }
        for (qint64 size = kRealSizeFrom; size <= kRealSizeTo; size += 10 * 1024)
            pool.push_back(generatedSlide(size, quint32(size)));
        for (int i = 0; i < kButtons; ++i) {
            page.push_back(pool[size_t(i) % pool.size()]);
            pageBytes += page.back().size();
            files.push_back(dir.filePath(QStringLiteral("s%1.sld").arg(i)));
            QFile out(files.back());
            if (!out.open(QIODevice::WriteOnly) || out.write(page.back()) != page.back().size())
                problem = QStringLiteral("cannot write the page's slide files");
        }
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

bool ready(benchmark::State& state) {
    if (!fixture().problem.isEmpty()) {
        static const std::string problem = fixture().problem.toStdString();
        state.SkipWithError(problem.c_str());
        return false;
    }
    return true;
}

qint64 poolBytes() {
    qint64 bytes = 0;
    for (const QByteArray& slide : fixture().pool)
        bytes += slide.size();
    return bytes;
}

// Slide decoding against a plain memory copy of the same bytes, the two in turns within every
// iteration. This machine's speed changes from one second to the next (a plain add loop runs at
// 1.9 to 3.5 GHz), so two benchmarks run one after the other can meet different machines and
// their ratio swings by half; taken in turns, both see the same one. An untimed copy before the
// timed one leaves the caches as back-to-back copies would.
void DecodeSlidesInTurnWithCopy(benchmark::State& state) {
    if (!ready(state))
        return;
    std::unique_ptr<char[]> dst(new char[size_t(poolBytes())]);
    const auto copyPool = [&dst] {
        char* at = dst.get();
        for (const QByteArray& slide : fixture().pool) {
            std::memcpy(at, slide.constData(), size_t(slide.size()));
            at += slide.size();
        }
        benchmark::DoNotOptimize(dst.get());
        benchmark::ClobberMemory();
    };
    using Clock = std::chrono::steady_clock;
    Clock::duration copying{};
    Clock::duration decoding{};
    for (auto _ : state) {
        copyPool();
        const Clock::time_point start = Clock::now();
        copyPool();
        const Clock::time_point copied = Clock::now();
        for (const QByteArray& bytes : fixture().pool) {
            SlideDecodeResult r = DecodeSlide(bytes);
            benchmark::DoNotOptimize(r.points.data());
        }
        copying += copied - start;
        decoding += Clock::now() - copied;
    }
    const double bytes = double(state.iterations()) * double(poolBytes());
    state.counters["copy_ns_per_byte"] = std::chrono::duration<double, std::nano>(copying).count() / bytes;
    state.counters["decode_ns_per_byte"] = std::chrono::duration<double, std::nano>(decoding).count() / bytes;
    state.counters["copy_per_decode"] = double(copying.count()) / double(decoding.count());
}

// 200 buttons in rows on `page`, the corner mark on, no slide yet.
std::vector<CSymbolButton*> placeButtons(QWidget& page) {
    page.resize(kColumns * kButtonSize, (kButtons / kColumns) * kButtonSize);
    std::vector<CSymbolButton*> buttons;
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new CSymbolButton(&page);
        button->setGeometry((i % kColumns) * kButtonSize, (i / kColumns) * kButtonSize, kButtonSize,
                            kButtonSize);
        button->SetMarkCorner(1, 1);
        buttons.push_back(button);
    }
    return buttons;
}

// A page as the symbols window shows it: 200 buttons in rows, each with its slide loaded and
// the corner mark on. The first paint decodes nothing more but draws every slide at its size;
// one iteration repaints the whole page, as a window does on every expose.
void PaintButtonPage(benchmark::State& state) {
    if (!ready(state))
        return;
    QWidget page;
    const std::vector<CSymbolButton*> buttons = placeButtons(page);
    for (int i = 0; i < kButtons; ++i)
        buttons[size_t(i)]->SetSlideFile(fixture().files[size_t(i)]);
    QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
    page.render(&image);
    for (auto _ : state) {
        page.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["slide_bytes"] = double(fixture().pageBytes);
}

// The same page when every button reads its slide file again before painting (a changed
// slide file), so that each paint decodes and scales anew.
void ReloadAndPaintButtonPage(benchmark::State& state) {
    if (!ready(state))
        return;
    QWidget page;
    const std::vector<CSymbolButton*> buttons = placeButtons(page);
    QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (int i = 0; i < kButtons; ++i)
            buttons[size_t(i)]->SetSlideFile(fixture().files[size_t(i)]);
        page.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}

BENCHMARK(DecodeSlidesInTurnWithCopy)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(PaintButtonPage)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(ReloadAndPaintButtonPage)->Unit(benchmark::kMillisecond)->MinTime(0.5);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    using namespace orvane::bench;
    return runWithRatios(
        argc, argv,
        {Ratio{"slide decoding per byte, real-size slides, throughput / memory copy",
               "DecodeSlidesInTurnWithCopy/min_time:1.000", "", true, atLeast(0.05), "copy_per_decode"},
         Ratio{"repainting 200 symbol buttons with real-size slides, time / 16.7 ms frame",
               "PaintButtonPage/min_time:0.500",
               "",
               false,
               atMost(0.5),
               {},
               kFrameSeconds},
         Ratio{"200 buttons reading, decoding and painting their slides, time / 16.7 ms frame",
               "ReloadAndPaintButtonPage/min_time:0.500",
               "",
               false,
               {},
               {},
               kFrameSeconds}});
}
