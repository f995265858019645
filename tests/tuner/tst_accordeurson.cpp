// The tuner listening to real sound: a tone played into the sound server (in the test script, its
// null sink) is captured from the default input (the sink's monitor) by the tuner's own audio input
// and shown as a frequency, a note and a deviation.
//
// A 440 Hz sine at 44100 Hz correlates best at lag 100: the autocorrelation shows 441 Hz, La♮4+4
// (1200·log2(441/440) = 3.93 cents), "0 oct+3.9" against 440 Hz and the needle at 4.
// "Précise" reads a 441.5 Hz tone to a tenth of a cent: La♮4+5.9 (5.892 cents).

#include "app/Diapason.h"
#include "tests/support/Enfant.h"
#include "tuner/AccordeurDlg.h"
#include "tuner/Analyseur.h"
#include "tuner/VuMetre.h"

#include "tests/support/AudioCheck.h"
#include "tests/support/TonePlayer.h"

#include <QtTest>

#include <QAudioInput>
#include <QClipboard>
#include <QComboBox>
#include <QDial>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>

#include <cmath>

using namespace zibtest;

namespace {

/// The frequencies a tuner detects from now on.
class Detections : public QObject
{
public:
    QList<float> frequences;

    explicit Detections(AccordeurDlg *d)
    {
        connect(d->analyseur(), &Analyseur::analysee, this, [this, d] { frequences << d->analyseur()->freq; });
    }

    /// Runs the event loop until count more detections arrived (8 s at most).
    bool attendre(int count)
    {
        const int but = frequences.size() + count;
        QElapsedTimer temps;
        temps.start();
        while (frequences.size() < but && temps.elapsed() < 8000)
            QTest::qWait(20);
        return frequences.size() >= but;
    }

    QString liste() const
    {
        QStringList l;
        for (float f : frequences)
            l << QString::number(double(f), 'f', 2);
        return l.join(QLatin1Char(' '));
    }
};

void presser(QPushButton *bouton)
{
    QTest::mouseClick(bouton, Qt::LeftButton);
}

} // namespace

class TestAccordeurSon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void la440_data();
    void la440();
    void precise();
    void parLaFenetrePrincipale();
    void fermeturesPendantLaCapture();
};

