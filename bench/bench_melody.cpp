// The melody render: 100 notes over 2 minutes at 48000 Hz, with the sine and with a 20-mode
// model, as multiples of real time (120 s of sound over the time the render takes).

#include "Figures.h"

#include "melody/MelodyRender.h"
#include "synth/Modmod.h"
#include "synth/WaveShapes.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>

namespace {

constexpr int kNotes = 100;
constexpr float kBeats = 120.0f; // at 60 beats per minute: 2 minutes
constexpr double kSeconds = 120.0;

// 100 notes of 1.2 beats end to end over a just major scale in three octaves, shaped by an
// envelope of three points, as a melody of the editor.
MelodyRender melody(int forme, Modmod *modele)
{
    const float scale[8] = {0, 203.91f, 386.314f, 498.045f, 701.955f, 884.359f, 1088.27f, 1200};
    MelodyRender r;
    r.tempo = 60;
    r.freqRef = 220;
    r.fEch = 48000;
    r.forme = forme;
    r.modele = modele;
    r.duree = kBeats;
    r.enveloppe = {{0.02f, 1.0f}, {0.3f, 0.7f}, {0.85f, 0.5f}};
    for (int i = 0; i < kNotes; ++i) {
        MelodyRender::Note n;
        n.date = kBeats / kNotes * i;
        n.dur = kBeats / kNotes;
        n.ampl = 0.5f + 0.5f * float(i % 3) / 2;
        n.cents = scale[i % 8];
        n.oct = i % 3 - 1;
        r.notes.append(n);
    }
    return r;
}

// A bar-like model: 20 inharmonic modes, damped more as they rise.
std::unique_ptr<Modmod> twentyModes()
{
    constexpr int kModes = 20;
    float *freq = new float[kModes];
    float *amort = new float[kModes];
    float *poids = new float[kModes];
    for (int i = 0; i < kModes; ++i) {
        const float k = float(i + 1);
        freq[i] = k * std::sqrt(1.0f + 2e-3f * k * k);
        amort[i] = 3.0f + 1.5f * k;
        poids[i] = 1.0f / k;
    }
    return std::make_unique<Modmod>(kModes, freq, amort, poids);
}

void renderTimes(benchmark::State &state, const MelodyRender &r)
{
    for (auto _ : state) {
        std::unique_ptr<qint16[]> samples;
        qint64 count = 0;
        qint64 written = 0;
        const auto start = std::chrono::steady_clock::now();
        if (r.render(&samples, &count, &written) != MelodyRender::Outcome::Done || written != 5760000) {
            state.SkipWithError("the melody was not rendered whole");
            return;
        }
        benchmark::DoNotOptimize(samples.get());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.counters["realtime"] = kSeconds / took.count();
    }
}

void BM_MelodySine(benchmark::State &state)
{
    renderTimes(state, melody(WaveShape::Sine, nullptr));
}
BENCHMARK(BM_MelodySine)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_MelodyModal20(benchmark::State &state)
{
    auto modele = twentyModes();
    const MelodyRender r = melody(WaveShape::Modal, modele.get());
    renderTimes(state, r);
    if (modele->nbActif != 20)
        state.SkipWithError("not every mode sounded");
}
BENCHMARK(BM_MelodyModal20)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace

ZIB_FIGURE("melody render, 100 notes over 2 min at 48000 Hz, sine (median of 7)",
           "BM_MelodySine/iterations:1/repeats:7_median", "x real time", "realtime");
ZIB_FIGURE("melody render, 100 notes over 2 min at 48000 Hz, 20-mode model (median of 7)",
           "BM_MelodyModal20/iterations:1/repeats:7_median", "x real time", "realtime");
