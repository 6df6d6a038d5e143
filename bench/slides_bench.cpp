// Slide decoding against a plain memory copy of the same bytes, and painting a page of 200
// symbol buttons against decoding their 200 slides. The slides are those of the sample
// installation's description, built in memory and repeated until there are 200.

#include "ratio_reporter.h"

#include "slides/slide_decoder.h"
#include "slides/slide_description.h"
#include "slides/symbol_button.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <cstring>
#include <memory>

namespace {

constexpr int kButtons = 200;
constexpr int kColumns = 20;
constexpr int kButtonSize = 48;

struct Fixture {
    std::vector<QByteArray> slides; // kButtons slide files' bytes
    QByteArray all;                 // the same bytes end to end
    QTemporaryDir dir;
    std::vector<QString> files;

    Fixture() {
        QFile description(QStringLiteral(ORVANE_SOURCE_DIR "/data/slide-sources/sample-slides.txt"));
        std::vector<DescribedSlide> described;
        SlideDescriptionError error;
        if (!description.open(QIODevice::ReadOnly) ||
            !ReadSlideDescription(QString::fromUtf8(description.readAll()), described, error) ||
            described.empty())
            return;
        for (int i = 0; i < kButtons; ++i) {
            const DescribedSlide& s = described[size_t(i) % described.size()];
            slides.push_back(s.writer.ToBytes());
            all.append(slides.back());
            files.push_back(dir.filePath(QStringLiteral("s%1.sld").arg(i)));
            s.writer.WriteToFile(files.back());
        }
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

bool ready(benchmark::State& state) {
    if (fixture().slides.empty()) {
        state.SkipWithError("the sample slide description could not be read");
        return false;
    }
    return true;
}

void MemoryCopySlides(benchmark::State& state) {
    if (!ready(state))
        return;
    const QByteArray& src = fixture().all;
    std::unique_ptr<char[]> dst(new char[size_t(src.size())]);
    for (auto _ : state) {
        std::memcpy(dst.get(), src.constData(), size_t(src.size()));
        benchmark::DoNotOptimize(dst.get());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * src.size());
}

void DecodeSlides(benchmark::State& state) {
    if (!ready(state))
        return;
    for (auto _ : state)
        for (const QByteArray& bytes : fixture().slides) {
            SlideDecodeResult r = DecodeSlide(bytes);
            benchmark::DoNotOptimize(r.points.data());
        }
    state.SetBytesProcessed(int64_t(state.iterations()) * fixture().all.size());
}

// A page as the symbols window shows it: 200 buttons in rows, each with its slide loaded and
// the corner mark on; one iteration paints the whole page once.
void PaintButtonPage(benchmark::State& state) {
    if (!ready(state))
        return;
    QWidget page;
    page.resize(kColumns * kButtonSize, (kButtons / kColumns) * kButtonSize);
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new CSymbolButton(&page);
        button->setGeometry((i % kColumns) * kButtonSize, (i / kColumns) * kButtonSize, kButtonSize,
                            kButtonSize);
        button->SetSlideFile(fixture().files[size_t(i)]);
        button->SetMarkCorner(1, 1);
    }
    QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        page.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}

BENCHMARK(MemoryCopySlides)->Unit(benchmark::kMicrosecond);
BENCHMARK(DecodeSlides)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintButtonPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    using orvane::bench::Ratio;
    return orvane::bench::runWithRatios(
        argc, argv,
        {Ratio{"slide decoding, throughput / memory copy", "DecodeSlides", "MemoryCopySlides", true},
         Ratio{"painting 200 symbol buttons, time / decoding their slides", "PaintButtonPage", "DecodeSlides",
               false}});
}
