// The real FFT against FFTW's real-to-complex transform (planned with FFTW_MEASURE), both on
// 64-byte aligned buffers of random samples, and the three pitch detectors on a buffer of the
// tuner's largest size.

#include "CpuTime.h"
#include "Figures.h"

#include "fft/RealFft.h"
#include "fft/Table.h"
#include "tuner/Detecteur.h"

#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <QLoggingCategory>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

void fillRandom(double *x, long n)
{
    std::mt19937 generator(42);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    for (long i = 0; i < n; ++i)
        x[i] = uniform(generator);
}

// The transforms take microseconds and the machine may be busy: batches timed on the thread's CPU
// clock, the median of the repetitions (CpuTime.h). FFTW is timed the same way.
template <class Transform>
void timeBatches(benchmark::State &state, Transform transform)
{
    zibbench::timeBatches(state, int(std::max(1L, 65536 / state.range(0))), transform);
}

void realFftForward(benchmark::State &state, fft::Simd simd)
{
    const long n = state.range(0);
    const fft::RealFft<double> transform(n, simd);
    fft::Table<double> x(n);
    fft::Table<double> f(n);
    fillRandom(x.data(), n);
    timeBatches(state, [&] {
        transform.forward(f.data(), x.data());
        benchmark::DoNotOptimize(f.data());
        benchmark::ClobberMemory();
    });
    state.SetLabel(fft::simdName(transform.simd()));
}

void BM_RealFft(benchmark::State &state)
{
    realFftForward(state, fft::Simd::Best);
}
BENCHMARK(BM_RealFft)->RangeMultiplier(2)->Range(512, 8192)->UseManualTime()->MinTime(0.05)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_FftwR2c(benchmark::State &state)
{
    const int n = int(state.range(0));
    double *x = fftw_alloc_real(n);
    fftw_complex *y = fftw_alloc_complex(n / 2 + 1);
    const fftw_plan plan = fftw_plan_dft_r2c_1d(n, x, y, FFTW_MEASURE);
    fillRandom(x, n); // after planning: FFTW_MEASURE overwrites the arrays
    timeBatches(state, [&] {
        fftw_execute(plan);
        benchmark::DoNotOptimize(y);
        benchmark::ClobberMemory();
    });
    fftw_destroy_plan(plan);
    fftw_free(y);
    fftw_free(x);
}
BENCHMARK(BM_FftwR2c)->RangeMultiplier(2)->Range(512, 8192)->UseManualTime()->MinTime(0.05)->Repetitions(9)->ReportAggregatesOnly(true);

using zibbench::median;

ZIB_FIGURE("RealFft forward N=512", median("BM_RealFft/512"), "us", "", "FFTW r2c MEASURE", median("BM_FftwR2c/512"));
ZIB_FIGURE("RealFft forward N=1024", median("BM_RealFft/1024"), "us", "", "FFTW r2c MEASURE", median("BM_FftwR2c/1024"));
ZIB_FIGURE("RealFft forward N=2048", median("BM_RealFft/2048"), "us", "", "FFTW r2c MEASURE", median("BM_FftwR2c/2048"));
ZIB_FIGURE("RealFft forward N=4096", median("BM_RealFft/4096"), "us", "", "FFTW r2c MEASURE", median("BM_FftwR2c/4096"));
ZIB_FIGURE("RealFft forward N=8192", median("BM_RealFft/8192"), "us", "", "FFTW r2c MEASURE", median("BM_FftwR2c/8192"));

// The detectors on 8192 samples at 44100 Hz (186 ms of sound): a 196 Hz tone with harmonics and
// some noise, Hann window for the spectral ones. Each spectral analysis starts with
// initAnalyseSpectrale(), as Analyseur does before every one; it rebuilds nothing when N, the
// window and the method are unchanged. Their debug lines are formatted but not written.
const int kPoints = 8192;
const int kRate = 44100;

std::vector<qint16> testTone()
{
    std::mt19937 generator(7);
    std::normal_distribution<double> noise(0.0, 200.0);
    std::vector<qint16> x(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        double v = noise(generator);
        for (int h = 1; h <= 8; ++h)
            v += 6000.0 / h * std::sin(2.0 * 3.141592653589793 * 196.0 * h * i / kRate + h);
        x[std::size_t(i)] = qint16(std::max(-32768.0, std::min(32767.0, v)));
    }
    return x;
}

void quietDetectors()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void autocorrelation(benchmark::State &state, fft::Simd simd)
{
    quietDetectors();
    const std::vector<qint16> x = testTone();
    float f = 0;
    for (auto _ : state) {
        f = Detecteur::autocorrelation(x.data(), kPoints, kRate, simd);
        benchmark::DoNotOptimize(f);
    }
    state.SetLabel(std::to_string(f) + " Hz");
}

void BM_Autocorrelation(benchmark::State &state)
{
    autocorrelation(state, fft::Simd::Best);
}
BENCHMARK(BM_Autocorrelation);

void BM_Cepstrum(benchmark::State &state)
{
    quietDetectors();
    const std::vector<qint16> x = testTone();
    Detecteur d;
    float f = 0;
    for (auto _ : state) {
        d.initAnalyseSpectrale(kPoints, 1, 1);
        f = d.analyseSceptre(x.data(), kRate);
        benchmark::DoNotOptimize(f);
    }
    state.SetLabel(std::to_string(f) + " Hz");
}
BENCHMARK(BM_Cepstrum);

void BM_HarmonicSum(benchmark::State &state)
{
    quietDetectors();
    const std::vector<qint16> x = testTone();
    Detecteur d;
    float f = 0;
    for (auto _ : state) {
        d.initAnalyseSpectrale(kPoints, 1, 2);
        f = d.analyseHPS(x.data(), kRate);
        benchmark::DoNotOptimize(f);
    }
    state.SetLabel(std::to_string(f) + " Hz");
}
BENCHMARK(BM_HarmonicSum);

// The same analysis with the arrays, the window and the transform rebuilt every time.
void BM_HarmonicSumRebuilt(benchmark::State &state)
{
    quietDetectors();
    const std::vector<qint16> x = testTone();
    Detecteur d;
    float f = 0;
    for (auto _ : state) {
        d.release();
        d.initAnalyseSpectrale(kPoints, 1, 2);
        f = d.analyseHPS(x.data(), kRate);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(BM_HarmonicSumRebuilt);

ZIB_FIGURE("autocorrelation N=8192 44100 Hz", "BM_Autocorrelation", "ms");
ZIB_FIGURE("cepstrum N=8192 44100 Hz", "BM_Cepstrum", "ms");
ZIB_FIGURE("HPS N=8192 44100 Hz", "BM_HarmonicSum", "ms");
ZIB_FIGURE("HPS N=8192 44100 Hz, work arrays rebuilt", "BM_HarmonicSumRebuilt", "ms");

} // namespace
