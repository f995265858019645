// The tuner's soak: 30 minutes of capture and analysis at N = 8192 from the sound server (bench/run
// --soak starts a private one), the capture hearing a 440 Hz tone this process plays through an
// AudioPlay, as a user tuning against the main window's tone would. Resident memory is read from
// /proc/self/statm after 30 s (the start: the streams and the detector's tables are in place) and
// at the end, and must stay flat within 1 MB; the CPU share is the process's CPU time over the
// wall time. ZIB_SOAK_SECONDS shortens the run (at least 60).

#include "Figures.h"

#include "synth/AudioPlay.h"
#include "tuner/AccordeurDlg.h"
#include "tuner/Analyseur.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

constexpr int kPoints = 8192;
constexpr int kWarmUpSeconds = 30;

QApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_soak";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

double processSeconds()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

/// Resident memory of this process, MB (of 2^20 bytes).
double residentMegabytes()
{
    long pages = 0;
    long resident = 0;
    std::FILE *statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    const int read = std::fscanf(statm, "%ld %ld", &pages, &resident);
    std::fclose(statm);
    return read == 2 ? double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

int soakSeconds()
{
    const int s = qEnvironmentVariableIntValue("ZIB_SOAK_SECONDS");
    return s >= 60 ? s : 1800;
}

/// Runs the event loop for ms milliseconds.
void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

static void BM_TunerSoak(benchmark::State &state)
{
    application();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    for (auto _ : state) {
        AudioPlay tone(48000);
        tone.amplitude = 0.5f;
        if (!tone.jouer(440.0f, 1, 0)) {
            state.SkipWithError("the tone does not play: is the private sound server running?");
            break;
        }
        AccordeurDlg d;
        d.show();
        auto *points = d.findChild<QComboBox *>(QStringLiteral("nbPointsBox"));
        points->setCurrentIndex(points->findText(QString::number(kPoints)));
        long analyses = 0;
        QObject::connect(d.analyseur(), &Analyseur::analysee, [&analyses] { ++analyses; });
        d.findChild<QPushButton *>(QStringLiteral("boutonAnalyse"))->click();
        if (!d.capturing()) {
            state.SkipWithError("the tuner did not start capturing");
            break;
        }
        wait(kWarmUpSeconds * 1000);
        const double start = residentMegabytes();
        const long analysesAtStart = analyses;
        QElapsedTimer wall;
        wall.start();
        const double cpu0 = processSeconds();
        double peak = start;
        for (int s = kWarmUpSeconds; s < soakSeconds(); s += 10) {
            wait(10000);
            peak = std::max(peak, residentMegabytes());
        }
        const double cpu = processSeconds() - cpu0;
        const double seconds = wall.nsecsElapsed() * 1e-9;
        const double end = residentMegabytes();
        const float f = d.analyseur()->freq;
        d.findChild<QPushButton *>(QStringLiteral("boutonAnalyse"))->click();
        tone.sortie->stop();
        std::fprintf(stderr, "soak: %.0f s, %ld analyses, last %.2f Hz, resident %.2f MB at start, %.2f MB at end, "
                     "%.2f MB at most\n", seconds, analyses - analysesAtStart, double(f), start, end, peak);
        if (analyses - analysesAtStart < long(seconds) || std::fabs(f - 440.0f) > 2.0f) {
            state.SkipWithError("the tuner did not hear the tone all along");
            break;
        }
        state.SetIterationTime(seconds);
        state.counters["rss_start"] = start;
        state.counters["rss_end"] = end;
        state.counters["rss_growth"] = end - start;
        state.counters["rss_allowed"] = 1.0;
        state.counters["cpu"] = 100.0 * cpu / seconds;
    }
}
BENCHMARK(BM_TunerSoak)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

static const char *const kRun = "BM_TunerSoak/iterations:1/manual_time";
ZIB_FIGURE("soak, resident memory at the end of 30 min of capture and analysis (N=8192, a tone playing)", kRun, "MB",
           "rss_end", "at the start (after 30 s)", kRun, "rss_start");
ZIB_FIGURE("soak, resident memory growth over 30 min", kRun, "MB", "rss_growth", "allowed", kRun, "rss_allowed");
ZIB_FIGURE("soak, CPU share of capture and analysis (autocorrelation, N=8192) with the tone", kRun, "% of one core",
           "cpu");