void TestAccordeurSon::initTestCase()
{
    ZIB_REQUIRE_AUDIO(NeedsOutputAndInput);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestAccordeurSon::cleanup()
{
    // What a test played may still be on its way through the server.
    QTest::qWait(300);
}

void TestAccordeurSon::la440_data()
{
    QTest::addColumn<QString>("methode");
    QTest::addColumn<QString>("points");
    QTest::addColumn<int>("fech");
    QTest::addColumn<double>("attendu");
    QTest::addColumn<double>("tolerance");

    // At 512 points the sums fall off so fast with the lag that the peak may move one lag down
    // (99: 445.45 Hz).
    QTest::newRow("autocorrelation, 512 points") << utf8("Autocorrélation") << "512" << 44100 << 441.0 << 4.5;
    QTest::newRow("autocorrelation, 1024 points") << utf8("Autocorrélation") << "1024" << 44100 << 441.0 << 1e-3;
    QTest::newRow("autocorrelation, 4096 points") << utf8("Autocorrélation") << "4096" << 44100 << 441.0 << 1e-3;
    // 48000/440 = 109.09: lag 109, 440.37 Hz.
    QTest::newRow("autocorrelation at 48000 Hz") << utf8("Autocorrélation") << "2048" << 48000 << 48000.0 / 109
                                                 << 1e-3;
    // Bins of 10.8 Hz refined by a parabola.
    QTest::newRow("HPS, 4096 points") << QStringLiteral("HPS") << "4096" << 44100 << 440.0 << 2.0;
}

void TestAccordeurSon::la440()
{
    QFETCH(QString, methode);
    QFETCH(QString, points);
    QFETCH(int, fech);
    QFETCH(double, attendu);
    QFETCH(double, tolerance);

    AccordeurDlg d;
    MusicalNote cible(440.f, 440.f);
    d.setNoteCible(&cible);
    d.afficheCible();
    d.show();
    // The default input (the null sink's monitor) and 44100 Hz are chosen to start with.
    QCOMPARE(enfant<QComboBox>(&d, "deviceBox")->currentText(), QAudioDeviceInfo::defaultInputDevice().deviceName());
    QCOMPARE(enfant<QComboBox>(&d, "fechBox")->currentText(), QStringLiteral("44100"));
    QVERIFY(d.audioInput());
    QCOMPARE(d.format().sampleRate(), 44100);
    QCOMPARE(d.format().sampleSize(), 16);
    QCOMPARE(d.format().channelCount(), 1);
    QCOMPARE(d.format().sampleType(), QAudioFormat::SignedInt);
    auto *methodes = enfant<QComboBox>(&d, "methodeBox");
    methodes->setCurrentIndex(methodes->findText(methode));
    auto *nbPoints = enfant<QComboBox>(&d, "nbPointsBox");
    nbPoints->setCurrentIndex(nbPoints->findText(points));
    QCOMPARE(d.analyseur()->nbPoints, points.toInt());
    if (fech != 44100) {
        // Another rate: a new format, a new analyser and a new input.
        auto *taux = enfant<QComboBox>(&d, "fechBox");
        const int i = taux->findText(QString::number(fech));
        QVERIFY(i >= 0);
        taux->setCurrentIndex(i);
        emit taux->activated(i);
        QCOMPARE(d.format().sampleRate(), fech);
        QCOMPARE(d.analyseur()->fech, fech);
        QCOMPARE(d.analyseur()->nbPoints, points.toInt());
        QVERIFY(d.audioInput());
        QCOMPARE(d.audioInput()->format().sampleRate(), fech);
        QCOMPARE(enfant<QLabel>(&d, "labelMinMax")->text(),
                 QStringLiteral("%1 - %2 Hz").arg(qRound(double(fech) / points.toInt())).arg(fech / 2));
    }

    TonePlayer ton;
    QVERIFY2(ton.start(440.0, 0.5, 44100), qPrintable(ton.errorString()));
    Detections detections(&d);
    auto *bouton = enfant<QPushButton>(&d, "boutonAnalyse");
    presser(bouton);
    QCOMPARE(bouton->text(), QStringLiteral("Stop"));
    QVERIFY(d.capturing());
    QVERIFY(d.audioInput()->state() != QAudio::StoppedState);
    QVERIFY(!enfant<QGroupBox>(&d, "paramGroup")->isEnabled());
    QVERIFY(!enfant<QGroupBox>(&d, "entreeGroup")->isEnabled());

    QVERIFY2(detections.attendre(4), qPrintable(detections.liste()));
    // The last ones hear the tone throughout.
    for (int i = detections.frequences.size() - 3; i < detections.frequences.size(); ++i)
        QVERIFY2(std::fabs(detections.frequences[i] - attendu) <= tolerance, qPrintable(detections.liste()));
    QVERIFY2(std::fabs(enfant<QLCDNumber>(&d, "lcd")->value() - attendu) <= tolerance, qPrintable(detections.liste()));
    QVERIFY(enfant<QLabel>(&d, "labelNote")->text().contains(utf8("La♮4")));
    // The meter shows the tone's level: half of full scale (the server may overshoot by a few %).
    // It follows every chunk, so a chunk that a loaded machine delivers late and short of sound
    // reads lower for a moment: the next ones read the tone again.
    const auto level = [&d] { return enfant<VuMetre>(&d, "vuMetre")->level(); };
    QTRY_VERIFY2_WITH_TIMEOUT(level() > 0.45 && level() < 0.56, qPrintable(QString::number(level())), 1000);
    auto *aiguille = enfant<QDial>(&d, "aiguille");
    QCOMPARE(aiguille->palette().color(QPalette::Button), QColor(Qt::red));
    if (std::fabs(attendu - 441.0) < 1e-6 && tolerance < 0.01) {
        QCOMPARE(enfant<QLabel>(&d, "labelNote")->text(), utf8("<font size=5>La♮4+4</font>"));
        QCOMPARE(enfant<QLabel>(&d, "labelEcart")->text(), QStringLiteral("0 oct+3.9"));
        QCOMPARE(aiguille->value(), 4);
    } else {
        QVERIFY(enfant<QLabel>(&d, "labelEcart")->text().startsWith(QStringLiteral("0 oct")));
        // Within the cents the tolerance allows on either side of 440 Hz.
        const double centsMax = 1200 * std::max(std::fabs(std::log2((attendu + tolerance) / 440)),
                                                std::fabs(std::log2((attendu - tolerance) / 440)));
        QVERIFY2(std::abs(aiguille->value()) <= centsMax + 1, qPrintable(QString::number(aiguille->value())));
    }

    presser(bouton);
    QCOMPARE(bouton->text(), QStringLiteral("Analyse"));
    QVERIFY(!d.capturing());
    QCOMPARE(d.audioInput()->state(), QAudio::StoppedState);
    QVERIFY(enfant<QGroupBox>(&d, "paramGroup")->isEnabled());
    QVERIFY(enfant<QGroupBox>(&d, "entreeGroup")->isEnabled());
    const int apresStop = detections.frequences.size();
    QTest::qWait(400);
    QCOMPARE(detections.frequences.size(), apresStop);
}

// "Précise" at N = 8192 reads a 441.5 Hz tone played into the server within 0.1 cent, shows it to
// a tenth of a cent, and holds the last reading, marked, when the tone stops and when the capture
// stops.
void TestAccordeurSon::precise()
{
    AccordeurDlg d;
    MusicalNote cible(440.f, 440.f);
    d.setNoteCible(&cible);
    d.afficheCible();
    d.show();
    auto *methodes = enfant<QComboBox>(&d, "methodeBox");
    methodes->setCurrentIndex(methodes->findText(utf8("Précise")));
    QCOMPARE(d.analyseur()->methode, 3);
    auto *nbPoints = enfant<QComboBox>(&d, "nbPointsBox");
    nbPoints->setCurrentIndex(nbPoints->findText(QStringLiteral("8192")));
    QCOMPARE(d.analyseur()->nbPoints, 8192);
    QCOMPARE(d.format().sampleRate(), 44100);

    TonePlayer ton;
    QVERIFY2(ton.start(441.5, 0.5, 44100), qPrintable(ton.errorString()));
    Detections detections(&d);
    auto *bouton = enfant<QPushButton>(&d, "boutonAnalyse");
    presser(bouton);
    QVERIFY(d.capturing());
    QVERIFY2(detections.attendre(5), qPrintable(detections.liste()));
    // The first buffers may hold the start of the tone; the last ones hear it throughout.
    QStringList cents;
    for (int i = detections.frequences.size() - 3; i < detections.frequences.size(); ++i) {
        const double c = 1200.0 * std::log2(detections.frequences[i] / 441.5);
        cents << QString::number(c, 'f', 4);
        QVERIFY2(std::fabs(c) <= 0.1, qPrintable(cents.join(QLatin1Char(' ')) + QStringLiteral(" cents; ") +
                                                  detections.liste()));
    }
    auto *note = enfant<QLabel>(&d, "labelNote");
    QCOMPARE(note->text(), utf8("<font size=5>La♮4+5.9</font>"));
    QCOMPARE(enfant<QLabel>(&d, "labelEcart")->text(), QStringLiteral("0 oct+5.9"));
    QCOMPARE(enfant<QDial>(&d, "aiguille")->value(), 59);
    QVERIFY(!d.readingHeld());

    // The tone stops: the buffers fall below the noise floor, the last reading stays, held.
    ton.stop();
    QTRY_VERIFY_WITH_TIMEOUT(d.readingHeld(), 3000);
    QCOMPARE(note->text(), utf8("<font size=5 color=#808080>La♮4+5.9</font> <font color=#808080>(figée)</font>"));
    QCOMPARE(enfant<QLabel>(&d, "labelEcart")->text(), QStringLiteral("0 oct+5.9"));

    // Played again, read again; "Stop" holds the last reading.
    QVERIFY2(ton.start(441.5, 0.5, 44100), qPrintable(ton.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(!d.readingHeld(), 3000);
    presser(bouton);
    QVERIFY(!d.capturing());
    QVERIFY(d.readingHeld());
    QVERIFY(note->text().contains(utf8("(figée)")));
}

// The whole program: "Accordeur", "Jouer Freq 1" (440 Hz through the program's own player),
// "Analyse"; then a new interval moves Frequency 2 to 660 Hz (Mi♮5+2) and the deviation of the
// next detections follows: 1200·log2(441/660) = −698.02 cents, "-1 oct+502.0".
void TestAccordeurSon::parLaFenetrePrincipale()
{
    Diapason w;
    w.show();
    QTest::mouseClick(enfant<QPushButton>(&w, "accordeurButton"), Qt::LeftButton);
    auto *d = w.findChild<AccordeurDlg *>();
    QVERIFY(d);
    QCOMPARE(enfant<QLabel>(d, "labelCible")->text(), utf8("La♮4\n440"));
    // A length at which the autocorrelation finds lag 100 every time (see la440 for 512 points).
    auto *nbPoints = enfant<QComboBox>(d, "nbPointsBox");
    nbPoints->setCurrentIndex(nbPoints->findText(QStringLiteral("2048")));

    auto *jouer = enfant<QPushButton>(&w, "jouer1Button");
    QTest::mouseClick(jouer, Qt::LeftButton);
    QCOMPARE(jouer->text(), QStringLiteral("&Stop"));
    Detections detections(d);
    auto *analyse = enfant<QPushButton>(d, "boutonAnalyse");
    presser(analyse);
    QVERIFY(d->capturing());
    QVERIFY2(detections.attendre(4), qPrintable(detections.liste()));
    QCOMPARE(detections.frequences.last(), 441.0f);
    QCOMPARE(enfant<QLabel>(d, "labelNote")->text(), utf8("<font size=5>La♮4+4</font>"));
    QCOMPARE(enfant<QLabel>(d, "labelEcart")->text(), QStringLiteral("0 oct+3.9"));

    auto *decimal = enfant<QLineEdit>(&w, "decimalEdit");
    QGuiApplication::clipboard()->setText(QStringLiteral("1.5"));
    decimal->setFocus();
    decimal->selectAll();
    QTest::keyClick(decimal, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(enfant<QLabel>(d, "labelCible")->text(), utf8("Mi♮5+2\n660"));
    QVERIFY2(detections.attendre(2), qPrintable(detections.liste()));
    QCOMPARE(detections.frequences.last(), 441.0f);
    QCOMPARE(enfant<QLabel>(d, "labelEcart")->text(), QStringLiteral("-1 oct+502.0"));

    presser(analyse);
    QVERIFY(!d->capturing());
    QTest::mouseClick(jouer, Qt::LeftButton);
    QCOMPARE(jouer->text(), QStringLiteral("Jouer Freq &1"));
}

// Closing a capturing tuner stops it and deletes it; deleting the main window while another tuner
// captures takes the tuner and its input down cleanly.
void TestAccordeurSon::fermeturesPendantLaCapture()
{
    auto *w = new Diapason;
    w->show();
    auto *accordeur = enfant<QPushButton>(w, "accordeurButton");
    QTest::mouseClick(accordeur, Qt::LeftButton);
    QPointer<AccordeurDlg> premier = w->findChild<AccordeurDlg *>();
    QVERIFY(premier);
    QTest::mouseClick(accordeur, Qt::LeftButton);
    QPointer<AccordeurDlg> second;
    for (AccordeurDlg *d : w->findChildren<AccordeurDlg *>()) {
        if (d != premier)
            second = d;
    }
    QVERIFY(second);

    TonePlayer ton;
    QVERIFY2(ton.start(440.0, 0.5, 44100), qPrintable(ton.errorString()));
    presser(enfant<QPushButton>(premier, "boutonAnalyse"));
    presser(enfant<QPushButton>(second, "boutonAnalyse"));
    QVERIFY(premier->capturing());
    QVERIFY(second->capturing());
    Detections detections(second);
    QVERIFY2(detections.attendre(2), qPrintable(detections.liste()));

    QAudioInput *entree = second->audioInput();
    QSignalSpy arrets(entree, &QAudioInput::stateChanged);
    second->close();
    QCOMPARE(arrets.count(), 1);
    QCOMPARE(arrets.first().first().value<QAudio::State>(), QAudio::StoppedState);
    QTRY_VERIFY(second.isNull());

    QVERIFY(premier->capturing());
    QTest::qWait(200);
    delete w;
    QVERIFY(premier.isNull());
}

QTEST_MAIN(TestAccordeurSon)
#include "tst_accordeurson.moc"
