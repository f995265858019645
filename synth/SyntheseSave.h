#ifndef SYNTHESESAVE_H
#define SYNTHESESAVE_H

// WAV rendering: mono 16-bit PCM files with a RIFF INFO list (artist "ZIB 0.10" and a comment).

#include "synth/PeakVerdict.h"

class Modmod;
class QDataStream;
class QString;

/// Writes a whole WAV file to flux, little-endian: RIFF header, "fmt " (PCM, one channel,
/// 16 bits), a LIST INFO with IART "ZIB 0.10" and ICMT the comment, then "data" with the nbEch
/// samples of donnees. The comment is first padded to an even length with one space, in
/// commentaire itself; it is written one byte per character (Latin-1, others as '?').
/// The sample rate field is freqEch truncated, the byte rate freqEch·2 truncated.
/// Returns false, writing nothing, when the sizes do not fit the 32-bit fields (or flux is
/// null), and false when the stream failed to take every byte.
bool ecritHeadFlux(QDataStream *flux, int nbEch, float freqEch, short *donnees,
                   QString *commentaire);

/// ecritHeadFlux to the file named fichier, atomically: the file appears, or is replaced, only
/// when everything was written, so a failure leaves an existing file of that name intact.
/// Returns true when the file was written; otherwise *erreur, when given, receives the system's
/// description of the failure (empty when the system gave none).
bool writeWavFile(const QString &fichier, int nbEch, float freqEch, short *donnees,
                  QString *commentaire, QString *erreur = nullptr);

/// Renders round(duree·freqEch) samples of the periodic waveform forme (0 … 4) at freq Hz and
/// writes them to fichier with the comment "Fondamental Frequency : <freq> Wave Shape <forme>".
/// The sine is the undamped resonator's ring (peak 32500·θ/sin θ, θ = 2π·freq/freqEch,
/// saturated to the 16-bit range); the other shapes are fileValue of their phase. Another
/// code writes silence. Returns true when the file was written; otherwise *erreur, when given,
/// receives the system's description of the failure.
bool syntheseSave(float freq, float duree, int forme, float freqEch, const QString *fichier,
                  QString *erreur = nullptr);

/// Renders the modal sound of modele struck at fundamental freq (Hz), round(freqEch·duree)
/// samples, with gain 25000·10^(volumeDb/20), and writes it to fichier with the comment
/// "Frequence Fondamentale : <freq>" unless it saturates.
/// The peak is measured over the first ⌈1.5·freqEch/freq⌉ samples (one and a half periods of
/// the fundamental, at most 32767 samples) and returned, in 16-bit sample units before
/// truncation; above kSaturationPeak nothing is written. Samples after that window are not
/// measured and saturate to the 16-bit range.
/// Leaves modele normalised, rung and with its resonators built for freq (see Modmod).
/// *ecrit, when given, is set to true only when the file was written; when a file that was to be
/// written was not, *erreur, when given, receives the system's description of the failure.
float syntheseSave(float freq, float duree, Modmod *modele, float freqEch, const QString *fichier,
                   int volumeDb, bool *ecrit = nullptr, QString *erreur = nullptr);

#endif
