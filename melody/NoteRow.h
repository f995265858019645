#ifndef NOTEROW_H
#define NOTEROW_H

#include <QString>

/// One row of the melody editor's notes table as the checks see it: the three text cells as typed
/// (or read from a file) and the values of the two spin boxes.
struct NoteRow
{
    QString date;      ///< start in beats from the start of the melody
    QString dur;       ///< length in beats
    QString ampl;      ///< amplitude, 0 … 1
    int deg = 0;       ///< degree: index into the interval list
    int oct = 0;       ///< octave shift
};

#endif
