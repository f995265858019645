#ifndef KEYBOARDMAPPING_H
#define KEYBOARDMAPPING_H

#include "intervals/Interval.h"
#include "intervals/ScalaFile.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QVector>

/// The Scala keyboard mapping (".kbm"): which degree of a scale each MIDI key plays, and at what
/// pitch. Seven fields, one a line, then the mapping, comments ("!") anywhere:
///
///     12        map size: the pattern repeats every so many keys (0: keys map to successive degrees)
///     0         first MIDI note to retune (0 … 127)
///     127       last MIDI note to retune (0 … 127, not below the first)
///     60        middle note: the key of the pattern's first entry
///     69        reference note, whose frequency is given
///     440.0     its frequency, Hz
///     12        the degree whose pitch is the formal octave between two patterns
///     0         the mapping: map size entries, a degree or "x" for an unmapped key
///     …
///
/// A mapping with fewer entries than its map size leaves the rest of its keys unmapped; more
/// entries are refused. The reader refuses a missing field, a value that is not a number and one
/// out of its range, with a French message naming the line. ZIB takes from a mapping the
/// frequency of the scale's degree 0, which becomes Frequency 1.
class KeyboardMapping
{
    Q_DECLARE_TR_FUNCTIONS(KeyboardMapping)

public:
    /// As many keys as a scale may have pitches, so that every exported mapping reads back.
    static constexpr int kMaxMapSize = ScalaFile::kMaxPitches;
    static constexpr int kMaxDegree = 1000000;
    /// Hz; above any frequency a key could be asked to sound.
    static constexpr double kMaxFrequency = 1000000;

    int mapSize = 0;
    int firstNote = 0;
    int lastNote = 127;
    int middleNote = 60;
    int referenceNote = 60;
    double referenceFrequency = 440; ///< Hz
    int octaveDegree = 0;
    /// Degree of each key of the pattern from the middle note on; −1 for an unmapped key.
    QVector<int> mapping;

    struct ReadResult;

    static ReadResult parse(const QByteArray &bytes);
    static ReadResult read(const QString &path);

    /// The mapping of a scale of `degrees` pitches: its degrees on successive keys from MIDI note
    /// 60, degree 0 on note 60 sounding at frequency Hz, the last degree as the formal octave.
    static KeyboardMapping forScale(int degrees, double frequency);

    /// How far above the scale's degree 0 key `note` sounds, in cents, for a scale whose degree
    /// j ≥ 1 is pitches[j − 1] (the last of them the period; a degree beyond it is so many
    /// periods above a degree within). False, with the reason in French in *why, when the key is
    /// unmapped or needs a degree the scale does not have.
    bool centsOfKey(int note, const QList<Interval> &pitches, double *cents, QString *why) const;

    /// The frequency of the scale's degree 0, Hz: the reference frequency lowered by the cents
    /// of the reference note (so the middle note's frequency when it plays degree 0, as it does
    /// in nearly every mapping). False as centsOfKey() is.
    bool degreeZeroFrequency(const QList<Interval> &pitches, double *hz, QString *why) const;

    /// The file: each field with a French comment that names it.
    QByteArray serialise(const QString &fileName) const;
    /// Writes serialise() to path as ScalaLines::writeFile() does.
    bool write(const QString &path, QString *error) const;
};

struct KeyboardMapping::ReadResult
{
    bool ok = false;
    QString error;          ///< French, "Ligne N : …" when a line is at fault
    KeyboardMapping mapping; ///< filled only when ok
};

#endif
