// How the schematic of the hydraulic circuit dialog keeps up with the valve-position arrows:
// one tick at 1280 x 800 (step, compute, repaint what changed) in CPU time against the 50 ms
// repeat period of the arrows, the same tick repainting the whole
// picture for comparison, and the computation alone against a whole painting.

#include "ratio_reporter.h"

#include "hydraulics/circuit_model.h"
#include "hydraulics/schematic_buffer.h"
#include "hydraulics/schematic_builder.h"
#include "hydraulics/schematic_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

constexpr QSize kSize(1280, 800);
// The period of the dialog's repeat timer while an arrow is held.
constexpr double kRepeatPeriodSeconds = 0.05;

// The busiest picture: injection with a three-way valve, all options, every label.
CHydraulicsModel BusyModel() {
    CHydraulicsModel model;
    model.SetCircuitType(Hydraulics::EinspritzungDreiwege);
    model.m_valveType = 1;
    model.SetValvePosition(37);
    return model;
}

QImage Buffer() {
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

void BuildSchematic(benchmark::State& state) {
    const CHydraulicsModel model = BusyModel();
    for (auto _ : state)
        benchmark::DoNotOptimize(Hydraulics::BuildSchematic(kSize, model));
}
BENCHMARK(BuildSchematic);

void PaintSchematic(benchmark::State& state) {
    const auto schematic = Hydraulics::BuildSchematic(kSize, BusyModel());
    QImage buffer = Buffer();
    for (auto _ : state) {
        QPainter painter(&buffer);
        Hydraulics::PaintSchematic(painter, schematic);
    }
}
BENCHMARK(PaintSchematic);

// What the dialog does on every tick of a held arrow: step, compute, and bring its buffer
// up to date, which repaints only what the step changed.
void StepBuildAndPaint(benchmark::State& state) {
    CHydraulicsModel model = BusyModel();
    Hydraulics::CSchematicBuffer buffer;
    buffer.Update(Hydraulics::BuildSchematic(kSize, model));
    for (auto _ : state) {
        if (!model.StepValveUp())
            model.SetValvePosition(0);
        benchmark::DoNotOptimize(buffer.Update(Hydraulics::BuildSchematic(kSize, model)));
    }
}
BENCHMARK(StepBuildAndPaint);

// The same tick painting the whole picture again, for comparison.
void StepBuildAndPaintWhole(benchmark::State& state) {
    CHydraulicsModel model = BusyModel();
    QImage buffer = Buffer();
    for (auto _ : state) {
        if (!model.StepValveUp())
            model.SetValvePosition(0);
        const auto schematic = Hydraulics::BuildSchematic(kSize, model);
        QPainter painter(&buffer);
        Hydraulics::PaintSchematic(painter, schematic);
    }
}
BENCHMARK(StepBuildAndPaintWhole);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    using namespace orvane::bench;
    return orvane::bench::runWithRatios(
        argc, argv,
        {Ratio{"1280x800 step+compute+paint, times within the 50 ms period",
               "StepBuildAndPaint",
               "",
               true,
               {},
               {},
               kRepeatPeriodSeconds},
         Ratio{"the same, repainting the whole picture every tick",
               "StepBuildAndPaintWhole",
               "",
               true,
               {},
               {},
               kRepeatPeriodSeconds},
         Ratio{"compute alone, time / painting time", "BuildSchematic", "PaintSchematic", false}});
}
