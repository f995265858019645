#include "tuner/Detecteur.h"

#include "tuner/LagProducts.h"

#include <QDebug>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;

bool isPowerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

} // namespace

Detecteur::Detecteur() = default;

Detecteur::~Detecteur() = default;

bool Detecteur::initAnalyseSpectrale(int nbPoints, int fenType, int methode)
{
    if (nbPoints == m_nbPoints && fenType == m_fenType && methode == m_methode && m_fft)
        return true;
    release();
    if (!isPowerOfTwo(nbPoints) || nbPoints < kMinPoints || nbPoints > kMaxPoints) {
        qWarning() << "Detecteur : nombre de points non valide" << nbPoints;
        return false;
    }
    m_nbPoints = nbPoints;
    m_fenType = fenType;
    m_methode = methode;
    const int n = nbPoints;
    m_signal.resize(n);
    m_fenetreCoefs.resize(n);
    fenetre();
    m_fftOut.resize(n);
    m_spectre.resize(n / 2);
    if (methode == 1) {
        m_logSpectre.resize(n / 2);
        m_sceptre.resize(n / 2);
        m_fftSceptre.reset(new fft::RealFft<double>(n / 2));
    } else if (methode == 2) {
        m_hps.resize(n / 2);
    }
    m_fft.reset(new fft::RealFft<double>(n));
    return true;
}

void Detecteur::release()
{
    m_fft.reset();
    m_fftSceptre.reset();
    m_signal.resize(0);
    m_fenetreCoefs.resize(0);
    m_fftOut.resize(0);
    m_spectre.resize(0);
    m_logSpectre.resize(0);
    m_sceptre.resize(0);
    m_hps.resize(0);
    m_nbPoints = 0;
    m_fenType = 0;
    m_methode = -1;
}

bool Detecteur::prepared(int methode) const
{
    if (!m_fft || (methode == 1 && !m_fftSceptre) || (methode == 2 && m_hps.size() == 0)) {
        qWarning() << "Detecteur : analyse spectrale non préparée pour la méthode" << methode;
        return false;
    }
    return true;
}

void Detecteur::fenetre()
{
    const int n = m_nbPoints;
    double *w = m_fenetreCoefs.data();
    if (m_fenType < 0 || m_fenType > 3) {
        qDebug() << "Fenêtre Non Définie" << m_fenType;
        return;
    }
    for (int i = 0; i < n; ++i) {
        const float c1 = std::cos(float(2.0 * kPi * i / (n - 1)));
        const float c2 = std::cos(float(4.0 * kPi * i / (n - 1)));
        switch (m_fenType) {
        case 0:
            w[i] = 1.0;
            break;
        case 1:
            w[i] = 0.5 - 0.5 * c1;
            break;
        case 2:
            w[i] = 0.54 - 0.46 * c1;
            break;
        default:
            // As written, the last term reuses c1: 0.35857 − 0.500894·c1 + 0.144232·c2.
            w[i] = 0.35857 - 0.48829 * c1 + 0.144232 * c2 - 0.012604 * c1;
            break;
        }
    }
}

void Detecteur::calcSpectre(const qint16 *samples)
{
    if (!prepared(0) || !samples)
        return;
    const int n = m_nbPoints;
    const int half = n / 2;
    double *x = m_signal.data();
    const double *w = m_fenetreCoefs.data();
    for (int i = 0; i < n; ++i)
        x[i] = samples[i] * w[i];
    double *f = m_fftOut.data();
    m_fft->forward(f, x);
    double *p = m_spectre.data();
    p[0] = f[0] * f[0];
    for (int k = 1; k < half; ++k)
        p[k] = f[k] * f[k] + f[half + k] * f[half + k];
}

float Detecteur::autocorrelation(const qint16 *samples, int nbPoints, int fech, fft::Simd simd)
{
    // No rate, no samples: no period.
    if (fech <= 0 || nbPoints <= 0 || !samples)
        return 0.0f;
    const int minLag = int(std::floor(float(fech) / 5000.0f));
    const int maxLag = int(std::floor(float(fech) / 50.0f));
    qDebug() << "maxLag " << maxLag;
    // Lag 0 compares the signal with itself (below 5000 Hz floor(fech/5000) is 0): no period.
    const int firstLag = std::max(minLag, 1);
    // Lags from N on have no product: their sum 0 never beats the running maximum.
    const int lastLag = std::min(maxLag, nbPoints - 1);
    if (lastLag < firstLag)
        return 0.0f;
    // One lag more on each side, to tell the peaks from the slopes.
    const int below = firstLag - 1;
    const int above = std::min(lastLag + 1, nbPoints - 1);
    std::vector<qint64> r(std::size_t(above - below + 1));
    lagProducts(samples, nbPoints, below, above, r.data(), simd);
    const auto sum = [&](int lag) { return lag <= above ? r[std::size_t(lag - below)] : qint64(0); };

    // Only a peak of the sums can be a period. The raw sums shrink with the lag (N − L terms), so
    // the slope that falls from lag 0 would otherwise beat the period of any pure tone below about
    // 200 Hz and report floor(fech/5000) as its period.
    int best = 0;
    qint64 maximum = 0;
    for (int lag = firstLag; lag <= lastLag; ++lag) {
        const qint64 v = sum(lag);
        if (v > maximum && v > sum(lag - 1) && v >= sum(lag + 1)) {
            maximum = v;
            best = lag;
        }
    }
    // No positive sum (silence, or no lag in the range): fech/0 would be infinite.
    if (best == 0)
        return 0.0f;
    return float(fech) / float(best);
}

