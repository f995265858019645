#ifndef PRECISEDETECTOR_H
#define PRECISEDETECTOR_H

#include "fft/RealFft.h"
#include "fft/Table.h"

#include <QtGlobal>

#include <memory>

/// The tuner's fourth method, "Précise" (methode 3): the fundamental of N signed 16-bit samples
/// to a small fraction of a cent, free of octave errors. Two stages, on the samples less their mean:
///
/// 1. The period, by the normalised square difference function
///      n(τ) = 2·Σ x[j]·x[j+τ] / Σ (x[j]² + x[j+τ]²),   j = 0 … N−1−τ,
///    which is 1 − d(τ)/m(τ) for the squared difference d(τ) of YIN (de Cheveigné & Kawahara,
///    "YIN, a fundamental frequency estimator for speech and music", JASA 111(4), 2002) normalised
///    by the energy of the overlap (McLeod & Wyvill, "A smarter way to find pitch", ICMC 2005).
///    Its sums come from a zero-padded 2N-point transform and a second one of its power
///    spectrum (the Wiener–Khinchin relation). The highest point of
///    each positive lobe after the lobe of lag 0 is a key maximum; the first one that reaches
///    kKeyThreshold of the highest is the period. Twice the period, which a periodic signal
///    matches as well, therefore never wins (no octave below), and half of it only when the
///    signal nearly repeats there (no octave above for a weak or missing fundamental, whose
///    lobe at half the period stays below 0.4). The parabola through the three lags around the
///    key maximum places the period between samples, and gives the heights compared.
/// 2. The frequency: the maximum of |X(ω)|², X the 4-term Blackman–Harris windowed transform
///    (sidelobes below −92 dB, so the other partials and the mirror image at −f do not pull the
///    peak: Harris, "On the use of windows for harmonic analysis with the discrete Fourier
///    transform", Proc. IEEE 66(1), 1978), found by Newton's method between bins, starting from
///    the log-parabola through the highest bin. The periodogram maximum is the maximum-likelihood
///    frequency of a tone in white noise (Rife & Boorstyn, "Single-tone parameter estimation from
///    discrete-time observations", IEEE Trans. Inf. Theory 20(5), 1974). Of the harmonics
///    1 … kHarmonics of the period's frequency, those within kWeakFundamental (−20 dB) of the
///    strongest must not all be multiples of some g > 1: the sound would then repeat g times within
///    that period, which only a period of few samples can hide, and the fundamental is g times
///    higher. The fundamental's peak is measured, or, when it lies kWeakFundamental or more below
///    the strongest harmonic (a weak or missing fundamental), that harmonic's peak divided by its
///    number. The window's main lobe spans ±4 bins: this stage needs the fundamental kMinBins bins
///    (of fech/N Hz) or more from 0 Hz; below that, and whenever the peak lies farther than half a
///    semitone from the period's frequency, the period of stage 1 gives the frequency.
///
/// Range: periods of kHighestFrequency … kLowestFrequency Hz, and at most 2N/3 samples (so that
/// the overlap keeps a third of the buffer): see lowestFrequency() and highestFrequency().
/// No pitch (0 Hz): silence, a constant, a highest key maximum below kClarity (noise, or no
/// periodicity), or a period outside the range.
///
/// Cost, N = 8192: two transforms of 2N points and one of N, and a few passes of Newton's method
/// over the N samples; a small fraction of a millisecond (bench/bench_pitch).
///
/// Every window type of the tuner gives the same result: the method brings its own window.
class PreciseDetector
{
public:
    static constexpr int kMinPoints = 64;
    static constexpr int kMaxPoints = 8192;
    static constexpr double kLowestFrequency = 25.0;   ///< Hz: below B0 (30.9 Hz) of a five-string bass
    static constexpr double kHighestFrequency = 5000.0; ///< Hz, as the autocorrelation (fech/5000 lags)
    /// Samples: a shorter period samples n(τ) too coarsely to show its peak (at 44100 Hz the
    /// limit is fech/5000 = 8 samples anyway; at 22050 Hz it stops the range at 2756 Hz).
    static constexpr int kShortestPeriod = 8;
    static constexpr double kKeyThreshold = 0.9;  ///< fraction of the highest key maximum (McLeod's k)
    static constexpr double kClarity = 0.6;       ///< least highest key maximum of a pitched sound
    static constexpr double kMinBins = 5.0;       ///< bins the fundamental needs for stage 2
    static constexpr double kWeakFundamental = 0.1; ///< amplitude ratio to the strongest harmonic, −20 dB
    static constexpr int kHarmonics = 8;

