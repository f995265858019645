#include "tuner/Analyseur.h"

#include <QDebug>

#include <algorithm>
#include <cstdlib>

namespace {

bool isInteger(const QAudioFormat &format)
{
    return format.sampleType() == QAudioFormat::SignedInt || format.sampleType() == QAudioFormat::UnSignedInt;
}

qint16 signed16(int bits)
{
    return qint16(bits >= 32768 ? bits - 65536 : bits);
}

qint16 fullScale(const QAudioFormat &format)
{
    if (!isInteger(format))
        return 0;
    if (format.sampleSize() == 8)
        return 127;
    if (format.sampleSize() == 16)
        return 32767;
    return 0;
}

} // namespace

Analyseur::Analyseur(const QAudioFormat &format, QObject *parent)
    : QIODevice(parent), m_format(format), m_maxAmplitude(fullScale(format))
{
    // Formats that decode as silence need no byte of the sample, only the frame to step over.
    m_sampleBytes = m_maxAmplitude > 0 ? format.sampleSize() / 8 : 0;
    if (m_maxAmplitude > 0) {
        const bool signe = format.sampleType() == QAudioFormat::SignedInt;
        const bool petit = format.byteOrder() == QAudioFormat::LittleEndian;
        if (format.sampleSize() == 8)
            m_decoding = signe ? Decoding::Signed8 : Decoding::Unsigned8;
        else if (signe)
            m_decoding = petit ? Decoding::Signed16Little : Decoding::Signed16Big;
        else
            m_decoding = petit ? Decoding::Unsigned16Little : Decoding::Unsigned16Big;
    }
    if (format.sampleSize() > 0 && format.channelCount() > 0)
        m_frameBytes = format.channelCount() * (format.sampleSize() / 8);
}

Analyseur::~Analyseur() = default;

int Analyseur::analysisLength() const
{
    return std::min(std::max(nbPoints, int(kMinPoints)), int(kMaxSamples));
}

void Analyseur::start()
{
    m_samples.reset(new qint16[kMaxSamples]());
    m_nbSamples = 0;
    // A new stream starts at a frame.
    m_readOffset = 0;
    const int n = analysisLength();
    if (methode == 1 || methode == 2)
        m_detecteur.initAnalyseSpectrale(n, fenType, methode);
    qDebug() << "start, nbfreq " << n / 2;
    if (isOpen())
        close();
    open(QIODevice::WriteOnly);
}

void Analyseur::stop()
{
    qDebug() << "analyseur stop";
    m_samples.reset();
    qDebug() << "analyseur stop, apres delete samples";
    m_detecteur.release();
    m_nbSamples = 0;
    close();
}

qint16 Analyseur::getValueInt16(const unsigned char *ptr) const
{
    switch (m_decoding) {
    case Decoding::Signed8:
        return qint16(static_cast<signed char>(ptr[0]));
    case Decoding::Unsigned8:
        return qint16(int(ptr[0]) - 128);
    case Decoding::Signed16Little:
        return signed16(ptr[0] | (ptr[1] << 8));
    case Decoding::Signed16Big:
        return signed16((ptr[0] << 8) | ptr[1]);
    case Decoding::Unsigned16Little:
        return qint16((ptr[0] | (ptr[1] << 8)) - 32768);
    case Decoding::Unsigned16Big:
        return qint16(((ptr[0] << 8) | ptr[1]) - 32768);
    case Decoding::Silence:
        break;
    }
    return 0;
}

qint64 Analyseur::readData(char *data, qint64 maxlen)
{
    Q_UNUSED(data)
    Q_UNUSED(maxlen)
    qDebug() << "dans read";
    return 0;
}

qint64 Analyseur::writeData(const char *data, qint64 len)
{
    // Not started (no buffer), frames of no bytes, or nothing written: nothing to take.
    if (!m_samples || m_frameBytes <= 0 || !data || len <= 0) {
        emit update();
        return std::max<qint64>(len, 0);
    }
    const auto *bytes = reinterpret_cast<const unsigned char *>(data);

    // The whole chunk lies before the next frame.
    if (len <= m_readOffset) {
        m_readOffset -= len;
        emit update();
        return len;
    }

    const int length = analysisLength();
    if (m_nbSamples < length) {
        takeSamples(bytes, len, length);
        if (m_nbSamples < length) {
            m_readOffset -= len;
            emit update();
            return len;
        }
    }
    finishBuffer(len);
    emit update();
    return len;
}

void Analyseur::takeSamples(const unsigned char *bytes, qint64 len, int length)
{
    // The level is the peak of what this chunk brought, not of the whole buffer.
    int peak = 0;
    const int debut = m_nbSamples;
    unsigned char sample[2] = {0, 0};
    while (m_readOffset < len && m_nbSamples < length) {
        const unsigned char *octets = sample;
        if (m_readOffset >= 0 && m_readOffset + m_sampleBytes <= len)
            octets = bytes + m_readOffset;
        else if (!sampleBytesAt(bytes, len, sample))
            break;
        const qint16 v = getValueInt16(octets);
        m_samples[std::size_t(m_nbSamples++)] = v;
        peak = std::max(peak, std::abs(int(v)));
        m_readOffset += m_frameBytes;
    }
    // Kept as it was by a chunk that brought no whole sample.
    if (m_nbSamples > debut)
        level = m_maxAmplitude > 0 ? double(std::min(peak, int(m_maxAmplitude))) / m_maxAmplitude : 0.0;
}

bool Analyseur::sampleBytesAt(const unsigned char *bytes, qint64 len, unsigned char *sample)
{
    const qint64 debut = m_readOffset;
    const int octets = std::min(m_sampleBytes, int(sizeof m_partial));
    for (int b = 0; b < octets; ++b) {
        const qint64 pos = debut + b;
        if (pos < 0) {
            sample[b] = m_partial[b];
        } else if (pos < len) {
            sample[b] = bytes[pos];
        } else {
            // Cut by the end of the chunk: keep its first bytes for the next chunk.
            for (int k = 0; k < b; ++k) {
                if (debut + k >= 0)
                    m_partial[k] = bytes[debut + k];
            }
            return false;
        }
    }
    return true;
}

void Analyseur::finishBuffer(qint64 len)
{
    qDebug() << "audio level" << level;
    qDebug() << "minLevel" << minLevel;
    if (level > minLevel)
        analyse();
    m_nbSamples = 0;
    // The rest of the chunk is dropped; the next buffer starts at the next frame.
    const qint64 reste = len - m_readOffset;
    if (reste > 0)
        m_readOffset += (reste + m_frameBytes - 1) / m_frameBytes * m_frameBytes;
    m_readOffset -= len;
}

void Analyseur::analyse()
{
    qDebug() << "methode" << methode;
    const int n = analysisLength();
    switch (methode) {
    case 0:
        freq = Detecteur::autocorrelation(m_samples.get(), n, fech);
        break;
    case 1:
        m_detecteur.initAnalyseSpectrale(n, fenType, 1);
        freq = m_detecteur.analyseSceptre(m_samples.get(), fech);
        break;
    case 2:
        m_detecteur.initAnalyseSpectrale(n, fenType, 2);
        freq = m_detecteur.analyseHPS(m_samples.get(), fech);
        break;
    default:
        break;
    }
    emit analysee();
}
