// The capture device fed with generated PCM chunks, as an audio input in push mode feeds it:
// decoding of every format, the buffers it gathers across chunks of any size, the level gate and
// the signals, and the pitch of a tone streamed in chunks.

#include "tuner/Analyseur.h"

#include <QtTest>

#include <QLoggingCategory>

#include <cmath>
#include <random>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;

struct Format
{
    int bits;
    bool signe;
    bool petitBoutiste;
    int canaux;
};

QAudioFormat audioFormat(const Format &f, int rate = 44100)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(f.canaux);
    format.setSampleSize(f.bits);
    format.setSampleType(f.signe ? QAudioFormat::SignedInt : QAudioFormat::UnSignedInt);
    format.setByteOrder(f.petitBoutiste ? QAudioFormat::LittleEndian : QAudioFormat::BigEndian);
    format.setCodec(QStringLiteral("audio/pcm"));
    return format;
}

/// The bytes of a sample whose value, centred on 0, is v (−128 … 127 or −32768 … 32767).
void appendSample(QByteArray &out, int v, const Format &f)
{
    if (f.bits == 8) {
        out.append(char(f.signe ? v & 0xFF : v + 128));
        return;
    }
    const int brut = f.signe ? v & 0xFFFF : v + 32768;
    const char haut = char(brut >> 8);
    const char bas = char(brut & 0xFF);
    if (f.petitBoutiste) {
        out.append(bas);
        out.append(haut);
    } else {
        out.append(haut);
        out.append(bas);
    }
}

/// Frames whose first channel holds premiers; the other channels hold a value that must never
/// reach the buffer.
QByteArray frames(const std::vector<int> &premiers, const Format &f)
{
    const int autre = f.bits == 8 ? -99 : -12345;
    QByteArray out;
    for (int v : premiers) {
        appendSample(out, v, f);
        for (int c = 1; c < f.canaux; ++c)
            appendSample(out, autre, f);
    }
    return out;
}

/// Distinct non-zero first-channel values that fit the sample size.
std::vector<int> distinctValues(int n, int bits)
{
    std::vector<int> v(std::size_t(n), 0);
    for (int i = 0; i < n; ++i)
        v[std::size_t(i)] = bits == 8 ? 1 + i % 127 : 1 + (i * 7) % 32000;
    return v;
}

std::vector<int> sine(double f, double amplitude, int fech, int n)
{
    std::vector<int> v(std::size_t(n), 0);
    for (int i = 0; i < n; ++i)
        v[std::size_t(i)] = int(amplitude * std::sin(2.0 * kPi * f * i / fech));
    return v;
}

// Harmonics 1 … 6 at amplitude 1/h, scaled to peak below amplitude.
std::vector<int> harmonicTone(double f, double amplitude, int fech, int n)
{
    std::vector<double> x(std::size_t(n), 0.0);
    double peak = 0;
    for (int i = 0; i < n; ++i) {
        for (int h = 1; h <= 6; ++h)
            x[std::size_t(i)] += std::sin(2.0 * kPi * h * f * i / fech + 0.3 * h) / h;
        peak = std::max(peak, std::fabs(x[std::size_t(i)]));
    }
    std::vector<int> v(std::size_t(n), 0);
    for (int i = 0; i < n; ++i)
        v[std::size_t(i)] = int(amplitude * x[std::size_t(i)] / peak);
    return v;
}

/// An analyser on format, started, analysing every full buffer (floor 0), with no detector
/// unless methode says otherwise.
struct Banc
{
    Analyseur a;
    QSignalSpy updates{&a, &Analyseur::update};
    QSignalSpy analyses{&a, &Analyseur::analysee};
    QSignalSpy sousLePlancher{&a, &Analyseur::belowNoiseFloor};

    explicit Banc(const QAudioFormat &format, int nbPoints, int methode = 9)
        : a(format)
    {
        a.nbPoints = nbPoints;
        a.fech = format.sampleRate();
        a.methode = methode;
        a.minLevel = 0.0f;
        a.start();
    }

