#include "intervals/ScalaFile.h"

#include "intervals/ScalaLines.h"

#include <QFileInfo>

#include <cmath>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

/// Reads the digits of word from *pos on. False when there is none; the value stops growing once
/// it passes ScalaFile::kMaxTerm, so that no number of digits can overflow it.
bool readTerm(const QString &word, int *pos, qint64 *value)
{
    const int start = *pos;
    qint64 v = 0;
    for (; *pos < word.size() && isDigit(word.at(*pos)); ++*pos) {
        if (v <= ScalaFile::kMaxTerm)
            v = v * 10 + (word.at(*pos).unicode() - '0');
    }
    *value = v;
    return *pos > start;
}

/// A sign at *pos, passed over; true for "-".
bool readSign(const QString &word, int *pos)
{
    if (*pos < word.size() && (word.at(*pos) == QLatin1Char('-') || word.at(*pos) == QLatin1Char('+')))
        return word.at((*pos)++) == QLatin1Char('-');
    return false;
}

double centsOfRatio(qint64 n, qint64 d)
{
    // Each term's logarithm apart: the quotient of two terms near 2^31 keeps every digit.
    return 1200.0 * (std::log2(double(n)) - std::log2(double(d)));
}

/// text on one line (line breaks become spaces), trimmed and at most ScalaLines::kMaxLineLength
/// characters less room for a value.
QString oneLine(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line.trimmed().left(ScalaLines::kMaxLineLength - 64);
}

/// The value the export writes for a size: the simplest ratio that comes back to it, else cents.
QString valueText(double cents)
{
    const double x = std::exp2(cents / 1200.0);
    for (int d = 1; d <= ScalaFile::kMaxExportDenominator; ++d) {
        const double n = std::round(x * d);
        if (n < 1 || n > ScalaFile::kMaxTerm)
            continue;
        if (std::fabs(centsOfRatio(qint64(n), d) - cents) <= ScalaFile::kExportTolerance)
            return QString::number(qint64(n)) + QLatin1Char('/') + QString::number(d);
    }
    return QString::number(cents, 'f', 6);
}

Interval unison()
{
    Interval i;
    i.cent = 0;
    i.frac = 1;
    i.desc = QStringLiteral("1/1");
    return i;
}

} // namespace

ScalaFile::PitchError ScalaFile::parsePitch(const QString &word, double *cents, double *ratio)
{
    if (word.contains(QLatin1Char('.'))) {
        int pos = 0;
        readSign(word, &pos);
        qint64 ignored = 0;
        const bool whole = readTerm(word, &pos, &ignored);
        if (pos >= word.size() || word.at(pos) != QLatin1Char('.'))
            return PitchError::NotAValue;
        ++pos;
        const bool fraction = readTerm(word, &pos, &ignored);
        if (pos != word.size() || (!whole && !fraction))
            return PitchError::NotAValue;
        bool ok = false;
        // "408." and ".5" in the form every number reader takes.
        QString normal = word;
        if (!fraction)
            normal += QLatin1Char('0');
        if (!whole)
            normal.insert(normal.indexOf(QLatin1Char('.')), QLatin1Char('0'));
        const double c = normal.toDouble(&ok);
        if (!ok || !std::isfinite(c) || std::fabs(c) > kMaxCents)
            return PitchError::OutOfRange;
        *cents = c;
        *ratio = std::exp2(c / 1200.0);
        return PitchError::None;
    }

    int pos = 0;
    bool negative = readSign(word, &pos);
    qint64 n = 0;
    qint64 d = 1;
    if (!readTerm(word, &pos, &n))
        return PitchError::NotAValue;
    if (pos < word.size()) {
        if (word.at(pos) != QLatin1Char('/'))
            return PitchError::NotAValue;
        ++pos;
        negative |= readSign(word, &pos);
        if (!readTerm(word, &pos, &d) || pos != word.size())
            return PitchError::NotAValue;
    }
    if (d == 0)
        return PitchError::ZeroDenominator;
    if (n > kMaxTerm || d > kMaxTerm)
        return PitchError::TooLarge;
    if (negative || n == 0)
        return PitchError::NotPositive;
    *cents = centsOfRatio(n, d);
    *ratio = double(n) / double(d);
    return PitchError::None;
}

QString ScalaFile::pitchErrorText(PitchError error, const QString &word)
{
    switch (error) {
    case PitchError::None:
        break;
    case PitchError::NotAValue:
        return tr("« %1 » n'est ni une valeur en cents ni un rapport").arg(word.left(40));
    case PitchError::NotPositive:
        return tr("le rapport %1 est nul ou négatif").arg(word.left(40));
    case PitchError::ZeroDenominator:
        return tr("le rapport %1 a un dénominateur nul").arg(word.left(40));
    case PitchError::TooLarge:
        return tr("un terme du rapport dépasse %1").arg(kMaxTerm);
    case PitchError::OutOfRange:
        return tr("%1 cents dépasse ±%2 cents").arg(word.left(40), QString::number(kMaxCents));
    }
    return QString();
}

