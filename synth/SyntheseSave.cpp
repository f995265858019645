#include "synth/SyntheseSave.h"

#include "synth/Modmod.h"
#include "synth/Oscil.h"
#include "synth/Sample16.h"
#include "synth/ShapePhase.h"
#include "synth/WaveShapes.h"

#include <QDataStream>
#include <QSaveFile>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr qint64 kHeaderBytes = 80;          // file bytes besides the comment and the samples
constexpr int kWindowCounterMax = 32767;     // the measuring window's 16-bit counter
constexpr int kRingChunk = 4096;             // samples rendered per call of the bank
constexpr int kWriteChunk = 1 << 16;         // samples rendered per write to the file

// A float as an unsigned 32-bit header field, truncated; NaN and negatives give 0.
quint32 truncatedField(double v)
{
    if (!(v > 0.0))
        return 0;
    if (v >= 4294967295.0)
        return std::numeric_limits<quint32>::max();
    return quint32(v);
}

// A float as an int, truncated toward zero and clamped; NaN gives 0.
int truncatedInt(float v)
{
    if (!(v == v))
        return 0;
    if (v >= 2147483647.0f)
        return std::numeric_limits<int>::max();
    if (v <= -2147483648.0f)
        return std::numeric_limits<int>::min();
    return int(v);
}

// Opens file for writing without Qt's write buffer. QSaveFile::commit() does not see a buffer
// it fails to flush: a file small enough to stay in the buffer until then (a few kilobytes) was
// cut by a full disk, put in place of the old one and reported written. Unbuffered, every write
// meets the disk at once and QDataStream sees it fail.
bool openUnbuffered(QSaveFile *file)
{
    return file->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void writeTag(QDataStream *flux, const char *tag)
{
    flux->writeRawData(tag, 4);
}

void writeSamples(QDataStream *flux, const short *donnees, qint64 n)
{
    constexpr qint64 kChunk = 1 << 20;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    for (qint64 start = 0; start < n; start += kChunk) {
        const qint64 m = std::min(kChunk, n - start);
        flux->writeRawData(reinterpret_cast<const char *>(donnees + start), int(2 * m));
    }
#else
    std::vector<qint16> bloc(std::min(kChunk, n));
    for (qint64 start = 0; start < n; start += kChunk) {
        const qint64 m = std::min(kChunk, n - start);
        qToLittleEndian<qint16>(donnees + start, m, bloc.data());
        flux->writeRawData(reinterpret_cast<const char *>(bloc.data()), int(2 * m));
    }
#endif
}

// Everything ecritHeadFlux writes before the samples, for n samples to follow.
bool writeHeader(QDataStream *flux, qint64 n, float freqEch, QString *commentaire)
{
    if (!flux)
        return false;
    QString vide;
    if (!commentaire)
        commentaire = &vide;
    if (commentaire->size() % 2 != 0)
        commentaire->append(QLatin1Char(' '));
    const QByteArray texte = commentaire->toLatin1();
    const qint64 l = texte.size();
    const qint64 riff = kHeaderBytes - 8 + l + 2 * n;
    if (riff > qint64(std::numeric_limits<quint32>::max()))
        return false;

    flux->setByteOrder(QDataStream::LittleEndian);
    writeTag(flux, "RIFF");
    *flux << quint32(riff);
    writeTag(flux, "WAVE");
    writeTag(flux, "fmt ");
    *flux << quint32(16) << quint16(1) << quint16(1);
    *flux << truncatedField(freqEch) << truncatedField(double(freqEch) * 16 * 0.125);
    *flux << quint16(2) << quint16(16);
    writeTag(flux, "LIST");
    *flux << quint32(l + 28);
    writeTag(flux, "INFO");
    writeTag(flux, "IART");
    *flux << quint32(8);
    flux->writeRawData("ZIB 0.10", 8);
    writeTag(flux, "ICMT");
    *flux << quint32(l);
    flux->writeRawData(texte.constData(), int(l));
    writeTag(flux, "data");
    *flux << quint32(2 * n);
    return flux->status() == QDataStream::Ok;
}

// Number of samples of a rendering, rounded half away from zero; −1 when it is not a number a
// WAV file can hold.
qint64 sampleCount(float duree, float freqEch)
{
    const float n = std::round(duree * freqEch);
    if (!(n >= 0.0f))
        return -1;
    if (n > float((std::numeric_limits<qint32>::max() - kHeaderBytes) / 2 - 1024))
        return -1;
    return qint64(n);
}

// Window over which the modal peak is measured: ⌈1.5·freqEch/freq⌉ samples, counted by a 16-bit
// counter, so at most 32767 (below 1.5·freqEch/32767 Hz the window stops there instead of
// wrapping around).
int measuringWindow(float freqEch, float freq)
{
    const float w = 1.5f * freqEch / freq;
    if (!(w > 0.0f))
        return 0;
    if (w >= float(kWindowCounterMax))
        return kWindowCounterMax;
    return int(std::ceil(w));
}

void renderShape(int forme, float freq, float freqEch, short *donnees, int n)
{
    if (forme == WaveShape::Sine) {
        Oscil oscil;
        oscil.freq = freq;
        oscil.amort = 0.0f;
        oscil.freqEch = freqEch;
        const float theta = float(2.0 * M_PI) * freq / freqEch;
        oscil.oscilSynth(0.0f, -theta, n, donnees);
        return;
    }
    if (!isPeriodicShape(forme)) {
        std::fill(donnees, donnees + n, short(0));
        return;
    }
    ShapePhase phase(freq, freqEch);
    for (int k = 0; k < n; ++k)
        donnees[k] = toSample16(fileValue(forme, phase.nextFraction()));
}

// Steps the bank over samples [from, to) of donnees, each gain·output saturated to 16 bits;
// returns the largest |gain·output| met.
float ringInto(Modmod *modele, float gain, short *donnees, int from, int to)
{
    float pic = 0.0f;
    float sortie[kRingChunk];
    for (int start = from; start < to; start += kRingChunk) {
        const int m = std::min(kRingChunk, to - start);
        modele->actualiseBloc(sortie, m);
        pic = std::max(pic, scaleToSamples16(sortie, m, gain, donnees + start));
    }
    return pic;
}

} // namespace

