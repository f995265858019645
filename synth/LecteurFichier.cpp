#include "synth/LecteurFichier.h"

#include "synth/WavHeader.h"

#include <QAudioDeviceInfo>
#include <QCoreApplication>
#include <QSound>
#include <QSoundEffect>

QSound *audio = nullptr;

namespace {

// A replaced sound can no longer be stopped or restarted: it goes when it has played to its end.
// One that loops forever goes with the application, its parent.
void releaseWhenFinished(QSound *sound)
{
    if (sound->isFinished()) {
        sound->deleteLater();
        return;
    }
    if (auto *effect = sound->findChild<QSoundEffect *>()) {
        QObject::connect(effect, &QSoundEffect::playingChanged, sound, [sound, effect] {
            if (!effect->isPlaying())
                sound->deleteLater();
        });
    }
}

} // namespace

bool playFich(QString fichier, bool boucle)
{
    if (QAudioDeviceInfo::defaultOutputDevice().isNull() || !WavHeader::readFile(fichier).playable())
        return false;
    QSound *const precedent = audio;
    QSound *const sound = new QSound(fichier, QCoreApplication::instance());
    QObject::connect(sound, &QObject::destroyed, [sound] {
        if (audio == sound)
            audio = nullptr;
    });
    audio = sound;
    if (precedent)
        releaseWhenFinished(precedent);
    sound->setLoops(boucle ? QSound::Infinite : 1);
    sound->play();
    return true;
}

bool stopSonSynth()
{
    if (!audio)
        return false;
    if (audio->isFinished()) {
        audio->play();
        return false;
    }
    audio->stop();
    return true;
}
