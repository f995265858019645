// WAV rendering, modal synthesis and the tone loop of the generator, 120 s at 48000 Hz.
// The sine rendering is compared with sox writing the same file, timed as a whole process.

#include "Figures.h"

#include "synth/Generator.h"
#include "synth/Modmod.h"
#include "synth/SyntheseSave.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr float kDuree = 120.0f;
constexpr float kFreqEch = 48000.0f;
constexpr int kModes = 100;
constexpr float kFond = 110.0f;

// A stiff string of 100 modes at 110 Hz: every mode lies below 0.48·fe and sounds.
std::unique_ptr<Modmod> stiffString()
{
    float *freq = new float[kModes];
    float *amort = new float[kModes];
    float *poids = new float[kModes];
    for (int i = 0; i < kModes; ++i) {
        const float k = float(i + 1);
        freq[i] = k * std::sqrt(1.0f + 1e-4f * k * k);
        amort[i] = 2.0f + 0.5f * k;
        poids[i] = 1.0f / k;
    }
    return std::make_unique<Modmod>(kModes, freq, amort, poids);
}

void BM_WavSine120s(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString fichier = dir.filePath(QStringLiteral("out.wav"));
    for (auto _ : state) {
        if (!syntheseSave(440.0f, kDuree, 0, kFreqEch, &fichier)) {
            state.SkipWithError("the file could not be written");
            return;
        }
    }
}
BENCHMARK(BM_WavSine120s)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_SoxSine120s(benchmark::State &state)
{
    const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
    if (sox.isEmpty()) {
        state.SkipWithError("sox is not installed");
        return;
    }
    QTemporaryDir dir;
    const QStringList args = {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                              QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("-c"),
                              QStringLiteral("1"), dir.filePath(QStringLiteral("out.wav")),
                              QStringLiteral("synth"), QStringLiteral("120"), QStringLiteral("sine"),
                              QStringLiteral("440")};
    for (auto _ : state) {
        QProcess p;
        QElapsedTimer timer;
        timer.start();
        p.start(sox, args);
        const bool ok = p.waitForFinished(60000) && p.exitCode() == 0;
        const double seconds = timer.nsecsElapsed() * 1e-9;
        if (!ok) {
            state.SkipWithError("sox failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_SoxSine120s)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_ModalSave120s(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString fichier = dir.filePath(QStringLiteral("modal.wav"));
    auto modele = stiffString();
    for (auto _ : state) {
        bool ecrit = false;
        syntheseSave(kFond, kDuree, modele.get(), kFreqEch, &fichier, 0, &ecrit);
        if (!ecrit || modele->nbActif != kModes) {
            state.SkipWithError("the modal file was not written with every mode sounding");
            return;
        }
    }
}
BENCHMARK(BM_ModalSave120s)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true);

// The bank alone, in blocks of 4096 samples.
void BM_ModalBlocks120s(benchmark::State &state)
{
    auto modele = stiffString();
    std::vector<float> sortie(4096);
    const int n = int(kDuree * kFreqEch);
    for (auto _ : state) {
        modele->normalise(std::sqrt(2.0f * float(M_PI) * kFond));
        modele->initialiseImp(kFreqEch);
        modele->oscils(kFond, int(kFreqEch));
        for (int k = 0; k < n; k += 4096)
            modele->actualiseBloc(sortie.data(), std::min(4096, n - k));
        benchmark::DoNotOptimize(sortie.data());
    }
}
BENCHMARK(BM_ModalBlocks120s)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true);

// The same, one sample at a time.
void BM_ModalSamples120s(benchmark::State &state)
{
    auto modele = stiffString();
    const int n = int(kDuree * kFreqEch);
    for (auto _ : state) {
        modele->normalise(std::sqrt(2.0f * float(M_PI) * kFond));
        modele->initialiseImp(kFreqEch);
        modele->oscils(kFond, int(kFreqEch));
        float y = 0;
        for (int k = 0; k < n; ++k) {
            modele->actualise(&y);
            benchmark::DoNotOptimize(y);
        }
    }
}
BENCHMARK(BM_ModalSamples120s)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);

// The loop a tone plays, built when it starts: 120 s is the longest duration the main window takes.
void BM_ToneLoopSine120s(benchmark::State &state)
{
    for (auto _ : state) {
        Generator gen(nullptr, 440.0f, int(kFreqEch), kDuree, 1.0f, 0);
        if (gen.loopBytes() != 2 * int(kDuree * kFreqEch)) {
            state.SkipWithError("the loop is not 120 s long");
            return;
        }
        benchmark::DoNotOptimize(gen.tampon.get());
    }
}
BENCHMARK(BM_ToneLoopSine120s)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_ToneLoopModal120s(benchmark::State &state)
{
    auto modele = stiffString();
    for (auto _ : state) {
        Generator gen(nullptr, kFond, int(kFreqEch), kDuree, 1.0f, modele.get());
        if (gen.loopBytes() != 2 * int(kDuree * kFreqEch) || modele->nbActif != kModes) {
            state.SkipWithError("the loop is not 120 s long with every mode sounding");
            return;
        }
        benchmark::DoNotOptimize(gen.tampon.get());
    }
}
BENCHMARK(BM_ToneLoopModal120s)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace

ZIB_FIGURE("WAV render 120 s sine 440 Hz at 48000 Hz (median of 7)",
           "BM_WavSine120s/iterations:1/repeats:7_median", "ms", "", "sox",
           "BM_SoxSine120s/iterations:1/repeats:7/manual_time_median");
ZIB_FIGURE("modal synthesis 120 s at 48000 Hz, 100 modes, to a WAV file (median of 7)",
           "BM_ModalSave120s/iterations:1/repeats:7_median", "ms");
ZIB_FIGURE("modal synthesis 120 s at 48000 Hz, 100 modes, bank alone (actualiseBloc, median of 7)",
           "BM_ModalBlocks120s/iterations:1/repeats:7_median", "ms");
ZIB_FIGURE("modal synthesis 120 s at 48000 Hz, 100 modes, bank alone one sample at a time (actualise)",
           "BM_ModalSamples120s/iterations:1/repeats:1", "ms");
ZIB_FIGURE("tone loop build 120 s sine at 48000 Hz (median of 7)",
           "BM_ToneLoopSine120s/iterations:1/repeats:7_median", "ms");
ZIB_FIGURE("tone loop build 120 s modal 100 modes at 48000 Hz (median of 7)",
           "BM_ToneLoopModal120s/iterations:1/repeats:7_median", "ms");
