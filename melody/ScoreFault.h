#ifndef SCOREFAULT_H
#define SCOREFAULT_H

#include <QString>

/// The first reason why a melody cannot be rendered or saved, found by checkScore.
struct ScoreFault
{
    enum Kind {
        None,           ///< every checked note is valid, and at least one was checked
        NoNote,         ///< the table has no row (no message)
        NothingChecked, ///< every row has an empty date (no message)
        Date,
        Degree,
        Duration,
        Octave,
        Amplitude,
        EmptyAmplitude, ///< a note without amplitude (no message)
    };

    Kind kind = None;
    int row = -1;  ///< 0-based row of the faulty note; the user sees row + 1
    QString date;  ///< the note's date, general format with 6 significant digits (Octave)
    QString value; ///< the rejected value as shown to the user (Octave, Amplitude)

    bool ok() const { return kind == None; }
};

#endif