    void ecrire(const QByteArray &octets) { QCOMPARE(a.write(octets), qint64(octets.size())); }
};

} // namespace

Q_DECLARE_METATYPE(Format)

class TestAnalyseur : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void decodage_data();
    void decodage();

    void bloc3000Octets();
    void tramesStereoPremierCanal();
    void echantillonCoupeEntreDeuxBlocs();
    void decoupage_data();
    void decoupage();
    void tamponsDUnFlux_data();
    void tamponsDUnFlux();

    void seuil_data();
    void seuil();
    void niveauDuDernierBlocSeulement();
    void updateUneFoisParBloc();
    void formatInconnuMuet_data();
    void formatInconnuMuet();
    void nbPointsHorsBornes_data();
    void nbPointsHorsBornes();
    void methodeInconnue();
    void stopPuisStart();
    void lignesDeJournal();

    void hauteurDUnFlux_data();
    void hauteurDUnFlux();
};

void TestAnalyseur::initTestCase()
{
    // The per-buffer diagnostics would bury the test's own output.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestAnalyseur::decodage_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<int>("valeur");
    QTest::addColumn<int>("pleineEchelle");

    const Format s16le{16, true, true, 1};
    const Format s16be{16, true, false, 1};
    const Format u16le{16, false, true, 1};
    const Format u16be{16, false, false, 1};
    const Format s8{8, true, true, 1};
    const Format u8{8, false, true, 1};
    QTest::newRow("s16le 0x1234") << s16le << QByteArray("\x34\x12", 2) << 0x1234 << 32767;
    QTest::newRow("s16le -1") << s16le << QByteArray("\xFF\xFF", 2) << -1 << 32767;
    QTest::newRow("s16le -32768") << s16le << QByteArray("\x00\x80", 2) << -32768 << 32767;
    QTest::newRow("s16be 0x1234") << s16be << QByteArray("\x12\x34", 2) << 0x1234 << 32767;
    QTest::newRow("s16be -32768") << s16be << QByteArray("\x80\x00", 2) << -32768 << 32767;
    QTest::newRow("s16be -2") << s16be << QByteArray("\xFF\xFE", 2) << -2 << 32767;
    // Unsigned samples lose their offset of half the range.
    QTest::newRow("u16le middle") << u16le << QByteArray("\x00\x80", 2) << 0 << 32767;
    QTest::newRow("u16le top") << u16le << QByteArray("\xFF\xFF", 2) << 32767 << 32767;
    QTest::newRow("u16be bottom") << u16be << QByteArray("\x00\x00", 2) << -32768 << 32767;
    QTest::newRow("u16be 0x8001") << u16be << QByteArray("\x80\x01", 2) << 1 << 32767;
    QTest::newRow("s8 -1") << s8 << QByteArray("\xFF", 1) << -1 << 127;
    QTest::newRow("s8 -128") << s8 << QByteArray("\x80", 1) << -128 << 127;
    QTest::newRow("s8 127") << s8 << QByteArray("\x7F", 1) << 127 << 127;
    QTest::newRow("u8 middle") << u8 << QByteArray("\x80", 1) << 0 << 127;
    QTest::newRow("u8 top") << u8 << QByteArray("\xFF", 1) << 127 << 127;
    QTest::newRow("u8 bottom") << u8 << QByteArray("\x00", 1) << -128 << 127;
}

void TestAnalyseur::decodage()
{
    QFETCH(Format, format);
    QFETCH(QByteArray, octets);
    QFETCH(int, valeur);
    QFETCH(int, pleineEchelle);
    const Analyseur a(audioFormat(format));
    QCOMPARE(int(a.getValueInt16(reinterpret_cast<const unsigned char *>(octets.constData()))), valeur);
    QCOMPARE(int(a.maxAmplitude()), pleineEchelle);
}

