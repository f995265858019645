#ifndef ZIBTEST_TONEPLAYER_H
#define ZIBTEST_TONEPLAYER_H

#include "tests/support/SineSource.h"

#include <QAudioOutput>
#include <QString>

#include <memory>

namespace zibtest {

/// Plays a sine into the default output device through QAudioOutput in pull mode, 16-bit signed
/// mono. The output pulls from the event loop: run it (QTest::qWait, AudioRecorder) while the
/// tone should sound.
class TonePlayer
{
public:
    TonePlayer();
    ~TonePlayer();

    /// Starts a tone of frequency (Hz) at amplitude (fraction of full scale, 0 … 1) and
    /// sampleRate (Hz), endless when durationMs (ms) ≤ 0. False, with errorString(), when the
    /// default output is missing, refuses the format or does not start.
    bool start(double frequency, double amplitude, int sampleRate, int durationMs = 0);

    void stop();

    /// True while the output is active (a finite tone that has ended leaves it idle).
    bool isPlaying() const;

    /// Samples the output has pulled so far.
    qint64 samplesPulled() const;

    QAudioOutput *output() const { return m_output.get(); }
    QString errorString() const { return m_error; }

private:
    std::unique_ptr<SineSource> m_source;
    std::unique_ptr<QAudioOutput> m_output;
    QString m_error;
};

} // namespace zibtest

#endif