    PreciseDetector();
    ~PreciseDetector();
    PreciseDetector(const PreciseDetector &) = delete;
    PreciseDetector &operator=(const PreciseDetector &) = delete;

    /// Builds the work arrays, the window and the transforms for nbPoints samples (a power of two,
    /// kMinPoints … kMaxPoints). Cheap when nbPoints has not changed, so it may run before every
    /// estimate. False, leaving nothing prepared, for another nbPoints.
    bool prepare(int nbPoints);

    /// Releases the work arrays and the transforms.
    void release();

    /// The fundamental of the nbPoints() samples at fech Hz, in Hz; 0 for no pitch, for fech <= 0,
    /// or without prepare().
    float estimate(const qint16 *samples, int fech);

    int nbPoints() const { return m_nbPoints; }

    /// The height of n(τ) at the period of the last estimate, between lags, 0 … 1 (1: the signal
    /// repeats exactly); 0 when the last estimate found no key maximum.
    double clarity() const { return m_clarity; }
    /// The frequency of stage 1 alone in the last estimate, Hz (0 without a period).
    double periodFrequency() const { return m_periodFrequency; }
    /// The partial stage 2 measured in the last estimate: 1 the fundamental, 2 … kHarmonics a
    /// harmonic standing in for a weak one, 0 when stage 2 did not run or was not kept.
    int measuredHarmonic() const { return m_measuredHarmonic; }

    /// The frequencies the method can detect with nbPoints samples at fech Hz (0 for fech <= 0 or
    /// nbPoints < kMinPoints): the longest period is min(2·nbPoints/3, fech/kLowestFrequency)
    /// samples, the shortest max(kShortestPeriod, fech/kHighestFrequency) samples (whole samples,
    /// rounded down).
    static double lowestFrequency(int nbPoints, int fech);
    static double highestFrequency(int nbPoints, int fech);

private:
    static int shortestLag(int fech);
    static int longestLag(int nbPoints, int fech);
    /// Stage 1: the period in samples, between samples; 0 without one. Fills m_nsdf.
    double period(int fech);
    /// Stage 2 from the period's frequency f (Hz): the refined frequency, or f (or g·f).
    double refine(double f, int fech);
    /// Newton's method on |X(ω)|² from omega (radians per sample) within ±one bin of it; false
    /// when the peak is not concave there or the steps leave that bracket.
    bool peakNewton(double *omega) const;

    int m_nbPoints = 0;
    double m_clarity = 0.0;
    double m_periodFrequency = 0.0;
    int m_measuredHarmonic = 0;
    fft::Table<double> m_x;        ///< the samples less their mean (N)
    fft::Table<double> m_padded;   ///< x then N zeros, and later the power spectrum folded (2N)
    fft::Table<double> m_spectrum; ///< output of the 2N-point transform (2N)
    fft::Table<double> m_nsdf;     ///< n(τ), τ = 0 … N
    fft::Table<double> m_window;   ///< Blackman–Harris (N)
    fft::Table<double> m_windowed; ///< x × window (N)
    fft::Table<double> m_windowedSpectrum; ///< output of the N-point transform (N)
    fft::Table<double> m_offsets;  ///< j − (N−1)/2, the time of each sample from the centre (N)
    std::unique_ptr<fft::RealFft<double>> m_fftDouble; ///< 2N points
    std::unique_ptr<fft::RealFft<double>> m_fft;       ///< N points
};

#endif