// 3000 bytes of mono 16-bit with N = 1024: the buffer is full after 2048 bytes, the last 952 are
// dropped, and the next chunk starts a new buffer with its first byte.
void TestAnalyseur::bloc3000Octets()
{
    const Format s16{16, true, true, 1};
    Banc b(audioFormat(s16), 1024);
    std::vector<int> premier(1500);
    for (int i = 0; i < 1500; ++i)
        premier[std::size_t(i)] = 1 + i;
    b.ecrire(frames(premier, s16));
    QCOMPARE(b.analyses.count(), 1);
    QCOMPARE(b.a.nbSamples(), 0);
    QCOMPARE(b.a.readOffset(), qint64(0));
    for (int i = 0; i < 1024; ++i)
        QCOMPARE(int(b.a.samples()[i]), 1 + i);

    std::vector<int> second(500);
    for (int i = 0; i < 500; ++i)
        second[std::size_t(i)] = 20001 + i;
    b.ecrire(frames(second, s16));
    QCOMPARE(b.analyses.count(), 1);
    QCOMPARE(b.a.nbSamples(), 500);
    QCOMPARE(int(b.a.samples()[0]), 20001);
    QCOMPARE(int(b.a.samples()[499]), 20500);
    // Beyond the new samples, what the first buffer left: none of the dropped 1025 … 1500.
    QCOMPARE(int(b.a.samples()[500]), 501);
    QCOMPARE(int(b.a.samples()[1023]), 1024);
}

void TestAnalyseur::tramesStereoPremierCanal()
{
    const Format stereo{16, true, true, 2};
    Banc b(audioFormat(stereo), 512);
    b.ecrire(frames({100, 200, 300}, stereo));
    QCOMPARE(b.a.nbSamples(), 3);
    QCOMPARE(int(b.a.samples()[0]), 100);
    QCOMPARE(int(b.a.samples()[1]), 200);
    QCOMPARE(int(b.a.samples()[2]), 300);
    // The level is that of the first channel only (the other holds −12345).
    QCOMPARE(b.a.level, 300.0 / 32767);
}

// A chunk may end inside a sample: its bytes are joined to the first ones of the next chunk.
void TestAnalyseur::echantillonCoupeEntreDeuxBlocs()
{
    const Format s16be{16, true, false, 1};
    Banc b(audioFormat(s16be), 512);
    const QByteArray octets = frames({0x0102, -0x1234, 0x7F01}, s16be);
    b.ecrire(octets.left(3));
    QCOMPARE(b.a.nbSamples(), 1);
    QCOMPARE(b.a.readOffset(), qint64(-1));
    b.ecrire(octets.mid(3, 1));
    QCOMPARE(b.a.nbSamples(), 2);
    b.ecrire(octets.mid(4));
    QCOMPARE(b.a.nbSamples(), 3);
    QCOMPARE(int(b.a.samples()[0]), 0x0102);
    QCOMPARE(int(b.a.samples()[1]), -0x1234);
    QCOMPARE(int(b.a.samples()[2]), 0x7F01);
    QCOMPARE(b.updates.count(), 3);
}

