// What a cell of the notes table may hold, the check of a whole melody before a render or a
// save, its length, the octaves the score shows, and where the three views draw.

#include "melody/EnvelopeGeometry.h"
#include "melody/MelodyRules.h"
#include "melody/ScaleGeometry.h"
#include "melody/ScoreGeometry.h"

#include <QtTest>

Q_DECLARE_METATYPE(ScoreFault::Kind)
Q_DECLARE_METATYPE(NoteRow)

namespace {

NoteRow row(const char *date, const char *dur, const char *ampl, int deg = 0, int oct = 0)
{
    return {QString::fromLatin1(date), QString::fromLatin1(dur), QString::fromLatin1(ampl), deg, oct};
}

} // namespace

class TestMelodyRules : public QObject
{
    Q_OBJECT

private slots:
    void validParam_data();
    void validParam();
    void checkScore_data();
    void checkScore();
    void melodyLength_data();
    void melodyLength();
    void octaveRange_data();
    void octaveRange();

    void scoreTimeGrid_data();
    void scoreTimeGrid();
    void scorePitchGrid();
    void scoreNoteBar_data();
    void scoreNoteBar();
    void scoreWidgetSize();
    void scaleTicks();
    void envelopePolyline();
    void absurdValuesStayDrawable();
};

void TestMelodyRules::validParam_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("date 0") << "0" << int(pDate) << true;
    QTest::newRow("date 1000") << "1000" << int(pDate) << true;
    QTest::newRow("date 1000.5") << "1000.5" << int(pDate) << false;
    QTest::newRow("date -0.1") << "-0.1" << int(pDate) << false;
    QTest::newRow("date abc") << "abc" << int(pDate) << false;
    QTest::newRow("date empty") << "" << int(pDate) << false;
    QTest::newRow("date nan") << "nan" << int(pDate) << false;
    QTest::newRow("date inf") << "inf" << int(pDate) << false;
    QTest::newRow("duration 10") << "10" << int(pDur) << true;
    QTest::newRow("duration 10.5") << "10.5" << int(pDur) << false;
    QTest::newRow("duration 0") << "0" << int(pDur) << true;
    QTest::newRow("amplitude 1") << "1" << int(pAmpl) << true;
    QTest::newRow("amplitude 1.2") << "1.2" << int(pAmpl) << false;
    QTest::newRow("amplitude -0.01") << "-0.01" << int(pAmpl) << false;
    // 7 degrees: 0 … 6, the integer part counts.
    QTest::newRow("degree 6") << "6" << int(pDeg) << true;
    QTest::newRow("degree 6.9") << "6.9" << int(pDeg) << true;
    QTest::newRow("degree 7") << "7" << int(pDeg) << false;
    QTest::newRow("degree -1") << "-1" << int(pDeg) << false;
    QTest::newRow("degree ?") << "?" << int(pDeg) << false;
    QTest::newRow("degree 1e20") << "1e20" << int(pDeg) << false;
    QTest::newRow("octave -2") << "-2" << int(pOct) << true;
    QTest::newRow("octave 1") << "1" << int(pOct) << true;
    QTest::newRow("octave 2") << "2" << int(pOct) << false;
    QTest::newRow("octave 0.5") << "0.5" << int(pOct) << false;
    QTest::newRow("other kind") << "abc" << 9 << true;
}

void TestMelodyRules::validParam()
{
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(bool, accepted);
    QCOMPARE(::validParam(text, type, 7), accepted);
}

