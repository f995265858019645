#include "synth/AudioPlay.h"

#include "synth/Generator.h"

#include <QDebug>

namespace {

QAudioFormat toneFormat(int freqEch)
{
    QAudioFormat format;
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    format.setSampleRate(freqEch);
    return format;
}

} // namespace

AudioPlay::AudioPlay(int freqEch)
    : QAudioOutput(QAudioFormat(), nullptr), sortie(std::make_unique<QAudioOutput>(toneFormat(freqEch))),
      format(toneFormat(freqEch))
{
}

AudioPlay::~AudioPlay()
{
    // Before the generators, the children, go: the output must not pull from them any more.
    sortie->stop();
}

bool AudioPlay::jouer(float freq, int duree, int forme)
{
    return startOn(new Generator(this, freq, format.sampleRate(), float(duree), amplitude, forme));
}

bool AudioPlay::jouer(float freq, int duree, Modmod *modele)
{
    return startOn(new Generator(this, freq, format.sampleRate(), float(duree), amplitude, modele));
}

bool AudioPlay::startOn(Generator *generator)
{
    sortie->stop();
    // The output no longer reads the replaced generator: a long loop is tens of megabytes.
    delete gen;
    gen = generator;
    if (gen->loopBytes() == 0)
        return false;
    gen->start();
    sortie->start(gen);
    // Without a server or device, or with a format it refuses, the output stops at once (OpenError).
    return sortie->state() != QAudio::StoppedState;
}

QAudio::State AudioPlay::state() const
{
    return sortie->state();
}

void AudioPlay::rejouer()
{
    if (!gen || sortie->state() != QAudio::ActiveState)
        return;
    sortie->stop();
    gen->amplitude = amplitude;
    gen->updateBuff();
    gen->start();
    sortie->start(gen);
}

void AudioPlay::setAmplitude(float a)
{
    amplitude = a;
}

float AudioPlay::getAmplitude()
{
    return amplitude;
}

void AudioPlay::status()
{
    qWarning().noquote() << QStringLiteral("byteFree = %1 bytes, elapsedUSecs = %2, processedUSecs = %3")
                                .arg(sortie->bytesFree())
                                .arg(sortie->elapsedUSecs())
                                .arg(sortie->processedUSecs());
}