// The bookkeeping of a sequence of chunk sizes: samples in the buffer, the offset carried to the
// next chunk and the buffers analysed.
void TestAnalyseur::decoupage_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<int>("nbPoints");
    QTest::addColumn<QList<int>>("blocs");
    QTest::addColumn<int>("echantillons");
    QTest::addColumn<qint64>("decalage");
    QTest::addColumn<int>("analyses");

    const Format mono{16, true, true, 1};
    const Format stereo{16, true, true, 2};
    const Format mono8{8, false, true, 1};
    QTest::newRow("3000 then 1000 bytes") << mono << 1024 << QList<int>{3000, 1000} << 500 << qint64(0) << 1;
    QTest::newRow("2046 then 2 bytes") << mono << 1024 << QList<int>{2046, 2} << 0 << qint64(0) << 1;
    QTest::newRow("2048 bytes exactly") << mono << 1024 << QList<int>{2048} << 0 << qint64(0) << 1;
    QTest::newRow("odd chunks") << mono << 512 << QList<int>{3, 1, 5, 3} << 6 << qint64(0) << 0;
    QTest::newRow("odd chunk ends a buffer") << mono << 512 << QList<int>{1023, 3} << 0 << qint64(0) << 1;
    // 2050 bytes of stereo: frames at 0 … 2044 fill 512; the frame at 2048 reaches 2 bytes into the
    // next chunk, so two 1-byte chunks lie wholly before the next frame.
    QTest::newRow("stereo, chunks before the next frame") << stereo << 512 << QList<int>{2050, 1, 1, 8} << 2
                                                          << qint64(0) << 1;
    QTest::newRow("stereo, half frame") << stereo << 512 << QList<int>{6} << 2 << qint64(2) << 0;
    QTest::newRow("stereo, the rest of a frame") << stereo << 512 << QList<int>{6, 2, 4} << 3 << qint64(0) << 0;
    QTest::newRow("8-bit, two buffers") << mono8 << 512 << QList<int>{700, 400, 200, 100} << 100 << qint64(0) << 2;
}

void TestAnalyseur::decoupage()
{
    QFETCH(Format, format);
    QFETCH(int, nbPoints);
    QFETCH(QList<int>, blocs);
    QFETCH(int, echantillons);
    QFETCH(qint64, decalage);
    QFETCH(int, analyses);

    Banc b(audioFormat(format), nbPoints);
    int total = 0;
    for (int taille : blocs)
        total += taille;
    const int octetsParTrame = format.canaux * format.bits / 8;
    const QByteArray flux = frames(distinctValues(total / octetsParTrame + 1, format.bits), format);
    int position = 0;
    for (int taille : blocs) {
        b.ecrire(flux.mid(position, taille));
        position += taille;
    }
    QCOMPARE(b.a.nbSamples(), echantillons);
    QCOMPARE(b.a.readOffset(), decalage);
    QCOMPARE(b.analyses.count(), analyses);
    QCOMPARE(b.updates.count(), blocs.size());
}

// A long stream cut into chunks of random sizes: every analysed buffer holds N consecutive frames;
// the first starts at frame 0, and each next one at the first whole frame of the chunk after the
// chunk that completed the previous buffer.
void TestAnalyseur::tamponsDUnFlux_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<int>("nbPoints");
    QTest::addColumn<int>("tailleMax");
    QTest::addColumn<unsigned>("graine");

    QTest::newRow("s16le mono, chunks up to 700 bytes") << Format{16, true, true, 1} << 512 << 700 << 1u;
    QTest::newRow("s16be stereo, chunks up to 3000 bytes") << Format{16, true, false, 2} << 1024 << 3000 << 2u;
    QTest::newRow("u16le 3 channels") << Format{16, false, true, 3} << 512 << 999 << 3u;
    QTest::newRow("s8 stereo") << Format{8, true, true, 2} << 512 << 1500 << 4u;
    QTest::newRow("u8 mono, tiny chunks") << Format{8, false, true, 1} << 512 << 40 << 5u;
    QTest::newRow("s16le mono, N = 8192") << Format{16, true, true, 1} << 8192 << 9000 << 6u;
}

