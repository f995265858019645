#include "tests/support/AudioRecorder.h"

#include <QAudioDeviceInfo>
#include <QtTest>

namespace zibtest {

namespace {

QAudioFormat monoPcm16(int sampleRate)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

bool stoppedWithError(const QAudioInput &input)
{
    return input.state() == QAudio::StoppedState && input.error() != QAudio::NoError;
}

} // namespace

AudioRecorder::AudioRecorder() = default;

AudioRecorder::~AudioRecorder()
{
    stop();
}

bool AudioRecorder::start(int sampleRate)
{
    stop();
    m_error.clear();
    m_sampleRate = sampleRate;
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultInputDevice();
    if (device.isNull()) {
        m_error = QStringLiteral("no default audio input device");
        return false;
    }
    const QAudioFormat format = monoPcm16(sampleRate);
    if (!device.isFormatSupported(format)) {
        m_error = QStringLiteral("input device %1 refuses 16-bit mono at %2 Hz")
                      .arg(device.deviceName())
                      .arg(sampleRate);
        return false;
    }
    m_buffer.open();
    m_input = std::make_unique<QAudioInput>(device, format);
    m_input->start(&m_buffer);
    if (stoppedWithError(*m_input)) {
        m_error = QStringLiteral("audio input did not start (QAudio::Error %1)").arg(m_input->error());
        m_input.reset();
        return false;
    }
    return true;
}

bool AudioRecorder::waitForSamples(int count, int timeoutMs)
{
    if (!m_input) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("not recording");
        return false;
    }
    const bool done = QTest::qWaitFor(
        [&] { return m_buffer.sampleCount() >= count || stoppedWithError(*m_input); }, timeoutMs);
    if (stoppedWithError(*m_input)) {
        m_error = QStringLiteral("audio input stopped (QAudio::Error %1)").arg(m_input->error());
        return false;
    }
    if (!done || m_buffer.sampleCount() < count) {
        m_error = QStringLiteral("%1 of %2 samples captured in %3 ms")
                      .arg(m_buffer.sampleCount())
                      .arg(count)
                      .arg(timeoutMs);
        return false;
    }
    return true;
}

void AudioRecorder::stop()
{
    if (m_input) {
        m_input->stop();
        m_input.reset();
    }
    m_buffer.close();
}

QVector<qint16> AudioRecorder::record(int sampleRate, int durationMs)
{
    const int count = static_cast<int>(qint64(sampleRate) * durationMs / 1000);
    if (!start(sampleRate))
        return {};
    const bool complete = waitForSamples(count, durationMs + 5000);
    stop();
    if (!complete)
        return {};
    return m_buffer.samples().mid(0, count);
}

ToneMeasurement listenTone(int sampleRate, int durationMs, QVector<qint16> *samples)
{
    AudioRecorder recorder;
    const QVector<qint16> s = recorder.record(sampleRate, durationMs);
    if (s.isEmpty())
        qWarning() << "capture failed:" << recorder.errorString();
    if (samples)
        *samples = s;
    return measureTone(s, sampleRate);
}

} // namespace zibtest
