// "Jouer Freq 1" and "Jouer Freq 2" pressed to play and pressed again to stop, 500 times, alone
// and together, through the sound server: every tone really starts (the player active), and
// afterwards no AudioPlay, Generator or audio output is left anywhere in the application. Under
// LeakSanitizer (the sanitized run) none may leak either.

#include "app/Diapason.h"
#include "FenetreTest.h"
#include "synth/AudioPlay.h"
#include "synth/Generator.h"
#include "tests/support/AudioCheck.h"

#include <QtTest>

#include <QApplication>
#include <QAudioOutput>
#include <QLoggingCategory>
#include <QPushButton>

namespace {

constexpr int kTones = 500;

/// The objects of class T in every window of the application.
template <class T>
int living()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += w->findChildren<T *>().size();
    return n;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestToneLoops : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        ZIB_REQUIRE_AUDIO(zibtest::NeedsOutput);
    }

    void playAndStop_data()
    {
        QTest::addColumn<bool>("together");
        QTest::newRow("Freq 1, then Freq 2") << false;
        QTest::newRow("Freq 1 and Freq 2 together") << true;
    }

    void playAndStop()
    {
        QFETCH(bool, together);
        Diapason w;
        Messages messages(&w);
        w.show();
        auto *play1 = enfant<QPushButton>(&w, "jouer1Button");
        auto *play2 = enfant<QPushButton>(&w, "jouer2Button");
        const QString text1 = play1->text();
        const QString text2 = play2->text();
        for (int i = 0; i < kTones; ++i) {
            const bool second = together || i % 2 == 1;
            const bool first = together || !second;
            if (first)
                QTest::mouseClick(play1, Qt::LeftButton);
            if (second)
                QTest::mouseClick(play2, Qt::LeftButton);
            const int sounding = int(first) + int(second);
            QVERIFY2(messages.textes.isEmpty(), qPrintable(messages.textes.join(QLatin1Char('|'))));
            int active = 0;
            for (AudioPlay *p : w.findChildren<AudioPlay *>())
                active += p->state() == QAudio::ActiveState ? 1 : 0;
            QVERIFY2(active == sounding, qPrintable(QStringLiteral("tone %1: %2 sounding").arg(i).arg(active)));
            if (first)
                QTest::mouseClick(play1, Qt::LeftButton);
            if (second)
                QTest::mouseClick(play2, Qt::LeftButton);
            QCOMPARE(play1->text(), text1);
            QCOMPARE(play2->text(), text2);
            settle();
            QVERIFY2(living<AudioPlay>() == 0, qPrintable(QStringLiteral("tone %1").arg(i)));
        }
        QCOMPARE(living<AudioPlay>(), 0);
        QCOMPARE(living<Generator>(), 0);
        QCOMPARE(living<QAudioOutput>(), 0);
    }
};

QTEST_MAIN(TestToneLoops)
#include "tst_toneloops.moc"
