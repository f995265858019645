#ifndef DETECTEUR_H
#define DETECTEUR_H

#include "fft/RealFft.h"
#include "fft/Simd.h"
#include "fft/Table.h"

#include <QtGlobal>

#include <memory>

/// The tuner's three pitch detectors with their windows, power spectrum, work arrays and
/// transforms. Owned by Analyseur, which calls, on its buffer `samples` of nbPoints signed 16-bit
/// samples at fech Hz:
///   methode 0: freq = detecteur.autocorrelation(samples, nbPoints, fech);
///   methode 1: detecteur.initAnalyseSpectrale(nbPoints, fenType, 1);
///              freq = detecteur.analyseSceptre(samples, fech);
///   methode 2: detecteur.initAnalyseSpectrale(nbPoints, fenType, 2);
///              freq = detecteur.analyseHPS(samples, fech);
/// and release() when capture stops. Every detector returns the fundamental in Hz, or 0 Hz for
/// "no pitch" when its input is degenerate (never an infinity or a NaN).
///
/// Window types (fenType): 0 "Rectangulaire", 1 "Hann", 2 "Hamming", 3 "Blackman".
class Detecteur
{
public:
    static constexpr int kMinPoints = 16;
    static constexpr int kMaxPoints = 8192;

    Detecteur();
    ~Detecteur();
    Detecteur(const Detecteur &) = delete;
    Detecteur &operator=(const Detecteur &) = delete;

    /// Builds the work arrays, the window and the transforms of the spectral detectors for
    /// nbPoints samples (a power of two, kMinPoints … kMaxPoints; the tuner uses 512 … 8192), the
    /// window fenType and the method methode (1 adds the cepstrum's arrays and its N/2-point
    /// transform, 2 the harmonic sum's). Cheap when nothing changed since the last call, so it may
    /// run before every analysis. Returns false, and leaves nothing prepared, for another nbPoints.
    bool initAnalyseSpectrale(int nbPoints, int fenType, int methode);

    /// Releases the work arrays and the transforms.
    void release();

    /// Fills fenetreCoefs for the prepared N and fenType: symmetric windows over N − 1, cosines
    /// in single precision. An unknown type leaves the coefficients as they are.
    void fenetre();

    /// signal = samples × window, fftOut = its transform, spectre[k] = |X[k]|² for k < N/2 (powers;
    /// bin N/2 dropped). samples: N values. Needs initAnalyseSpectrale().
    void calcSpectre(const qint16 *samples);

    /// Period by the raw autocorrelation of nbPoints samples (no window, no mean removed): the
    /// lag L in floor(fech/5000) … floor(fech/50) with the largest sum of x[i]·x[i+L] among the
    /// peaks of the sums (a sum above the one before and not below the one after; the smallest lag
    /// on ties), computed exactly in 64-bit integers. Returns fech/L Hz, quantised to fech/L.
    /// Lag 0 is no period: the search starts at lag 1 at least (sample rates below 5000 Hz).
    /// 0 Hz when no lag has a positive sum or fech <= 0.
    static float autocorrelation(const qint16 *samples, int nbPoints, int fech,
                                 fft::Simd simd = fft::Simd::Best);

    /// Period by the cepstrum: the N/2-point transform of ln(spectre) weighted by every second
    /// window coefficient; the quefrency q in floor(fech/2000) … N/4 − 1 with the largest power
    /// (the smallest q on ties). Returns fech/(2q) Hz, about 1000 Hz down to 2·fech/N.
    /// 0 Hz when a power bin is 0 (its logarithm is −infinity), when fech < 2000 Hz (no first
    /// quefrency) or floor(fech/2000) >= N/4, or without initAnalyseSpectrale(N, fenType, 1).
    float analyseSceptre(const qint16 *samples, int fech);

    /// Fundamental by the harmonic sum hps[i] = spectre[i] + spectre[2i] + spectre[3i] +
    /// spectre[4i] over the bins ceil(15/b) … N/8 − 1 (b = fech/N in integer division; the
    /// smallest bin on ties), refined by the parabola through the power spectrum around that bin.
    /// Returns position·fech/N Hz.
    /// 0 Hz when fech < N (b = 0), when no bin lies in the range, when the three powers lie on a
    /// line (no vertex) or the refined position is not a positive finite frequency, or without
    /// initAnalyseSpectrale(N, fenType, 2).
    float analyseHPS(const qint16 *samples, int fech);

    /// Abscissa of the vertex of the parabola through (0, y1), (1, y2), (2, y3):
    /// (1.5·y1 − 2·y2 + 0.5·y3) / (y1 − 2·y2 + y3). A peak at the middle point gives 1.
    /// Three points on a line have no vertex: 1 (the middle point) is returned.
    static float sommetParabole(double y1, double y2, double y3);

    int nbPoints() const { return m_nbPoints; }
    int nbfreq() const { return m_nbPoints / 2; }
    int fenType() const { return m_fenType; }
    int methode() const { return m_methode; }

    /// The work arrays (null before initAnalyseSpectrale()): N values for fenetreCoefs, signal and
    /// fftOut, N/2 for the others; logSpectre and sceptre for method 1, hps for method 2.
    const double *fenetreCoefs() const { return m_fenetreCoefs.data(); }
    const double *signal() const { return m_signal.data(); }
    const double *fftOut() const { return m_fftOut.data(); }
    const double *spectre() const { return m_spectre.data(); }
    const double *logSpectre() const { return m_logSpectre.data(); }
    const double *sceptre() const { return m_sceptre.data(); }
    const double *hps() const { return m_hps.data(); }

private:
    static bool vertex(double y1, double y2, double y3, double *abscissa);
    bool prepared(int methode) const;

    int m_nbPoints = 0;
    int m_fenType = 0;
    int m_methode = -1;
    fft::Table<double> m_fenetreCoefs;
    fft::Table<double> m_signal;
    fft::Table<double> m_fftOut;
    fft::Table<double> m_spectre;
    fft::Table<double> m_logSpectre;
    fft::Table<double> m_sceptre;
    fft::Table<double> m_hps;
    std::unique_ptr<fft::RealFft<double>> m_fft;
    std::unique_ptr<fft::RealFft<double>> m_fftSceptre;
};

#endif
