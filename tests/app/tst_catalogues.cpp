// The translation catalogues: French wins when both are installed as main() installs them, English
// shows without the French one, and every text of the sources is in both.

#include "app/Catalogues.h"
#include "app/Diapason.h"

#include <QtTest>
#include <QDomDocument>
#include <QProcess>
#include <QButtonGroup>
#include <QRadioButton>

namespace {

using Textes = QMap<QPair<QString, QString>, QString>; // (context, source) → translation

/// The finished translations of a .ts file; unfinished entries map to an empty string.
Textes lireCatalogue(const QString &chemin)
{
    Textes textes;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(chemin));
    QDomDocument doc;
    if (!doc.setContent(&fichier))
        qFatal("%s is not XML", qPrintable(chemin));
    for (QDomElement ctx = doc.documentElement().firstChildElement(QStringLiteral("context"));
         !ctx.isNull(); ctx = ctx.nextSiblingElement(QStringLiteral("context"))) {
        const QString nom = ctx.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = ctx.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement t = m.firstChildElement(QStringLiteral("translation"));
            const bool fini = t.attribute(QStringLiteral("type")).isEmpty();
            textes.insert({nom, m.firstChildElement(QStringLiteral("source")).text()},
                          fini ? t.text() : QString());
        }
    }
    return textes;
}

/// The main window's title and first note button under the program's catalogues, as found in
/// the working directory.
QString titre()
{
    Catalogues catalogues;
    Diapason w;
    return w.windowTitle() + QLatin1Char('|') +
           w.findChild<QButtonGroup *>(QStringLiteral("notesGroup"))->button(1)->text();
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void francaisGagne()
    {
        QVERIFY2(QFile::exists(QStringLiteral("zib_en.qm")) && QFile::exists(QStringLiteral("zib_fa.qm")),
                 "the catalogues are missing from the run folder");
        QCOMPARE(titre(), QString::fromUtf8("ZIB - Diapason Numérique v0.10|Do"));
    }

    // Without zib_fa.qm beside it, the program speaks English; without either, its French sources.
    void anglaisSansLeFrancais()
    {
        QTemporaryDir dossier;
        QVERIFY(QFile::copy(QStringLiteral("zib_en.qm"), dossier.filePath(QStringLiteral("zib_en.qm"))));
        const QString ici = QDir::currentPath();
        QDir::setCurrent(dossier.path());
        const QString anglais = titre();
        QFile::remove(QStringLiteral("zib_en.qm"));
        const QString sansCatalogue = titre();
        QDir::setCurrent(ici);
        QCOMPARE(anglais, QStringLiteral("ZIB - Digital Tuning Fork v0.10|C"));
        QCOMPARE(sansCatalogue, QString::fromUtf8("ZIB - Diapason Numérique v0.10|Do"));
    }

    void toutTexteEstTraduit()
    {
        QTemporaryDir dossier;
        const QString extrait = dossier.filePath(QStringLiteral("extrait.ts"));
        QStringList args = {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                            QStringLiteral("-I"), QStringLiteral(ZIB_SOURCE_DIR)};
        for (const char *d : {"app", "synth", "modal", "tuner", "fft", "intervals", "melody"}) {
            const QString chemin = QStringLiteral(ZIB_SOURCE_DIR "/") + QLatin1String(d);
            if (QFileInfo::exists(chemin))
                args << chemin;
        }
        args << QStringLiteral("-ts") << extrait;
        QCOMPARE(QProcess::execute(QStringLiteral(ZIB_LUPDATE), args), 0);

        const Textes sources = lireCatalogue(extrait);
        const Textes anglais = lireCatalogue(QStringLiteral(ZIB_SOURCE_DIR "/data/zib_en.ts"));
        const Textes francais = lireCatalogue(QStringLiteral(ZIB_SOURCE_DIR "/data/zib_fa.ts"));
        QVERIFY(sources.size() > 50);
        QStringList manquants;
        for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
            const QString quoi = it.key().first + QStringLiteral(": ") + it.key().second;
            if (anglais.value(it.key()).isEmpty())
                manquants << QStringLiteral("zib_en.ts, ") + quoi;
            if (francais.value(it.key()) != it.key().second)
                manquants << QStringLiteral("zib_fa.ts, ") + quoi;
        }
        QVERIFY2(manquants.isEmpty(), qPrintable(QStringLiteral("run scripts/update-catalogues, then translate:\n") +
                                                 manquants.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