void TestAnalyseur::tamponsDUnFlux()
{
    QFETCH(Format, format);
    QFETCH(int, nbPoints);
    QFETCH(int, tailleMax);
    QFETCH(unsigned, graine);

    const int trame = format.canaux * format.bits / 8;
    const int nbTrames = nbPoints * 12;
    const std::vector<int> valeurs = distinctValues(nbTrames, format.bits);
    const QByteArray flux = frames(valeurs, format);

    Banc b(audioFormat(format), nbPoints);
    std::vector<std::vector<int>> tampons;
    connect(&b.a, &Analyseur::analysee, this, [&] {
        tampons.emplace_back(b.a.samples(), b.a.samples() + nbPoints);
    });

    std::mt19937 generateur(graine);
    std::uniform_int_distribution<int> taille(1, tailleMax);
    std::vector<qint64> debutsAttendus{0};
    qint64 position = 0;
    while (position < flux.size()) {
        const int n = int(std::min<qint64>(taille(generateur), flux.size() - position));
        const int avant = int(tampons.size());
        b.ecrire(flux.mid(int(position), n));
        position += n;
        if (int(tampons.size()) > avant)
            debutsAttendus.push_back((position + trame - 1) / trame);
    }
    QVERIFY(tampons.size() >= 5);
    for (std::size_t k = 0; k < tampons.size(); ++k) {
        const qint64 debut = debutsAttendus[k];
        for (int i = 0; i < nbPoints; ++i) {
            if (tampons[k][std::size_t(i)] != valeurs[std::size_t(debut + i)])
                QFAIL(qPrintable(QStringLiteral("buffer %1, sample %2: %3 instead of frame %4's %5")
                                     .arg(k).arg(i).arg(tampons[k][std::size_t(i)]).arg(debut + i)
                                     .arg(valeurs[std::size_t(debut + i)])));
        }
    }
}

// The gate: a buffer is analysed only when the level lies strictly above the floor.
void TestAnalyseur::seuil_data()
{
    QTest::addColumn<int>("crete");
    QTest::addColumn<float>("plancher");
    QTest::addColumn<double>("niveau");
    QTest::addColumn<bool>("analyse");

    QTest::newRow("silence, floor 0") << 0 << 0.0f << 0.0 << false;
    QTest::newRow("one step, floor 0") << 1 << 0.0f << 1.0 / 32767 << true;
    QTest::newRow("just below half") << 16383 << 0.5f << 16383.0 / 32767 << false;
    QTest::newRow("just above half") << 16384 << 0.5f << 16384.0 / 32767 << true;
    QTest::newRow("full scale, floor 1") << 32767 << 1.0f << 1.0 << false;
    QTest::newRow("-32768 counts as full scale, floor 1") << -32768 << 1.0f << 1.0 << false;
    QTest::newRow("full scale, floor 0.98") << 32767 << 0.98f << 1.0 << true;
}

void TestAnalyseur::seuil()
{
    QFETCH(int, crete);
    QFETCH(float, plancher);
    QFETCH(double, niveau);
    QFETCH(bool, analyse);

    const Format s16{16, true, true, 1};
    Banc b(audioFormat(s16), 512);
    b.a.minLevel = plancher;
    std::vector<int> v(512, 0);
    v[300] = crete;
    b.ecrire(frames(v, s16));
    QCOMPARE(b.a.level, niveau);
    QCOMPARE(b.analyses.count(), analyse ? 1 : 0);
    QCOMPARE(b.sousLePlancher.count(), analyse ? 0 : 1);
    // Analysed or not, the buffer starts again.
    QCOMPARE(b.a.nbSamples(), 0);
}

// The level that gates a buffer is the peak of the chunk that completed it, not of the buffer.
void TestAnalyseur::niveauDuDernierBlocSeulement()
{
    const Format s16{16, true, true, 1};
    Banc b(audioFormat(s16), 1024);
    b.a.minLevel = 0.1f;
    b.ecrire(frames(std::vector<int>(1000, 30000), s16));
    QCOMPARE(b.a.level, 30000.0 / 32767);
    b.ecrire(frames(std::vector<int>(24, 0), s16));
    QCOMPARE(b.a.level, 0.0);
    QCOMPARE(b.analyses.count(), 0);

    b.ecrire(frames(std::vector<int>(1000, 0), s16));
    b.ecrire(frames(std::vector<int>(24, 5000), s16));
    QCOMPARE(b.analyses.count(), 1);
}

