// A model selected in the editor, heard through the sound server: "Jouer Freq 1" at 220 Hz with
// "synthèse" rings with a partial at 220 Hz times each of the model's ratios, at the level the
// bank gives each, and nothing else.

#include "EditorTest.h"

#include "app/Diapason.h"
#include "tests/support/AudioCheck.h"
#include "tests/support/AudioRecorder.h"

#include <cmath>

using namespace zibtest;

namespace {

constexpr int kRate = 48000;

/// Magnitude of the Hann-windowed spectrum of samples at frequency f (Hz), by direct summation.
double magnitude(const QVector<qint16> &samples, int begin, int count, double f)
{
    double re = 0;
    double im = 0;
    const double w = 2 * M_PI * f / kRate;
    for (int n = 0; n < count; ++n) {
        const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * n / (count - 1));
        const double x = hann * samples[begin + n];
        re += x * std::cos(w * n);
        im -= x * std::sin(w * n);
    }
    return std::hypot(re, im) / count;
}

struct Peak
{
    double frequency;
    double level;
};

/// The local maxima of the spectrum from 100 to 1500 Hz, on a grid of 0.5 Hz, that reach a twentieth
/// of the highest.
QVector<Peak> peaks(const QVector<qint16> &samples, int begin, int count)
{
    QVector<Peak> spectrum;
    for (double f = 100; f <= 1500; f += 0.5)
        spectrum.append({f, magnitude(samples, begin, count, f)});
    double highest = 0;
    for (const Peak &p : spectrum)
        highest = std::max(highest, p.level);
    QVector<Peak> found;
    for (int i = 1; i + 1 < spectrum.size(); ++i)
        if (spectrum[i].level >= spectrum[i - 1].level && spectrum[i].level > spectrum[i + 1].level &&
            spectrum[i].level > highest / 20)
            found.append(spectrum[i]);
    return found;
}

} // namespace

class TestModalSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ZIB_REQUIRE_AUDIO(NeedsOutputAndInput);
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    }

    void selectedModelRingsWithItsPartials();
};

void TestModalSound::selectedModelRingsWithItsPartials()
{
    Diapason w;
    MessageWatcher messages(&w);
    w.show();
    enfant<QComboBox>(&w, "formeCombo")->setCurrentIndex(5);
    enfant<QComboBox>(&w, "fechCombo")->setCurrentIndex(3); // 48000 Hz, the sink's own rate
    Editor::click(enfant<QPushButton>(&w, "parametresButton"));
    auto *editor = w.findChild<MMod_Dom *>();
    QVERIFY(editor && editor->isVisible());

    // Three undamped modes of equal weight, typed in.
    Editor::click(enfant<QPushButton>(editor, "nouveauButton"));
    auto *table = enfant<QTableWidget>(editor, "table");
    const QStringList ratios{"1", "2.3", "3.7"};
    for (int r = 0; r < 3; ++r) {
        Editor::click(enfant<QPushButton>(editor, "ajouterButton"));
        Editor::typeIntoCell(table, r, 0, ratios[r]);
        Editor::typeIntoCell(table, r, 1, QStringLiteral("0"));
        Editor::typeIntoCell(table, r, 2, QStringLiteral("1"));
    }
    Editor::click(enfant<QPushButton>(editor, "selectionnerButton"));
    QVERIFY(w.modele());

    Editor::type(enfant<QLineEdit>(&w, "freq1Edit"), QStringLiteral("220"));
    auto *jouer = enfant<QPushButton>(&w, "jouer1Button");
    Editor::click(jouer);
    QCOMPARE(jouer->text(), QStringLiteral("&Stop"));
    QTest::qWait(200);
    QVector<qint16> samples;
    listenTone(kRate, 1300, &samples);
    Editor::click(jouer);
    messages.settle();
    QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.shown.join(QLatin1Char('\n'))));
    QVERIFY2(samples.size() == kRate * 13 / 10, "the capture failed");

    const QVector<Peak> found = peaks(samples, kRate / 10, kRate);
    QString seen;
    for (const Peak &p : found)
        seen += QStringLiteral("%1 Hz (%2) ").arg(p.frequency).arg(p.level, 0, 'f', 1);
    QCOMPARE(found.size(), 3);
    for (int r = 0; r < 3; ++r)
        QVERIFY2(std::fabs(found[r].frequency - 220 * ratios[r].toDouble()) <= 1.0, qPrintable(seen));
    // Equal weights ring in inverse proportion to their ratios.
    for (int r = 1; r < 3; ++r) {
        const double relative = found[r].level / found[0].level;
        const double expected = 1 / ratios[r].toDouble();
        QVERIFY2(std::fabs(relative - expected) < 0.25 * expected, qPrintable(seen));
    }
}

QTEST_MAIN(TestModalSound)
#include "tst_modalsound.moc"
