#include "app/CalculNote.h"
#include "app/MusicalNote.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestCalculNote : public QObject
{
    Q_OBJECT

private slots:
    void frequenceDeNote_data();
    void frequenceDeNote();
    void noteDeFrequence_data();
    void noteDeFrequence();
    void sansNote_data();
    void sansNote();
    void demiTonArrondiVersLeHaut_data();
    void demiTonArrondiVersLeHaut();
    void nomDeNote_data();
    void nomDeNote();
    void arrondiDuNomAuDemiCent_data();
    void arrondiDuNomAuDemiCent();
    void nomSansNoteEstVide();
};

void TestCalculNote::frequenceDeNote_data()
{
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("octave");
    QTest::addColumn<float>("alter");
    QTest::addColumn<float>("corr");
    QTest::addColumn<double>("la4");
    QTest::addColumn<QString>("attendu"); // 6 significant digits, as the window shows it

    QTest::newRow("La4") << 6 << 4 << 0.f << 0.f << 440.0 << "440";
    QTest::newRow("Do4") << 1 << 4 << 0.f << 0.f << 440.0 << "261.626";
    QTest::newRow("Ré4") << 2 << 4 << 0.f << 0.f << 440.0 << "293.665";
    QTest::newRow("Mi4") << 3 << 4 << 0.f << 0.f << 440.0 << "329.628";
    QTest::newRow("Fa4") << 4 << 4 << 0.f << 0.f << 440.0 << "349.228";
    QTest::newRow("Sol4") << 5 << 4 << 0.f << 0.f << 440.0 << "391.995";
    QTest::newRow("Si4") << 7 << 4 << 0.f << 0.f << 440.0 << "493.883";
    QTest::newRow("Si bémol 4") << 7 << 4 << -100.f << 0.f << 440.0 << "466.164";
    QTest::newRow("Do bémol 4") << 1 << 4 << -100.f << 0.f << 440.0 << "246.942";
    QTest::newRow("Mi dièze 4") << 3 << 4 << 100.f << 0.f << 440.0 << "349.228";
    QTest::newRow("Do-2") << 1 << -2 << 0.f << 0.f << 440.0 << "4.0879";
    QTest::newRow("Si10") << 7 << 10 << 0.f << 0.f << 440.0 << "31608.5";
    QTest::newRow("La4 +20 cents") << 6 << 4 << 0.f << 20.f << 440.0 << "445.113";
    QTest::newRow("La4 at A4 435") << 6 << 4 << 0.f << 0.f << 435.0 << "435";
    QTest::newRow("Sol3 at A4 442") << 5 << 3 << 0.f << 0.f << 442.0 << "196.889";
    QTest::newRow("note 0 counts as La") << 0 << 5 << 0.f << 0.f << 440.0 << "880";
}

void TestCalculNote::frequenceDeNote()
{
    QFETCH(int, note);
    QFETCH(int, octave);
    QFETCH(float, alter);
    QFETCH(float, corr);
    QFETCH(double, la4);
    QFETCH(QString, attendu);
    double f = la4;
    CFreqref(note, octave, alter, corr, &f);
    QCOMPARE(QString::number(f, 'g', 6), attendu);
}