// One update per chunk, whatever the chunk does: fill nothing, complete a buffer, lie before the
// next frame, end inside a sample.
void TestAnalyseur::updateUneFoisParBloc()
{
    const Format stereo{16, true, true, 2};
    Banc b(audioFormat(stereo), 512);
    const QByteArray flux = frames(distinctValues(2000, 16), stereo);
    const QList<int> blocs{100, 2000, 3, 1, 1, 4, 2048, 7, 1, 2};
    int position = 0;
    int attendu = 0;
    for (int taille : blocs) {
        b.ecrire(flux.mid(position, taille));
        position += taille;
        QCOMPARE(b.updates.count(), ++attendu);
    }
    QCOMPARE(b.analyses.count(), 2);
}

// Formats that decode as silence: every chunk is taken, nothing divides by a zero full scale or
// frame, and silence is never analysed.
void TestAnalyseur::formatInconnuMuet_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("canaux");
    QTest::addColumn<int>("pleineEchelle");

    QTest::newRow("32-bit float stereo") << 32 << int(QAudioFormat::Float) << 2 << 0;
    QTest::newRow("24-bit signed") << 24 << int(QAudioFormat::SignedInt) << 1 << 0;
    QTest::newRow("16-bit unknown type") << 16 << int(QAudioFormat::Unknown) << 1 << 0;
    // A 16-bit sample has its full scale, but frames of no byte hold none.
    QTest::newRow("no channel") << 16 << int(QAudioFormat::SignedInt) << 0 << 32767;
    QTest::newRow("no sample size") << 0 << int(QAudioFormat::SignedInt) << 1 << 0;
}

void TestAnalyseur::formatInconnuMuet()
{
    QFETCH(int, bits);
    QFETCH(int, type);
    QFETCH(int, canaux);
    QFETCH(int, pleineEchelle);

    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(canaux);
    format.setSampleSize(bits);
    format.setSampleType(QAudioFormat::SampleType(type));
    format.setCodec(QStringLiteral("audio/pcm"));
    Banc b(format, 512);
    QCOMPARE(int(b.a.maxAmplitude()), pleineEchelle);
    QByteArray bruit(5000, '\0');
    for (int i = 0; i < bruit.size(); ++i)
        bruit[i] = char(37 * i + 11);
    for (int k = 0; k < 4; ++k)
        b.ecrire(bruit);
    QCOMPARE(b.updates.count(), 4);
    QCOMPARE(b.a.level, 0.0);
    QCOMPARE(b.analyses.count(), 0);
    if (pleineEchelle == 0) {
        const unsigned char octets[4] = {0x12, 0x34, 0x56, 0x78};
        QCOMPARE(int(b.a.getValueInt16(octets)), 0);
    }
}

// Whatever nbPoints says, the buffer of 8192 samples is never overrun (AddressSanitizer checks
// the writes) and N stays within 512 … 8192.
void TestAnalyseur::nbPointsHorsBornes_data()
{
    QTest::addColumn<int>("nbPoints");
    QTest::addColumn<int>("longueur");

    QTest::newRow("100000") << 100000 << 8192;
    QTest::newRow("8193") << 8193 << 8192;
    QTest::newRow("0") << 0 << 512;
    QTest::newRow("-5") << -5 << 512;
    QTest::newRow("600") << 600 << 600;
}

void TestAnalyseur::nbPointsHorsBornes()
{
    QFETCH(int, nbPoints);
    QFETCH(int, longueur);

    const Format s16{16, true, true, 1};
    for (int methode = 0; methode <= 3; ++methode) {
        Banc b(audioFormat(s16), nbPoints, methode);
        QCOMPARE(b.a.analysisLength(), longueur);
        b.ecrire(frames(sine(440, 10000, 44100, 20000), s16));
        QCOMPARE(b.analyses.count(), 1);
        QVERIFY(std::isfinite(b.a.freq) && b.a.freq >= 0);
    }
}

