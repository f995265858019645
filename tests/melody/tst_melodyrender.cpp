// The synthesis of a melody: where the notes land, how the envelope shapes them, the mix and
// its normalisation, the modal notes, cancellation, and the WAV file that "Enregistrer" writes.

#include "melody/MelodyRender.h"
#include "melody/WaveExport.h"
#include "synth/SyntheseSave.h"
#include "synth/WaveShapes.h"
#include "tests/support/Banques.h"
#include "tests/support/WavReaders.h"

#include <QtTest>

#include <cmath>

namespace {

struct Rendered
{
    std::unique_ptr<qint16[]> samples;
    qint64 count = 0;
    qint64 written = 0;

    qint16 operator[](qint64 k) const { return samples[k]; }
    int peak(qint64 from, qint64 to) const
    {
        int m = 0;
        for (qint64 k = from; k < to; ++k)
            m = std::max(m, std::abs(int(samples[k])));
        return m;
    }
};

MelodyRender melody(int forme, float tempo = 60, int fEch = 44100)
{
    MelodyRender r;
    r.forme = forme;
    r.tempo = tempo;
    r.fEch = fEch;
    return r;
}

/// Renders r with duree the end of its last note.
Rendered render(MelodyRender r)
{
    for (const MelodyRender::Note &n : qAsConst(r.notes))
        r.duree = std::max(r.duree, n.date + n.dur);
    Rendered out;
    if (r.render(&out.samples, &out.count, &out.written) != MelodyRender::Outcome::Done)
        qFatal("not rendered");
    return out;
}

MelodyRender::Note note(float date, float dur, float ampl = 1, float cents = 0, int oct = 0)
{
    MelodyRender::Note n;
    n.date = date;
    n.dur = dur;
    n.ampl = ampl;
    n.cents = cents;
    n.oct = oct;
    return n;
}

} // namespace

class TestMelodyRender : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void lengths_data();
    void lengths();
    void frequency_data();
    void frequency();
    void loneSquare();
    void shapes_data();
    void shapes();
    void envelopeRisesAndFalls();
    void flatEnvelopeHasNoHeadOrTail();
    void segmentsAndStages();
    void overlappingNotesAdd();
    void silenceStaysSilent();
    void modalNotes();
    void progressAndCancel();
    void wavFileName_data();
    void wavFileName();
    void wavFileReadBack();
};

// A 1-beat note at date 2, a square so that every one of its samples is full scale.
void TestMelodyRender::placement_data()
{
    QTest::addColumn<float>("tempo");
    QTest::addColumn<int>("fEch");
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("length");

    QTest::newRow("tempo 60 at 44100") << 60.f << 44100 << qint64(88200) << qint64(44100);
    QTest::newRow("tempo 120 at 44100") << 120.f << 44100 << qint64(44100) << qint64(22050);
    QTest::newRow("tempo 60 at 48000") << 60.f << 48000 << qint64(96000) << qint64(48000);
}

void TestMelodyRender::placement()
{
    QFETCH(float, tempo);
    QFETCH(int, fEch);
    QFETCH(qint64, first);
    QFETCH(qint64, length);
    MelodyRender r = melody(WaveShape::Square, tempo, fEch);
    r.notes = {note(2, 1)};
    const Rendered out = render(r);
    QCOMPARE(out.count, first + length);
    QCOMPARE(out.written, first + length);
    QCOMPARE(out.peak(0, first), 0);
    for (qint64 k = first; k < first + length; ++k)
        QVERIFY2(std::abs(out[k]) == 32760, qPrintable(QString::number(k)));
}

// The mix holds ⌈x⌉ samples and "Enregistrer" writes nearest(x), x = 60 / tempo × duree × fEch.
void TestMelodyRender::lengths_data()
{
    QTest::addColumn<float>("tempo");
    QTest::addColumn<float>("duree");
    QTest::addColumn<qint64>("mix");
    QTest::addColumn<qint64>("written");

    QTest::newRow("exact") << 80.f << 1.f << qint64(33075) << qint64(33075);
    QTest::newRow("below a half") << 61.f << 1.f << qint64(43378) << qint64(43377);
    QTest::newRow("above a half") << 77.f << 1.f << qint64(34364) << qint64(34364);
    QTest::newRow("empty") << 60.f << 0.f << qint64(0) << qint64(0);
}

