#ifndef CALCULNOTE_H
#define CALCULNOTE_H

// Conversions between equal-tempered notes and frequencies.
// Notes are numbered 1 "Do" … 7 "Si"; alterations 0 flat, 1 natural, 2 sharp; semitone indices
// run 0 … 11 from Do; octaves follow scientific pitch numbering (La4 is the A4 reference).

/// Frequency of a note.
/// @param note        1 … 7 (any other value counts as La)
/// @param octave      scientific octave number
/// @param alterCents  alteration in cents (−100 flat, 0 natural, +100 sharp)
/// @param corrCents   correction in cents
/// @param freq        in: A4 in Hz; out: the note's frequency in Hz
void CFreqref(int note, int octave, float alterCents, float corrCents, double *freq);

/// Nearest equal-tempered semitone of a frequency against A4 = la4 (Hz).
/// Stores the semitone (0 … 11), the octave and the deviation in cents, in [−50, +50): a frequency
/// exactly half way between two semitones goes to the upper one with −50 cents.
/// A frequency that is not a positive finite number has no note: the semitone is −1 (returned and
/// stored), the octave 4 and the deviation 0.
int CFreqNoteOctCor(double freq, int *semitone, int *octave, float *cents, float la4);

/// Like CFreqNoteOctCor, spelled as a note (1 … 7) and an alteration (0 … 2) by the program's
/// spelling table (Do♯, Mi♭, Fa♯, La♭, Si♭). Without a note, note and alteration are 0.
/// Returns the semitone index.
int Freq2NoteOctCor(float freq, int *note, int *alteration, int *octave, float *cents, float la4);

/// Spelling of a semitone index 0 … 11: note 1 … 7 and alteration 0 … 2.
struct Orthographe
{
    int note;
    int alteration;
};
Orthographe orthographe(int semitone);

#endif
