#ifndef LECTEURFICHIER_H
#define LECTEURFICHIER_H

// The sound-file player: WAV files played through the platform's QSound.

#include <QString>

class QSound;

/// The sound of the file last started by playFich; null until then.
extern QSound *audio;

/// Plays the WAV file fichier, endlessly when boucle is true, once otherwise; it becomes audio.
/// A sound started before keeps playing and is released when it ends (or with the application).
/// False, playing nothing and leaving audio as it was, when there is no default output device (no
/// sound server) or fichier is not a WAV file QSound plays (see WavHeader): QSound would then
/// fail silently.
bool playFich(QString fichier, bool boucle);

/// Stops audio and returns true; when it has finished (or was stopped), plays it again from its
/// start and returns false. Without a current sound: false, and nothing happens.
bool stopSonSynth();

#endif
