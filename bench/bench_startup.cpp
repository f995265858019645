// Time from process start to the main window shown, offscreen: the median of repeated launches of
// the start-up probe, each timed from before its fork to its "shown" line.

#include "Figures.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>

#ifndef ZIB_STARTUP_PROBE
#error "ZIB_STARTUP_PROBE must name the probe program"
#endif

static void BM_StartupToWindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        QProcess probe;
        QElapsedTimer timer;
        timer.start();
        probe.start(QStringLiteral(ZIB_STARTUP_PROBE), {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        bool shown = false;
        while (!shown && probe.waitForReadyRead(10000))
            shown = probe.readAll().contains("shown");
        const double seconds = timer.nsecsElapsed() * 1e-9;
        probe.waitForFinished(10000);
        if (!shown) {
            state.SkipWithError("the probe never showed its window");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
// One launch per repetition, so the median is over launches.
BENCHMARK(BM_StartupToWindowShown)->UseManualTime()->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true);

ZIB_FIGURE("start-up to main window shown (offscreen, median of 15)",
           "BM_StartupToWindowShown/iterations:1/repeats:15/manual_time_median", "ms");
