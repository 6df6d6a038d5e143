// The demo host's start-up: from starting the program to its window shown and filled, on the
// sample installation, against thirty frames of a 60 Hz display (16.7 ms each) counted by the
// event loop in the same run. A ratio under 1 means the host is up within half a second.
#include "ratio_reporter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void HostStartUp(benchmark::State& state) {
    QTemporaryDir settings;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (auto _ : state) {
        QProcess host;
        host.setProcessEnvironment(environment);
        host.start(ORVANE_HOST_PROGRAM,
                   {"--settings", settings.filePath("settings.ini"), "--quit-after-start"});
        if (!host.waitForFinished(60000) || host.exitCode() != 0) {
            state.SkipWithError("the host did not start and quit");
            return;
        }
    }
}
BENCHMARK(HostStartUp)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

// Thirty frames of 16.7 ms, as the event loop delivers a timer of that period.
void ThirtyFrames(benchmark::State& state) {
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(17);
    QEventLoop loop;
    int frames = 0;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (++frames % 30 == 0)
            loop.quit();
    });
    timer.start();
    for (auto _ : state)
        loop.exec();
}
BENCHMARK(ThirtyFrames)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    using orvane::bench::Ratio;
    return orvane::bench::runWithRatios(
        argc, argv,
        {Ratio{"host start-up, time / 30 frames of 16.7 ms (aim: under 1)",
               "HostStartUp/iterations:5/real_time", "ThirtyFrames/iterations:3/real_time", false}});
}