void TestMelodyRules::checkScore_data()
{
    QTest::addColumn<QVector<NoteRow>>("rows");
    QTest::addColumn<ScoreFault::Kind>("kind");
    QTest::addColumn<int>("faultRow");
    QTest::addColumn<QString>("value");

    QTest::newRow("no row") << QVector<NoteRow>() << ScoreFault::NoNote << -1 << "";
    QTest::newRow("valid") << QVector<NoteRow>{row("0", "1", "1"), row("1", "0.5", "0.3", 6, -2)} << ScoreFault::None
                           << -1 << "";
    QTest::newRow("only empty dates") << QVector<NoteRow>{row("", "1", "1")} << ScoreFault::NothingChecked << -1 << "";
    QTest::newRow("empty date skipped")
        << QVector<NoteRow>{row("", "abc", "5", 99, 9), row("1", "1", "1")} << ScoreFault::None << -1 << "";
    QTest::newRow("date 2000") << QVector<NoteRow>{row("0", "1", "1"), row("2000", "1", "1")} << ScoreFault::Date
                               << 1 << "";
    QTest::newRow("degree beyond the list") << QVector<NoteRow>{row("0", "1", "1", 7)} << ScoreFault::Degree << 0 << "";
    QTest::newRow("negative degree") << QVector<NoteRow>{row("0", "1", "1", -1)} << ScoreFault::Degree << 0 << "";
    QTest::newRow("duration 10.5") << QVector<NoteRow>{row("0", "10.5", "1")} << ScoreFault::Duration << 0 << "";
    QTest::newRow("empty duration") << QVector<NoteRow>{row("0", "", "1")} << ScoreFault::Duration << 0 << "";
    QTest::newRow("octave 3") << QVector<NoteRow>{row("1.5", "1", "1", 0, 3)} << ScoreFault::Octave << 0 << "3";
    QTest::newRow("amplitude 1.2") << QVector<NoteRow>{row("0", "1", "1.2")} << ScoreFault::Amplitude << 0 << "1.2";
    QTest::newRow("amplitude abc") << QVector<NoteRow>{row("0", "1", "abc")} << ScoreFault::Amplitude << 0 << "abc";
    QTest::newRow("empty amplitude") << QVector<NoteRow>{row("0", "1", "")} << ScoreFault::EmptyAmplitude << 0 << "";
    // The date comes before the degree, the degree before the duration.
    QTest::newRow("first fault wins") << QVector<NoteRow>{row("-1", "11", "2", 9)} << ScoreFault::Date << 0 << "";
}

void TestMelodyRules::checkScore()
{
    QFETCH(QVector<NoteRow>, rows);
    QFETCH(ScoreFault::Kind, kind);
    QFETCH(int, faultRow);
    QFETCH(QString, value);
    const ScoreFault fault = ::checkScore(rows, 7);
    QCOMPARE(fault.kind, kind);
    QCOMPARE(fault.ok(), kind == ScoreFault::None);
    if (faultRow >= 0) {
        QCOMPARE(fault.row, faultRow);
        QCOMPARE(fault.value, value);
    }
    if (kind == ScoreFault::Octave)
        QCOMPARE(fault.date, QStringLiteral("1.5"));
}

void TestMelodyRules::melodyLength_data()
{
    QTest::addColumn<QVector<NoteRow>>("rows");
    QTest::addColumn<float>("duree");

    QTest::newRow("none") << QVector<NoteRow>() << 0.f;
    QTest::newRow("(0, 2) and (1, 1)") << QVector<NoteRow>{row("0", "2", "1"), row("1", "1", "1")} << 2.f;
    QTest::newRow("last ends last") << QVector<NoteRow>{row("0", "1", "1"), row("2", "1.5", "1")} << 3.5f;
    // The first row's duration counts even without a date; later rows need both.
    QTest::newRow("first without date") << QVector<NoteRow>{row("", "4", "1"), row("1", "", "1")} << 4.f;
    QTest::newRow("later row without duration") << QVector<NoteRow>{row("0", "1", "1"), row("7", "", "1")} << 1.f;
}

void TestMelodyRules::melodyLength()
{
    QFETCH(QVector<NoteRow>, rows);
    QFETCH(float, duree);
    QCOMPARE(::melodyLength(rows), duree);
}

void TestMelodyRules::octaveRange_data()
{
    QTest::addColumn<QVector<int>>("octaves");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");

    QTest::newRow("none") << QVector<int>() << 0 << 0;
    QTest::newRow("1 and 2 keep 0") << QVector<int>{1, 2} << 0 << 2;
    QTest::newRow("below") << QVector<int>{-1, -2, 0} << -2 << 0;
    QTest::newRow("both sides") << QVector<int>{2, -1, 1} << -1 << 2;
    // Octaves read from a file, found by fuzzing the reader: the score reaches 10 either way.
    QTest::newRow("absurd, high") << QVector<int>{1560563774} << 0 << kMaxScoreOctave;
    QTest::newRow("absurd, both") << QVector<int>{3, -2147483647 - 1, 2147483647} << -kMaxScoreOctave << kMaxScoreOctave;
}

void TestMelodyRules::octaveRange()
{
    QFETCH(QVector<int>, octaves);
    QFETCH(int, low);
    QFETCH(int, high);
    int lo = 99;
    int hi = 99;
    ::octaveRange(octaves, &lo, &hi);
    QCOMPARE(lo, low);
    QCOMPARE(hi, high);
    QCOMPARE(ScoreGeometry::drawingHeight(lo, hi), (high + 1 - low) * 102);
    // Any other range stays a number of pixels.
    QCOMPARE(ScoreGeometry::drawingHeight(-2147483647 - 1, 2147483647), kMaxPixel);
}

