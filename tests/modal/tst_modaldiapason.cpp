// The model editor opened from the main window: "Paramètres" with "synthèse", one editor at a time,
// and a model selected in it saved by "Sauv. Fréq 1" as a WAV file that decays as its damping says,
// read back by sox.

#include "EditorTest.h"

#include "app/Diapason.h"
#include "synth/Modmod.h"
#include "tests/support/WavReaders.h"

#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

#include <cmath>

namespace {

/// The main window with its messages closed as they show.
struct Window
{
    Diapason w;
    MessageWatcher messages{&w};
    QString saveAnswer;

    Window()
    {
        w.setSavePrompt([this](QWidget *, const QString &, const QString &, const QString &) { return saveAnswer; });
        w.show();
    }

    QPushButton *button(const char *name) { return enfant<QPushButton>(&w, name); }

    QList<MMod_Dom *> editors() { return w.findChildren<MMod_Dom *>(); }

    /// "synthèse", then "Paramètres": the editor that shows.
    MMod_Dom *openEditor()
    {
        enfant<QComboBox>(&w, "formeCombo")->setCurrentIndex(5);
        Editor::click(button("parametresButton"));
        for (MMod_Dom *e : editors())
            if (e->isVisible())
                return e;
        return nullptr;
    }
};

/// One mode typed into a new model: ratio, damping (s⁻¹), weight.
void typeMode(MMod_Dom *editor, int row, const QString &ratio, const QString &amort, const QString &poids)
{
    auto *table = enfant<QTableWidget>(editor, "table");
    Editor::click(enfant<QPushButton>(editor, "ajouterButton"));
    Editor::typeIntoCell(table, row, 0, ratio);
    Editor::typeIntoCell(table, row, 1, amort);
    Editor::typeIntoCell(table, row, 2, poids);
}

/// RMS of the file from start seconds over length seconds, as sox measures it (full scale 1).
double soxRms(const QString &path, double start, double length)
{
    QProcess sox;
    sox.start(QStandardPaths::findExecutable(QStringLiteral("sox")),
              {path, QStringLiteral("-n"), QStringLiteral("trim"), QString::number(start), QString::number(length),
               QStringLiteral("stat")});
    if (!sox.waitForFinished(30000))
        return -1;
    const QString out = QString::fromLocal8Bit(sox.readAllStandardError());
    for (const QString &line : out.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("RMS     amplitude:")))
            return line.section(QLatin1Char(':'), 1).trimmed().toDouble();
    return -1;
}

} // namespace

class TestModalDiapason : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parametersOpensOneEditor();
    void selectedModelIsTheMainWindows();
    void savedFileDecays_data();
    void savedFileDecays();

private:
    QTemporaryDir m_dir;
};

void TestModalDiapason::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty(), "sox is missing: install Debian's sox");
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

// "Paramètres" is there with "synthèse" only; it opens an editor unless one is on the screen, and
// a new, empty one once that one is closed.
void TestModalDiapason::parametersOpensOneEditor()
{
    Window f;
    QPushButton *parametres = f.button("parametresButton");
    QVERIFY(!parametres->isEnabled());
    QVERIFY(f.editors().isEmpty());
    MMod_Dom *first = f.openEditor();
    QVERIFY(first);
    QVERIFY(parametres->isEnabled());
    QCOMPARE(first->windowTitle(), QString::fromUtf8("ZIB-Edition d'un modèle de synthèse"));
    QVERIFY(!first->isModal());
    QCOMPARE(first->parentWidget(), &f.w);

    Editor::click(parametres);
    QCOMPARE(f.editors().size(), 1);

    Editor::click(enfant<QPushButton>(first, "nouveauButton"));
    QVERIFY(first->document());
    QPointer<MMod_Dom> closed = first;
    first->close();
    // The closed editor, hidden, goes when the new one comes.
    Editor::click(parametres);
    QCOMPARE(f.editors().size(), 1);
    QVERIFY(!closed);
    MMod_Dom *second = f.openEditor();
    QVERIFY(second);
    QVERIFY(!second->document());

    enfant<QComboBox>(&f.w, "formeCombo")->setCurrentIndex(0);
    QVERIFY(!parametres->isEnabled());
}

