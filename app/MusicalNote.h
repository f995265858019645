#ifndef MUSICALNOTE_H
#define MUSICALNOTE_H

#include <QString>

/// A frequency named as the nearest equal-tempered note, with its deviation.
/// Shared by the main window (the note of Frequency 2) and the tuner (detected and target notes).
class MusicalNote
{
public:
    MusicalNote(float freq, float la4);

    /// Recomputes octave, note, alteration and ecart from freq and la4; returns the semitone
    /// index 0 … 11, or −1 when freq is not a positive number (note and alteration are then 0).
    int setNote();

    /// Rebuilds nomNote: note name, alteration sign (♭ ♮ ♯), octave, then the deviation rounded
    /// half up to whole cents when it is not 0 ("Mi♮5+2"). A record without a note (note 0) gets
    /// an empty name.
    void setNomNote();

    float freq;      ///< Hz
    int octave;
    int note;        ///< 1 "Do" … 7 "Si"; 0 without a note
    int alteration;  ///< 0 flat, 1 natural, 2 sharp
    float ecart;     ///< deviation from the tempered note in cents, [−50, +50)
    float la4;       ///< A4 reference in Hz
    QString nomNote; ///< display name, empty until setNomNote()
};

#endif
