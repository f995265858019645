#ifndef MELODYRULES_H
#define MELODYRULES_H

// The rules of the melody editor that need no window: what a cell may hold, the check of every
// note before a render or a save, the length of the melody and the octaves its score shows.

#include "melody/NoteRow.h"
#include "melody/ScoreFault.h"

#include <QString>
#include <QVector>

/// What a value of the notes table stands for.
enum paramType { pDate = 0, pDeg = 1, pOct = 2, pDur = 3, pAmpl = 4 };

/// Largest note date, beats.
constexpr float kMaxDate = 1000.0f;
/// Largest note duration, beats.
constexpr float kMaxDuration = 10.0f;
/// Octave shifts a note may carry (the spin boxes' range).
constexpr int kMinOctave = -2;
constexpr int kMaxOctave = 2;

/// Nearest integer, halves away from zero (also for negative values); NaN gives 0 and values
/// beyond the int range are bounded to it.
int roundHalfAway(double v);

/// Farthest a drawing coordinate goes, pixels: absurd values read from a file (a duration of
/// 1e30) draw off the widget instead of overflowing.
constexpr int kMaxPixel = 1000000;

/// A drawing coordinate: v rounded half away from zero, NaN as 0, bounded to ±kMaxPixel.
int pixel(double v);

/// A cell's text as a float, 0 when it is empty or not a number.
float cellValue(const QString &text);

/// True when s is acceptable as a value of kind t, nbDeg being the number of degrees:
/// pDate 0 … 1000; pDeg a number whose integer part (truncated) is 0 … nbDeg − 1; pOct a base-10
/// integer −2 … 1; pDur 0 … 10; pAmpl 0 … 1. A text that is not a number fails every range; any
/// other t accepts everything.
bool validParam(const QString &s, int t, int nbDeg);

/// Checks the rows in their order (the caller sorts them by date first). Rows with an empty date
/// are skipped; the first faulty note stops the check. Octaves are checked against −2 … 2.
ScoreFault checkScore(const QVector<NoteRow> &rows, int nbDeg);

/// Length of the melody in beats: the duration of the first row, or the largest date + duration
/// of the rows whose date and duration are both non-empty; 0 without rows.
float melodyLength(const QVector<NoteRow> &rows);

/// Farthest octave the score reaches, either way: an octave read from a file outside the spin
/// boxes' range still extends the score to show it, but a value such as 1560563774 would make a
/// drawing billions of pixels high.
constexpr int kMaxScoreOctave = 10;

/// An octave as the score's range takes it: bounded to ±kMaxScoreOctave.
int scoreOctave(int oct);

/// The octaves the score shows, recomputed from 0: starting from 0 … 0, each octave in turn
/// (bounded by scoreOctave) lowers the bottom when it lies below it, else raises the top when it
/// lies above it. The range therefore always holds octave 0.
void octaveRange(const QVector<int> &octaves, int *octMin, int *octMax);

#endif