// "Selectionner" gives the main window its model; a later editor's selection replaces it and the
// earlier model stays whole.
void TestModalDiapason::selectedModelIsTheMainWindows()
{
    Window f;
    QVERIFY(!f.w.modele());
    MMod_Dom *editor = f.openEditor();
    Editor::click(enfant<QPushButton>(editor, "nouveauButton"));
    typeMode(editor, 0, QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"));
    Editor::click(enfant<QPushButton>(editor, "selectionnerButton"));
    Modmod *first = f.w.modele();
    QVERIFY(first);
    QCOMPARE(first, editor->modmod());

    QPointer<MMod_Dom> closed = editor;
    editor->close();
    MMod_Dom *other = f.openEditor();
    QVERIFY(!closed); // the closed editor went; the model it selected did not
    QCOMPARE(f.w.modele(), first); // a new editor starts empty and leaves the model alone
    Editor::click(enfant<QPushButton>(other, "creerButton"));
    Editor::click(enfant<QPushButton>(other, "selectionnerButton"));
    QVERIFY(f.w.modele() != first);
    QCOMPARE(first->nbMod, 1);
    QCOMPARE(first->freq[0], 1.f);
}

void TestModalDiapason::savedFileDecays_data()
{
    QTest::addColumn<bool>("law");
    QTest::addColumn<QString>("external");
    QTest::addColumn<QString>("hysteresis");
    QTest::addColumn<double>("rate");

    QTest::newRow("the table's damping") << false << "0" << "0" << 3.0;
    QTest::newRow("the law in Hz: 1 + 0.01 × 220") << true << "1" << "0.01" << 3.2;
    QTest::newRow("the law with coefficients 0") << true << "0" << "0" << 0.0;
}

// One mode of ratio 1 and damping 3 s⁻¹, saved at 220 Hz for 2 s: its level falls by e^(−rate) from
// 0.2 s to 1.2 s, rate the table's damping, or the damping law at 220 Hz with "Coeff. Amort".
void TestModalDiapason::savedFileDecays()
{
    QFETCH(bool, law);
    QFETCH(QString, external);
    QFETCH(QString, hysteresis);
    QFETCH(double, rate);

    Window f;
    MMod_Dom *editor = f.openEditor();
    Editor::click(enfant<QPushButton>(editor, "nouveauButton"));
    typeMode(editor, 0, QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("1"));
    enfant<QCheckBox>(editor, "amortCheck")->setChecked(law);
    Editor::type(enfant<QLineEdit>(editor, "externeEdit"), external);
    Editor::type(enfant<QLineEdit>(editor, "hysteresisEdit"), hysteresis);
    Editor::click(enfant<QPushButton>(editor, "selectionnerButton"));

    Editor::type(enfant<QLineEdit>(&f.w, "freq1Edit"), QStringLiteral("220"));
    Editor::type(enfant<QLineEdit>(&f.w, "dureeEdit"), QStringLiteral("2"));
    static int saved = 0;
    f.saveAnswer = m_dir.filePath(QStringLiteral("mode%1.wav").arg(++saved));
    QFile::remove(f.saveAnswer);
    Editor::click(f.button("sauv1Button"));
    f.messages.settle();
    QVERIFY2(f.messages.shown.isEmpty(), qPrintable(f.messages.shown.join(QLatin1Char('\n'))));
    zibtest::checkWavWithReaders(f.saveAnswer, 44100, 88200, QStringLiteral("Frequence Fondamentale : 220"));

    const double early = soxRms(f.saveAnswer, 0.2, 0.1);
    const double late = soxRms(f.saveAnswer, 1.2, 0.1);
    QVERIFY2(early > 0.1, qPrintable(QString::number(early)));
    const double measured = std::log(early / late) / 1.0;
    QVERIFY2(std::fabs(measured - rate) < 0.05 * std::max(rate, 1.0),
             qPrintable(QStringLiteral("decay %1 s⁻¹, expected %2").arg(measured).arg(rate)));
}

QTEST_MAIN(TestModalDiapason)
#include "tst_modaldiapason.moc"
