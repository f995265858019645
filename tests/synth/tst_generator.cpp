#include "synth/Generator.h"
#include "tests/support/Banques.h"
#include "synth/Modmod.h"
#include "synth/Sample16.h"
#include "synth/WaveShapes.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using Samples = std::vector<qint16>;

namespace {

// A bank of three damped modes of a struck bar, as the model editor builds it.
std::unique_ptr<Modmod> barre()
{
    return zibtest::banque({1.0f, 2.756f, 5.404f}, {3.0f, 8.0f, 20.0f}, {1.0f, 0.6f, 0.3f});
}


// Decodes 16-bit signed little-endian samples byte by byte.
Samples decode(const QByteArray &octets)
{
    Samples s(size_t(octets.size() / 2));
    for (size_t k = 0; k < s.size(); ++k)
        s[k] = qint16(quint16(quint8(octets[int(2 * k)])) | quint16(quint8(octets[int(2 * k + 1)])) << 8);
    return s;
}

// Every byte of one pass over the loop, read in pieces of at most maxlen bytes, checking that
// no piece is longer than 16384 bytes or crosses the loop's end.
QByteArray readLoop(Generator &gen, qint64 maxlen)
{
    QByteArray tout;
    const qint64 boucle = 2 * qint64(gen.nbEch);
    while (tout.size() < boucle) {
        QByteArray morceau(int(maxlen), '\0');
        const qint64 lu = gen.read(morceau.data(), maxlen);
        const qint64 reste = boucle - tout.size();
        if (lu != std::min({maxlen, qint64(16384), reste})) {
            qWarning() << "read of" << maxlen << "at byte" << tout.size() << "returned" << lu;
            return {};
        }
        tout.append(morceau.constData(), int(lu));
    }
    return tout;
}

Samples loopSamples(Generator &gen)
{
    return decode(readLoop(gen, 16384));
}

int largestMagnitude(const Samples &s, size_t begin, size_t end)
{
    int pic = 0;
    for (size_t k = begin; k < end && k < s.size(); ++k)
        pic = std::max(pic, std::abs(int(s[k])));
    return pic;
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void longueurDeBoucle_data();
    void longueurDeBoucle();
    void boucleVide_data();
    void boucleVide();
    void lecturesBorneesALaFinDeBoucle_data();
    void lecturesBorneesALaFinDeBoucle();
    void sinus_data();
    void sinus();
    void sinusLongCommeLaFormule_data();
    void sinusLongCommeLaFormule();
    void cretesCarreEtRampe_data();
    void cretesCarreEtRampe();
    void echantillonsPetitBoutistes();
    void tonModal_data();
    void tonModal();
    void bancSansModeSonoreJoueLeSilence();
    void updateBuffGardeLeTampon();
    void updateBuffAgranditUnTamponTropPetit();
    void updateBuffModal();
};

void TestGenerator::longueurDeBoucle_data()
{
    QTest::addColumn<float>("freq");
    QTest::addColumn<int>("fe");
    QTest::addColumn<float>("duree");
    QTest::addColumn<int>("nbEch"); // round(⌊f⌋/f · duree · fe)

    QTest::newRow("440 Hz, 44100, 1 s") << 440.f << 44100 << 1.f << 44100;
    QTest::newRow("261.63 Hz: 261 periods") << 261.63f << 44100 << 1.f << 43994;
    QTest::newRow("440 Hz, 48000, 2 s") << 440.f << 48000 << 2.f << 96000;
    QTest::newRow("1.5 Hz: one period") << 1.5f << 44100 << 1.f << 29400;
    QTest::newRow("82.41 Hz, 22050, 3 s") << 82.41f << 22050 << 3.f << 65821;
    QTest::newRow("32.7 Hz, 32000, 120 s") << 32.7f << 32000 << 120.f << 3757798;
}

void TestGenerator::longueurDeBoucle()
{
    QFETCH(float, freq);
    QFETCH(int, fe);
    QFETCH(float, duree);
    QFETCH(int, nbEch);

    Generator gen(nullptr, freq, fe, duree, 1.f, 0);
    QCOMPARE(gen.nbEch, nbEch);
    QCOMPARE(gen.loopBytes(), 2 * nbEch);
    QCOMPARE(gen.capacity(), 4 * qint64(nbEch) + 1000);
    QCOMPARE(gen.pos, 0);
}

void TestGenerator::boucleVide_data()
{
    QTest::addColumn<float>("freq");
    QTest::addColumn<int>("fe");
    QTest::addColumn<float>("duree");
    QTest::addColumn<int>("forme"); // 5: modal without a model

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("0.5 Hz: no whole period") << 0.5f << 44100 << 1.f << 0;
    QTest::newRow("0 Hz") << 0.f << 44100 << 1.f << 0;
    QTest::newRow("negative frequency") << -440.f << 44100 << 1.f << 0;
    QTest::newRow("NaN frequency") << nan << 44100 << 1.f << 0;
    QTest::newRow("infinite frequency") << inf << 44100 << 1.f << 0;
    QTest::newRow("duration 0") << 440.f << 44100 << 0.f << 0;
    QTest::newRow("negative duration") << 440.f << 44100 << -1.f << 0;
    QTest::newRow("duration too long for an int") << 440.f << 44100 << 1e30f << 0;
    QTest::newRow("NaN duration") << 440.f << 44100 << nan << 0;
    QTest::newRow("rate 0") << 440.f << 0 << 1.f << 0;
    QTest::newRow("negative rate") << 440.f << -44100 << 1.f << 0;
    QTest::newRow("shape -1") << 440.f << 44100 << 1.f << -1;
    QTest::newRow("shape 6") << 440.f << 44100 << 1.f << 6;
    QTest::newRow("modal without a model") << 440.f << 44100 << 1.f << 5;
}

void TestGenerator::boucleVide()
{
    QFETCH(float, freq);
    QFETCH(int, fe);
    QFETCH(float, duree);
    QFETCH(int, forme);

    std::unique_ptr<Generator> gen;
    if (forme == 5)
        gen = std::make_unique<Generator>(nullptr, freq, fe, duree, 1.f, static_cast<Modmod *>(nullptr));
    else
        gen = std::make_unique<Generator>(nullptr, freq, fe, duree, 1.f, forme);
    QCOMPARE(gen->loopBytes(), 0);
    QCOMPARE(gen->fillData(gen->tampon.get()), 0);
    gen->start();
    QVERIFY(gen->isOpen());
    char octets[64];
    for (int i = 0; i < 3; ++i)
        QCOMPARE(gen->read(octets, sizeof octets), qint64(0));
    QCOMPARE(gen->bytesAvailable(), qint64(0));
}

void TestGenerator::lecturesBorneesALaFinDeBoucle_data()
{
    QTest::addColumn<qint64>("maxlen");

    QTest::newRow("100000: capped at 16384") << qint64(100000);
    QTest::newRow("16384") << qint64(16384);
    QTest::newRow("3000, not dividing the loop") << qint64(3000);
    QTest::newRow("4410, dividing the loop") << qint64(4410);
}

void TestGenerator::lecturesBorneesALaFinDeBoucle()
{
    QFETCH(qint64, maxlen);

    Generator gen(nullptr, 440.f, 44100, 1.f, 1.f, 0);
    gen.start();
    QCOMPARE(gen.nbEch * 2, 88200);
    const QByteArray premier = readLoop(gen, maxlen);
    QCOMPARE(premier.size(), 88200);
    QCOMPARE(gen.pos, 0);
    // The next read starts again at byte 0, and the loop repeats as it was.
    const QByteArray second = readLoop(gen, maxlen);
    QCOMPARE(second, premier);

    // The loop is the 440 Hz sine, 440 whole periods.
    const Samples s = decode(premier);
    for (size_t n = 0; n < s.size(); n += 37)
        QVERIFY(std::abs(s[n] - 32767.0 * std::sin(2 * M_PI * 440.0 * double(n) / 44100.0)) <= 1.0);
}

void TestGenerator::sinus_data()
{
    QTest::addColumn<float>("freq");
    QTest::addColumn<int>("fe");
    QTest::addColumn<float>("amplitude");

    QTest::newRow("440 Hz full scale") << 440.f << 44100 << 1.f;
    QTest::newRow("261.63 Hz at 0.49") << 261.63f << 44100 << 0.49f;
    QTest::newRow("1000 Hz at 48000, 0.5") << 1000.f << 48000 << 0.5f;
    QTest::newRow("82.41 Hz at 22050") << 82.41f << 22050 << 1.f;
}

void TestGenerator::sinus()
{
    QFETCH(float, freq);
    QFETCH(int, fe);
    QFETCH(float, amplitude);

    Generator gen(nullptr, freq, fe, 1.f, amplitude, 0);
    gen.start();
    const Samples s = loopSamples(gen);
    QCOMPARE(int(s.size()), gen.nbEch);
    int pic = 0;
    for (size_t n = 0; n < s.size(); ++n) {
        const double attendu = 32767.0 * amplitude * std::sin(2 * M_PI * double(freq) * double(n) / fe);
        if (std::abs(s[n] - attendu) > 1.0)
            QFAIL(qPrintable(QStringLiteral("sample %1: %2, expected %3").arg(n).arg(s[n]).arg(attendu)));
        pic = std::max(pic, std::abs(int(s[n])));
    }
    QVERIFY(pic <= int(32767 * amplitude));
    QVERIFY(pic >= int(32767 * amplitude) - 2);
}

void TestGenerator::sinusLongCommeLaFormule_data()
{
    QTest::addColumn<float>("freq");
    QTest::addColumn<int>("peak");

    // 440 Hz at 48000: the phase falls on ±π/2 every 1200 samples, where the sine is exactly ±1.
    QTest::newRow("440 Hz") << 440.f << 32767;
    QTest::newRow("261.63 Hz") << 261.63f << 32766;
    QTest::newRow("15000 Hz") << 15000.f << 32767;
}

// The longest loop the main window plays, 120 s at 48000 Hz, where the phase reaches 10⁵ rad and
// more: every sample is the played sine's formula truncated.
void TestGenerator::sinusLongCommeLaFormule()
{
    QFETCH(float, freq);
    QFETCH(int, peak);

    Generator gen(nullptr, freq, 48000, 120.f, 1.f, 0);
    int highest = 0;
    int lowest = 0;
    for (int n = 0; n < gen.nbEch; ++n) {
        const qint16 s = qFromLittleEndian<qint16>(gen.tampon.get() + 2 * qint64(n));
        const qint16 attendu = toSample16(playbackSine(1.f, freq, 48000.f, n));
        if (s != attendu)
            QFAIL(qPrintable(QStringLiteral("sample %1: %2, expected %3").arg(n).arg(s).arg(attendu)));
        highest = std::max(highest, int(s));
        lowest = std::min(lowest, int(s));
    }
    // Full scale both ways: a tone at amplitude 1 reaches +32767 and −32767, never −32768.
    QCOMPARE(highest, peak);
    QCOMPARE(lowest, -peak);
}

void TestGenerator::cretesCarreEtRampe_data()
{
    QTest::addColumn<int>("forme");
    QTest::addColumn<float>("amplitude");
    QTest::addColumn<int>("crete");

    // 441 Hz at 44100: 100 samples a period, one of them at the half period.
    QTest::newRow("square, amplitude 1: 32767·0.5") << 3 << 1.f << 16383;
    QTest::newRow("square, amplitude 0.49") << 3 << 0.49f << 8027;
    QTest::newRow("ramp, amplitude 1: 32767·0.7") << 4 << 1.f << 22936;
    QTest::newRow("ramp, amplitude 0.49") << 4 << 0.49f << 11239;
}

void TestGenerator::cretesCarreEtRampe()
{
    QFETCH(int, forme);
    QFETCH(float, amplitude);
    QFETCH(int, crete);

    Generator gen(nullptr, 441.f, 44100, 1.f, amplitude, forme);
    gen.start();
    const Samples s = loopSamples(gen);
    QCOMPARE(int(s.size()), 44100);
    QCOMPARE(largestMagnitude(s, 0, s.size()), crete);
    if (forme == 3) {
        QCOMPARE(int(s[0]), crete);
        for (size_t n = 0; n < s.size(); ++n)
            QVERIFY(std::abs(int(s[n])) == crete);
        QCOMPARE(int(s[75]), -crete);
    } else {
        QCOMPARE(int(s[0]), 0);
        QVERIFY(s[25] > 0 && s[75] < 0);
    }
}

void TestGenerator::echantillonsPetitBoutistes()
{
    // A square of ±300: +300 on the first half period, −300 on the second.
    Generator gen(nullptr, 441.f, 44100, 1.f, 600.5f / 32767.f, 3);
    QCOMPARE(quint8(gen.tampon[0]), quint8(0x2C));
    QCOMPARE(quint8(gen.tampon[1]), quint8(0x01));
    QCOMPARE(quint8(gen.tampon[2 * 75]), quint8(0xD4));
    QCOMPARE(quint8(gen.tampon[2 * 75 + 1]), quint8(0xFE));
}

void TestGenerator::tonModal_data()
{
    QTest::addColumn<float>("freq");
    QTest::addColumn<float>("duree");
    QTest::addColumn<float>("amplitude");
    QTest::addColumn<int>("fenetre");

    QTest::newRow("220 Hz at 0.49: two periods, 401 samples") << 220.f << 1.f << 0.49f << 401;
    QTest::newRow("440 Hz full scale: 200 samples") << 440.f << 1.f << 1.f << 200;
    QTest::newRow("61.7 Hz at 0.49: 1430 samples") << 61.7f << 2.f << 0.49f << 1430;
    // 441 samples, less than one and a half periods (661.5): the whole loop is measured.
    QTest::newRow("100 Hz over 10 ms: the whole loop") << 100.f << 0.01f << 0.49f << 441;
}

void TestGenerator::tonModal()
{
    QFETCH(float, freq);
    QFETCH(float, duree);
    QFETCH(float, amplitude);
    QFETCH(int, fenetre);
    const int fe = 44100;

    auto modele = barre();
    Generator gen(nullptr, freq, fe, duree, amplitude, modele.get());
    QCOMPARE(gen.forme, 5);
    QCOMPARE(modele->nbActif, 3);
    gen.start();
    const Samples s = loopSamples(gen);
    QCOMPARE(int(s.size()), gen.nbEch);
    const int crete = int(30000 * amplitude); // 14700 at 0.49
    QCOMPARE(largestMagnitude(s, 0, size_t(fenetre)), crete);

    // The loop is the bank struck once, sample by sample, scaled to that peak.
    auto reference = barre();
    reference->normalise(float(std::sqrt(2 * M_PI * freq)));
    reference->initialiseImp(float(fe));
    reference->oscils(freq, fe);
    std::vector<float> y(std::max(s.size(), size_t(fenetre)));
    for (float &v : y)
        reference->actualise(&v);
    float pic = 0;
    for (int k = 0; k < fenetre; ++k)
        pic = std::max(pic, std::fabs(y[size_t(k)]));
    // The block step sums in another order: float rounding in the ring drifts by a few units.
    const double tolerance = 1.0 + 1e-3 * crete;
    for (size_t k = 0; k < s.size(); ++k) {
        const double attendu = double(y[k]) * crete / pic;
        if (std::abs(s[k] - attendu) > tolerance)
            QFAIL(qPrintable(QStringLiteral("sample %1: %2, expected %3").arg(k).arg(s[k]).arg(attendu)));
    }
    // A struck sound that dies away: the last tenth of a 1 s loop is far below its peak.
    if (duree >= 1.f)
        QVERIFY(largestMagnitude(s, s.size() * 9 / 10, s.size()) < crete / 4);
}

void TestGenerator::bancSansModeSonoreJoueLeSilence()
{
    // 22000 Hz is above 0.48·44100: the only mode is silent, the peak is 0.
    auto modele = zibtest::modeUnique();
    Generator gen(nullptr, 22000.f, 44100, 1.f, 1.f, modele.get());
    QCOMPARE(modele->nbActif, 0);
    QCOMPARE(gen.loopBytes(), 2 * 44100);
    gen.start();
    const Samples s = loopSamples(gen);
    QCOMPARE(int(s.size()), 44100);
    QCOMPARE(largestMagnitude(s, 0, s.size()), 0);
}

void TestGenerator::updateBuffGardeLeTampon()
{
    Generator gen(nullptr, 440.f, 44100, 1.f, 1.f, 0);
    gen.start();
    char octets[1000];
    QCOMPARE(gen.read(octets, sizeof octets), qint64(sizeof octets));
    const char *tampon = gen.tampon.get();
    const qint64 place = gen.capacity();

    gen.freq = 261.63f;
    gen.amplitude = 0.5f;
    gen.updateBuff();
    QCOMPARE(gen.nbEch, 43994);
    QCOMPARE(gen.loopBytes(), 2 * 43994);
    QCOMPARE(gen.pos, 0);
    QCOMPARE(gen.tampon.get(), tampon);
    QCOMPARE(gen.capacity(), place);

    const Samples s = loopSamples(gen);
    QCOMPARE(int(s.size()), 43994);
    for (size_t n = 0; n < s.size(); n += 13)
        QVERIFY(std::abs(s[n] - 16383.5 * std::sin(2 * M_PI * double(261.63f) * double(n) / 44100.0)) <= 1.0);
}

void TestGenerator::updateBuffAgranditUnTamponTropPetit()
{
    // Below 1 Hz the loop is empty and its room only 1000 bytes; 440 Hz needs 88200.
    Generator gen(nullptr, 0.5f, 44100, 1.f, 1.f, 3);
    QCOMPARE(gen.nbEch, 0);
    QCOMPARE(gen.capacity(), qint64(1000));
    gen.freq = 441.f;
    gen.updateBuff();
    QCOMPARE(gen.nbEch, 44100);
    QVERIFY(gen.capacity() >= 88200);
    gen.start();
    const Samples s = loopSamples(gen);
    QCOMPARE(int(s.size()), 44100);
    for (size_t n = 0; n < s.size(); ++n)
        QVERIFY(s[n] == ((n % 100) < 50 ? 16383 : -16383) || (n % 50) == 0);
}

void TestGenerator::updateBuffModal()
{
    auto modele = barre();
    Generator gen(nullptr, 220.f, 44100, 1.f, 1.f, modele.get());
    gen.freq = 330.f;
    gen.amplitude = 0.49f;
    gen.updateBuff();
    QCOMPARE(gen.nbEch, 44100);
    QCOMPARE(modele->oscil[0].freq, 330.f);
    gen.start();
    const Samples s = loopSamples(gen);
    // Two periods of 330 Hz: 267 samples.
    QCOMPARE(largestMagnitude(s, 0, 267), 14700);
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
