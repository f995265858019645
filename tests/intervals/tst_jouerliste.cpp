// "Jouer Liste" through the real sound server: three checked intervals are heard as the
// frequencies of positions 0, 1, 2, 1, 0 in that order, then silence. The capture is cut into
// 100 ms blocks, each measured independently of the program.

#include "intervals/IntervDlg.h"
#include "tests/support/FakeMainWindow.h"
#include "tests/support/AudioCheck.h"
#include "tests/support/AudioRecorder.h"
#include "tests/support/Enfant.h"
#include "tests/support/ToneMeasurement.h"

#include <QtTest>
#include <QLoggingCategory>
#include <QPushButton>

#include <cmath>

using namespace zibtest;

class TestJouerListe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        ZIB_REQUIRE_AUDIO(NeedsOutputAndInput);
    }

    void allerEtRetour()
    {
        constexpr int kRate = 48000;
        constexpr int kBlock = kRate / 10;
        FakeMainWindow main;
        main.f1 = 440;
        main.durationS = 0.5f;
        IntervDlg d(&main);
        d.show();
        const float sizes[3] = {0, 386.314f, 701.955f}; // 440, 550 and 660 Hz
        const double expected[3] = {440, 550, 660};
        for (float c : sizes) {
            Interval i;
            i.cent = c;
            i.frac = std::pow(2.0f, c / 1200);
            d.addInterv(&i);
        }

        AudioRecorder recorder;
        QVERIFY2(recorder.start(kRate), qPrintable(recorder.errorString()));
        QVERIFY(recorder.waitForSamples(kRate / 5, 5000));
        auto *bouton = enfant<QPushButton>(&d, "jouerListeButton");
        bouton->click();
        QTRY_COMPARE_WITH_TIMEOUT(bouton->text(), QStringLiteral("Jouer Liste"), 10000);
        QTest::qWait(700);
        recorder.stop();
        QCOMPARE(main.degrees, (QList<int>{0, 1, 2, 1, 0}));

        // Which of the three each block holds (−1: none), then the runs of at least two blocks.
        const QVector<qint16> &samples = recorder.samples();
        QList<int> heard;
        QStringList trace;
        int run = 0;
        int last = -2;
        for (int b = 0; (b + 1) * kBlock <= samples.size(); ++b) {
            const ToneMeasurement m = measureTone(samples.mid(b * kBlock, kBlock), kRate);
            int which = -1;
            for (int k = 0; k < 3; ++k) {
                if (m.valid && m.amplitude > 1000 && std::fabs(m.frequency - expected[k]) < expected[k] * 0.005)
                    which = k;
            }
            trace << (m.valid ? QString::number(m.frequency, 'f', 1) : QStringLiteral("-"));
            run = which == last ? run + 1 : 1;
            last = which;
            if (run == 2 && which >= 0 && (heard.isEmpty() || heard.last() != which))
                heard << which;
            if (run == 2 && which < 0 && !heard.isEmpty() && heard.last() != -1)
                heard << -1;
        }
        // Silence between the tones would show as −1: the steps follow one another directly.
        QVERIFY2(heard == (QList<int>{0, 1, 2, 1, 0, -1}), qPrintable(trace.join(QLatin1Char(' '))));
        // And silence to the end of the capture.
        const ToneMeasurement tail = measureTone(samples.mid(samples.size() - kRate / 2), kRate);
        QVERIFY2(isSilence(tail), qPrintable(describeTone(tail, kRate)));
    }
};

QTEST_MAIN(TestJouerListe)
#include "tst_jouerliste.moc"
