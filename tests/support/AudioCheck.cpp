#include "tests/support/AudioCheck.h"

#include <QAudioDeviceInfo>

namespace zibtest {

QString missingAudioDevices(AudioNeeds needs)
{
    QStringList missing;
    if ((needs & NeedsOutput) && QAudioDeviceInfo::defaultOutputDevice().isNull())
        missing << QStringLiteral("output");
    if ((needs & NeedsInput) && QAudioDeviceInfo::defaultInputDevice().isNull())
        missing << QStringLiteral("input");
    if (missing.isEmpty())
        return {};
    const QString server = qEnvironmentVariable("PULSE_SERVER", QStringLiteral("the desktop's"));
    return QStringLiteral("no sound server: no default audio %1 device (PulseAudio server: %2)")
        .arg(missing.join(QStringLiteral(" or ")), server);
}

bool audioRequired()
{
    return qEnvironmentVariable("ZIB_AUDIO_REQUIRED") == QLatin1String("1");
}

} // namespace zibtest
