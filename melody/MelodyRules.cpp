#include "melody/MelodyRules.h"

#include <algorithm>
#include <cmath>

int roundHalfAway(double v)
{
    if (!(v == v))
        return 0;
    const double r = std::round(v);
    if (r >= 2147483647.0)
        return 2147483647;
    if (r <= -2147483648.0)
        return -2147483647 - 1;
    return int(r);
}

int pixel(double v)
{
    if (!(v == v))
        return 0;
    return int(std::round(std::max(-double(kMaxPixel), std::min(double(kMaxPixel), v))));
}

float cellValue(const QString &text)
{
    bool ok = false;
    const float v = text.toFloat(&ok);
    return ok ? v : 0.0f;
}

namespace {

// A text as a number; NaN when it is not one, so that it fails every range test.
float number(const QString &s)
{
    bool ok = false;
    const float v = s.toFloat(&ok);
    return ok ? v : NAN;
}

bool within(float v, float low, float high)
{
    return v >= low && v <= high;
}

} // namespace

bool validParam(const QString &s, int t, int nbDeg)
{
    switch (t) {
    case pDate:
        return within(number(s), 0.0f, kMaxDate);
    case pDeg: {
        const float v = number(s);
        if (!(std::fabs(v) < 2e9f))
            return false;
        const int n = int(std::trunc(v));
        return n >= 0 && n < nbDeg;
    }
    case pOct: {
        bool ok = false;
        const int n = s.toInt(&ok, 10);
        return ok && n >= kMinOctave && n <= 1;
    }
    case pDur:
        return within(number(s), 0.0f, kMaxDuration);
    case pAmpl:
        return within(number(s), 0.0f, 1.0f);
    default:
        return true;
    }
}

ScoreFault checkScore(const QVector<NoteRow> &rows, int nbDeg)
{
    ScoreFault fault;
    if (rows.isEmpty()) {
        fault.kind = ScoreFault::NoNote;
        return fault;
    }
    bool checked = false;
    for (int i = 0; i < rows.size(); ++i) {
        const NoteRow &r = rows[i];
        if (r.date.isEmpty())
            continue;
        fault.row = i;
        if (!validParam(r.date, pDate, nbDeg)) {
            fault.kind = ScoreFault::Date;
            return fault;
        }
        if (r.deg < 0 || r.deg >= nbDeg) {
            fault.kind = ScoreFault::Degree;
            return fault;
        }
        if (!validParam(r.dur, pDur, nbDeg)) {
            fault.kind = ScoreFault::Duration;
            return fault;
        }
        if (r.oct < kMinOctave || r.oct > kMaxOctave) {
            fault.kind = ScoreFault::Octave;
            fault.date = QString::number(double(cellValue(r.date)), 'g', 6);
            fault.value = QString::number(r.oct);
            return fault;
        }
        if (r.ampl.isEmpty()) {
            fault.kind = ScoreFault::EmptyAmplitude;
            return fault;
        }
        if (!validParam(r.ampl, pAmpl, nbDeg)) {
            fault.kind = ScoreFault::Amplitude;
            bool ok = false;
            const float v = r.ampl.toFloat(&ok);
            // A text that is no number is shown as typed: a "0" would contradict the message.
            fault.value = ok ? QString::number(double(v), 'g', 6) : r.ampl;
            return fault;
        }
        checked = true;
    }
    fault.row = -1;
    fault.kind = checked ? ScoreFault::None : ScoreFault::NothingChecked;
    return fault;
}

float melodyLength(const QVector<NoteRow> &rows)
{
    if (rows.isEmpty())
        return 0.0f;
    float duree = cellValue(rows[0].dur);
    for (const NoteRow &r : rows) {
        if (r.date.isEmpty() || r.dur.isEmpty())
            continue;
        const float e = cellValue(r.date) + cellValue(r.dur);
        if (e > duree)
            duree = e;
    }
    return duree;
}

int scoreOctave(int oct)
{
    return std::max(-kMaxScoreOctave, std::min(kMaxScoreOctave, oct));
}

void octaveRange(const QVector<int> &octaves, int *octMin, int *octMax)
{
    int lo = 0;
    int hi = 0;
    for (const int read : octaves) {
        const int o = scoreOctave(read);
        if (lo > o)
            lo = o;
        else if (hi < o)
            hi = o;
    }
    *octMin = lo;
    *octMax = hi;
}
