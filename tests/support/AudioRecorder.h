#ifndef ZIBTEST_AUDIORECORDER_H
#define ZIBTEST_AUDIORECORDER_H

#include "tests/support/CaptureBuffer.h"
#include "tests/support/ToneMeasurement.h"

#include <QAudioInput>
#include <QString>
#include <QVector>

#include <memory>

namespace zibtest {

/// Records 16-bit signed mono samples from the default input device (in the test script, the
/// null sink's monitor: everything played into the sound server) through QAudioInput in push mode.
/// Samples are kept from the moment the input starts; the event loop must run meanwhile
/// (waitForSamples and record run it).
class AudioRecorder
{
public:
    AudioRecorder();
    ~AudioRecorder();

    /// Starts capturing at sampleRate (Hz). False, with errorString(), when the default input is
    /// missing, refuses the format or does not start.
    bool start(int sampleRate);

    /// Runs the event loop until count samples are captured or timeoutMs (ms) have passed.
    /// False on time-out or when the input stopped with an error.
    bool waitForSamples(int count, int timeoutMs);

    /// Stops capturing; the samples stay available.
    void stop();

    /// Starts, captures durationMs (ms) of samples at sampleRate (Hz), stops and returns them
    /// (exactly sampleRate × durationMs / 1000 of them). Empty, with errorString(), on failure or
    /// when the samples do not arrive within durationMs + 5 s.
    QVector<qint16> record(int sampleRate, int durationMs);

    const QVector<qint16> &samples() const { return m_buffer.samples(); }
    int sampleRate() const { return m_sampleRate; }
    QString errorString() const { return m_error; }

private:
    CaptureBuffer m_buffer;
    std::unique_ptr<QAudioInput> m_input;
    int m_sampleRate = 0;
    QString m_error;
};

/// Captures durationMs of what the server plays (while the event loop runs) and measures it;
/// the samples go to *samples when given. A failed capture is reported as a warning and measures
/// as no tone.
ToneMeasurement listenTone(int sampleRate, int durationMs, QVector<qint16> *samples = nullptr);

} // namespace zibtest

#endif