void TestMelodyRender::lengths()
{
    QFETCH(float, tempo);
    QFETCH(float, duree);
    MelodyRender r = melody(WaveShape::Sine, tempo);
    r.duree = duree;
    QTEST(r.mixLength(), "mix");
    QTEST(r.writtenLength(), "written");
}

void TestMelodyRender::frequency_data()
{
    QTest::addColumn<float>("cents");
    QTest::addColumn<int>("oct");
    QTest::addColumn<float>("hz");

    QTest::newRow("reference") << 0.f << 0 << 440.f;
    QTest::newRow("octave") << 1200.f << 0 << 880.f;
    QTest::newRow("octave below") << 0.f << -1 << 220.f;
    QTest::newRow("fifth two octaves up") << 701.955f << 2 << 2640.f;
}

void TestMelodyRender::frequency()
{
    QFETCH(float, cents);
    QFETCH(int, oct);
    QFETCH(float, hz);
    const MelodyRender r = melody(WaveShape::Sine);
    QVERIFY(std::fabs(r.frequency(note(0, 1, 1, cents, oct)) - hz) < hz * 1e-5f);
}

void TestMelodyRender::loneSquare()
{
    MelodyRender r = melody(WaveShape::Square);
    r.notes = {note(0, 1, 0.3f)};
    const Rendered out = render(r);
    int plus = 0;
    int minus = 0;
    for (qint64 k = 0; k < out.count; ++k) {
        QVERIFY(out[k] == 32760 || out[k] == -32760);
        (out[k] > 0 ? plus : minus) += 1;
    }
    QVERIFY(std::abs(plus - minus) < 200);
}

// Each shape over one period of a note whose period is 100 samples, at u = 0, 0.1, 0.35, 0.6 and
// 0.85 of it; every shape peaks at 1, so full scale is 32760.
void TestMelodyRender::shapes_data()
{
    QTest::addColumn<int>("forme");
    QTest::addColumn<QVector<int>>("values");

    QTest::newRow("sine") << int(WaveShape::Sine) << QVector<int>{0, 19256, 26503, -19256, -26503};
    QTest::newRow("triangle") << int(WaveShape::Triangle) << QVector<int>{0, 13104, 19656, -13104, -19656};
    QTest::newRow("parabola") << int(WaveShape::Parabola) << QVector<int>{0, 20966, 27518, -20966, -27518};
    QTest::newRow("square") << int(WaveShape::Square) << QVector<int>{32760, 32760, 32760, -32760, -32760};
    QTest::newRow("ramp") << int(WaveShape::Ramp) << QVector<int>{0, 6552, 22932, -26208, -9828};
}

void TestMelodyRender::shapes()
{
    QFETCH(int, forme);
    QFETCH(QVector<int>, values);
    MelodyRender r = melody(forme);
    r.freqRef = 441;
    r.notes = {note(0, 1)};
    const Rendered out = render(r);
    const qint64 at[5] = {0, 10, 35, 60, 85};
    for (int period : {0, 200}) {
        for (int i = 0; i < 5; ++i) {
            const qint64 k = period * 100 + at[i];
            QVERIFY2(std::abs(out[k] - values[i]) <= 40, qPrintable(QStringLiteral("%1: %2").arg(k).arg(out[k])));
        }
    }
}

// One point (0.5, 1): up from 0 to full level at the middle, down to 0 at the end.
void TestMelodyRender::envelopeRisesAndFalls()
{
    MelodyRender r = melody(WaveShape::Square);
    r.enveloppe = {{0.5f, 1.0f}};
    r.notes = {note(0, 1)};
    const Rendered out = render(r);
    const qint64 n = 44100;
    QCOMPARE(out[0], qint16(0));
    QVERIFY(std::abs(std::abs(out[n / 4]) - 16380) <= 2);
    QVERIFY(std::abs(out[n / 2 - 1]) >= 32750);
    QVERIFY(std::abs(std::abs(out[3 * n / 4]) - 16380) <= 2);
    QVERIFY(std::abs(out[n - 1]) <= 2);
    // Linear: the level at a tenth of the note is a fifth of the peak.
    QVERIFY(std::abs(std::abs(out[n / 10]) - 6552) <= 2);
}

