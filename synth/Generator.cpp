#include "synth/Generator.h"

#include "synth/Modmod.h"
#include "synth/Sample16.h"
#include "synth/ShapePhase.h"
#include "synth/WaveShapes.h"

#include <QDebug>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

namespace {

constexpr qint64 kMaxRead = 16384;  // bytes handed out per read
constexpr qint64 kSpareBytes = 1000;
constexpr int kChunk = 4096;        // samples computed per step into a local block
constexpr int kSineResync = 256;    // samples the sine advances by rotation between exact phases
constexpr double kNearPeak = 1.0 - 1e-9; // |sin| from which the exact formula is used
// Longest loop whose room, 4·nbEch + 1000 bytes, still fits an int.
constexpr qint64 kMaxLoopSamples = (std::numeric_limits<int>::max() - kSpareBytes) / 4;

// round(⌊freq⌋/freq · duree · freqEch), half away from zero; 0 for a length that is not a
// positive number or does not fit kMaxLoopSamples.
int loopLength(float freq, float duree, int freqEch)
{
    if (!(freq >= 1.0f) || !std::isfinite(freq))
        return 0;
    const double n = std::round(double(std::floor(freq)) / double(freq) * double(duree)
                                * double(freqEch));
    if (!(n > 0.0))
        return 0;
    if (n > double(kMaxLoopSamples)) {
        qWarning() << "Generator: a loop of" << n << "samples is too long; playing nothing";
        return 0;
    }
    return int(n);
}

// n samples as 16-bit little-endian bytes into dest.
void storeSamples(const qint16 *samples, int n, char *dest)
{
    qToLittleEndian<qint16>(samples, n, dest);
}

// Samples [start, start + m) of the played sine 32767·A·sin(2π·f·n/fe) (playbackSine) into out.
// The phase of a 120 s loop reaches 10⁵ rad and more, where std::sin is slow: the sine is
// computed exactly every kSineResync samples and advanced by rotation in between, which drifts
// from the exact values by about 10⁻⁹ sample units. Near the peaks the exact formula is used: it
// gives exactly ±32767·A where the phase falls on ±π/2, and the drift would truncate that to one
// unit less.
void sineBlock(float amplitude, float freq, int freqEch, qint64 start, int m, qint16 *out)
{
    const double a = 32767.0 * double(amplitude);
    const double step = 2.0 * M_PI * double(freq) / double(freqEch);
    const double cosStep = std::cos(step);
    const double sinStep = std::sin(step);
    for (int first = 0; first < m; first += kSineResync) {
        const double phase = 2.0 * M_PI * double(freq) * double(start + first) / double(freqEch);
        double s = std::sin(phase);
        double c = std::cos(phase);
        const int end = std::min(m, first + kSineResync);
        for (int k = first; k < end; ++k) {
            out[k] = std::fabs(s) < kNearPeak
                         ? toSample16(a * s)
                         : toSample16(playbackSine(amplitude, freq, float(freqEch), start + k));
            const double next = s * cosStep + c * sinStep;
            c = c * cosStep - s * sinStep;
            s = next;
        }
    }
}

// The modal passes step the bank over [0, total) in the same blocks, so that they compute the
// same outputs to the last bit; the first pass may stop early.
int ringBlock(qint64 start, qint64 total)
{
    return int(std::min<qint64>(kChunk, total - start));
}

// Largest |output| of the bank's first fenetre samples from its current state.
float ringPeak(Modmod &bank, qint64 fenetre, qint64 total)
{
    float sortie[kChunk];
    float pic = 0.0f;
    for (qint64 start = 0; start < fenetre; start += kChunk) {
        const int m = ringBlock(start, total);
        bank.actualiseBloc(sortie, m);
        const int mesures = int(std::min<qint64>(m, fenetre - start));
        for (int k = 0; k < mesures; ++k)
            pic = std::max(pic, std::fabs(sortie[k]));
    }
    return pic;
}

// nbEch samples of the bank's ring from its current state into dest, scaled so that an output
// of ±pic becomes exactly ±crete (out/pic is exactly ±1 there). A peak of 0 (no sounding mode)
// or one that is not finite (a ring that overflows) gives silence.
void ringLoop(Modmod &bank, float pic, float crete, int nbEch, qint64 total, char *dest)
{
    const bool muet = !(pic > 0.0f) || !std::isfinite(pic);
    float sortie[kChunk];
    qint16 bloc[kChunk];
    for (qint64 start = 0; start < nbEch; start += kChunk) {
        const int m = ringBlock(start, total);
        bank.actualiseBloc(sortie, m);
        const int n = int(std::min<qint64>(m, nbEch - start));
        for (int k = 0; k < n; ++k)
            sortie[k] = muet ? 0.0f : sortie[k] / pic;
        scaleToSamples16(sortie, n, crete, bloc);
        storeSamples(bloc, n, dest + 2 * start);
    }
}

} // namespace

