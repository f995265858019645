#include "intervals/KeyboardMapping.h"

#include "intervals/ScalaLines.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

/// The seven fields before the mapping, in file order.
enum Field { MapSize, FirstNote, LastNote, MiddleNote, ReferenceNote, ReferenceFrequency, OctaveDegree, kFields };

struct FieldRule
{
    const char *name; ///< French, of the "KeyboardMapping" context
    int lowest;
    int highest;
};

const FieldRule kRules[kFields] = {
    {QT_TRANSLATE_NOOP("KeyboardMapping", "la taille de la table"), 0, KeyboardMapping::kMaxMapSize},
    {QT_TRANSLATE_NOOP("KeyboardMapping", "la première note"), 0, 127},
    {QT_TRANSLATE_NOOP("KeyboardMapping", "la dernière note"), 0, 127},
    {QT_TRANSLATE_NOOP("KeyboardMapping", "la note centrale"), 0, 127},
    {QT_TRANSLATE_NOOP("KeyboardMapping", "la note de référence"), 0, 127},
    {QT_TRANSLATE_NOOP("KeyboardMapping", "la fréquence de référence"), 0, 0},
    {QT_TRANSLATE_NOOP("KeyboardMapping", "le degré de l'octave"), 0, KeyboardMapping::kMaxDegree},
};

QString fieldName(int field)
{
    return QCoreApplication::translate("KeyboardMapping", kRules[field].name);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

/// A whole number with an optional sign; values beyond ±10^9 stop growing, so that no number of
/// digits overflows and any range check still refuses them.
bool readInteger(const QString &word, qint64 *value)
{
    int pos = 0;
    const bool negative = word.startsWith(QLatin1Char('-'));
    if (negative || word.startsWith(QLatin1Char('+')))
        ++pos;
    if (pos == word.size())
        return false;
    qint64 v = 0;
    for (; pos < word.size(); ++pos) {
        if (!isDigit(word.at(pos)))
            return false;
        if (v < 1000000000)
            v = v * 10 + (word.at(pos).unicode() - '0');
    }
    *value = negative ? -v : v;
    return true;
}

/// A decimal number: digits with at most one point ("440", "440.", "261.6255653").
/// A frequency as the reader takes it back: decimals only, six of them for 1 Hz and more, and
/// for a lower frequency as many as keep seven significant digits (0.000000 would be refused).
/// The decimals follow the exponent of the value rounded to those seven digits, the very
/// rounding the text makes: a frequency written and read back is written again alike, even
/// when the rounding carries into the next power of ten (0.0000099999999 is 0.00001000000).
QString frequencyText(double hz)
{
    const QString rounded = QString::number(hz, 'e', 6);
    const int exponent = rounded.mid(rounded.indexOf(QLatin1Char('e')) + 1).toInt();
    return QString::number(hz, 'f', 6 + std::max(0, -exponent));
}

bool readDecimal(const QString &word, double *value)
{
    int pos = word.startsWith(QLatin1Char('+')) || word.startsWith(QLatin1Char('-')) ? 1 : 0;
    int digits = 0;
    int points = 0;
    for (; pos < word.size(); ++pos) {
        if (isDigit(word.at(pos)))
            ++digits;
        else if (word.at(pos) == QLatin1Char('.') && ++points == 1)
            continue;
        else
            return false;
    }
    if (digits == 0)
        return false;
    QString normal = word;
    if (normal.endsWith(QLatin1Char('.')))
        normal += QLatin1Char('0');
    bool ok = false;
    *value = normal.toDouble(&ok);
    return ok && std::isfinite(*value);
}

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

/// The cents of degree k of the scale (any integer: a degree beyond the period, or below 0, is
/// so many periods away from one within). False when the scale has no such degree.
bool degreeCents(qint64 k, const QList<Interval> &pitches, double *cents)
{
    if (k == 0) {
        *cents = 0;
        return true;
    }
    const int n = pitches.size();
    if (n == 0)
        return false;
    const qint64 periods = floorDiv(k, n);
    const qint64 within = k - periods * n;
    *cents = double(periods) * pitches.last().cent + (within == 0 ? 0.0 : double(pitches.at(int(within) - 1).cent));
    return true;
}

} // namespace