bool ecritHeadFlux(QDataStream *flux, int nbEch, float freqEch, short *donnees,
                   QString *commentaire)
{
    const qint64 n = donnees ? std::max(nbEch, 0) : 0;
    if (!writeHeader(flux, n, freqEch, commentaire))
        return false;
    writeSamples(flux, donnees, n);
    return flux->status() == QDataStream::Ok;
}

bool writeWavFile(const QString &fichier, int nbEch, float freqEch, short *donnees,
                  QString *commentaire, QString *erreur)
{
    QSaveFile file(fichier);
    if (openUnbuffered(&file)) {
        QDataStream flux(&file);
        if (ecritHeadFlux(&flux, nbEch, freqEch, donnees, commentaire) && file.commit())
            return true;
    }
    if (erreur)
        *erreur = file.errorString();
    file.cancelWriting();
    return false;
}

bool syntheseSave(float freq, float duree, int forme, float freqEch, const QString *fichier, QString *erreur)
{
    const qint64 n = sampleCount(duree, freqEch);
    if (!fichier || n < 0)
        return false;
    try {
        std::unique_ptr<short[]> donnees(new short[static_cast<size_t>(n)]);
        renderShape(forme, freq, freqEch, donnees.get(), int(n));
        QString commentaire = QStringLiteral("Fondamental Frequency : ")
                              + QString::number(double(freq), 'g', 6)
                              + QStringLiteral(" Wave Shape %1").arg(forme);
        return writeWavFile(*fichier, int(n), freqEch, donnees.get(), &commentaire, erreur);
    } catch (const std::bad_alloc &) {
        return false;
    }
}

float syntheseSave(float freq, float duree, Modmod *modele, float freqEch, const QString *fichier,
                   int volumeDb, bool *ecrit, QString *erreur)
{
    if (ecrit)
        *ecrit = false;
    const qint64 n = sampleCount(duree, freqEch);
    if (!modele || !fichier || n < 0)
        return 0.0f;

    const float gain = float(25000.0 * std::pow(10.0, volumeDb / 20.0));
    QString commentaire = QStringLiteral("Frequence Fondamentale : ")
                          + QString::number(double(freq), 'g', 6);

    modele->normalise(float(std::sqrt(2.0 * M_PI * double(freq))));
    modele->initialiseImp(freqEch);
    modele->oscils(freq, truncatedInt(freqEch));

    const int fenetre = measuringWindow(freqEch, freq);
    std::vector<short> head(static_cast<size_t>(fenetre));
    const float pic = ringInto(modele, gain, head.data(), 0, fenetre);
    if (pic > kSaturationPeak)
        return pic;

    // Past the window nothing more is decided: the samples go to the file as they are made.
    QSaveFile file(*fichier);
    bool ok = false;
    if (openUnbuffered(&file)) {
        QDataStream flux(&file);
        if (writeHeader(&flux, n, freqEch, &commentaire)) {
            writeSamples(&flux, head.data(), std::min<qint64>(n, fenetre));
            std::vector<short> bloc(kWriteChunk);
            for (qint64 start = fenetre; start < n && flux.status() == QDataStream::Ok; start += kWriteChunk) {
                const int m = int(std::min<qint64>(kWriteChunk, n - start));
                ringInto(modele, gain, bloc.data(), 0, m);
                writeSamples(&flux, bloc.data(), m);
            }
            ok = flux.status() == QDataStream::Ok && file.commit();
        }
    }
    if (!ok) {
        if (erreur)
            *erreur = file.errorString();
        file.cancelWriting();
    }
    if (ecrit)
        *ecrit = ok;
    return pic;
}
