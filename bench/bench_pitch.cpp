// The accuracy of the tuner's four methods and the cost of "Précise".
//
// Accuracy: the tuner's table of tones, sines and 5-harmonic tones (amplitudes 1/k) at 41, 55,
// 82.4, 110, 196, 261.6, 440, 659.3, 880, 1318.5 and 2000 Hz, 44100 Hz, clean and in white noise
// at 20 dB (fixed seeds, tests/support/GeneratedTone), one buffer of N = 8192, 4096 and 2048
// samples each. For each method, N and condition: the median |error| in cents over the 22 tones
// beside the median of their Cramér–Rao bounds, and the worst |error| beside the bound of that
// tone. A tone without a pitch counts as an infinite error in the median and is left out of the
// worst, which the count of tones without a pitch completes. The spectral methods use the Hann
// window. Every tone's reading goes to stderr (build-bench/bench-stderr.log).
//
// Cost: PreciseDetector::estimate per buffer over the same tones at 20 dB, in the thread's CPU time
// (the machine may be shared), against the sound one buffer holds.

#include "Figures.h"

#include "tests/support/GeneratedTone.h"
#include "tuner/Detecteur.h"
#include "tuner/PreciseDetector.h"

#include <benchmark/benchmark.h>

#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

using namespace zibtest;

namespace {

const int kRate = 44100;
const double kTable[] = {41.0, 55.0, 82.4, 110.0, 196.0, 261.6, 440.0, 659.3, 880.0, 1318.5, 2000.0};
const int kHann = 1;
const char *const kMethods[] = {"autocorrelation", "cepstre (Hann)", "HPS (Hann)", "Précise"};

unsigned seedOf(int kind, double f, int snrDb)
{
    return unsigned(1000 * kind + std::lround(10 * f) + 7 * snrDb);
}

std::vector<GeneratedTone> tones(int n, int snrDb)
{
    std::vector<GeneratedTone> all;
    for (GeneratedTone::Kind kind : {GeneratedTone::Sine, GeneratedTone::Harmonic})
        for (double f : kTable)
            all.push_back(generateTone(kind, f, kRate, n, snrDb > 0 ? double(snrDb) : kClean, seedOf(kind, f, snrDb)));
    return all;
}

/// The reading of methode on one buffer, in Hz (0: no pitch).
double reading(int methode, const std::vector<qint16> &x, Detecteur &detecteur, PreciseDetector &precise)
{
    const int n = int(x.size());
    switch (methode) {
    case 0:
        return Detecteur::autocorrelation(x.data(), n, kRate);
    case 1:
        detecteur.initAnalyseSpectrale(n, kHann, 1);
        return detecteur.analyseSceptre(x.data(), kRate);
    case 2:
        detecteur.initAnalyseSpectrale(n, kHann, 2);
        return detecteur.analyseHPS(x.data(), kRate);
    default:
        precise.prepare(n);
        return precise.estimate(x.data(), kRate);
    }
}

double threadSeconds()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

std::string condition(int snrDb)
{
    return snrDb > 0 ? std::to_string(snrDb) + " dB" : "clean";
}

std::string runName(int methode, int n, int snrDb)
{
    return "BM_Accuracy/" + std::to_string(methode) + "/" + std::to_string(n) + "/" + std::to_string(snrDb) +
           "/iterations:1";
}

bool registerAccuracyFigures()
{
    for (int n : {8192, 4096, 2048}) {
        for (int snrDb : {0, 20}) {
            for (int methode = 0; methode < 4; ++methode) {
                const std::string figure = std::string("accuracy, ") + kMethods[methode] + ", N=" +
                                           std::to_string(n) + ", " + condition(snrDb) + ": ";
                const std::string run = runName(methode, n, snrDb);
                zibbench::addFigure(figure + "median |error|", run, "cents", "median",
                                    "Cramér–Rao bound, median of the tones", run, "boundMedian");
                zibbench::addFigure(figure + "worst |error|", run, "cents", "worst", "Cramér–Rao bound of that tone",
                                    run, "boundWorst");
                zibbench::addFigure(figure + "tones without a pitch", run, "of 22", "noPitch");
            }
        }
    }
    return true;
}

const bool kAccuracyFigures = registerAccuracyFigures();

} // namespace

