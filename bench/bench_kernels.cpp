// Every vector kernel against the plain path it replaces, measured in the same run, once per
// instruction set this processor runs (fft::usableSimd()): the FFT's passes at the tuner's
// lengths, the autocorrelation's lagged products at the tuner's sizes and rates, and the modal
// bank's ring at the block size of the generator and the WAV renderer. Each figure reads
//   <kernel> <case>, <set>: <time>; plain: <time>; ratio <set/plain>
// so a ratio near 1 says that set's kernel is not worth its code.

#include "CpuTime.h"
#include "Figures.h"

#include "fft/RealFft.h"
#include "fft/Simd.h"
#include "fft/Table.h"
#include "synth/Modmod.h"
#include "synth/RingKernel.h"
#include "tuner/LagProducts.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using fft::Simd;

// The plain path first, then each vector set the processor runs.
std::vector<Simd> setsToMeasure()
{
    std::vector<Simd> sets = {Simd::None};
    for (Simd simd : {Simd::Sse2, Simd::Avx2})
        if (fft::usableSimd(simd) == simd)
            sets.push_back(simd);
    return sets;
}

std::string setLabel(Simd simd)
{
    return simd == Simd::None ? std::string("plain") : std::string(fft::simdName(simd));
}

// Batches of a few hundred microseconds, a fixed number of them per repetition, on the thread's
// CPU clock (CpuTime.h); the figures take the median of the repetitions.
const int kIterations = 50;
const int kRepetitions = 9;

std::string medianRun(const std::string &run)
{
    return run + "/iterations:" + std::to_string(kIterations) + "/repeats:" +
           std::to_string(kRepetitions) + "/manual_time_median";
}

// Registers one timed benchmark per set for a case, and one figure per vector set against the
// plain one.
template <class Body>
void addCase(const std::string &kernel, const std::string &label, const std::string &unit,
             Body body)
{
    for (Simd simd : setsToMeasure()) {
        const std::string run = kernel + "/" + fft::simdName(simd) + "/" + label;
        benchmark::RegisterBenchmark(run.c_str(), [body, simd](benchmark::State &state) {
            body(state, simd);
        })->UseManualTime()->Iterations(kIterations)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
    }
    const std::string plainRun = medianRun(kernel + "/none/" + label);
    for (Simd simd : setsToMeasure()) {
        if (simd == Simd::None)
            continue;
        zibbench::addFigure(kernel + " " + label + ", " + setLabel(simd),
                            medianRun(kernel + "/" + fft::simdName(simd) + "/" + label),
                            unit, "", "plain", plainRun);
    }
}

void addFftCases()
{
    // The tuner's analysis lengths and the cepstrum's half length.
    for (long n = 256; n <= 8192; n *= 2) {
        addCase("RealFft", "N=" + std::to_string(n), "us", [n](benchmark::State &state, Simd simd) {
            const fft::RealFft<double> transform(n, simd);
            fft::Table<double> x(n);
            fft::Table<double> f(n);
            std::mt19937 generator(42);
            std::uniform_real_distribution<double> uniform(-1.0, 1.0);
            for (long i = 0; i < n; ++i)
                x[i] = uniform(generator);
            zibbench::timeBatches(state, int(32768 / n), [&] {
                transform.forward(f.data(), x.data());
                benchmark::DoNotOptimize(f.data());
                benchmark::ClobberMemory();
            });
        });
    }
}

void addLagCases()
{
    struct Case
    {
        int n;
        int rate;
    };
    // The autocorrelation's lags floor(rate/5000) … floor(rate/50) on the tuner's buffer sizes.
    for (const Case c : {Case{512, 44100}, Case{2048, 48000}, Case{8192, 44100}}) {
        const int minLag = c.rate / 5000;
        const int maxLag = c.rate / 50;
        const std::string label = "N=" + std::to_string(c.n) + " lags " + std::to_string(minLag) +
                                  "-" + std::to_string(maxLag);
        addCase("lagProducts", label, "us", [c, minLag, maxLag](benchmark::State &state, Simd simd) {
            std::mt19937 generator(7);
            std::uniform_int_distribution<int> sample(-32768, 32767);
            std::vector<qint16> x(std::size_t(c.n));
            for (qint16 &v : x)
                v = qint16(sample(generator));
            std::vector<qint64> sums(std::size_t(maxLag - minLag + 1));
            zibbench::timeBatches(state, c.n >= 8192 ? 1 : 8, [&] {
                lagProducts(x.data(), c.n, minLag, maxLag, sums.data(), simd);
                benchmark::DoNotOptimize(sums.data());
                benchmark::ClobberMemory();
            });
        });
    }
}

// A string of harmonic modes at 55 Hz, 48000 Hz: up to 418 modes sound.
std::unique_ptr<Modmod> string(int modes)
{
    float *freq = new float[modes];
    float *amort = new float[modes];
    float *poids = new float[modes];
    for (int i = 0; i < modes; ++i) {
        const float k = float(i + 1);
        freq[i] = k;
        amort[i] = 2.0f + 0.5f * k;
        poids[i] = 1.0f / k;
    }
    auto bank = std::make_unique<Modmod>(modes, freq, amort, poids);
    bank->normalise(std::sqrt(2.0f * float(M_PI) * 55.0f));
    bank->initialiseImp(48000.0f);
    bank->oscils(55.0f, 48000);
    return bank;
}

void addRingCases()
{
    const int samples = 4096;
    for (int modes : {10, 100, 300}) {
        const std::string label = std::to_string(modes) + " modes, " + std::to_string(samples) +
                                  " samples";
        addCase("ringModes", label, "us", [modes](benchmark::State &state, Simd simd) {
            auto bank = string(modes);
            if (bank->nbActif != modes) {
                state.SkipWithError("not every mode sounds");
                return;
            }
            std::vector<float> sortie(samples);
            zibbench::timeBatches(state, 1, [&] {
                ringModes(bank->oscil.get(), bank->poids.get(), bank->etat1.get(),
                          bank->etat2.get(), bank->nbActif, sortie.data(), samples, simd);
                benchmark::DoNotOptimize(sortie.data());
                benchmark::ClobberMemory();
            });
        });
    }
}

const bool registered = [] {
    addFftCases();
    addLagCases();
    addRingCases();
    return true;
}();

} // namespace