// (0, 0.2) and (1, 0.2): a gain of 0.2 from the first sample to the last, and a lone note still
// peaks at ±32760.
void TestMelodyRender::flatEnvelopeHasNoHeadOrTail()
{
    MelodyRender r = melody(WaveShape::Square);
    r.enveloppe = {{0.0f, 0.2f}, {1.0f, 0.2f}};
    r.notes = {note(0, 1)};
    const Rendered out = render(r);
    for (qint64 k = 0; k < out.count; ++k)
        QVERIFY2(std::abs(out[k]) == 32760, qPrintable(QString::number(k)));
}

// The stages straight on the mix: a head to the first point, the segments, the tail, and the
// end of the mix.
void TestMelodyRender::segmentsAndStages()
{
    const int n = 100;
    std::vector<float> ones(n, 1.0f);
    std::vector<float> mix(n, 0.0f);
    float peak = 0.01f;
    MelodyRender::addEnveloped(mix.data(), n, 0, ones.data(), n, {{0.2f, 1.0f}, {0.6f, 0.5f}}, &peak);
    QCOMPARE(mix[0], 0.0f);
    QCOMPARE(mix[10], 0.5f);     // half way up the head
    QCOMPARE(mix[20], 1.0f);     // the first point
    QCOMPARE(mix[40], 0.75f);    // half way down the segment
    QCOMPARE(mix[60], 0.5f);     // the last point
    QCOMPARE(mix[80], 0.25f);    // half way down the tail
    QVERIFY(mix[99] > 0.0f && mix[99] < 0.02f);
    QCOMPARE(peak, 1.0f);

    // A last point at 1 ends the note there: nothing after it. A point beyond 1 stops at n.
    std::fill(mix.begin(), mix.end(), 0.0f);
    peak = 0.01f;
    MelodyRender::addEnveloped(mix.data(), n, 0, ones.data(), 50, {{0.0f, 2.0f}, {1.5f, 2.0f}}, &peak);
    QCOMPARE(mix[49], 2.0f);
    QCOMPARE(mix[50], 0.0f);
    // Two points at the same time make a segment of no length, not a division by zero.
    std::fill(mix.begin(), mix.end(), 0.0f);
    MelodyRender::addEnveloped(mix.data(), n, 0, ones.data(), n, {{0.5f, 1.0f}, {0.5f, 3.0f}}, &peak);
    for (const float v : mix)
        QVERIFY(std::isfinite(v));
    QCOMPARE(mix[75], 1.5f); // the tail from the second point, 3 down to 0

    // Samples past the end of the mix are dropped.
    std::vector<float> shortMix(10, 0.0f);
    MelodyRender::addEnveloped(shortMix.data(), 10, 5, ones.data(), n, {}, &peak);
    QCOMPARE(shortMix[4], 0.0f);
    QCOMPARE(shortMix[9], 1.0f);
}

// A full-scale square (1) and a half-scale one (0.5) half a beat later: where they overlap they
// add, up to 1.5, the common peak.
void TestMelodyRender::overlappingNotesAdd()
{
    MelodyRender r = melody(WaveShape::Square);
    r.notes = {note(0, 1, 1), note(0.5f, 1, 0.5f)};
    const Rendered out = render(r);
    const qint64 half = 22050;
    for (qint64 k = 0; k < half; ++k)
        QCOMPARE(std::abs(out[k]), 21840);
    bool full = false;
    for (qint64 k = half; k < 2 * half; ++k) {
        const int v = std::abs(out[k]);
        QVERIFY(v == 32760 || v == 10920);
        full = full || v == 32760;
    }
    QVERIFY(full);
    for (qint64 k = 2 * half; k < 3 * half; ++k)
        QCOMPARE(std::abs(out[k]), 10920);
}

void TestMelodyRender::silenceStaysSilent()
{
    for (const int forme : {int(WaveShape::Sine), int(WaveShape::Square)}) {
        MelodyRender r = melody(forme);
        r.notes = {note(0, 1, 0), note(1, 0.5f, 0)};
        const Rendered out = render(r);
        QCOMPARE(out.count, qint64(66150));
        QCOMPARE(out.peak(0, out.count), 0);
    }
    auto bank = zibtest::modeUnique();
    MelodyRender modal = melody(WaveShape::Modal);
    modal.modele = bank.get();
    modal.notes = {note(0, 1, 0)};
    QCOMPARE(render(modal).peak(0, 44100), 0);
}