// A method outside 0 … 3 detects nothing but still reports the attempt.
void TestAnalyseur::methodeInconnue()
{
    const Format s16{16, true, true, 1};
    Banc b(audioFormat(s16), 512, 4);
    b.a.freq = 123.0f;
    b.ecrire(frames(sine(440, 10000, 44100, 512), s16));
    QCOMPARE(b.analyses.count(), 1);
    QCOMPARE(b.a.freq, 123.0f);
}

// stop() releases the buffer and closes; start() again begins a new buffer at the next chunk's
// first byte, whatever was carried from the old stream.
void TestAnalyseur::stopPuisStart()
{
    const Format stereo{16, true, true, 2};
    Banc b(audioFormat(stereo), 512);
    b.ecrire(frames({1, 2, 3}, stereo).left(6));
    QCOMPARE(b.a.readOffset(), qint64(2));
    b.a.stop();
    QVERIFY(!b.a.isOpen());
    QVERIFY(!b.a.samples());
    QCOMPARE(b.a.nbSamples(), 0);
    QCOMPARE(b.a.write(frames({4}, stereo)), qint64(-1));

    b.a.start();
    QVERIFY(b.a.isOpen());
    QVERIFY(b.a.openMode() == QIODevice::WriteOnly);
    b.ecrire(frames({7, 8}, stereo));
    QCOMPARE(b.a.nbSamples(), 2);
    QCOMPARE(int(b.a.samples()[0]), 7);
}

namespace {

QStringList journal;

void garderMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        journal << message;
}

// readData is the device's, never called by a write-only user: a test reaches it from a subclass.
struct AnalyseurLu : Analyseur
{
    using Analyseur::Analyseur;
    using Analyseur::readData;
};

} // namespace

// The diagnostics of a capture: start, every full buffer (its level: the sine of amplitude 1000
// peaks at 999, 999/32767 = 0.030488), the method of every analysis, stop.
void TestAnalyseur::lignesDeJournal()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    journal.clear();
    const QtMessageHandler avant = qInstallMessageHandler(garderMessage);
    {
        const Format s16{16, true, true, 1};
        AnalyseurLu a(audioFormat(s16));
        a.nbPoints = 1024;
        a.methode = 2;
        a.minLevel = 0.0f;
        a.start();
        a.write(frames(sine(440, 1000, 44100, 1024), s16));
        char octet = 0;
        QCOMPARE(a.readData(&octet, 1), qint64(0));
        a.stop();
    }
    qInstallMessageHandler(avant);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const QString tout = journal.join(QLatin1Char('|'));
    int depuis = 0;
    for (const char *ligne : {"start, nbfreq  512", "audio level 0.030488", "minLevel 0", "methode 2", "dans read",
                              "analyseur stop", "analyseur stop, apres delete samples"}) {
        const int i = tout.indexOf(QLatin1String(ligne), depuis);
        QVERIFY2(i >= 0, qPrintable(QStringLiteral("\"%1\" missing after position %2 of: %3").arg(QLatin1String(ligne)).arg(depuis).arg(tout)));
        depuis = i + 1;
    }
}

