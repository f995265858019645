#include "synth/Modmod.h"
#include "tests/support/Banques.h"
#include "synth/SyntheseSave.h"
#include "tests/support/FailedWrite.h"
#include "tests/support/FailingFolder.h"
#include "tests/support/WavReaders.h"

#include "tests/support/FileSizeLimit.h"

#include <QtTest>

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>


#include <cmath>
#include <memory>
#include <vector>

using Samples = std::vector<short>;
Q_DECLARE_METATYPE(Samples)

namespace {

quint32 u32(const QByteArray &b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16
           | quint32(quint8(b[at + 3])) << 24;
}

quint16 u16(const QByteArray &b, int at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Samples of a file written by ecritHeadFlux, found through its own size fields.
Samples samplesOf(const QByteArray &b)
{
    const int l = int(u32(b, 68));
    const int n = int(u32(b, 76 + l)) / 2;
    Samples s(n);
    for (int k = 0; k < n; ++k)
        s[k] = short(u16(b, 80 + l + 2 * k));
    return s;
}

using zibtest::banque;
using zibtest::modeUnique;

const QByteArray kAncien("ancien contenu");

} // namespace

class TestSyntheseSave : public QObject
{
    Q_OBJECT

private slots:
    void entete_data();
    void entete();
    void sinus440UneSeconde();
    void formesDuFichier_data();
    void formesDuFichier();
    void nombreDEchantillons_data();
    void nombreDEchantillons();
    void gainModal_data();
    void gainModal();
    void picDeExactement32676EstEcrit();
    void fenetreDeMesure_data();
    void fenetreDeMesure();
    void fenetrePlusLongueQueLeSon();
    void apresLaFenetreLaSaturationEstBornee();
    void sansModeSonoreRienNeDiviseParZero();
    void ecritureImpossible();
    void echecDEcritureGardeLAncienFichier();
    void failedWrites_data();
    void failedWrites();
    void saturationGardeLAncienFichier();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
};

void TestSyntheseSave::entete_data()
{
    QTest::addColumn<Samples>("donnees");
    QTest::addColumn<float>("freqEch");
    QTest::addColumn<QString>("commentaire");
    QTest::addColumn<int>("l"); // comment length after padding
    QTest::addColumn<int>("debit"); // byte rate

    const QString c40 = QStringLiteral("Fondamental Frequency : 440 Wave Shape 0");
    const QString c41 = QStringLiteral("Frequence Fondamentale : 261.626 et 1 de +");
    QTest::newRow("empty comment") << Samples{1, 2, 3} << 44100.f << QString() << 0 << 88200;
    QTest::newRow("40 characters") << Samples{0, -1} << 44100.f << c40 << 40 << 88200;
    QTest::newRow("41 characters padded to 42") << Samples{7} << 44100.f << c41.left(41) << 42 << 88200;
    QTest::newRow("22050 Hz") << Samples{-300, 300} << 22050.f << QStringLiteral("ab") << 2 << 44100;
    QTest::newRow("48000 Hz, extremes") << Samples{-32768, 32767, 0, -1} << 48000.f << QStringLiteral("x") << 2 << 96000;
    QTest::newRow("fractional rate truncated") << Samples{5} << 22050.7f << QString() << 0 << 44101;
    QTest::newRow("no sample") << Samples{} << 32000.f << QStringLiteral("vide") << 4 << 64000;
}

void TestSyntheseSave::entete()
{
    QFETCH(Samples, donnees);
    QFETCH(float, freqEch);
    QFETCH(QString, commentaire);
    QFETCH(int, l);
    QFETCH(int, debit);

    const int n = int(donnees.size());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QDataStream flux(&buffer);
    flux.setByteOrder(QDataStream::BigEndian); // the writer must set the order itself
    QString c = commentaire;
    QVERIFY(ecritHeadFlux(&flux, n, freqEch, donnees.data(), &c));
    QCOMPARE(c.size(), l); // the caller's string receives the padding
    QVERIFY(c.startsWith(commentaire));

    const QByteArray b = buffer.data();
    QCOMPARE(b.size(), 80 + l + 2 * n);
    QCOMPARE(b.mid(0, 4), QByteArray("RIFF"));
    QCOMPARE(u32(b, 4), quint32(72 + l + 2 * n));
    QCOMPARE(b.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(u32(b, 16), 16u);
    QCOMPARE(u16(b, 20), quint16(1));
    QCOMPARE(u16(b, 22), quint16(1));
    QCOMPARE(u32(b, 24), quint32(freqEch));
    QCOMPARE(u32(b, 28), quint32(debit));
    QCOMPARE(u16(b, 32), quint16(2));
    QCOMPARE(u16(b, 34), quint16(16));
    QCOMPARE(b.mid(36, 4), QByteArray("LIST"));
    QCOMPARE(u32(b, 40), quint32(l + 28));
    QCOMPARE(b.mid(44, 12), QByteArray("INFOIART\x08\0\0\0", 12));
    QCOMPARE(b.mid(56, 8), QByteArray("ZIB 0.10"));
    QCOMPARE(b.mid(64, 4), QByteArray("ICMT"));
    QCOMPARE(u32(b, 68), quint32(l));
    QCOMPARE(b.mid(72, l), (commentaire + QString(l - commentaire.size(), QLatin1Char(' '))).toLatin1());
    QCOMPARE(b.mid(72 + l, 4), QByteArray("data"));
    QCOMPARE(u32(b, 76 + l), quint32(2 * n));
    QCOMPARE(samplesOf(b), donnees);
    if (QTest::currentDataTag() == QByteArray("22050 Hz"))
        QCOMPARE(b.mid(80 + l, 2), QByteArray("\xD4\xFE")); // −300, low byte first

    const QString fichier = path(QStringLiteral("entete_%1.wav").arg(QTest::currentDataTag()));
    QString c2 = commentaire;
    QVERIFY(writeWavFile(fichier, n, freqEch, donnees.data(), &c2));
    QCOMPARE(readAll(fichier), b);
    zibtest::checkWavWithReaders(fichier, int(freqEch), n, commentaire);
}

void TestSyntheseSave::sinus440UneSeconde()
{
    const QString fichier = path(QStringLiteral("sinus440.wav"));
    QVERIFY(syntheseSave(440.f, 1.f, 0, 44100.f, &fichier));
    const QByteArray b = readAll(fichier);
    QCOMPARE(b.size(), 88320);
    QCOMPARE(u32(b, 4), 88312u);
    QCOMPARE(u32(b, 68), 40u);
    QCOMPARE(u32(b, 116), 88200u);
    const Samples s = samplesOf(b);
    QCOMPARE(s[0], short(0));
    const auto mm = std::minmax_element(s.begin(), s.end());
    QVERIFY2(std::abs(*mm.second - 32521) <= 3, qPrintable(QString::number(*mm.second)));
    QVERIFY2(std::abs(*mm.first + 32521) <= 3, qPrintable(QString::number(*mm.first)));
    zibtest::checkWavWithReaders(fichier, 44100, 44100, QStringLiteral("Fondamental Frequency : 440 Wave Shape 0"));
}

void TestSyntheseSave::formesDuFichier_data()
{
    QTest::addColumn<int>("forme");
    QTest::addColumn<int>("haut"); // largest sample, inclusive range [haut − ecart, haut]
    QTest::addColumn<int>("bas");  // smallest sample, inclusive range [bas, bas + ecart]
    QTest::addColumn<int>("ecart");

    QTest::newRow("square") << 3 << 25600 << -25600 << 0;
    QTest::newRow("ramp") << 4 << 28799 << -28800 << 3;
    QTest::newRow("triangle") << 1 << 32767 << -32767 << 3;
    QTest::newRow("parabola") << 2 << 32000 << -32000 << 3;
    QTest::newRow("sine") << 0 << 32500 << -32500 << 1;
    QTest::newRow("unknown code writes silence") << 9 << 0 << 0 << 0;
}

void TestSyntheseSave::formesDuFichier()
{
    QFETCH(int, forme);
    QFETCH(int, haut);
    QFETCH(int, bas);
    QFETCH(int, ecart);

    // 1 Hz over two seconds: every peak is reached to within a few units.
    const QString fichier = path(QStringLiteral("forme%1.wav").arg(forme));
    QVERIFY(syntheseSave(1.f, 2.f, forme, 44100.f, &fichier));
    const Samples s = samplesOf(readAll(fichier));
    QCOMPARE(int(s.size()), 88200);
    const auto mm = std::minmax_element(s.begin(), s.end());
    QVERIFY2(*mm.second <= haut && *mm.second >= haut - ecart, qPrintable(QString::number(*mm.second)));
    QVERIFY2(*mm.first >= bas && *mm.first <= bas + ecart, qPrintable(QString::number(*mm.first)));
    if (forme == 3) {
        // Only ±25600, high for the first half of each period: three changes of sign over two
        // periods (the single-precision phase moves the edges by a few dozen samples).
        int hauts = 0, changements = 0;
        for (int k = 0; k < 88200; ++k) {
            QVERIFY(s[k] == 25600 || s[k] == -25600);
            hauts += s[k] > 0 ? 1 : 0;
            changements += (k > 0 && s[k] != s[k - 1]) ? 1 : 0;
        }
        QCOMPARE(s[0], short(25600));
        QCOMPARE(changements, 3);
        QVERIFY2(std::abs(hauts - 44100) <= 200, qPrintable(QString::number(hauts)));
    }
    zibtest::checkWavWithReaders(fichier, 44100, 88200,
                     QStringLiteral("Fondamental Frequency : 1 Wave Shape %1").arg(forme));
}

void TestSyntheseSave::nombreDEchantillons_data()
{
    QTest::addColumn<float>("duree");
    QTest::addColumn<float>("freqEch");
    QTest::addColumn<int>("n");

    QTest::newRow("half a second at 22050") << 0.5f << 22050.f << 11025;
    QTest::newRow("2.5 s at 32000") << 2.5f << 32000.f << 80000;
    QTest::newRow("one second at 48000") << 1.f << 48000.f << 48000;
    QTest::newRow("rounded up from 44.1") << 0.001f << 44100.f << 44;
    QTest::newRow("half away from zero: 5512.5") << 0.25f << 22050.f << 5513;
    QTest::newRow("nothing") << 0.00001f << 44100.f << 0;
}

void TestSyntheseSave::nombreDEchantillons()
{
    QFETCH(float, duree);
    QFETCH(float, freqEch);
    QFETCH(int, n);

    const QString fichier = path(QStringLiteral("n%1.wav").arg(n));
    QVERIFY(syntheseSave(261.6256f, duree, 2, freqEch, &fichier));
    const QByteArray b = readAll(fichier);
    QCOMPARE(b.size(), 80 + 44 + 2 * n);
    zibtest::checkWavWithReaders(fichier, int(freqEch), n, QStringLiteral("Fondamental Frequency : 261.626 Wave Shape 2"));
}

void TestSyntheseSave::gainModal_data()
{
    QTest::addColumn<int>("volumeDb");
    QTest::addColumn<double>("gain");
    QTest::addColumn<bool>("ecrit");

    // One undamped mode of ratio 1 rings at about 1.0: the peak is about the gain.
    QTest::newRow("0 dB") << 0 << 25000.0 << true;
    QTest::newRow("-6 dB") << -6 << 12529.7 << true;
    QTest::newRow("+2 dB") << 2 << 31472.1 << true;
    QTest::newRow("+3 dB refused") << 3 << 35313.4 << false;
    QTest::newRow("+6 dB refused") << 6 << 49881.3 << false;
}

void TestSyntheseSave::gainModal()
{
    QFETCH(int, volumeDb);
    QFETCH(double, gain);
    QFETCH(bool, ecrit);

    // The same bank stepped one sample at a time over the 151-sample window at 440 Hz.
    auto reference = modeUnique(1.f);
    reference->normalise(float(std::sqrt(2.0 * M_PI * 440.0)));
    reference->initialiseImp(44100.f);
    reference->oscils(440.f, 44100);
    std::vector<float> sortie(151);
    double max = 0;
    for (float &y : sortie) {
        reference->actualise(&y);
        max = std::max(max, double(std::fabs(y)));
    }
    QVERIFY(std::fabs(max - 1.0) < 0.01);

    const QString fichier = path(QStringLiteral("gain%1.wav").arg(volumeDb));
    auto m = modeUnique(1.f);
    bool fait = !ecrit;
    const float pic = syntheseSave(440.f, 0.5f, m.get(), 44100.f, &fichier, volumeDb, &fait);
    QVERIFY2(std::fabs(pic - gain * max) < 1e-4 * gain, qPrintable(QString::number(pic)));
    QCOMPARE(fait, ecrit);
    QCOMPARE(QFile::exists(fichier), ecrit);
    if (!ecrit)
        return;
    const Samples s = samplesOf(readAll(fichier));
    QCOMPARE(int(s.size()), 22050);
    for (int k = 0; k < 151; ++k)
        QVERIFY2(std::abs(s[k] - gain * sortie[k]) <= 1.5, qPrintable(QString::number(k)));
    zibtest::checkWavWithReaders(fichier, 44100, 22050, QStringLiteral("Frequence Fondamentale : 440"));
}

void TestSyntheseSave::picDeExactement32676EstEcrit()
{
    // Mode 0 (ratio 1, weight 1) sounds; mode 1 lies above 0.48·fe and is silent, but its weight
    // v takes its share of the normalisation, so the peak falls smoothly as v grows. At +3 dB
    // (gain 35313) search v for a peak of exactly 32676.
    auto picPour = [this](float v, bool *ecrit) {
        auto m = banque({1.f, 100.f}, {0.f, 0.f}, {1.f, v});
        const QString fichier = path(QStringLiteral("recherche.wav"));
        return syntheseSave(440.f, 0.01f, m.get(), 44100.f, &fichier, 3, ecrit);
    };
    float fort = 0.f, faible = 1.f;
    bool ecrit = false;
    QVERIFY(picPour(fort, &ecrit) > kSaturationPeak && picPour(faible, &ecrit) < kSaturationPeak);
    float v = fort;
    for (int i = 0; i < 200 && picPour(v, &ecrit) != kSaturationPeak; ++i) {
        v = fort + (faible - fort) / 2;
        if (v == fort || v == faible)
            break;
        (picPour(v, &ecrit) > kSaturationPeak ? fort : faible) = v;
    }
    QVERIFY2(picPour(v, &ecrit) == kSaturationPeak, qPrintable(QString::number(picPour(v, &ecrit), 'f', 4)));

    const QString fichier = path(QStringLiteral("pic32676.wav"));
    auto m = banque({1.f, 100.f}, {0.f, 0.f}, {1.f, v});
    QVERIFY(syntheseSave(440.f, 0.5f, m.get(), 44100.f, &fichier, 3, &ecrit) == 32676.0f);
    QVERIFY(ecrit);
    zibtest::checkWavWithReaders(fichier, 44100, 22050, QStringLiteral("Frequence Fondamentale : 440"));

    // A little louder and the file is refused.
    auto plusFort = banque({1.f, 100.f}, {0.f, 0.f}, {1.f, v * 0.999f});
    const QString refuse = path(QStringLiteral("pic32676plus.wav"));
    QVERIFY(syntheseSave(440.f, 0.5f, plusFort.get(), 44100.f, &refuse, 3, &ecrit) > kSaturationPeak);
    QVERIFY(!ecrit);
    QVERIFY(!QFile::exists(refuse));
}

// Running peak of gain·output of the bank stepped one sample at a time, prepared as the modal
// rendering prepares it: peaks[k] is the peak over the first k + 1 samples.
static std::vector<double> runningPeaks(Modmod &m, float fond, float fe, double gain, int count)
{
    m.normalise(float(std::sqrt(2.0 * M_PI * fond)));
    m.initialiseImp(fe);
    m.oscils(fond, int(fe));
    std::vector<double> peaks(count);
    double pic = 0;
    for (int k = 0; k < count; ++k) {
        float y = 0;
        m.actualise(&y);
        pic = std::max(pic, std::fabs(gain * y));
        peaks[k] = pic;
    }
    return peaks;
}

void TestSyntheseSave::fenetreDeMesure_data()
{
    QTest::addColumn<float>("fond");
    QTest::addColumn<float>("freqEch");
    QTest::addColumn<int>("fenetre");

    QTest::newRow("440 Hz at 44100: 150.34") << 440.f << 44100.f << 151;
    QTest::newRow("441 Hz at 44100: exactly 150") << 441.f << 44100.f << 150;
    QTest::newRow("440 Hz at 48000: 163.64") << 440.f << 48000.f << 164;
    QTest::newRow("1000 Hz at 44100: 66.15") << 1000.f << 44100.f << 67;
    QTest::newRow("1 Hz at 22050: the 16-bit counter stops at 32767") << 1.f << 22050.f << 32767;
}

void TestSyntheseSave::fenetreDeMesure()
{
    QFETCH(float, fond);
    QFETCH(float, freqEch);
    QFETCH(int, fenetre);

    // A mode of ratio 0.001 rises steadily for far longer than the window: the peak tells how
    // many samples the window held.
    auto m = modeUnique(0.001f);
    const QString fichier = path(QStringLiteral("fenetre.wav"));
    bool ecrit = false;
    const double pic = syntheseSave(fond, 2.f, m.get(), freqEch, &fichier, -20, &ecrit);
    QVERIFY(ecrit);

    auto reference = modeUnique(0.001f);
    const std::vector<double> peaks = runningPeaks(*reference, fond, freqEch, 2500.0, fenetre + 1);
    const double attendu = peaks[fenetre - 1];
    const double pas = std::min(attendu - peaks[fenetre - 2], peaks[fenetre] - attendu);
    QVERIFY(pas > 0);
    QVERIFY2(std::fabs(pic - attendu) < pas / 2,
             qPrintable(QStringLiteral("%1 against %2 for %3 samples").arg(pic).arg(attendu).arg(fenetre)));
}

void TestSyntheseSave::fenetrePlusLongueQueLeSon()
{
    // 1 ms at 44100 Hz is 44 samples; the peak is still measured over 151.
    auto m = modeUnique(0.001f);
    const QString fichier = path(QStringLiteral("court.wav"));
    bool ecrit = false;
    const double pic = syntheseSave(440.f, 0.001f, m.get(), 44100.f, &fichier, -20, &ecrit);
    auto reference = modeUnique(0.001f);
    const std::vector<double> peaks = runningPeaks(*reference, 440.f, 44100.f, 2500.0, 151);
    QVERIFY2(std::fabs(pic - peaks[150]) < 1e-4 * peaks[150], qPrintable(QString::number(pic)));
    QVERIFY(ecrit);
    const Samples s = samplesOf(readAll(fichier));
    QCOMPARE(int(s.size()), 44);
    QVERIFY(std::abs(s[43] - peaks[43]) <= 1.5);
    zibtest::checkWavWithReaders(fichier, 44100, 44, QStringLiteral("Frequence Fondamentale : 440"));
}

void TestSyntheseSave::apresLaFenetreLaSaturationEstBornee()
{
    // The slow mode goes on rising long after the window, far beyond the 16-bit range: the
    // samples must stop at 32767, never wrap to negative values.
    auto m = modeUnique(0.001f);
    const QString fichier = path(QStringLiteral("monte.wav"));
    bool ecrit = false;
    syntheseSave(440.f, 0.5f, m.get(), 44100.f, &fichier, -20, &ecrit);
    QVERIFY(ecrit);
    const Samples s = samplesOf(readAll(fichier));
    QCOMPARE(int(s.size()), 22050);
    for (int k = 1; k < 22050; ++k)
        if (s[k] < s[k - 1])
            QFAIL(qPrintable(QStringLiteral("sample %1 falls from %2 to %3").arg(k).arg(s[k - 1]).arg(s[k])));
    QCOMPARE(s.back(), short(32767));
}

void TestSyntheseSave::sansModeSonoreRienNeDiviseParZero()
{
    const QString fichier = path(QStringLiteral("muet.wav"));
    bool ecrit = false;
    // The only mode lies above 0.48·fe.
    auto aigu = modeUnique(60.f);
    QCOMPARE(syntheseSave(440.f, 0.1f, aigu.get(), 44100.f, &fichier, 0, &ecrit), 0.0f);
    QVERIFY(ecrit);
    for (short v : samplesOf(readAll(fichier)))
        QCOMPARE(v, short(0));
    zibtest::checkWavWithReaders(fichier, 44100, 4410, QStringLiteral("Frequence Fondamentale : 440"));

    // All weights 0: the normalisation has nothing to scale.
    auto sansPoids = banque({1.f, 2.f}, {0.f, 0.f}, {0.f, 0.f});
    QCOMPARE(syntheseSave(440.f, 0.1f, sansPoids.get(), 44100.f, &fichier, 0, &ecrit), 0.0f);
    QVERIFY(ecrit);
    QVERIFY(!std::isnan(sansPoids->poids[0]));
}

void TestSyntheseSave::ecritureImpossible()
{
    // The parent of the file is a regular file: no one, not even root, can create it.
    const QString parent = path(QStringLiteral("pas_un_dossier"));
    {
        QFile f(parent);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    for (const QString &fichier : {parent + QStringLiteral("/son.wav"),
                                   path(QStringLiteral("absent/son.wav"))}) {
        QVERIFY(!syntheseSave(440.f, 1.f, 0, 44100.f, &fichier));
        auto m = modeUnique(1.f);
        bool ecrit = true;
        const float pic = syntheseSave(440.f, 1.f, m.get(), 44100.f, &fichier, 0, &ecrit);
        QVERIFY(!ecrit);
        QVERIFY(std::fabs(pic - 25000.f) < 100.f); // the peak is still reported
        QVERIFY(!QFile::exists(fichier));
    }
    QString vide;
    QVERIFY(!writeWavFile(QString(), 0, 44100.f, nullptr, &vide));
    QVERIFY(!syntheseSave(440.f, 1.f, 0, 44100.f, nullptr));
}

void TestSyntheseSave::echecDEcritureGardeLAncienFichier()
{
    const QString fichier = path(QStringLiteral("existant.wav"));
    auto ecrisAncien = [&] {
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kAncien);
    };
    ecrisAncien();
    {
        // 10 kB may be written by this process: one second of sound (88 kB) fails part-way.
        zibtest::FileSizeLimit limite(10000);
        QVERIFY(!syntheseSave(440.f, 1.f, 0, 44100.f, &fichier));
        auto m = modeUnique(1.f);
        bool ecrit = true;
        syntheseSave(440.f, 1.f, m.get(), 44100.f, &fichier, 0, &ecrit);
        QVERIFY(!ecrit);
    }
    QCOMPARE(readAll(fichier), kAncien);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("existant.wav*")}, QDir::Files),
             QStringList{QStringLiteral("existant.wav")});

    // Without the limit the same call replaces the file.
    QVERIFY(syntheseSave(440.f, 1.f, 0, 44100.f, &fichier));
    QCOMPARE(readAll(fichier).size(), 88320);
}

