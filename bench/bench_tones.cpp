// The main window's tones through the sound server: from the press of "Jouer Freq &1" to the
// first samples the output pulls from the tone's loop. bench/run starts a private server.

#include "Figures.h"

#include "app/Diapason.h"
#include "synth/AudioPlay.h"
#include "synth/Generator.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QThread>

namespace {

QApplication &application()
{
    static int argc = 1;
    static char nom[] = "bench_tones";
    static char *argv[] = {nom, nullptr};
    static QApplication app(argc, argv);
    return app;
}

/// Runs the event loop until the window's tone has been read from, or timeoutMs has passed.
bool attendrePremiereLecture(Diapason &w, int timeoutMs)
{
    QElapsedTimer attente;
    attente.start();
    while (attente.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        for (AudioPlay *j : w.findChildren<AudioPlay *>()) {
            if (j->gen && j->gen->pos != 0)
                return true;
        }
        QThread::usleep(50);
    }
    return false;
}

} // namespace

static void BM_PressToFirstSamples(benchmark::State &state)
{
    application();
    Diapason w;
    w.show();
    auto *jouer = w.findChild<QPushButton *>(QStringLiteral("jouer1Button"));
    for (auto _ : state) {
        QElapsedTimer chrono;
        chrono.start();
        jouer->click();
        const bool lu = attendrePremiereLecture(w, 5000);
        const double secondes = chrono.nsecsElapsed() * 1e-9;
        jouer->click(); // stop
        QCoreApplication::processEvents();
        if (!lu) {
            state.SkipWithError("no samples pulled: is a sound server running?");
            return;
        }
        state.SetIterationTime(secondes);
    }
}
BENCHMARK(BM_PressToFirstSamples)->UseManualTime()->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true);

ZIB_FIGURE("press of \"Jouer Freq 1\" to the first samples pulled (440 Hz sine, 44100 Hz, median of 15)",
           "BM_PressToFirstSamples/iterations:1/repeats:15/manual_time_median", "ms");