ScalaFile::ReadResult ScalaFile::parse(const QByteArray &bytes)
{
    ReadResult result;
    const ScalaLines lines(bytes);
    if (!lines.error().isEmpty()) {
        result.error = lines.error();
        return result;
    }

    enum class Expect { Description, Count, Pitches, Done };
    Expect expect = Expect::Description;
    Scale scale;
    scale.intervals << unison();
    qint64 count = 0;
    int countLine = 0;
    for (int i = 0; i < lines.count(); ++i) {
        const QString &line = lines.at(i);
        const int number = i + 1;
        if (ScalaLines::isComment(line) || (expect != Expect::Description && ScalaLines::isIndentedComment(line))) {
            scale.comments << ScalaLines::commentText(line);
            continue;
        }
        if (expect == Expect::Description) {
            scale.description = line.trimmed();
            expect = Expect::Count;
            continue;
        }
        if (expect == Expect::Done)
            continue; // what follows the last pitch is no part of the scale
        const QString word = ScalaLines::firstWord(line);
        if (expect == Expect::Count) {
            if (word.isEmpty()) {
                result.error = ScalaLines::atLine(number, tr("le nombre de hauteurs manque"));
                return result;
            }
            int pos = 0;
            if (!readTerm(word, &pos, &count) || pos != word.size()) {
                result.error = ScalaLines::atLine(number, tr("« %1 » n'est pas un nombre de hauteurs").arg(word.left(40)));
                return result;
            }
            if (count > kMaxPitches) {
                result.error = ScalaLines::atLine(number, tr("trop de hauteurs (au plus %1)").arg(kMaxPitches));
                return result;
            }
            countLine = number;
            expect = count == 0 ? Expect::Done : Expect::Pitches;
            continue;
        }
        if (word.isEmpty())
            continue; // a blank line between two pitches
        double cents = 0;
        double ratio = 1;
        const PitchError error = parsePitch(word, &cents, &ratio);
        if (error != PitchError::None) {
            result.error = ScalaLines::atLine(number, pitchErrorText(error, word));
            return result;
        }
        Interval pitch;
        pitch.cent = float(cents);
        pitch.frac = float(ratio);
        pitch.desc = line.trimmed();
        scale.intervals << pitch;
        if (scale.intervals.size() - 1 == count)
            expect = Expect::Done;
    }

    const int end = lines.count() + 1;
    switch (expect) {
    case Expect::Description:
        result.error = ScalaLines::atLine(end, tr("la description manque"));
        return result;
    case Expect::Count:
        result.error = ScalaLines::atLine(end, tr("le nombre de hauteurs manque"));
        return result;
    case Expect::Pitches:
        result.error = ScalaLines::atLine(countLine, tr("%1 hauteurs annoncées, %2 trouvées")
                                                         .arg(count)
                                                         .arg(scale.intervals.size() - 1));
        return result;
    case Expect::Done:
        break;
    }
    result.ok = true;
    result.scale = scale;
    return result;
}

ScalaFile::ReadResult ScalaFile::read(const QString &path)
{
    QByteArray bytes;
    ReadResult result;
    if (!ScalaLines::readFile(path, &bytes, &result.error))
        return result;
    result = parse(bytes);
    const QString name = QFileInfo(path).fileName();
    result.scale.comments.removeAll(name);
    return result;
}

QList<Interval> ScalaFile::pitches(const QList<Interval> &liste)
{
    QList<Interval> p = liste;
    for (int k = 0; k < p.size(); ++k) {
        if (p.at(k).cent == 0) {
            p.removeAt(k);
            break;
        }
    }
    return p;
}

QString ScalaFile::pitchLine(const Interval &interval)
{
    const QString desc = oneLine(interval.desc);
    double cents = 0;
    double ratio = 1;
    if (parsePitch(ScalaLines::firstWord(desc), &cents, &ratio) == PitchError::None &&
        std::fabs(cents - double(interval.cent)) <= kExportTolerance)
        return desc;
    const QString value = valueText(interval.cent);
    return desc.isEmpty() ? value : value + QLatin1Char(' ') + desc;
}

QByteArray ScalaFile::serialise(const QString &fileName, const QString &title, const QString &description,
                                const QList<Interval> &liste)
{
    const QList<Interval> scale = pitches(liste);
    QString text;
    text += QStringLiteral("! ") + oneLine(fileName) + QStringLiteral("\n!\n");
    const QString about = description.trimmed();
    if (!about.isEmpty()) {
        for (const QString &line : about.split(QLatin1Char('\n'))) {
            const QString comment = oneLine(line);
            text += (comment.isEmpty() ? QStringLiteral("!") : QStringLiteral("! ") + comment) + QLatin1Char('\n');
        }
        text += QStringLiteral("!\n");
    }
    // A title beginning with "!" would read as a comment: a blank before it keeps it the
    // description.
    const QString head = oneLine(title);
    text += (head.startsWith(QLatin1Char('!')) ? QStringLiteral(" ") : QString()) + head + QLatin1Char('\n');
    text += QLatin1Char(' ') + QString::number(scale.size()) + QStringLiteral("\n!\n");
    for (const Interval &i : scale)
        text += QLatin1Char(' ') + pitchLine(i) + QLatin1Char('\n');
    return text.toUtf8();
}

bool ScalaFile::write(const QString &path, const QString &title, const QString &description,
                      const QList<Interval> &liste, QString *error)
{
    return ScalaLines::writeFile(path, serialise(QFileInfo(path).fileName(), title, description, liste), error);
}

QString ScalaFile::withExtension(const QString &name)
{
    return name.endsWith(QLatin1String(".scl"), Qt::CaseInsensitive) ? name : name + QLatin1String(".scl");
}

QString ScalaFile::mappingPath(const QString &sclPath)
{
    return sclPath.left(sclPath.size() - 4) + QLatin1String(".kbm");
}