// One undamped mode rings a sine at the note's frequency; the amplitude scales the strike.
void TestMelodyRender::modalNotes()
{
    auto bank = zibtest::modeUnique();
    MelodyRender r = melody(WaveShape::Modal);
    r.modele = bank.get();
    r.notes = {note(0, 1, 1, 1200), note(1, 1, 0.5f, 1200)};
    const Rendered out = render(r);
    // 880 Hz: 1760 sign changes a second.
    int changes = 0;
    for (qint64 k = 1; k < 44100; ++k)
        changes += (out[k - 1] < 0) != (out[k] < 0);
    QVERIFY2(std::abs(changes - 1760) <= 2, qPrintable(QString::number(changes)));
    QVERIFY(out.peak(0, 44100) >= 32700);
    const double ratio = double(out.peak(44100, 88200)) / out.peak(0, 44100);
    QVERIFY2(std::fabs(ratio - 0.5) < 0.01, qPrintable(QString::number(ratio)));
    QCOMPARE(bank->nbActif, 1);
}

void TestMelodyRender::progressAndCancel()
{
    MelodyRender r = melody(WaveShape::Sine);
    r.notes = {note(0, 1), note(1, 2), note(3, 1)};
    r.duree = 4;
    QVector<qint64> seen;
    qint64 total = 0;
    std::unique_ptr<qint16[]> samples;
    qint64 count = -1;
    qint64 written = -1;
    QCOMPARE(r.render(&samples, &count, &written,
                      [&](qint64 done, qint64 all) {
                          seen.append(done);
                          total = all;
                          return true;
                      }),
             MelodyRender::Outcome::Done);
    QCOMPARE(seen, (QVector<qint64>{44100, 132300, 176400}));
    QCOMPARE(total, qint64(176400));

    // Cancelled after the second note: nothing is handed back.
    std::unique_ptr<qint16[]> previous(new qint16[3]{1, 2, 3});
    qint16 *kept = previous.get();
    count = 3;
    written = 3;
    int calls = 0;
    QCOMPARE(r.render(&previous, &count, &written, [&](qint64, qint64) { return ++calls < 2; }),
             MelodyRender::Outcome::Cancelled);
    QCOMPARE(calls, 2);
    QCOMPARE(previous.get(), kept);
    QCOMPARE(count, qint64(3));
    QCOMPARE(written, qint64(3));
}

void TestMelodyRender::wavFileName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("no extension") << "air" << "air.wav";
    QTest::newRow("extension") << "sounds/air.wav" << "sounds/air.wav";
    QTest::newRow("upper case") << "air.WAV" << "air.WAV.wav";
    QTest::newRow("dot in a folder") << "a.wav/air" << "a.wav/air.wav";
}

void TestMelodyRender::wavFileName()
{
    QFETCH(QString, typed);
    QTEST(::wavFileName(typed), "written");
}

// A rendered melody written as "Enregistrer" writes it, read back by soxi and exiftool.
void TestMelodyRender::wavFileReadBack()
{
    const QString comment = wavComment(QStringLiteral("60"), QStringLiteral("440"),
                                       QStringLiteral("Intervalles : Gamme"), 0);
    QCOMPARE(comment, QStringLiteral("Tempo : 60\nFrequence de reference : 440\nIntervalles : Gamme\n"
                                     "Forme d'onde : 0"));
    MelodyRender r = melody(WaveShape::Triangle, 61, 32000);
    r.notes = {note(0, 0.5f), note(0.5f, 0.5f, 0.5f, 386.314f)};
    Rendered out = render(r);
    QTemporaryDir dir;
    const QString path = dir.filePath(::wavFileName(QStringLiteral("air")));
    QString written = comment;
    QVERIFY(writeWavFile(path, int(out.written), float(r.fEch), out.samples.get(), &written));
    zibtest::checkWavWithReaders(path, 32000, out.written, comment);
}

QTEST_GUILESS_MAIN(TestMelodyRender)
#include "tst_melodyrender.moc"