float Detecteur::analyseSceptre(const qint16 *samples, int fech)
{
    if (!prepared(1) || !samples)
        return 0.0f;
    const int n = m_nbPoints;
    const int half = n / 2;
    const int quarter = n / 4;
    calcSpectre(samples);

    const double *p = m_spectre.data();
    double *logP = m_logSpectre.data();
    const double *w = m_fenetreCoefs.data();
    for (int k = 0; k < half; ++k) {
        // ln(0) = −infinity makes the whole cepstrum infinite or NaN: no pitch.
        if (!(p[k] > 0.0))
            return 0.0f;
        logP[k] = std::log(p[k]) * w[2 * k];
    }
    qDebug() << "apres calc spectre";

    const int q0 = int(std::floor(float(fech) / 2000.0f));
    // Below 2000 Hz the search would start at quefrency 0 (fech/0); from N/4 on there is none.
    if (q0 < 1 || q0 >= quarter)
        return 0.0f;

    double *c = m_spectre.data(); // the spectrum is no longer needed: it takes the cepstrum
    m_fftSceptre->forward(c, logP);
    double *s = m_sceptre.data();
    for (int q = q0; q < quarter; ++q)
        s[q] = c[q] * c[q] + c[q + quarter] * c[q + quarter];

    int imax = q0;
    double maximum = s[q0];
    for (int q = q0; q < quarter; ++q) {
        if (s[q] > maximum) {
            maximum = s[q];
            imax = q;
        }
    }
    qDebug() << "sceptre imax" << imax;
    qDebug() << "max Ampl sceptre" << maximum;
    qDebug() << "spectre" << c[imax];
    return float(fech) / float(2 * imax);
}

float Detecteur::analyseHPS(const qint16 *samples, int fech)
{
    if (!prepared(2) || !samples)
        return 0.0f;
    const int n = m_nbPoints;
    const int half = n / 2;
    // Below N Hz the bin width in whole hertz is 0 and the first bin ceil(15/0) undefined.
    if (fech < n)
        return 0.0f;
    const int binWidth = fech / n;
    const int kmin = int(std::ceil(15.0 / binWidth));
    calcSpectre(samples);

    const int m = int(n * 0.125);
    const double *p = m_spectre.data();
    double *h = m_hps.data();
    for (int i = 0; i < half; ++i)
        h[i] = p[i];
    qDebug() << "HPS : sous-echantillonnage";
    for (int i = 0; i < m; ++i)
        h[i] = p[i] + p[2 * i] + p[3 * i] + p[4 * i];

    // No bin between about 15 Hz and fech/8: nothing to search.
    if (kmin >= m)
        return 0.0f;
    int best = kmin;
    double maximum = 0.0;
    for (int i = kmin; i < m; ++i) {
        if (h[i] > maximum) {
            maximum = h[i];
            best = i;
        }
    }

    float position = float(best);
    if (best > 0 && best < n - 1) {
        double offset = 0.0;
        // Three powers on a line (silence gives three zeros) have no vertex: no pitch.
        if (!vertex(p[best - 1], p[best], p[best + 1], &offset) || std::fabs(offset) > FLT_MAX)
            return 0.0f;
        position = float(best - 1) + float(offset);
    }
    const double frequency = double(position) * double(fech) / double(n);
    // A vertex far outside the three bins can land at or below 0 Hz: not a pitch.
    if (!(frequency > 0.0) || !std::isfinite(frequency) || frequency > FLT_MAX)
        return 0.0f;
    return float(frequency);
}

float Detecteur::sommetParabole(double y1, double y2, double y3)
{
    double abscissa = 1.0;
    if (!vertex(y1, y2, y3, &abscissa) || std::fabs(abscissa) > FLT_MAX)
        return 1.0f;
    return float(abscissa);
}

// False for three points on a line (zero denominator) or a vertex too far to be a number.
bool Detecteur::vertex(double y1, double y2, double y3, double *abscissa)
{
    const double denominator = y1 - 2.0 * y2 + y3;
    if (denominator == 0.0)
        return false;
    const double x = (1.5 * y1 - 2.0 * y2 + 0.5 * y3) / denominator;
    if (!std::isfinite(x))
        return false;
    *abscissa = x;
    return true;
}
