// Makes the models of data/synth_param/ with the model editor itself, driven as a user drives
// it: a structure generated with "Créer" (or modes typed by hand), the damping applied, the
// header written, "Enregistrer". Run it from the project root after changing a model:
//     cmake --build build --target makemodels && QT_QPA_PLATFORM=offscreen build/tools/makemodels data/synth_param
//
// Every model is saved with "Coeff. Amort" checked and the coefficients of a law in Hz, which the
// window applies at synthesis. Its table holds what that law gives at the model's reference
// fundamental ("Appliquer" with the coefficients multiplied by that fundamental and its square,
// since "Appliquer" takes the ratio as its variable), so that it sounds alike with the box
// unchecked at that pitch.

#include "modal/MMod_Dom.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

#include <cstdio>

namespace {

struct Law
{
    double external;
    double hysteresis; // s⁻¹ per Hz
    double reference;  // Hz
};

class Maker
{
public:
    explicit Maker(const QString &folder) : m_folder(folder)
    {
        m_editor.setSavePrompt([this](QWidget *, const QString &, const QString &, const QString &) {
            return m_file;
        });
        m_editor.show();
    }

    template <class T>
    T *get(const char *name) const
    {
        T *w = m_editor.findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no %s", name);
        return w;
    }

    void generate(int structure, int modes, const char *point)
    {
        get<QComboBox>("structureCombo")->setCurrentIndex(structure);
        get<QLineEdit>("modesEdit")->setText(QString::number(modes));
        get<QLineEdit>("pointEdit")->setText(QLatin1String(point));
        setLaw(0, 0);
        get<QPushButton>("creerButton")->click();
    }

    /// Modes typed by hand: ratio, weight.
    void byHand(const QVector<QPair<double, double>> &modes)
    {
        get<QPushButton>("nouveauButton")->click();
        auto *table = get<QTableWidget>("table");
        for (int r = 0; r < modes.size(); ++r) {
            get<QPushButton>("ajouterButton")->click();
            table->setItem(r, 0, new QTableWidgetItem(QString::number(modes[r].first)));
            table->setItem(r, 1, new QTableWidgetItem(QStringLiteral("0")));
            table->setItem(r, 2, new QTableWidgetItem(QString::number(modes[r].second)));
        }
    }

    void save(const char *file, const QString &title, const QString &description, const Law &law)
    {
        // The table at the reference fundamental, then the law in Hz for the synthesis.
        setLaw(law.external, law.hysteresis * law.reference);
        get<QPushButton>("appliquerButton")->click();
        setLaw(law.external, law.hysteresis);
        get<QCheckBox>("amortCheck")->setChecked(true);
        get<QLineEdit>("titreEdit")->setText(title);
        get<QLineEdit>("auteurEdit")->setText(QStringLiteral("ZIB"));
        get<QTextEdit>("descEdit")->setPlainText(description);
        m_file = QDir(m_folder).filePath(QLatin1String(file));
        get<QPushButton>("enregistrerButton")->click();
        std::printf("%s\n", qPrintable(m_file));
    }

private:
    void setLaw(double external, double hysteresis)
    {
        get<QLineEdit>("externeEdit")->setText(QString::number(external));
        get<QLineEdit>("hysteresisEdit")->setText(QString::number(hysteresis));
        get<QLineEdit>("interneEdit")->setText(QStringLiteral("0"));
    }

    MMod_Dom m_editor{nullptr};
    QString m_folder;
    QString m_file;
};

QString utf8(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

int main(int argc, char *argv[])
{
    // The attributes of an element are kept in a hash: a fixed seed writes them in the same order
    // on every run.
    qSetGlobalQHashSeed(0);
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    Maker m(folder);

    m.generate(0, 30, "0.12");
    m.save("corde_pincee.par", utf8("Corde pincée"),
           utf8("Corde de guitare pincée près du chevalet, au huitième de sa longueur : 30 partiels "
                "harmoniques, les aigus plus amortis que les graves.\n"
                "Amortissement 0.8 + 0.002 × f s⁻¹ (f en Hz) avec « Coeff. Amort » ; le tableau en donne les "
                "valeurs pour une fondamentale de 220 Hz.\nEssayer vers 110 à 440 Hz."),
           {0.8, 0.002, 220});

    m.generate(9, 8, "0.4");
    m.save("glockenspiel.par", utf8("Lame de glockenspiel"),
           utf8("Lame d'acier libre aux deux bouts (barre d'Euler-Bernoulli libre-libre), frappée aux deux "
                "cinquièmes de sa longueur : partiels 1, 2.76, 5.40, 8.93… qui lui donnent son timbre de "
                "clochette.\nAmortissement 0.2 + 0.001 × f s⁻¹ (f en Hz) avec « Coeff. Amort » ; le tableau en "
                "donne les valeurs pour 880 Hz.\nEssayer vers 880 à 1760 Hz."),
           {0.2, 0.001, 880});

    m.generate(7, 5, "0.95");
    m.save("kalimba.par", utf8("Lamelle de kalimba"),
           utf8("Lamelle encastrée à un bout et libre à l'autre (barre encastrée-libre), pincée près de son "
                "bout libre : partiels 1, 6.27, 17.5… comme ceux d'un kalimba ou d'une sanza.\n"
                "Amortissement 0.8 + 0.001 × f s⁻¹ (f en Hz) avec « Coeff. Amort » ; le tableau en donne les "
                "valeurs pour 440 Hz.\nEssayer vers 220 à 880 Hz."),
           {0.8, 0.001, 440});

    m.byHand({{1, 1}, {4, 0.5}, {10, 0.25}});
    m.save("marimba.par", utf8("Lame de marimba"),
           utf8("Lame de marimba en bois, accordée comme celles des instruments : sa voûte taillée dessous "
                "met ses partiels à 1, 4 et 10 fois la fondamentale. Modes entrés à la main.\n"
                "Amortissement 1.5 + 0.004 × f s⁻¹ (f en Hz) avec « Coeff. Amort » ; le tableau en donne les "
                "valeurs pour 220 Hz.\nEssayer vers 110 à 440 Hz."),
           {1.5, 0.004, 220});
    return 0;
}
