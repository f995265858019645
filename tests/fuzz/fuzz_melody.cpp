// The ".mel" reader on arbitrary bytes, and what the melody editor does with a melody read: each
// cell checked as the tables check it, the octaves and length of the score, the bars of the notes
// and the envelope's drawing, and, for a short melody that passes the check, its synthesis. A
// melody read is then written and read back: every text comes back as it was.

#include "FuzzCheck.h"

#include "melody/EnvelopeGeometry.h"
#include "melody/MelodyFile.h"
#include "melody/MelodyRender.h"
#include "melody/MelodyRules.h"
#include "melody/ScoreGeometry.h"

#include <QByteArray>
#include <QTextStream>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

constexpr int kDegrees = 24;        // the shipped default list
constexpr float kRenderBeats = 8;   // melodies rendered, at most
constexpr int kRenderNotes = 16;

bool sameText(const MelodyDocument &a, const MelodyDocument &b)
{
    if (a.title != b.title || a.composer != b.composer || a.description != b.description ||
        a.points.size() != b.points.size() || a.notes.size() != b.notes.size())
        return false;
    for (int i = 0; i < a.points.size(); ++i) {
        if (a.points[i].time != b.points[i].time || a.points[i].ampl != b.points[i].ampl)
            return false;
    }
    for (int i = 0; i < a.notes.size(); ++i) {
        const MelodyDocument::Note &x = a.notes[i];
        const MelodyDocument::Note &y = b.notes[i];
        if (x.date != y.date || x.deg != y.deg || x.oct != y.oct || x.dur != y.dur || x.ampl != y.ampl)
            return false;
    }
    return true;
}

QByteArray written(const MelodyDocument &melody)
{
    QByteArray bytes;
    QTextStream out(&bytes);
    out.setCodec("UTF-8");
    melodyDom(melody).save(out, 2);
    out.flush();
    return bytes;
}

void render(const QVector<NoteRow> &rows, const QVector<Point> &points, float duree, int forme)
{
    MelodyRender r;
    r.tempo = 300;
    r.fEch = 1000;
    r.forme = forme;
    r.duree = duree;
    r.enveloppe = points;
    for (const NoteRow &row : rows) {
        if (row.date.isEmpty())
            continue;
        r.notes.append({cellValue(row.date), cellValue(row.dur), cellValue(row.ampl), 100.0f * row.deg, row.oct});
    }
    std::unique_ptr<qint16[]> tampon;
    qint64 nbEch = 0;
    qint64 nbEchMix = 0;
    const MelodyRender::Outcome outcome = r.render(&tampon, &nbEch, &nbEchMix);
    FUZZ_CHECK(outcome == MelodyRender::Outcome::Done);
    FUZZ_CHECK(nbEchMix >= 0 && nbEchMix <= nbEch);
    for (qint64 k = 0; k < nbEch; ++k)
        FUZZ_CHECK(tampon[k] >= -32760 && tampon[k] <= 32760);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    zibfuzz::quietQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    MelodyDocument melody;
    melody.title = QStringLiteral("avant");
    const MelodyReadStatus status = parseMelody(bytes, &melody);
    if (status != MelodyReadStatus::Ok) {
        FUZZ_CHECK(status == MelodyReadStatus::Malformed);
        FUZZ_CHECK(melody.title == QLatin1String("avant") && melody.notes.isEmpty());
        return 0;
    }

    // The tables, as the editor fills them.
    QVector<NoteRow> rows;
    QVector<int> octaves;
    for (const MelodyDocument::Note &note : melody.notes) {
        FUZZ_CHECK(!note.date.isEmpty());
        validParam(note.date, pDate, kDegrees);
        validParam(note.dur, pDur, kDegrees);
        validParam(note.ampl, pAmpl, kDegrees);
        NoteRow row;
        row.date = QString::number(double(cellValue(note.date)), 'g', 6);
        row.dur = note.dur;
        row.ampl = note.ampl;
        row.deg = validParam(note.deg, pDeg, kDegrees) ? note.deg.toInt() : 0;
        FUZZ_CHECK(row.deg >= 0 && row.deg < kDegrees);
        row.oct = std::max(kMinOctave, std::min(kMaxOctave, note.oct.toInt()));
        octaves << note.oct.toInt();
        rows << row;
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const NoteRow &a, const NoteRow &b) { return cellValue(a.date) < cellValue(b.date); });
    QVector<Point> points;
    QVector<QPair<QString, QString>> texts;
    for (const MelodyDocument::EnvelopePoint &p : melody.points) {
        texts.append({p.time, p.ampl});
        if (!p.time.isEmpty() && !p.ampl.isEmpty())
            points.append({cellValue(p.time), cellValue(p.ampl)});
    }
    std::stable_sort(points.begin(), points.end(), [](const Point &a, const Point &b) { return a.time < b.time; });

    EnvelopeGeometry envelope;
    envelope.polyline(texts);
    ScoreGeometry score;
    octaveRange(octaves, &score.octMin, &score.octMax);
    FUZZ_CHECK(score.octMin <= 0 && score.octMax >= 0);
    score.duree = melodyLength(rows);
    score.hauteur = ScoreGeometry::drawingHeight(score.octMin, score.octMax);
    ScoreGeometry::widgetWidth(score.duree, score.echelle);
    score.width();
    for (const NoteRow &row : rows)
        score.noteBar(cellValue(row.date), cellValue(row.dur), row.oct, 100.0f * row.deg);

    const ScoreFault fault = checkScore(rows, kDegrees);
    if (fault.ok() && score.duree <= kRenderBeats && rows.size() <= kRenderNotes)
        render(rows, points, score.duree, int(size % 5));

    // Written as the editor writes the texts it holds, and read back.
    const QByteArray file = written(melody);
    MelodyDocument again;
    FUZZ_CHECK(parseMelody(file, &again) == MelodyReadStatus::Ok);
    FUZZ_CHECK(sameText(melody, again));
    return 0;
}
