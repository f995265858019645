#ifndef GLOBALS_H
#define GLOBALS_H

#include <QString>

// State shared by the main window's slots, which call one another through the controls' change
// signals and so cannot pass it as arguments.

extern double freq1;     ///< Frequency 1 in Hz
extern int idNote;       ///< selected note, 1 = Do … 7 = Si
extern int octnew;       ///< current octave of Frequency 1
extern float alter;      ///< alteration in cents: −100 flat, 0 natural, +100 sharp
extern float cornew;     ///< current cents correction of Frequency 1
extern float corold;     ///< the correction before the last change
extern int curspos;      ///< caret of the Frequency 1 field, kept across a recomputation
extern int cursposcor;   ///< caret of the cents display, likewise
extern QString fichson;  ///< sound file last chosen for playback

#endif