static void BM_Accuracy(benchmark::State &state)
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const int methode = int(state.range(0));
    const int n = int(state.range(1));
    const int snrDb = int(state.range(2));
    const std::vector<GeneratedTone> all = tones(n, snrDb);
    Detecteur detecteur;
    PreciseDetector precise;
    std::vector<double> errors;
    std::vector<double> bounds;
    for (auto _ : state) {
        errors.clear();
        bounds.clear();
        for (std::size_t t = 0; t < all.size(); ++t) {
            const double f = reading(methode, all[t].samples, detecteur, precise);
            const double error = std::fabs(centsOff(f, all[t].frequency));
            std::fprintf(stderr, "accuracy, %s, N=%d, %s: %s %g Hz: %.4f Hz, %.4f cents (bound %.4f)\n",
                         kMethods[methode], n, condition(snrDb).c_str(),
                         t < all.size() / 2 ? "sine" : "harmonic", all[t].frequency, f, error, all[t].crbCents);
            errors.push_back(error);
            bounds.push_back(all[t].crbCents);
        }
    }
    double worst = 0;
    double boundWorst = 0;
    int noPitch = 0;
    for (std::size_t t = 0; t < errors.size(); ++t) {
        if (!std::isfinite(errors[t])) {
            ++noPitch;
        } else if (errors[t] >= worst) {
            worst = errors[t];
            boundWorst = bounds[t];
        }
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        const std::size_t m = v.size() / 2;
        return v.size() % 2 ? v[m] : 0.5 * (v[m - 1] + v[m]);
    };
    state.counters["median"] = median(errors);
    state.counters["boundMedian"] = median(bounds);
    state.counters["worst"] = worst;
    state.counters["boundWorst"] = boundWorst;
    state.counters["noPitch"] = noPitch;
}
BENCHMARK(BM_Accuracy)
    ->ArgsProduct({{0, 1, 2, 3}, {8192, 4096, 2048}, {0, 20}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// One buffer after another, every tone of the table at 20 dB in turn.
static void BM_PreciseEstimate(benchmark::State &state)
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const int n = int(state.range(0));
    const std::vector<GeneratedTone> all = tones(n, 20);
    PreciseDetector precise;
    precise.prepare(n);
    std::size_t t = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        benchmark::DoNotOptimize(precise.estimate(all[t].samples.data(), kRate));
        state.SetIterationTime(threadSeconds() - start);
        t = (t + 1) % all.size();
    }
}
BENCHMARK(BM_PreciseEstimate)
    ->Arg(2048)
    ->Arg(4096)
    ->Arg(8192)
    ->UseManualTime()
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The anchor: the sound one buffer holds, N samples at 44100 Hz.
static void BM_BufferDuration(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(double(state.range(0)) / kRate);
}
BENCHMARK(BM_BufferDuration)->Arg(2048)->Arg(4096)->Arg(8192)->UseManualTime()->Iterations(1);

static std::string estimateRun(int n)
{
    return "BM_PreciseEstimate/" + std::to_string(n) + "/min_time:1.000/repeats:5/manual_time_median";
}

static std::string durationRun(int n)
{
    return "BM_BufferDuration/" + std::to_string(n) + "/iterations:1/manual_time";
}

ZIB_FIGURE("Précise, estimate per buffer, N=2048", estimateRun(2048), "ms", "", "buffer duration", durationRun(2048));
ZIB_FIGURE("Précise, estimate per buffer, N=4096", estimateRun(4096), "ms", "", "buffer duration", durationRun(4096));
ZIB_FIGURE("Précise, estimate per buffer, N=8192", estimateRun(8192), "ms", "", "buffer duration", durationRun(8192));
