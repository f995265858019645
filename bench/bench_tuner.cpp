// The tuner's cost: the time Analyseur::writeData spends per completed buffer of 8192 samples (each
// of the four methods), fed
// with the chunks Qt's PulseAudio input delivers (586 bytes of 16-bit mono at 44100 Hz, the first
// one 566, every eighth 588), against the 186 ms of sound such a buffer holds; and the CPU the
// whole process uses while the tuner window captures a tone for 60 s from the private sound
// server's monitor (bench/run starts one). The tone comes from the server itself (module-sine),
// so no player of this process is counted.

#include "Figures.h"

#include "tuner/AccordeurDlg.h"
#include "tuner/Analyseur.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QAudioInput>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <ctime>
#include <random>
#include <vector>

namespace {

const int kRate = 44100;
const int kPoints = 8192;

QApplication &application()
{
    static int argc = 1;
    static char nom[] = "bench_tuner";
    static char *argv[] = {nom, nullptr};
    static QApplication app(argc, argv);
    return app;
}

double threadSeconds()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double processSeconds()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

/// 10 s of a 440 Hz tone with three harmonics and some noise, 16-bit little-endian mono.
QByteArray toneBytes()
{
    std::mt19937 generateur(3);
    std::normal_distribution<double> bruit(0.0, 150.0);
    const int n = kRate * 10;
    QByteArray octets(2 * n, '\0');
    for (int i = 0; i < n; ++i) {
        double v = bruit(generateur);
        for (int h = 1; h <= 3; ++h)
            v += 9000.0 / h * std::sin(2.0 * M_PI * 440.0 * h * i / kRate + h);
        const int s = int(std::max(-32768.0, std::min(32767.0, v)));
        octets[2 * i] = char(s & 0xFF);
        octets[2 * i + 1] = char((s >> 8) & 0xFF);
    }
    return octets;
}

/// The chunk sizes of the input, in bytes: 566 first, then 586, every eighth 588.
int chunkSize(long index)
{
    if (index == 0)
        return 566;
    return index % 8 == 0 ? 588 : 586;
}

void writeDataPerBuffer(benchmark::State &state, int methode)
{
    application();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const QByteArray ton = toneBytes();
    QAudioFormat format;
    format.setSampleRate(kRate);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setSampleType(QAudioFormat::SignedInt);
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setCodec(QStringLiteral("audio/pcm"));
    Analyseur a(format);
    a.nbPoints = kPoints;
    a.fech = kRate;
    a.methode = methode;
    a.fenType = 1;
    a.minLevel = 0.1f;
    a.start();
    int analyses = 0;
    QObject::connect(&a, &Analyseur::analysee, [&analyses] { ++analyses; });

    long chunk = 0;
    int position = 0;
    for (auto _ : state) {
        // Every chunk of one buffer, the one that completes it included.
        const double debut = threadSeconds();
        const int avant = analyses;
        while (analyses == avant) {
            const int taille = chunkSize(chunk++);
            if (position + taille > ton.size())
                position = 0;
            a.write(ton.constData() + position, taille);
            position += taille;
        }
        state.SetIterationTime(threadSeconds() - debut);
    }
    state.SetLabel(std::to_string(a.freq) + " Hz");
}

} // namespace

static void BM_WriteDataAutocorrelation(benchmark::State &state)
{
    writeDataPerBuffer(state, 0);
}
BENCHMARK(BM_WriteDataAutocorrelation)->UseManualTime()->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_WriteDataCepstre(benchmark::State &state)
{
    writeDataPerBuffer(state, 1);
}
BENCHMARK(BM_WriteDataCepstre)->UseManualTime()->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_WriteDataHps(benchmark::State &state)
{
    writeDataPerBuffer(state, 2);
}
BENCHMARK(BM_WriteDataHps)->UseManualTime()->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_WriteDataPrecise(benchmark::State &state)
{
    writeDataPerBuffer(state, 3);
}
BENCHMARK(BM_WriteDataPrecise)->UseManualTime()->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);

// The anchor: the sound one buffer holds, 8192 samples at 44100 Hz.
static void BM_BufferDuration(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(double(kPoints) / kRate);
}
BENCHMARK(BM_BufferDuration)->UseManualTime()->Iterations(1);

// The tuner window captures the default input (the server's monitor) at 44100 Hz, N = 8192, with
// the autocorrelation, while the server plays a 440 Hz sine into its default sink.
static void BM_TunerCapture60s(benchmark::State &state)
{
    application();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("load-module"), QStringLiteral("module-sine"),
                                          QStringLiteral("frequency=440")});
    if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0) {
        state.SkipWithError("pactl load-module module-sine failed: is the private sound server running?");
        return;
    }
    const QString module = QString::fromLatin1(pactl.readAllStandardOutput()).trimmed();

    for (auto _ : state) {
        AccordeurDlg d;
        d.show();
        auto *points = d.findChild<QComboBox *>(QStringLiteral("nbPointsBox"));
        points->setCurrentIndex(points->findText(QString::number(kPoints)));
        int analyses = 0;
        QObject::connect(d.analyseur(), &Analyseur::analysee, [&analyses] { ++analyses; });
        d.findChild<QPushButton *>(QStringLiteral("boutonAnalyse"))->click();
        if (!d.capturing()) {
            state.SkipWithError("the tuner did not start capturing");
            break;
        }
        QEventLoop boucle;
        QTimer::singleShot(60000, &boucle, &QEventLoop::quit);
        QElapsedTimer mur;
        mur.start();
        const double cpu0 = processSeconds();
        boucle.exec();
        const double cpu = processSeconds() - cpu0;
        const double secondes = mur.nsecsElapsed() * 1e-9;
        const float f = d.analyseur()->freq;
        d.findChild<QPushButton *>(QStringLiteral("boutonAnalyse"))->click();
        if (analyses < 100 || std::fabs(f - 441.0f) > 1.0f) {
            state.SkipWithError("the tuner did not hear the tone");
            break;
        }
        state.SetIterationTime(secondes);
        state.counters["cpu"] = 100.0 * cpu / secondes;
        state.counters["analyses"] = analyses;
        state.SetLabel(std::to_string(f) + " Hz");
    }
    QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("unload-module"), module});
}
BENCHMARK(BM_TunerCapture60s)->UseManualTime()->Iterations(1);

static std::string median(const char *run)
{
    return std::string(run) + "/min_time:1.000/repeats:5/manual_time_median";
}

ZIB_FIGURE("Analyseur writeData per completed buffer, N=8192, autocorrelation", median("BM_WriteDataAutocorrelation"),
           "ms", "", "buffer duration", "BM_BufferDuration/iterations:1/manual_time");
ZIB_FIGURE("Analyseur writeData per completed buffer, N=8192, cepstre (Hann)", median("BM_WriteDataCepstre"), "ms",
           "", "buffer duration", "BM_BufferDuration/iterations:1/manual_time");
ZIB_FIGURE("Analyseur writeData per completed buffer, N=8192, HPS (Hann)", median("BM_WriteDataHps"), "ms", "",
           "buffer duration", "BM_BufferDuration/iterations:1/manual_time");
ZIB_FIGURE("Analyseur writeData per completed buffer, N=8192, Précise", median("BM_WriteDataPrecise"), "ms", "",
           "buffer duration", "BM_BufferDuration/iterations:1/manual_time");
ZIB_FIGURE("tuner CPU use while capturing 60 s (autocorrelation, N=8192, 44100 Hz)",
           "BM_TunerCapture60s/iterations:1/manual_time", "% of one core", "cpu");