void TestMelodyRules::scoreTimeGrid_data()
{
    QTest::addColumn<float>("duree");
    QTest::addColumn<int>("echelle");
    QTest::addColumn<int>("width");
    QTest::addColumn<QVector<int>>("lines");

    QTest::newRow("2 beats at zoom 1") << 2.f << 1 << 320 << QVector<int>{80, 160, 240};
    QTest::newRow("2 beats at zoom 2") << 2.f << 2 << 160 << QVector<int>{40, 80, 120};
    QTest::newRow("1 beat at zoom 3") << 1.f << 3 << 53 << QVector<int>{27};
    QTest::newRow("half a beat") << 0.5f << 1 << 80 << QVector<int>();
    QTest::newRow("empty") << 0.f << 1 << 0 << QVector<int>();
}

void TestMelodyRules::scoreTimeGrid()
{
    QFETCH(float, duree);
    QFETCH(int, echelle);
    QFETCH(int, width);
    QFETCH(QVector<int>, lines);
    ScoreGeometry g;
    g.duree = duree;
    g.echelle = echelle;
    QCOMPARE(g.width(), width);
    QCOMPARE(g.timeLines(), lines);
    QCOMPARE(ScoreGeometry::timeLabel(1), QStringLiteral("0.5"));
    QCOMPARE(ScoreGeometry::timeLabel(2), QStringLiteral("1.0"));
    QCOMPARE(ScoreGeometry::timeLabel(3), QStringLiteral("1.5"));
    // Pinned to the top of the visible part.
    QCOMPARE(ScoreGeometry::timeLabelRect(80, 30), QRect(QPoint(68, 32), QPoint(91, 40)));
}

void TestMelodyRules::scorePitchGrid()
{
    ScoreGeometry g;
    g.duree = 2;
    g.hauteur = 102;
    QCOMPARE(g.pitchLines(), (QVector<int>{102, 85, 68, 51, 34, 17}));
    QCOMPARE(g.pitchLabel(0), 0);
    QCOMPARE(g.pitchLabel(5), 1000);
    QCOMPARE(ScoreGeometry::pitchLabelRect(102, 40), QRect(QPoint(41, 97), QPoint(64, 105)));

    g.octMin = -1;
    g.hauteur = 204;
    QCOMPARE(g.pitchLines().size(), 12);
    QCOMPARE(g.pitchLabel(0), -1200);
    QCOMPARE(g.pitchLabel(6), 0);
}

void TestMelodyRules::scoreNoteBar_data()
{
    QTest::addColumn<int>("octMin");
    QTest::addColumn<int>("octMax");
    QTest::addColumn<int>("echelle");
    QTest::addColumn<float>("date");
    QTest::addColumn<float>("dur");
    QTest::addColumn<int>("oct");
    QTest::addColumn<float>("cents");
    QTest::addColumn<QRect>("bar");

    QTest::newRow("degree 0 at date 1") << 0 << 0 << 1 << 1.f << 0.5f << 0 << 0.f << QRect(160, 100, 80, 4);
    QTest::newRow("zoom 2") << 0 << 0 << 2 << 1.f << 0.5f << 0 << 0.f << QRect(80, 100, 40, 4);
    // 102 × 700 / 1200 = 59.5 rounds away from zero to 60.
    QTest::newRow("fifth") << 0 << 0 << 1 << 0.f << 1.f << 0 << 700.f << QRect(0, 40, 160, 4);
    // Octave 1 on the range 0 … 1: half way up the 204 pixels.
    QTest::newRow("octave 1") << 0 << 1 << 1 << 0.f << 1.f << 1 << 0.f << QRect(0, 100, 160, 4);
    // Octave −1 at the bottom of the range −1 … 0.
    QTest::newRow("octave -1") << -1 << 0 << 1 << 0.f << 1.f << -1 << 0.f << QRect(0, 202, 160, 4);
}

void TestMelodyRules::scoreNoteBar()
{
    QFETCH(int, octMin);
    QFETCH(int, octMax);
    QFETCH(int, echelle);
    QFETCH(float, date);
    QFETCH(float, dur);
    QFETCH(int, oct);
    QFETCH(float, cents);
    QFETCH(QRect, bar);
    ScoreGeometry g;
    g.duree = 4;
    g.echelle = echelle;
    g.octMin = octMin;
    g.octMax = octMax;
    g.hauteur = ScoreGeometry::drawingHeight(octMin, octMax);
    QCOMPARE(g.noteBar(date, dur, oct, cents), bar);
}