void TestCalculNote::noteDeFrequence_data()
{
    QTest::addColumn<double>("freq");
    QTest::addColumn<float>("la4");
    QTest::addColumn<int>("semiTon");
    QTest::addColumn<int>("octave");
    QTest::addColumn<double>("cents");
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("alteration");

    QTest::newRow("440") << 440.0 << 440.f << 9 << 4 << 0.0 << 6 << 1;
    QTest::newRow("445") << 445.0 << 440.f << 9 << 4 << 19.56 << 6 << 1;
    QTest::newRow("660") << 660.0 << 440.f << 4 << 5 << 1.955 << 3 << 1;
    QTest::newRow("Do4") << 261.626 << 440.f << 0 << 4 << 0.0 << 1 << 1;
    QTest::newRow("Do bémol 4 is Si3") << 246.942 << 440.f << 11 << 3 << 0.0 << 7 << 1;
    QTest::newRow("Do dièze") << 277.183 << 440.f << 1 << 4 << 0.0 << 1 << 2;
    QTest::newRow("Mi bémol") << 311.127 << 440.f << 3 << 4 << 0.0 << 3 << 0;
    QTest::newRow("Fa dièze") << 369.994 << 440.f << 6 << 4 << 0.0 << 4 << 2;
    QTest::newRow("La bémol") << 415.305 << 440.f << 8 << 4 << 0.0 << 6 << 0;
    QTest::newRow("Si bémol") << 466.164 << 440.f << 10 << 4 << 0.0 << 7 << 0;
    QTest::newRow("10 Hz") << 10.0 << 440.f << 3 << -1 << 48.68 << 3 << 0;
    QTest::newRow("15000 Hz") << 15000.0 << 440.f << 10 << 9 << 9.578 << 7 << 0;
    QTest::newRow("below Do4 wraps to Si3") << 250.0 << 440.f << 11 << 3 << 21.31 << 7 << 1;
    QTest::newRow("A4 reference 442") << 442.0 << 442.f << 9 << 4 << 0.0 << 6 << 1;
    QTest::newRow("440 against A4 442") << 440.0 << 442.f << 9 << 4 << -7.85 << 6 << 1;
    // Exactly 350 cents above Do2 (x = −2050 cents from Do4 in double precision): half way between
    // Mi♭ and Mi, it goes up to Mi with −50 cents.
    QTest::newRow("exactly half way: Mi2 -50") << 80.060925056320286 << 440.f << 4 << 2 << -50.0 << 3 << 1;
}

void TestCalculNote::noteDeFrequence()
{
    QFETCH(double, freq);
    QFETCH(float, la4);
    QFETCH(int, semiTon);
    QFETCH(int, octave);
    QFETCH(double, cents);
    QFETCH(int, note);
    QFETCH(int, alteration);

    int s = -99, oct = -99;
    float c = -99;
    QCOMPARE(CFreqNoteOctCor(freq, &s, &oct, &c, la4), semiTon);
    QCOMPARE(s, semiTon);
    QCOMPARE(oct, octave);
    QVERIFY2(std::fabs(c - cents) < 0.01, qPrintable(QString::number(c)));
    QVERIFY(c >= -50 && c < 50);

    int n = -1, a = -1, o = -1;
    float e = -1;
    QCOMPARE(Freq2NoteOctCor(float(freq), &n, &a, &o, &e, la4), semiTon);
    QCOMPARE(n, note);
    QCOMPARE(a, alteration);
    QCOMPARE(o, octave);
}

void TestCalculNote::sansNote_data()
{
    QTest::addColumn<double>("freq");
    QTest::addColumn<float>("la4");
    QTest::newRow("zero") << 0.0 << 440.f;
    QTest::newRow("negative") << -440.0 << 440.f;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 440.f;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 440.f;
    QTest::newRow("zero reference") << 440.0 << 0.f;
}

void TestCalculNote::sansNote()
{
    QFETCH(double, freq);
    QFETCH(float, la4);
    int s = 0, oct = 0;
    float c = 1;
    const int r = CFreqNoteOctCor(freq, &s, &oct, &c, la4);
    QVERIFY(r < 0 || r > 11);
    QCOMPARE(s, r);
    QCOMPARE(c, 0.f);

    MusicalNote n(float(freq), la4);
    QCOMPARE(n.note, 0);
    QCOMPARE(n.alteration, 0);
    QCOMPARE(n.ecart, 0.f);
}

void TestCalculNote::demiTonArrondiVersLeHaut_data()
{
    QTest::addColumn<int>("demiTonsDepuisLa");
    for (int k : {-10, -1, 0, 2, 11, 14})
        QTest::newRow(qPrintable(QString::number(k))) << k;
}

