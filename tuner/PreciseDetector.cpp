#include "tuner/PreciseDetector.h"

#include <QDebug>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

const double kPi = 3.14159265358979323846;

bool isPowerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

// Vertex of the parabola through (−1, y1), (0, y2), (1, y3), from the middle point; 0 when the
// three points do not make a peak.
double peakOffset(double y1, double y2, double y3)
{
    const double denominator = y1 - 2.0 * y2 + y3;
    if (!(denominator < 0.0))
        return 0.0;
    const double offset = 0.5 * (y1 - y3) / denominator;
    return std::isfinite(offset) && std::fabs(offset) <= 1.0 ? offset : 0.0;
}

// Height of that parabola's vertex: y2 when the points make no peak.
double peakHeight(double y1, double y2, double y3)
{
    return y2 - 0.25 * (y1 - y3) * peakOffset(y1, y2, y3);
}

} // namespace

PreciseDetector::PreciseDetector() = default;

PreciseDetector::~PreciseDetector() = default;

bool PreciseDetector::prepare(int nbPoints)
{
    if (nbPoints == m_nbPoints && m_fft)
        return true;
    release();
    if (!isPowerOfTwo(nbPoints) || nbPoints < kMinPoints || nbPoints > kMaxPoints) {
        qWarning() << "PreciseDetector : nombre de points non valide" << nbPoints;
        return false;
    }
    const int n = nbPoints;
    m_nbPoints = n;
    m_x.resize(n);
    m_padded.resize(2 * n);
    m_spectrum.resize(2 * n);
    m_nsdf.resize(n + 1);
    m_window.resize(n);
    m_windowed.resize(n);
    m_windowedSpectrum.resize(n);
    m_offsets.resize(n);
    // Symmetric about the centre, so the transform taken about the centre has no linear phase.
    const double centre = 0.5 * (n - 1);
    for (int j = 0; j < n; ++j) {
        const double a = 2.0 * kPi * j / (n - 1);
        m_window[j] = 0.35875 - 0.48829 * std::cos(a) + 0.14128 * std::cos(2.0 * a) - 0.01168 * std::cos(3.0 * a);
        m_offsets[j] = j - centre;
    }
    m_fftDouble.reset(new fft::RealFft<double>(2 * n));
    m_fft.reset(new fft::RealFft<double>(n));
    return true;
}

void PreciseDetector::release()
{
    m_fftDouble.reset();
    m_fft.reset();
    m_x.resize(0);
    m_padded.resize(0);
    m_spectrum.resize(0);
    m_nsdf.resize(0);
    m_window.resize(0);
    m_windowed.resize(0);
    m_windowedSpectrum.resize(0);
    m_offsets.resize(0);
    m_nbPoints = 0;
}

int PreciseDetector::shortestLag(int fech)
{
    return std::max(kShortestPeriod, int(std::floor(fech / kHighestFrequency)));
}

int PreciseDetector::longestLag(int nbPoints, int fech)
{
    return std::min(2 * nbPoints / 3, int(std::floor(fech / kLowestFrequency)));
}

double PreciseDetector::lowestFrequency(int nbPoints, int fech)
{
    if (fech <= 0 || nbPoints < kMinPoints)
        return 0.0;
    return double(fech) / longestLag(nbPoints, fech);
}

double PreciseDetector::highestFrequency(int nbPoints, int fech)
{
    if (fech <= 0 || nbPoints < kMinPoints)
        return 0.0;
    return double(fech) / shortestLag(fech);
}

float PreciseDetector::estimate(const qint16 *samples, int fech)
{
    m_clarity = 0.0;
    m_periodFrequency = 0.0;
    m_measuredHarmonic = 0;
    if (!m_fft || !samples || fech <= 0)
        return 0.0f;
    const int n = m_nbPoints;
    // N is a power of two: the mean, and the samples less it, are exact.
    double sum = 0.0;
    for (int j = 0; j < n; ++j)
        sum += samples[j];
    const double mean = sum / n;
    double *x = m_x.data();
    for (int j = 0; j < n; ++j)
        x[j] = samples[j] - mean;

    const double tau = period(fech);
    if (!(tau > 0.0))
        return 0.0f;
    m_periodFrequency = fech / tau;
    const double f = refine(m_periodFrequency, fech);
    return std::isfinite(f) && f > 0.0 ? float(f) : 0.0f;
}