KeyboardMapping::ReadResult KeyboardMapping::parse(const QByteArray &bytes)
{
    ReadResult result;
    const ScalaLines lines(bytes);
    if (!lines.error().isEmpty()) {
        result.error = lines.error();
        return result;
    }

    KeyboardMapping &m = result.mapping;
    m.mapping.clear();
    int field = 0;
    for (int i = 0; i < lines.count(); ++i) {
        const QString &line = lines.at(i);
        const int number = i + 1;
        if (ScalaLines::isComment(line) || ScalaLines::isIndentedComment(line))
            continue;
        const QString word = ScalaLines::firstWord(line);
        if (word.isEmpty())
            continue;
        const QString shown = word.left(40);
        auto refuse = [&](const QString &why) {
            result.error = ScalaLines::atLine(number, why);
            return result;
        };

        if (field == ReferenceFrequency) {
            double hz = 0;
            if (!readDecimal(word, &hz))
                return refuse(tr("« %1 » n'est pas une fréquence (%2)").arg(shown, fieldName(field)));
            if (!(hz > 0 && hz <= kMaxFrequency))
                return refuse(tr("%1 vaut %2 Hz, hors de 0 … %3 Hz").arg(fieldName(field), shown, QString::number(kMaxFrequency, 'f', 0)));
            m.referenceFrequency = hz;
            ++field;
            continue;
        }
        if (field < kFields) {
            qint64 v = 0;
            if (!readInteger(word, &v))
                return refuse(tr("« %1 » n'est pas un nombre entier (%2)").arg(shown, fieldName(field)));
            if (v < kRules[field].lowest || v > kRules[field].highest)
                return refuse(tr("%1 vaut %2, hors de %3 … %4")
                                  .arg(fieldName(field), shown, QString::number(kRules[field].lowest),
                                       QString::number(kRules[field].highest)));
            const int value = int(v);
            switch (field) {
            case MapSize: m.mapSize = value; break;
            case FirstNote: m.firstNote = value; break;
            case LastNote:
                if (value < m.firstNote)
                    return refuse(tr("la dernière note (%1) est avant la première (%2)").arg(value).arg(m.firstNote));
                m.lastNote = value;
                break;
            case MiddleNote: m.middleNote = value; break;
            case ReferenceNote: m.referenceNote = value; break;
            case OctaveDegree: m.octaveDegree = value; break;
            }
            ++field;
            continue;
        }

        if (m.mapping.size() >= m.mapSize)
            return refuse(tr("entrée de trop : la table en a %1").arg(m.mapSize));
        if (word.compare(QLatin1String("x"), Qt::CaseInsensitive) == 0) {
            m.mapping << -1;
            continue;
        }
        qint64 degree = 0;
        if (!readInteger(word, &degree))
            return refuse(tr("« %1 » n'est ni un degré ni « x »").arg(shown));
        if (degree < 0 || degree > kMaxDegree)
            return refuse(tr("le degré %1 sort de 0 … %2").arg(shown).arg(kMaxDegree));
        m.mapping << int(degree);
    }
    if (field < kFields) {
        result.error = ScalaLines::atLine(lines.count() + 1, tr("%1 manque").arg(fieldName(field)));
        return result;
    }
    result.ok = true;
    return result;
}

KeyboardMapping::ReadResult KeyboardMapping::read(const QString &path)
{
    QByteArray bytes;
    ReadResult result;
    if (!ScalaLines::readFile(path, &bytes, &result.error))
        return result;
    return parse(bytes);
}

KeyboardMapping KeyboardMapping::forScale(int degrees, double frequency)
{
    KeyboardMapping m;
    m.mapSize = degrees;
    m.firstNote = 0;
    m.lastNote = 127;
    m.middleNote = 60;
    m.referenceNote = 60;
    m.referenceFrequency = frequency;
    m.octaveDegree = degrees;
    m.mapping.clear();
    for (int k = 0; k < degrees; ++k)
        m.mapping << k;
    return m;
}

bool KeyboardMapping::centsOfKey(int note, const QList<Interval> &pitches, double *cents, QString *why) const
{
    const qint64 offset = qint64(note) - middleNote;
    const auto missing = [&](qint64 degree) {
        *why = tr("la gamme n'a pas de degré %1 : elle a %2 hauteurs").arg(degree).arg(pitches.size());
        return false;
    };
    if (mapSize == 0) {
        // Successive keys, successive degrees.
        return degreeCents(offset, pitches, cents) || missing(offset);
    }
    const qint64 patterns = floorDiv(offset, mapSize);
    const int key = int(offset - patterns * mapSize);
    const int degree = key < mapping.size() ? mapping.at(key) : -1;
    if (degree < 0) {
        *why = tr("la note %1 ne joue aucun degré de la gamme").arg(note);
        return false;
    }
    double within = 0;
    if (!degreeCents(degree, pitches, &within))
        return missing(degree);
    double octave = 0;
    if (patterns != 0 && !degreeCents(octaveDegree, pitches, &octave))
        return missing(octaveDegree);
    *cents = double(patterns) * octave + within;
    return true;
}

bool KeyboardMapping::degreeZeroFrequency(const QList<Interval> &pitches, double *hz, QString *why) const
{
    double cents = 0;
    if (!centsOfKey(referenceNote, pitches, &cents, why))
        return false;
    *hz = referenceFrequency * std::exp2(-cents / 1200.0);
    return true;
}

QByteArray KeyboardMapping::serialise(const QString &fileName) const
{
    const QString values[kFields] = {QString::number(mapSize),     QString::number(firstNote),
                                     QString::number(lastNote),    QString::number(middleNote),
                                     QString::number(referenceNote), frequencyText(referenceFrequency),
                                     QString::number(octaveDegree)};
    // A name is one line, even one with a line break in it.
    QString name = fileName;
    name.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    QString text = QStringLiteral("! ") + name + QStringLiteral("\n!\n");
    for (int f = 0; f < kFields; ++f)
        text += QStringLiteral("! ") + fieldName(f) + QLatin1Char('\n') + values[f] + QLatin1Char('\n');
    text += QStringLiteral("! ") + tr("la table : le degré de chaque touche à partir de la note centrale") +
            QLatin1Char('\n');
    for (int degree : mapping)
        text += (degree < 0 ? QStringLiteral("x") : QString::number(degree)) + QLatin1Char('\n');
    return text.toUtf8();
}

bool KeyboardMapping::write(const QString &path, QString *error) const
{
    return ScalaLines::writeFile(path, serialise(QFileInfo(path).fileName()), error);
}
