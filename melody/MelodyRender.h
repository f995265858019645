#ifndef MELODYRENDER_H
#define MELODYRENDER_H

#include "melody/Point.h"

#include <QVector>
#include <QtGlobal>

#include <functional>
#include <memory>

class Modmod;

/// The synthesis of a melody into 16-bit samples: each note synthesised on its own at the
/// frequency of its degree and octave, shaped by the envelope, added into a float mix at its
/// date, and the mix normalised so that its loudest sample becomes ±32760.
///
/// Every note buffer and the mix are in single precision, as are the frequencies, the phases and
/// the envelope; only the normalisation is in double precision, so that the loudest sample is
/// exactly ±32760.
class MelodyRender
{
public:
    /// One note, already checked by the editor.
    struct Note
    {
        float date = 0;  ///< start, beats
        float dur = 0;   ///< length, beats
        float ampl = 1;  ///< amplitude, 0 … 1
        float cents = 0; ///< size of its degree, cents
        int oct = 0;     ///< octave shift
    };

    /// Called after each note with the note samples done and their total; false cancels.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    enum class Outcome { Done, Cancelled, OutOfMemory };

    float tempo = 60;        ///< beats per minute, 30 … 300
    float freqRef = 440;     ///< Hz: frequency of 0 cents in octave 0
    int fEch = 44100;        ///< samples per second
    int forme = 0;           ///< WaveShape::Code
    Modmod *modele = nullptr; ///< the bank of WaveShape::Modal; not owned, rung by every modal note
    float duree = 0;         ///< length of the melody, beats
    QVector<Note> notes;     ///< in the order they are mixed (by date)
    QVector<Point> enveloppe; ///< ascending time; empty: the notes sound unshaped

    /// Samples per beat, c = 60 / tempo × fEch.
    float samplesPerBeat() const;

    /// Mix length N = ⌈60 / tempo × duree × fEch⌉, taken in single precision.
    qint64 mixLength() const;

    /// Samples to write, nearest(60 / tempo × duree × fEch), at most mixLength().
    qint64 writtenLength() const;

    /// Samples of a note of dur beats: nearest(dur × c).
    qint64 noteLength(float dur) const;

    /// Frequency of a note, Hz: freqRef × 2^(oct + cents / 1200), in single precision.
    float frequency(const Note &note) const;

    /// Writes the n samples of note into buf: a·sin(i·w) for the sine, the periodic shapes 1 … 4
    /// stepped by ShapePhase, or the modal bank struck with an impulse scaled by a (shape 5;
    /// silent without a bank). Another shape code writes silence.
    void synthNote(const Note &note, float *buf, qint64 n) const;

    /// Adds the n samples of v into mix (of mixLength samples) from index s, shaped by points:
    /// a linear head from 0 up to the first point (when its time is above 0), straight segments
    /// between the points, and a linear tail down to 0 at the end of the note (when the last
    /// time is below 1). Samples at or beyond mixLength are dropped. *peak rises to every
    /// |mix| that an addition leaves above it.
    static void addEnveloped(float *mix, qint64 mixLength, qint64 s, const float *v, qint64 n,
                             const QVector<Point> &points, float *peak);

    /// Renders the melody. On Done, *tampon holds *nbEch = mixLength() samples and *nbEchMix =
    /// writtenLength(); otherwise none of the three is touched. progress is asked after every
    /// note.
    Outcome render(std::unique_ptr<qint16[]> *tampon, qint64 *nbEch, qint64 *nbEchMix,
                   const Progress &progress = Progress()) const;
};

#endif