double PreciseDetector::period(int fech)
{
    const int n = m_nbPoints;
    const double *x = m_x.data();
    double energy = 0.0;
    for (int j = 0; j < n; ++j)
        energy += x[j] * x[j];
    // Silence, or a constant.
    if (!(energy > 0.0))
        return 0.0;

    // Autocorrelation r(τ) for τ = 0 … N: the power spectrum of x padded to 2N (so the products do
    // not wrap round), folded into an even sequence, whose transform is real and 2N·r(τ).
    double *padded = m_padded.data();
    std::copy(x, x + n, padded);
    std::fill(padded + n, padded + 2 * n, 0.0);
    double *spectrum = m_spectrum.data();
    m_fftDouble->forward(spectrum, padded);
    padded[0] = spectrum[0] * spectrum[0];
    padded[n] = spectrum[n] * spectrum[n];
    for (int k = 1; k < n; ++k) {
        const double p = spectrum[k] * spectrum[k] + spectrum[n + k] * spectrum[n + k];
        padded[k] = p;
        padded[2 * n - k] = p;
    }
    m_fftDouble->forward(spectrum, padded);

    const int minLag = shortestLag(fech);
    const int maxLag = longestLag(n, fech);
    if (maxLag < minLag + 1)
        return 0.0;
    const int last = maxLag + 1;
    double *nsdf = m_nsdf.data();
    const double scale = 1.0 / (2.0 * n);
    double m = 2.0 * energy;
    nsdf[0] = 1.0;
    for (int lag = 1; lag <= last; ++lag) {
        m -= x[lag - 1] * x[lag - 1] + x[n - lag] * x[n - lag];
        nsdf[lag] = m > 0.0 ? 2.0 * spectrum[lag] * scale / m : 0.0;
    }

    // Key maxima: the highest point of every positive lobe after the lobe of lag 0. Returns the
    // next one from lag on, or 0 when there is none.
    const auto nextKeyMaximum = [nsdf, last](int *lag) {
        while (*lag <= last && nsdf[*lag] <= 0.0)
            ++*lag;
        if (*lag > last)
            return 0;
        int peak = *lag;
        while (*lag <= last && nsdf[*lag] > 0.0) {
            if (nsdf[*lag] > nsdf[peak])
                peak = *lag;
            ++*lag;
        }
        // A lobe cut by the end of the range whose top is its last lag may rise further.
        return peak < last ? peak : 0;
    };
    int firstLobe = 1;
    while (firstLobe <= last && nsdf[firstLobe] > 0.0)
        ++firstLobe;

    // Heights between lags: a period that falls between two lags leaves the upper harmonics out
    // of phase at both, and its sampled peak may lie well below that of twice the period.
    const auto height = [nsdf](int key) { return peakHeight(nsdf[key - 1], nsdf[key], nsdf[key + 1]); };
    double highest = 0.0;
    int lag = firstLobe;
    for (int key = nextKeyMaximum(&lag); key > 0; key = nextKeyMaximum(&lag))
        highest = std::max(highest, height(key));
    if (highest < kClarity)
        return 0.0;
    int chosen = 0;
    lag = firstLobe;
    for (int key = nextKeyMaximum(&lag); key > 0; key = nextKeyMaximum(&lag)) {
        if (height(key) >= kKeyThreshold * highest) {
            chosen = key;
            break;
        }
    }
    if (chosen == 0)
        return 0.0;
    m_clarity = std::min(1.0, height(chosen));
    // A period shorter than the range allows: a tone too high, not its octave below.
    if (chosen < minLag)
        return 0.0;
    return chosen + peakOffset(nsdf[chosen - 1], nsdf[chosen], nsdf[chosen + 1]);
}

double PreciseDetector::refine(double f, int fech)
{
    const int n = m_nbPoints;
    const int half = n / 2;
    if (f * n / fech < kMinBins)
        return f;

    const double *x = m_x.data();
    const double *w = m_window.data();
    double *a = m_windowed.data();
    for (int j = 0; j < n; ++j)
        a[j] = x[j] * w[j];
    double *s = m_windowedSpectrum.data();
    m_fft->forward(s, a);
    const auto power = [s, half](int k) { return s[k] * s[k] + s[half + k] * s[half + k]; };

    double powers[kHarmonics + 1];
    int peaks[kHarmonics + 1];
    int strongest = 0;
    // The highest bin near each harmonic's place, within two bins or 10 cents of it, whichever is
    // wider, and a third of the spacing of the harmonics: the period's frequency may be off by a
    // few cents (more when it spans few samples), which the upper harmonics multiply.
    const auto measureHarmonics = [&](double fundamental) {
        const double bins = fundamental * n / fech;
        strongest = 0;
        for (int h = 1; h <= kHarmonics; ++h) {
            powers[h] = 0.0;
            peaks[h] = 0;
            const int centre = int(std::lround(h * bins));
            const int reach = std::max(2, std::min(int(0.006 * h * bins), int(bins / 3)));
            if (centre + reach + kMinBins > half)
                continue;
            int best = centre - reach;
            for (int k = best + 1; k <= centre + reach; ++k)
                if (power(k) > power(best))
                    best = k;
            powers[h] = power(best);
            peaks[h] = best;
            if (strongest == 0 || powers[h] > powers[strongest])
                strongest = h;
        }
    };
    measureHarmonics(f);
    // The partials that stand out (within kWeakFundamental of the strongest) are all multiples of
    // their greatest common divisor g: the sound repeats g times within the period found, which
    // only a period too coarsely sampled to show it can hide (a tone of a few samples a period,
    // or harmonics near fech/2). Its fundamental is then g·f.
    int divisor = 0;
    for (int h = 1; h <= kHarmonics; ++h)
        if (strongest > 0 && powers[h] >= kWeakFundamental * kWeakFundamental * powers[strongest])
            divisor = std::gcd(divisor, h);
    if (divisor > 1) {
        f *= divisor;
        measureHarmonics(f);
    }
    // No room for the fundamental's main lobe below fech/2: the period is all there is.
    if (peaks[1] == 0)
        return f;
    int harmonic = 1;
    if (powers[1] < kWeakFundamental * kWeakFundamental * powers[strongest])
        harmonic = strongest;

    // Start between bins by the parabola through the logarithms of the three powers (nearly exact
    // for the window's main lobe), then Newton's method on the power itself.
    const int k = peaks[harmonic];
    const double y1 = power(k - 1);
    const double y2 = power(k);
    const double y3 = power(k + 1);
    double start = k;
    if (y1 > 0.0 && y2 > 0.0 && y3 > 0.0)
        start += peakOffset(std::log(y1), std::log(y2), std::log(y3));
    double omega = 2.0 * kPi * start / n;
    if (!peakNewton(&omega))
        return f;
    const double refined = omega * fech / (2.0 * kPi * harmonic);
    // Half a semitone from the period: not the same partial.
    if (!(std::fabs(std::log2(refined / f)) < 1.0 / 24.0))
        return f;
    m_measuredHarmonic = harmonic;
    return refined;
}

