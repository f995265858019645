#include "tests/support/ToneMeasurement.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace zibtest {

namespace {

const double kPi = 3.141592653589793;

struct Range
{
    int begin = 0;
    int end = 0;
    int size() const { return end - begin; }
};

/// Longest run of 10 ms blocks within 10 dB of the loudest, less a block at each end.
Range loudPart(const QVector<qint16> &samples, int sampleRate)
{
    const int block = std::max(1, sampleRate / 100);
    const int blocks = samples.size() / block;
    std::vector<double> level(blocks);
    double loudest = 0;
    for (int b = 0; b < blocks; ++b) {
        level[b] = rmsLevel(samples, b * block, (b + 1) * block);
        loudest = std::max(loudest, level[b]);
    }
    // Below one sample unit RMS there is nothing but rounding noise.
    if (loudest < 1.0)
        return {};

    const double threshold = loudest / std::sqrt(10.0);
    int bestFirst = 0, bestCount = 0;
    for (int b = 0; b < blocks;) {
        if (level[b] < threshold) {
            ++b;
            continue;
        }
        const int first = b;
        while (b < blocks && level[b] >= threshold)
            ++b;
        if (b - first > bestCount) {
            bestFirst = first;
            bestCount = b - first;
        }
    }
    if (bestCount > 4) {
        ++bestFirst;
        bestCount -= 2;
    }
    return {bestFirst * block, (bestFirst + bestCount) * block};
}

/// Frequency (Hz) from the positive-going zero crossings of x; 0 when fewer than 4 (3 periods).
double zeroCrossingFrequency(const std::vector<double> &x, double hysteresis, int sampleRate)
{
    bool armed = false;
    int count = 0;
    double first = 0, last = 0;
    int lastNonPositive = -1; // latest index with x <= 0
    for (int i = 0; i < int(x.size()); ++i) {
        if (x[i] <= 0)
            lastNonPositive = i;
        if (x[i] < -hysteresis) {
            armed = true;
        } else if (armed && x[i] > hysteresis && lastNonPositive >= 0) {
            const int j = lastNonPositive;
            const double t = j + x[j] / (x[j] - x[j + 1]);
            if (count == 0)
                first = t;
            last = t;
            ++count;
            armed = false;
        }
    }
    if (count < 4 || last <= first)
        return 0;
    return (count - 1) * double(sampleRate) / (last - first);
}

/// Power of the windowed signal y at frequency f (Hz).
double periodogram(const std::vector<double> &y, double f, int sampleRate)
{
    const std::complex<double> step = std::polar(1.0, -2.0 * kPi * f / sampleRate);
    std::complex<double> rotor(1.0, 0.0);
    std::complex<double> sum(0.0, 0.0);
    for (double v : y) {
        sum += v * rotor;
        rotor *= step;
    }
    return std::norm(sum);
}

/// Frequency (Hz) of the periodogram maximum near the estimate, and the windowed sum's magnitude.
double refinedFrequency(const std::vector<double> &y, double estimate, int sampleRate)
{
    const double bin = double(sampleRate) / y.size();
    const double halfWidth = std::max(4 * bin, 0.03 * estimate);
    const double step = bin / 4;
    const double low = std::max(step, estimate - halfWidth);
    const double high = std::min(sampleRate / 2.0 - step, estimate + halfWidth);

    double best = estimate, bestPower = periodogram(y, estimate, sampleRate);
    for (double f = low; f <= high; f += step) {
        const double p = periodogram(y, f, sampleRate);
        if (p > bestPower) {
            best = f;
            bestPower = p;
        }
    }

    // Golden-section search of the maximum within a grid step on either side.
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = best - step, b = best + step;
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double pc = periodogram(y, c, sampleRate), pd = periodogram(y, d, sampleRate);
    while (b - a > 1e-7 * best) {
        if (pc > pd) {
            b = d;
            d = c;
            pd = pc;
            c = b - ratio * (b - a);
            pc = periodogram(y, c, sampleRate);
        } else {
            a = c;
            c = d;
            pc = pd;
            d = a + ratio * (b - a);
            pd = periodogram(y, d, sampleRate);
        }
    }
    return (a + b) / 2;
}

} // namespace

double rmsLevel(const QVector<qint16> &samples, int begin, int end)
{
    begin = std::max(begin, 0);
    end = std::min(end, samples.size());
    if (end <= begin)
        return 0;
    double sum = 0;
    for (int i = begin; i < end; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / (end - begin));
}

int peakLevel(const QVector<qint16> &samples, int begin, int end)
{
    begin = std::max(begin, 0);
    end = std::min(end, samples.size());
    int peak = 0;
    for (int i = begin; i < end; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

ToneMeasurement measureTone(const QVector<qint16> &samples, int sampleRate)
{
    ToneMeasurement m;
    m.rms = rmsLevel(samples, 0, samples.size());
    m.peak = peakLevel(samples, 0, samples.size());
    if (sampleRate <= 0)
        return m;

    const Range part = loudPart(samples, sampleRate);
    if (part.size() < 64)
        return m;

    std::vector<double> x(samples.begin() + part.begin, samples.begin() + part.end);
    double mean = 0;
    for (double v : x)
        mean += v;
    mean /= x.size();
    for (double &v : x)
        v -= mean;

    const double partRms = rmsLevel(samples, part.begin, part.end);
    // Crossings are missed with fewer than about five samples a period.
    const double estimate = zeroCrossingFrequency(x, 0.5 * partRms, sampleRate);
    if (estimate <= 0 || estimate > sampleRate / 5.0)
        return m;

    // Hann window, w[k] = sin²(πk / (L − 1)).
    const int n = int(x.size());
    double windowSum = 0;
    for (int k = 0; k < n; ++k) {
        const double s = std::sin(kPi * k / (n - 1));
        x[k] *= s * s;
        windowSum += s * s;
    }

    m.valid = true;
    m.frequency = refinedFrequency(x, estimate, sampleRate);
    m.amplitude = 2 * std::sqrt(periodogram(x, m.frequency, sampleRate)) / windowSum;
    m.rms = partRms;
    m.peak = peakLevel(samples, part.begin, part.end);
    m.begin = part.begin;
    m.end = part.end;
    return m;
}

} // namespace zibtest