Generator::Generator(QObject *parent, float freq, int freqEch, float duree, float amplitude,
                     int forme)
    : QIODevice(parent), freqEch(freqEch), freq(freq), duree(duree), forme(forme),
      amplitude(amplitude)
{
    build();
}

Generator::Generator(QObject *parent, float freq, int freqEch, float duree, float amplitude,
                     Modmod *modele)
    : QIODevice(parent), freqEch(freqEch), freq(freq), duree(duree), forme(WaveShape::Modal),
      modele(modele), amplitude(amplitude)
{
    build();
}

Generator::~Generator() = default;

void Generator::build()
{
    nbEch = loopLength(freq, duree, freqEch);
    if (!reserve(4 * qint64(nbEch) + kSpareBytes))
        nbEch = 0;
    m_octets = fillData(tampon.get());
    pos = 0;
}

bool Generator::reserve(qint64 octets)
{
    try {
        tampon.reset(new char[static_cast<size_t>(octets)]);
        m_capacite = octets;
        return true;
    } catch (const std::bad_alloc &) {
        qWarning() << "Generator: no memory for a loop of" << octets << "bytes; playing nothing";
        tampon.reset();
        m_capacite = 0;
        return false;
    }
}

void Generator::start()
{
    if (!isOpen())
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void Generator::stop()
{
    close();
}

qint64 Generator::bytesAvailable() const
{
    return std::max(m_octets - pos, 0) + QIODevice::bytesAvailable();
}

qint64 Generator::readData(char *data, qint64 maxlen)
{
    if (m_octets <= 0 || maxlen <= 0)
        return 0;
    if (pos < 0 || pos >= m_octets)
        pos = 0;
    const qint64 len = std::min(maxlen, kMaxRead);
    const qint64 reste = m_octets - pos;
    if (reste > len) {
        std::memcpy(data, tampon.get() + pos, size_t(len));
        pos += int(len);
        return len;
    }
    std::memcpy(data, tampon.get() + pos, size_t(reste));
    pos = 0;
    return reste;
}

qint64 Generator::writeData(const char *, qint64)
{
    return 0;
}

int Generator::fillData(char *dest)
{
    if (nbEch <= 0 || !dest)
        return 0;
    if (isPeriodicShape(forme))
        return fillPeriodic(dest);
    if (forme == WaveShape::Modal)
        return fillModal(dest);
    return 0;
}

void Generator::updateBuff()
{
    nbEch = loopLength(freq, duree, freqEch);
    m_octets = 0;
    pos = 0;
    // Only a first frequency below 2 Hz leaves less room than a later loop needs.
    if (2 * qint64(nbEch) > m_capacite && !reserve(4 * qint64(nbEch) + kSpareBytes))
        nbEch = 0;
    m_octets = fillData(tampon.get());
}

int Generator::fillPeriodic(char *dest) const
{
    qint16 bloc[kChunk];
    ShapePhase phase(freq, float(freqEch));
    for (int start = 0; start < nbEch; start += kChunk) {
        const int m = std::min(kChunk, nbEch - start);
        if (forme == WaveShape::Sine) {
            sineBlock(amplitude, freq, freqEch, start, m, bloc);
        } else {
            for (int k = 0; k < m; ++k)
                bloc[k] = toSample16(playbackValue(forme, amplitude, phase.nextFraction()));
        }
        storeSamples(bloc, m, dest + 2 * qint64(start));
    }
    return 2 * nbEch;
}

int Generator::fillModal(char *dest)
{
    if (!modele)
        return 0;
    modele->normalise(float(std::sqrt(2.0 * M_PI * double(freq))));
    modele->initialiseImp(float(freqEch));
    modele->oscils(freq, freqEch);

    // Peak over two periods of the fundamental, or over the whole loop when it is shorter than
    // one and a half.
    qint64 fenetre = nbEch;
    if (double(nbEch) > 1.5 * double(freqEch) / double(freq))
        fenetre = qint64(std::round(2.0 * double(freqEch) / double(freq)));
    const qint64 total = std::max<qint64>(fenetre, nbEch);

    const float pic = ringPeak(*modele, fenetre, total);
    modele->initialiseImp(float(freqEch)); // strikes it again
    ringLoop(*modele, pic, 30000.0f * amplitude, nbEch, total, dest);
    return 2 * nbEch;
}
