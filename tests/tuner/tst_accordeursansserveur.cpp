// The tuner without a sound server: this process points PulseAudio at a socket that does not
// exist before Qt's sound back-end starts. Qt then lists only its ALSA back-end's devices, which
// report no sample rate. The window opens, every device can be chosen, and "Analyse" neither
// crashes nor leaves the window stuck capturing.

#include "tuner/AccordeurDlg.h"
#include "tests/support/SansServeur.h"
#include "tests/support/Enfant.h"
#include "tuner/Analyseur.h"

#include <QtTest>

#include <QAudioDeviceInfo>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>

namespace {

} // namespace

class TestAccordeurSansServeur : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chaqueEntree();
};

void TestAccordeurSansServeur::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    // Qt's ALSA back-end could still reach a sound card directly.
    if (!QAudioDeviceInfo::defaultInputDevice().isNull())
        QSKIP("this machine has an input device without the sound server");
}

void TestAccordeurSansServeur::chaqueEntree()
{
    AccordeurDlg d;
    d.show();
    auto *entrees = enfant<QComboBox>(&d, "deviceBox");
    auto *fech = enfant<QComboBox>(&d, "fechBox");
    auto *bouton = enfant<QPushButton>(&d, "boutonAnalyse");
    auto *note = enfant<QLabel>(&d, "labelNote");
    QCOMPARE(entrees->count(), QAudioDeviceInfo::availableDevices(QAudio::AudioInput).size());

    for (int i = 0; i < std::max(entrees->count(), 1); ++i) {
        if (entrees->count() > 0) {
            entrees->setCurrentIndex(i);
            emit entrees->activated(i);
        }
        const QString nom = entrees->currentText();
        QVERIFY(d.analyseur());
        if (fech->count() == 0) {
            QVERIFY2(!d.audioInput(), qPrintable(nom));
            QCOMPARE(enfant<QLabel>(&d, "labelMinMax")->text(), QStringLiteral("---"));
            QCOMPARE(enfant<QLabel>(&d, "labelResolution")->text(), QStringLiteral("---"));
        }

        note->clear();
        QElapsedTimer temps;
        temps.start();
        QTest::mouseClick(bouton, Qt::LeftButton);
        QVERIFY2(temps.elapsed() < 5000, qPrintable(nom));
        QVERIFY2(!d.capturing(), qPrintable(nom));
        QCOMPARE(bouton->text(), QStringLiteral("Analyse"));
        QVERIFY(enfant<QGroupBox>(&d, "paramGroup")->isEnabled());
        QVERIFY(enfant<QGroupBox>(&d, "entreeGroup")->isEnabled());
        QVERIFY2(note->text().contains(QString::fromUtf8("Pas d'entrée audio")), qPrintable(nom));
        QTest::qWait(20);
    }
}

int main(int argc, char *argv[])
{
    QTemporaryDir sansServeur;
    if (!zibtest::sansServeurDeSon(sansServeur))
        return 1;

    QApplication app(argc, argv);
    TestAccordeurSansServeur test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accordeursansserveur.moc"