void TestMelodyRules::scoreWidgetSize()
{
    QCOMPARE(ScoreGeometry::widgetWidth(2, 1), 320);
    QCOMPARE(ScoreGeometry::widgetWidth(2, 2), 160);
    QCOMPARE(ScoreGeometry::widgetWidth(2.1f, 1), 480);
    QCOMPARE(ScoreGeometry::widgetWidth(0, 1), 0);
}

void TestMelodyRules::scaleTicks()
{
    ScaleGeometry g;
    QCOMPARE(g.semitone(), 25.0);
    QCOMPARE(g.degreeTick(700), QLineF(175, 11, 175, 29));
    QCOMPARE(g.selectionFrame(700), QRectF(173, 11, 4, 18));
    QCOMPARE(g.selectionTop(700), QLineF(175, 8, 175, 11));
    QCOMPARE(g.selectionBottom(700), QLineF(175, 29, 175, 32));
    QCOMPARE(g.semitoneTick(1), QLineF(25, 8, 25, 32));
    QCOMPARE(g.quarterToneTick(0), QLineF(12.5, 14, 12.5, 26));
    QCOMPARE(g.middleLine(), QLineF(0, 20, 300, 20));
    QCOMPARE(g.nameRect(7), QRectF(169, 0, 12, 8));
}

void TestMelodyRules::envelopePolyline()
{
    EnvelopeGeometry g;
    g.origin = QPoint(440, 300);
    const int yb = 365;
    QCOMPARE(g.baseline(), yb);
    QCOMPARE(g.box(), QRect(440, 300, 294, 65));
    QCOMPARE(g.polyline({{"0.5", "1"}}), QPolygon({QPoint(440, yb), QPoint(587, yb - 65), QPoint(734, yb)}));
    // A row with an empty cell is left out; gains above 1 go above the box.
    QCOMPARE(g.polyline({{"0.25", "2"}, {"", "1"}, {"0.75", ""}}),
             QPolygon({QPoint(440, yb), QPoint(514, yb - 130), QPoint(734, yb)}));
    QVERIFY(g.polyline({}).isEmpty());
    const QVector<QLine> grid = g.grid();
    QCOMPARE(grid.size(), 6);
    QCOMPARE(grid[0], QLine(440, 316, 734, 316));
    QCOMPARE(grid[1], QLine(440, 333, 734, 333));
    QCOMPARE(grid[2], QLine(440, 349, 734, 349));
    QCOMPARE(grid[3], QLine(514, 300, 514, 365));
    QCOMPARE(grid[4], QLine(587, 300, 587, 365));
    QCOMPARE(grid[5], QLine(661, 300, 661, 365));
}

// Values a file may hold (1e30, nan, inf) draw off the widget; nothing overflows.
void TestMelodyRules::absurdValuesStayDrawable()
{
    QCOMPARE(roundHalfAway(2.5), 3);
    QCOMPARE(roundHalfAway(-2.5), -3);
    QCOMPARE(roundHalfAway(std::nan("")), 0);
    QCOMPARE(roundHalfAway(1e30), 2147483647);
    QCOMPARE(pixel(1e30), kMaxPixel);
    QCOMPARE(pixel(-1e30), -kMaxPixel);
    QCOMPARE(pixel(std::nan("")), 0);
    QCOMPARE(pixel(-0.5), -1);

    EnvelopeGeometry e;
    e.origin = QPoint(10, 10);
    const QPolygon line = e.polyline({{"nan", "1"}, {"0.5", "inf"}, {"1e30", "-1e30"}});
    QCOMPARE(line.size(), 5);
    QCOMPARE(line[1], QPoint(10, 10));
    QCOMPARE(line[2].y(), 75 - kMaxPixel);
    QCOMPARE(line[3], QPoint(10 + kMaxPixel, 75 + kMaxPixel));

    ScoreGeometry g;
    g.duree = 1e30f;
    g.hauteur = 102;
    QCOMPARE(g.width(), kMaxPixel);
    QCOMPARE(ScoreGeometry::widgetWidth(1e30f, 1), kMaxPixel);
    const QRect bar = g.noteBar(1e30f, 1e30f, 0, std::nanf(""));
    QCOMPARE(bar.left(), kMaxPixel);
    QCOMPARE(bar.width(), kMaxPixel);
    QCOMPARE(bar.top(), 100);
}

QTEST_GUILESS_MAIN(TestMelodyRules)
#include "tst_melodyrules.moc"
