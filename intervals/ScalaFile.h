#ifndef SCALAFILE_H
#define SCALAFILE_H

#include "intervals/Interval.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

/// The Scala scale file (".scl"), in which musicians exchange tunings:
///
///     ! meantone.scl            comments: lines beginning with "!", anywhere
///     !
///     Quarter-comma meantone    the description (may be empty, must be there)
///      12                       the number of pitches (0 allowed)
///     !
///      76.04900 C#              one line per pitch above 1/1, in any order:
///      5/4 E                    cents when the value holds a ".", otherwise a ratio n/d
///      2/1                      or a whole number n; the last pitch is the period
///
/// Text after a value is kept as its description. The unison 1/1 is implied, and the period
/// need not be 2/1 (3/1 for a tritave scale).
///
/// The reader takes a downloaded, hence hostile, file: it bounds the file and its lines
/// (ScalaLines), the count (kMaxPitches), the terms of a ratio (2^31 − 1) and cents
/// (±kMaxCents), and refuses what breaks the rules with a French message naming the line.
class ScalaFile
{
    Q_DECLARE_TR_FUNCTIONS(ScalaFile)

public:
    static constexpr int kMaxPitches = 10000;
    /// The largest term of a ratio: 2^31 − 1.
    static constexpr qint64 kMaxTerm = 2147483647;
    /// Cents beyond 83 octaves are no pitch.
    static constexpr double kMaxCents = 100000;
    /// How near, in cents, a written value must come back to an interval's size.
    static constexpr double kExportTolerance = 0.001;
    /// The export writes a size as a ratio only with a denominator up to this: every size has
    /// some ratio of larger terms within kExportTolerance (100 cents has 1461/1379), and among
    /// the sizes of the equal divisions of the octave 5 … 72 only one in 150 meets one of
    /// denominator 128 or less by chance, while just ratios such as 243/128 have it.
    static constexpr int kMaxExportDenominator = 128;

    struct Scale
    {
        QString description;       ///< the description line, trimmed
        QStringList comments;      ///< the text of every comment line, in order
        /// The unison (0 cents, ratio 1, "1/1") first, then every pitch in file order: `cent`
        /// and `frac` rounded from the exact value computed in double precision, `desc` the
        /// line from the value on (the value as written and the text after it).
        QList<Interval> intervals;
    };

    struct ReadResult
    {
        bool ok = false;
        QString error;             ///< French, "Ligne N : …" when a line is at fault
        Scale scale;               ///< filled only when ok
    };

    /// What a pitch value is, or why it is none.
    enum class PitchError { None, NotAValue, NotPositive, ZeroDenominator, TooLarge, OutOfRange };

    /// Reads one value: cents when it holds a "." ("408.", "-5.0", ".5"), otherwise a ratio "n/d"
    /// or a whole number "n" (n/1), with terms up to kMaxTerm. Sets *cents and *ratio (both in
    /// double precision, ratio = 2^(cents/1200)) when it is a pitch.
    static PitchError parsePitch(const QString &word, double *cents, double *ratio);

    static ReadResult parse(const QByteArray &bytes);
    /// Reads path; a comment that only names the file (the "! name.scl" that heads most files)
    /// is left out of the comments.
    static ReadResult read(const QString &path);

    /// The pitches of a list as a scale has them: the list without its first interval of 0 cents
    /// (the unison a scale implies), in list order.
    static QList<Interval> pitches(const QList<Interval> &liste);

    /// The line of one pitch. When the interval's description begins with a value that comes
    /// back to its size within kExportTolerance (as an imported pitch's does), the description
    /// is the line. Otherwise the value is the ratio n/d of smallest denominator, up to
    /// kMaxExportDenominator, that comes back to the size within kExportTolerance, else the
    /// cents with six decimals; then the description.
    static QString pitchLine(const Interval &interval);

    /// The whole file: "! fileName", the description lines as comments, the title as the
    /// description line, the count and one line per pitch of the list (see pitches()).
    static QByteArray serialise(const QString &fileName, const QString &title, const QString &description,
                                const QList<Interval> &liste);

    /// Writes serialise() to path through a temporary file renamed over the old one once whole,
    /// so a failed write leaves an existing file as it was. False with the system's reason in
    /// *error.
    static bool write(const QString &path, const QString &title, const QString &description,
                      const QList<Interval> &liste, QString *error);

    /// The name an export writes: name with ".scl" added unless it ends with it (in any case).
    static QString withExtension(const QString &name);
    /// The keyboard mapping written beside a scale: sclPath with ".kbm" for its last 4 characters.
    static QString mappingPath(const QString &sclPath);

    /// The French text of a refused value.
    static QString pitchErrorText(PitchError error, const QString &word);
};

#endif