void TestSyntheseSave::failedWrites_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("large");
    QTest::addColumn<int>("failure");
    QTest::addColumn<double>("fraction");
    for (const char *writer : {"writeWavFile", "sine", "modal"}) {
        // The rows of addFailedWriteRows, once per writer.
        const struct { const char *name; int failure; double fraction; } rows[] = {
            {"disk full at once", zibtest::FailingFolder::Full, 0.0},
            {"disk full half-way", zibtest::FailingFolder::Full, 0.5},
            {"disk full in the last bytes", zibtest::FailingFolder::Full, 1.0},
            {"read-only folder", zibtest::FailingFolder::ReadOnly, 0.0},
        };
        for (const bool large : {false, true}) {
            for (const auto &row : rows)
                QTest::addRow("%s, %s, %s", writer, large ? "large file" : "small file", row.name)
                    << QString::fromLatin1(writer) << large << row.failure << row.fraction;
        }
    }
}

// A full disk at every stage of the file, and a folder that cannot be written, for the three
// ways a WAV file is written: the melody's samples, the main window's waveforms and its modal
// synthesis (which writes as it renders).
void TestSyntheseSave::failedWrites()
{
    QFETCH(QString, writer);
    QFETCH(bool, large);
    // 2 kB or 100 kB of samples.
    const float seconds = large ? 1.1f : 0.02f;
    std::vector<short> samples(std::size_t(seconds * 44100));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = short((i * 37) % 20000);
    const auto modele = modeUnique(1.f);
    zibtest::checkFailedWrite(QStringLiteral("son.wav"), [&](const QString &fichier) {
        if (writer == QLatin1String("writeWavFile")) {
            QString comment = QStringLiteral("Tempo : 60");
            return writeWavFile(fichier, int(samples.size()), 44100.f, samples.data(), &comment);
        }
        if (writer == QLatin1String("sine"))
            return syntheseSave(440.f, seconds, 0, 44100.f, &fichier);
        bool ecrit = false;
        syntheseSave(440.f, seconds, modele.get(), 44100.f, &fichier, 0, &ecrit);
        return ecrit;
    });
}

void TestSyntheseSave::saturationGardeLAncienFichier()
{
    const QString fichier = path(QStringLiteral("sature.wav"));
    {
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kAncien);
    }
    auto m = modeUnique(1.f);
    bool ecrit = true;
    QVERIFY(syntheseSave(440.f, 1.f, m.get(), 44100.f, &fichier, 3, &ecrit) > kSaturationPeak);
    QVERIFY(!ecrit);
    QCOMPARE(readAll(fichier), kAncien);
}

QTEST_GUILESS_MAIN(TestSyntheseSave)
#include "tst_synthesesave.moc"
