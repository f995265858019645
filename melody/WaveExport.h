#ifndef WAVEEXPORT_H
#define WAVEEXPORT_H

// What the melody editor's "Enregistrer" writes besides the samples.

#include <QString>

/// The file name to write: name itself when it ends with ".wav" (case-sensitive), else name with
/// ".wav" appended (so "air.WAV" becomes "air.WAV.wav").
QString wavFileName(const QString &name);

/// The WAV comment of a melody, four lines: "Tempo : <tempo>", "Frequence de reference : <ref>",
/// the intervals group's title ("Intervalles : <list title>") and "Forme d'onde : <code>", the
/// texts as the fields show them and the waveform as its code 0 … 5.
QString wavComment(const QString &tempo, const QString &freqRef, const QString &intervalsTitle,
                   int forme);

#endif
