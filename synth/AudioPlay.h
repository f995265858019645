#ifndef AUDIOPLAY_H
#define AUDIOPLAY_H

#include <QAudioFormat>
#include <QAudioOutput>

#include <memory>

class Generator;
class Modmod;

/// Plays one tone through the default audio output as an endless loop, pulled from a Generator,
/// until its owner stops sortie or deletes the player.
///
/// Its own QAudioOutput base is never started: sortie plays. The player owns sortie and its
/// generators (children); deleting it stops and releases everything.
class AudioPlay : public QAudioOutput
{
    Q_OBJECT

public:
    /// A player of 16-bit signed little-endian mono at freqEch samples per second; amplitude 1.0.
    /// Nothing sounds yet.
    explicit AudioPlay(int freqEch);
    ~AudioPlay() override;

    /// Starts the periodic tone of shape forme (0 … 4) at freq Hz with a loop of duree whole
    /// seconds, at the current amplitude, replacing any tone this player was playing.
    /// False when nothing sounds: the output did not start (no sound server, no output device, a
    /// format the device refuses) or the loop is empty (freq below 1 Hz, duree ≤ 0, a shape code
    /// outside 0 … 4); sortie is then stopped.
    bool jouer(float freq, int duree, int forme);

    /// The same for the modal tone of modele (not owned; it must outlive the tone) struck at
    /// fundamental freq Hz.
    bool jouer(float freq, int duree, Modmod *modele);

    /// The state of sortie; ActiveState while the tone sounds.
    QAudio::State state() const;

    Generator *gen = nullptr;              ///< the current generator, a child of the player
    std::unique_ptr<QAudioOutput> sortie;  ///< the output that plays
    QAudioFormat format;                   ///< 16-bit signed little-endian mono, "audio/pcm"
    float amplitude = 1.0f;                ///< of the next generator; 1.0 for full scale

public slots:
    /// When sortie is active: the current generator takes the player's amplitude, refills its
    /// loop for its current freq (updateBuff) and sortie restarts on it, from the loop's start.
    /// In any other state, nothing.
    void rejouer();
    void setAmplitude(float a);
    float getAmplitude();

private slots:
    /// One diagnostic line: bytes the output can take, elapsed and processed microseconds.
    void status();

private:
    bool startOn(Generator *generator);
};

#endif
