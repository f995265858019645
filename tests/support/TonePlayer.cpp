#include "tests/support/TonePlayer.h"

#include <QAudioDeviceInfo>

namespace zibtest {

TonePlayer::TonePlayer() = default;

TonePlayer::~TonePlayer()
{
    stop();
}

bool TonePlayer::start(double frequency, double amplitude, int sampleRate, int durationMs)
{
    stop();
    m_error.clear();
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    if (device.isNull()) {
        m_error = QStringLiteral("no default audio output device");
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    if (!device.isFormatSupported(format)) {
        m_error = QStringLiteral("output device %1 refuses 16-bit mono at %2 Hz")
                      .arg(device.deviceName())
                      .arg(sampleRate);
        return false;
    }

    const qint64 count = durationMs > 0 ? qint64(sampleRate) * durationMs / 1000 : -1;
    m_source = std::make_unique<SineSource>(frequency, amplitude, sampleRate, count);
    // Unbuffered: a buffered device would read ahead 16 KiB at a time.
    m_source->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_output = std::make_unique<QAudioOutput>(device, format);
    m_output->start(m_source.get());
    if (m_output->state() == QAudio::StoppedState && m_output->error() != QAudio::NoError) {
        m_error = QStringLiteral("audio output did not start (QAudio::Error %1)").arg(m_output->error());
        stop();
        return false;
    }
    return true;
}

void TonePlayer::stop()
{
    if (m_output) {
        m_output->stop();
        m_output.reset();
    }
    m_source.reset();
}

bool TonePlayer::isPlaying() const
{
    return m_output && m_output->state() == QAudio::ActiveState;
}

qint64 TonePlayer::samplesPulled() const
{
    return m_source ? m_source->position() : 0;
}

} // namespace zibtest
