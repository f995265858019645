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

/// Hann-windowed copy of x[begin, begin + length), w[k] = sin²(πk / (length − 1)).
std::vector<double> hannWindowed(const std::vector<double> &x, int begin, int length,
                                 double *windowSum)
{
    std::vector<double> y(length);
    *windowSum = 0;
    for (int k = 0; k < length; ++k) {
        const double s = std::sin(kPi * k / (length - 1));
        y[k] = x[begin + k] * s * s;
        *windowSum += s * s;
    }
    return y;
}

/// Frequency (Hz) of the largest periodogram value of y on the grid low, low + step, … ≤ high.
double gridMaximum(const std::vector<double> &y, double low, double high, double step,
                   int sampleRate)
{
    double best = low, bestPower = -1;
    for (double f = low; f <= high; f += step) {
        const double p = periodogram(y, f, sampleRate);
        if (p > bestPower) {
            best = f;
            bestPower = p;
        }
    }
    return best;
}

/// Frequency (Hz) of the periodogram maximum of y within step of start, by golden-section search.
double goldenMaximum(const std::vector<double> &y, double start, double step, int sampleRate)
{
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = start - step, b = start + step;
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double pc = periodogram(y, c, sampleRate), pd = periodogram(y, d, sampleRate);
    while (b - a > 1e-7 * start) {
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

/// Frequency (Hz) of the periodogram maximum of x near the estimate, and the amplitude of the
/// sine there (sample units). Coarse to fine, so that the cost stays about 100 periodograms of x:
/// each stage windows a centred excerpt four times longer than the last and searches a grid of a
/// quarter of its bin within ±2 bins of the last stage's maximum (the first stage, at most 4096
/// samples long, within ±max(4 bins, 3 %) of the estimate).
double refinedFrequency(const std::vector<double> &x, double estimate, int sampleRate,
                        double *amplitude)
{
    const int n = int(x.size());
    int length = std::min(n, 4096);
    double bin = double(sampleRate) / length;
    double centre = estimate;
    double halfWidth = std::max(4 * bin, 0.03 * estimate);
    std::vector<double> y;
    double windowSum = 0;
    for (;;) {
        y = hannWindowed(x, (n - length) / 2, length, &windowSum);
        bin = double(sampleRate) / length;
        const double low = std::max(bin / 4, centre - halfWidth);
        const double high = std::min(sampleRate / 2.0 - bin / 4, centre + halfWidth);
        if (low <= high)
            centre = gridMaximum(y, low, high, bin / 4, sampleRate);
        if (length == n)
            break;
        halfWidth = 2 * bin;
        length = std::min(n, 4 * length);
    }
    const double frequency = goldenMaximum(y, centre, bin / 4, sampleRate);
    *amplitude = 2 * std::sqrt(periodogram(y, frequency, sampleRate)) / windowSum;
    return frequency;
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

    m.valid = true;
    m.frequency = refinedFrequency(x, estimate, sampleRate, &m.amplitude);
    m.rms = partRms;
    m.peak = peakLevel(samples, part.begin, part.end);
    m.begin = part.begin;
    m.end = part.end;
    return m;
}

QString describeTone(const ToneMeasurement &m, int sampleRate)
{
    return QStringLiteral("%1 Hz, amplitude %2, peak %3, %4 ms of tone")
        .arg(m.frequency, 0, 'f', 3)
        .arg(m.amplitude, 0, 'f', 0)
        .arg(m.peak)
        .arg(1000.0 * (m.end - m.begin) / sampleRate, 0, 'f', 0);
}

bool isSilence(const ToneMeasurement &m)
{
    return !m.valid && m.peak < 50;
}

} // namespace zibtest