bool PreciseDetector::peakNewton(double *omega) const
{
    const int n = m_nbPoints;
    const double *a = m_windowed.data();
    const double *t = m_offsets.data();
    const double bin = 2.0 * kPi / n;
    const double low = *omega - bin;
    const double high = *omega + bin;
    double w = *omega;
    // Each block of samples starts from an exact cosine and sine, so the rotation's rounding cannot
    // build up over thousands of steps; within a block, four rotations by 4ω run side by side on
    // samples j, j+1, j+2, j+3, which keeps the products independent of one another.
    const int kBlock = 256;
    for (int iteration = 0; iteration < 8; ++iteration) {
        // S0 = Σ a·e^{−iωt}, S1 = Σ t·a·e^{−iωt}, S2 = Σ t²·a·e^{−iωt}: X and, up to −i and −1,
        // its first two derivatives.
        double s0r[4] = {0}, s0i[4] = {0}, s1r[4] = {0}, s1i[4] = {0}, s2r[4] = {0}, s2i[4] = {0};
        const double c1 = std::cos(w), n1 = -std::sin(w);
        const double c4 = std::cos(4.0 * w), n4 = -std::sin(4.0 * w);
        for (int j0 = 0; j0 < n; j0 += kBlock) {
            double zr[4], zi[4];
            zr[0] = std::cos(w * t[j0]);
            zi[0] = -std::sin(w * t[j0]);
            for (int k = 1; k < 4; ++k) {
                zr[k] = zr[k - 1] * c1 - zi[k - 1] * n1;
                zi[k] = zr[k - 1] * n1 + zi[k - 1] * c1;
            }
            const int end = std::min(n, j0 + kBlock);
            for (int j = j0; j < end; j += 4) {
                for (int k = 0; k < 4; ++k) {
                    const double vr = a[j + k] * zr[k];
                    const double vi = a[j + k] * zi[k];
                    const double tk = t[j + k];
                    s0r[k] += vr;
                    s0i[k] += vi;
                    s1r[k] += tk * vr;
                    s1i[k] += tk * vi;
                    s2r[k] += tk * tk * vr;
                    s2i[k] += tk * tk * vi;
                    const double nr = zr[k] * c4 - zi[k] * n4;
                    zi[k] = zr[k] * n4 + zi[k] * c4;
                    zr[k] = nr;
                }
            }
        }
        const double S0r = s0r[0] + s0r[1] + s0r[2] + s0r[3], S0i = s0i[0] + s0i[1] + s0i[2] + s0i[3];
        const double S1r = s1r[0] + s1r[1] + s1r[2] + s1r[3], S1i = s1i[0] + s1i[1] + s1i[2] + s1i[3];
        const double S2r = s2r[0] + s2r[1] + s2r[2] + s2r[3], S2i = s2i[0] + s2i[1] + s2i[2] + s2i[3];
        // g = |X|², g' = 2·Im(conj(S0)·S1), g'' = 2·(|S1|² − Re(conj(S0)·S2)).
        const double g1 = 2.0 * (S0r * S1i - S0i * S1r);
        const double g2 = 2.0 * (S1r * S1r + S1i * S1i - (S0r * S2r + S0i * S2i));
        if (!(g2 < 0.0))
            return false;
        const double step = -g1 / g2;
        w += step;
        if (!(w > low && w < high))
            return false;
        // A hundred-millionth of a bin: 2·10⁻⁵ cents at 41 Hz and N = 8192.
        if (std::fabs(step) < 1e-8 * bin)
            break;
    }
    *omega = w;
    return true;
}
