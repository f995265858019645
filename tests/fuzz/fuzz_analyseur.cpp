// Analyseur::writeData, the sink of the microphone, on arbitrary chunks: the input chooses the
// stream's format (sample size, type, byte order, channels, including formats the tuner never
// asks for), the analysis (method, window, N, noise floor, rate) and a sequence of chunks of any
// size, literal or repeated patterns (so that a few bytes of input can fill the largest buffers
// and reach every detector), with restarts between them. Every chunk is taken whole, the buffer
// never holds more than N samples, the level stays within 0 … 1, and every detection is a
// frequency the tuner can name.
//
// Input: 6 bytes of settings, then records [operation:1][length:2, little-endian][…]: operation & 3
// is 0 for length literal bytes, 1 for a pattern of (operation >> 2) + 1 bytes repeated to length
// bytes, 2 for a restart when operation & 0x0C is 0x0C (with the settings of the length's two bytes
// when operation & 0x10 is set too) and for length zero bytes otherwise, 3 for length zero bytes.
// A restart releases the detectors' tables and the next start computes them again, so restarts are
// one record in sixteen.

#include "FuzzCheck.h"

#include "app/MusicalNote.h"
#include "tuner/Analyseur.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>

namespace {

constexpr std::size_t kSettings = 6;
// Per execution, to keep it short: the bytes of two full buffers of 8192 16-bit samples, and four
// buffers completed (each analysis costs what the detector's set-up and transforms cost).
constexpr qint64 kMaxBytesWritten = 1 << 16;
constexpr int kMaxBuffers = 4;

const int kSampleSizes[] = {8, 16, 0, 24, 32, 12};
const QAudioFormat::SampleType kSampleTypes[] = {QAudioFormat::SignedInt, QAudioFormat::UnSignedInt,
                                                 QAudioFormat::Float, QAudioFormat::Unknown};
const int kPoints[] = {512, 1024, 2048, 4096, 8192, 0, 700, 100000};
const int kRates[] = {44100, 48000, 8000, 22050, 96000, 192000, 1, 0};

class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    int length()
    {
        const int low = byte();
        return low | (byte() << 8);
    }
    /// The next n bytes, or what is left of them.
    QByteArray bytes(std::size_t n)
    {
        n = std::min(n, m_size - std::min(m_pos, m_size));
        const QByteArray b(reinterpret_cast<const char *>(m_data + m_pos), int(n));
        m_pos += n;
        return b;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

void setAnalysis(Analyseur *a, std::uint8_t method, std::uint8_t points, std::uint8_t floor, std::uint8_t rate)
{
    a->methode = int(method % 6) - 1;
    a->fenType = (method / 6) % 5;
    a->nbPoints = kPoints[points % 8];
    a->minLevel = float(floor) / 255.0f;
    a->fech = kRates[rate % 8];
}

/// One analyser per format and analysis, kept from one execution to the next: start() empties its
/// buffer and reads the next chunk from a frame, and its detectors keep their tables while they
/// are not stopped (tables a fresh analyser would compute the same), so that each execution sees
/// a new stream without paying for the cosines of an 8192-point transform every time. At most
/// kKeptAnalysers are kept (a few megabytes each at N = 8192).
constexpr std::size_t kKeptAnalysers = 128;

Analyseur &analyseurFor(const QAudioFormat &format, std::uint8_t method, std::uint8_t points)
{
    using Key = std::tuple<int, int, int, int, int, int>;
    static std::map<Key, std::unique_ptr<Analyseur>> analysers;
    const Key key(format.sampleSize(), int(format.sampleType()), int(format.byteOrder()), format.channelCount(),
                  method % 30, points % 8);
    if (analysers.size() >= kKeptAnalysers && !analysers.count(key))
        analysers.clear();
    std::unique_ptr<Analyseur> &a = analysers[key];
    if (!a)
        a = std::make_unique<Analyseur>(format);
    return *a;
}

void checkState(const Analyseur &a)
{
    FUZZ_CHECK(a.nbSamples() >= 0 && a.nbSamples() <= a.analysisLength());
    FUZZ_CHECK(a.analysisLength() >= Analyseur::kMinPoints && a.analysisLength() <= Analyseur::kMaxSamples);
    FUZZ_CHECK(a.level >= 0.0 && a.level <= 1.0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    zibfuzz::quietQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < kSettings)
        return 0;
    Input in(data, size);
    const std::uint8_t f = in.byte();
    QAudioFormat format;
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setSampleSize(kSampleSizes[f % 6]);
    format.setSampleType(kSampleTypes[(f / 6) % 4]);
    format.setByteOrder((f / 24) % 2 ? QAudioFormat::BigEndian : QAudioFormat::LittleEndian);
    format.setChannelCount(in.byte() % 9);
    const std::uint8_t method = in.byte();
    const std::uint8_t points = in.byte();
    const std::uint8_t floor = in.byte();
    const std::uint8_t rate = in.byte();
    format.setSampleRate(kRates[rate % 8]);

    Analyseur &a = analyseurFor(format, method, points);
    a.level = 0.0;
    a.freq = 0.0f;
    setAnalysis(&a, method, points, floor, rate);
    int updates = 0;
    int buffers = 0;
    QObject context;
    QObject::connect(&a, &Analyseur::update, &context, [&updates] { ++updates; });
    QObject::connect(&a, &Analyseur::belowNoiseFloor, &context, [&buffers] { ++buffers; });
    QObject::connect(&a, &Analyseur::analysee, &context, [&a, &buffers] {
        ++buffers;
        FUZZ_CHECK(std::isfinite(a.freq) && a.freq >= 0.0f);
        MusicalNote note(a.freq, 440.0f);
        const int semitone = note.setNote();
        FUZZ_CHECK(semitone >= -1 && semitone <= 11);
        note.setNomNote();
    });
    a.start();

    qint64 written = 0;
    while (!in.atEnd() && written < kMaxBytesWritten && buffers < kMaxBuffers) {
        const std::uint8_t op = in.byte();
        const int len = in.length();
        QByteArray chunk;
        switch (op & 3) {
        case 0:
            chunk = in.bytes(std::size_t(len));
            break;
        case 1: {
            const QByteArray pattern = in.bytes(std::size_t(op >> 2) + 1);
            if (!pattern.isEmpty()) {
                chunk.reserve(len);
                while (chunk.size() < len)
                    chunk.append(pattern);
                chunk.truncate(len);
            }
            break;
        }
        case 2:
            if ((op & 0x0C) != 0x0C) {
                chunk = QByteArray(len, '\0');
                break;
            }
            // A restart, as the tuner's button and its parameter changes make one.
            a.stop();
            if (op & 0x10)
                setAnalysis(&a, std::uint8_t(len), std::uint8_t(len >> 8), std::uint8_t(op >> 5), std::uint8_t(op));
            a.start();
            checkState(a);
            continue;
        default:
            chunk = QByteArray(len, '\0');
            break;
        }
        const int before = updates;
        FUZZ_CHECK(a.write(chunk) == chunk.size());
        // Once per chunk written; an empty write may not reach writeData at all.
        FUZZ_CHECK(updates == before + 1 || (chunk.isEmpty() && updates == before));
        written += chunk.size();
        checkState(a);
    }
    // Not stopped, which would release the detectors' tables: the next execution's start()
    // begins a new stream all the same.
    return 0;
}