// A tone streamed in chunks of about 50 ms (what the input delivers) is detected at every full
// buffer. A 440 Hz sine at 44100 Hz correlates best at lag 100: 441 Hz. The harmonic tone of
// 220.5 Hz has a period of exactly 200 samples: lag 200 and quefrency 100 give 220.5 Hz; the
// neighbouring quefrencies lie 2.2 Hz away.
void TestAnalyseur::hauteurDUnFlux_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<int>("methode");
    QTest::addColumn<int>("fenType");
    QTest::addColumn<int>("nbPoints");
    QTest::addColumn<bool>("harmoniques");
    QTest::addColumn<double>("frequence");
    QTest::addColumn<double>("attendu");
    QTest::addColumn<double>("tolerance");

    const Format s16{16, true, true, 1};
    QTest::newRow("autocorrelation 440 Hz, N 4096") << s16 << 0 << 0 << 4096 << false << 440.0 << 441.0 << 1e-3;
    QTest::newRow("autocorrelation 440 Hz, N 1024") << s16 << 0 << 0 << 1024 << false << 440.0 << 441.0 << 1e-3;
    QTest::newRow("autocorrelation 440 Hz, 8-bit unsigned") << Format{8, false, true, 1} << 0 << 0 << 2048 << false
                                                            << 440.0 << 441.0 << 1e-3;
    QTest::newRow("autocorrelation 440 Hz, 16-bit unsigned big-endian stereo")
        << Format{16, false, false, 2} << 0 << 0 << 2048 << false << 440.0 << 441.0 << 1e-3;
    QTest::newRow("HPS 440 Hz, N 4096") << s16 << 2 << 0 << 4096 << false << 440.0 << 440.0 << 2.0;
    QTest::newRow("HPS 440 Hz, N 8192, Hann") << s16 << 2 << 1 << 8192 << false << 440.0 << 440.0 << 1.0;
    QTest::newRow("autocorrelation 220.5 Hz harmonic") << s16 << 0 << 0 << 4096 << true << 220.5 << 220.5 << 1e-3;
    QTest::newRow("cepstrum 220.5 Hz harmonic, Hann") << s16 << 1 << 1 << 4096 << true << 220.5 << 220.5 << 1e-3;
    QTest::newRow("cepstrum 220.5 Hz harmonic, N 8192, Hann") << s16 << 1 << 1 << 8192 << true << 220.5 << 220.5
                                                              << 2.3;
    // The precise method brings its own window: every choice reads the same, to a thousandth of a
    // cent (0.0003 Hz at 440 Hz).
    for (int fenetre = 0; fenetre < 4; ++fenetre) {
        QTest::addRow("precise 440 Hz, N 8192, window %d", fenetre) << s16 << 3 << fenetre << 8192 << false << 440.0
                                                                   << 440.0 << 3e-4;
        QTest::addRow("precise 220.5 Hz harmonic, N 4096, window %d", fenetre) << s16 << 3 << fenetre << 4096 << true
                                                                              << 220.5 << 220.5 << 3e-4;
    }
    QTest::newRow("precise 440 Hz, 8-bit unsigned stereo") << Format{8, false, true, 2} << 3 << 1 << 8192 << false
                                                            << 440.0 << 440.0 << 0.01;
    QTest::newRow("precise 82.41 Hz, 16-bit big-endian") << Format{16, true, false, 1} << 3 << 0 << 8192 << true
                                                         << 82.41 << 82.41 << 3e-4;
}

void TestAnalyseur::hauteurDUnFlux()
{
    QFETCH(Format, format);
    QFETCH(int, methode);
    QFETCH(int, fenType);
    QFETCH(int, nbPoints);
    QFETCH(bool, harmoniques);
    QFETCH(double, frequence);
    QFETCH(double, attendu);
    QFETCH(double, tolerance);

    const int fech = 44100;
    const double amplitude = format.bits == 8 ? 100 : 10000;
    const int n = fech * 2;
    const std::vector<int> ton = harmoniques ? harmonicTone(frequence, amplitude, fech, n)
                                             : sine(frequence, amplitude, fech, n);
    const QByteArray flux = frames(ton, format);
    const int trame = format.canaux * format.bits / 8;

    Banc b(audioFormat(format, fech), nbPoints, methode);
    b.a.fenType = fenType;
    b.a.minLevel = 0.1f;
    b.a.start();
    QList<float> detectees;
    connect(&b.a, &Analyseur::analysee, this, [&] { detectees << b.a.freq; });
    const int bloc = 2205 * trame; // 50 ms
    for (int position = 0; position < flux.size(); position += bloc)
        b.ecrire(flux.mid(position, bloc));

    QVERIFY(detectees.size() >= 5);
    for (float f : detectees)
        QVERIFY2(std::fabs(f - attendu) <= tolerance, qPrintable(QString::number(double(f), 'f', 3)));
}

QTEST_GUILESS_MAIN(TestAnalyseur)
#include "tst_analyseur.moc"