// Walk the doubles across the half-way point between two semitones: the lowest frequency named
// after the upper semitone must carry −50 cents, and the one below it the lower semitone.
void TestCalculNote::demiTonArrondiVersLeHaut()
{
    QFETCH(int, demiTonsDepuisLa);
    const double milieu = 440.0 * std::pow(2.0, (demiTonsDepuisLa + 0.5) / 12.0);
    double f = milieu * (1 - 1e-12);
    int s = 0, oct = 0;
    float c = 0;
    const int bas = CFreqNoteOctCor(f, &s, &oct, &c, 440.f);
    int steps = 0;
    while (CFreqNoteOctCor(f, &s, &oct, &c, 440.f) == bas) {
        f = std::nextafter(f, 1e9);
        QVERIFY(++steps < 100000);
    }
    QCOMPARE(s, (bas + 1) % 12);
    QCOMPARE(c, -50.f);
    CFreqNoteOctCor(std::nextafter(f, 0.0), &s, &oct, &c, 440.f);
    QCOMPARE(s, bas);
    QVERIFY(c > 49.99f && c <= 50.f);
}

void TestCalculNote::nomDeNote_data()
{
    QTest::addColumn<float>("freq");
    QTest::addColumn<float>("la4");
    QTest::addColumn<QString>("nom");
    QTest::newRow("La4") << 440.f << 440.f << QString::fromUtf8("La♮4");
    QTest::newRow("660") << 660.f << 440.f << QString::fromUtf8("Mi♮5+2");
    QTest::newRow("Si bémol") << 466.164f << 440.f << QString::fromUtf8("Si♭4");
    QTest::newRow("Do dièze 3") << 138.591f << 440.f << QString::fromUtf8("Do♯3");
    QTest::newRow("flat deviation") << 430.f << 440.f << QString::fromUtf8("La♮4-40");
    QTest::newRow("low octave") << 16.3516f << 440.f << QString::fromUtf8("Do♮0");
    QTest::newRow("negative octave") << 10.f << 440.f << QString::fromUtf8("Mi♭-1+49");
    QTest::newRow("against A4 415") << 415.f << 415.f << QString::fromUtf8("La♮4");
    QTest::newRow("half way up") << 80.060925056320286f << 440.f << QString::fromUtf8("Mi♮2-50");
}

void TestCalculNote::nomDeNote()
{
    QFETCH(float, freq);
    QFETCH(float, la4);
    QFETCH(QString, nom);
    MusicalNote n(freq, la4);
    QVERIFY(n.nomNote.isEmpty());
    n.setNomNote();
    QCOMPARE(n.nomNote, nom);
}

void TestCalculNote::arrondiDuNomAuDemiCent_data()
{
    QTest::addColumn<float>("ecart");
    QTest::addColumn<QString>("nom");
    QTest::newRow("-0.5 is not shown") << -0.5f << QString::fromUtf8("La♮4");
    QTest::newRow("+0.5 shows +1") << 0.5f << QString::fromUtf8("La♮4+1");
    QTest::newRow("-0.51 shows -1") << -0.51f << QString::fromUtf8("La♮4-1");
    QTest::newRow("-49.5 shows -49") << -49.5f << QString::fromUtf8("La♮4-49");
    QTest::newRow("49.5 shows +50") << 49.5f << QString::fromUtf8("La♮4+50");
}

void TestCalculNote::arrondiDuNomAuDemiCent()
{
    QFETCH(float, ecart);
    QFETCH(QString, nom);
    MusicalNote n(440.f, 440.f);
    n.ecart = ecart;
    n.setNomNote();
    QCOMPARE(n.nomNote, nom);
}

void TestCalculNote::nomSansNoteEstVide()
{
    MusicalNote n(0.f, 440.f);
    n.nomNote = QStringLiteral("ancien");
    n.setNomNote();
    QVERIFY(n.nomNote.isEmpty());

    n.note = 9; // out of range must not index the name list
    n.setNomNote();
    QVERIFY(n.nomNote.isEmpty());
}

QTEST_APPLESS_MAIN(TestCalculNote)
#include "tst_calculnote.moc"
