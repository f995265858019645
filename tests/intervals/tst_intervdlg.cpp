// The interval list dialog: what it decides itself. Its tree and check boxes, adding, removing and
// renaming, the warning over 1250 cents, the justness label, files loaded and saved through its
// prompts, closing a modified list, the walk of its playback (heard through the main window it
// drives), and its texts in fonts of 9 to 12 points.

#include "IntervDlgFixture.h"
#include "ModalBoxes.h"
#include "intervals/ListView.h"
#include "tests/support/TextFit.h"
#include "tests/support/FailedWrite.h"

#include "tests/support/FileSizeLimit.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QTreeView>


namespace {

const char *const kFourOfFive =
    "<intervalList><header title=\"T\" author=\"A\"><desc>D</desc></header><list number=\"5\">"
    "<interval cent=\"0\" frac=\"1\" desc=\"a\"/><interval cent=\"200\" frac=\"1.12246\" desc=\"b\"/>"
    "<interval cent=\"701.955\" frac=\"1.5\" desc=\"c\"/><interval cent=\"1200\" frac=\"2\" desc=\"d\"/>"
    "</list></intervalList>";

/// The dialog with the controls of its list editing.
struct Dialogue : IntervDlgFixture
{
    QLineEdit *interval = enfant<QLineEdit>(&d, "intervalEdit");
    QLabel *warning = enfant<QLabel>(&d, "warningLabel");
    QLabel *ecart = enfant<QLabel>(&d, "ecartLabel");
    QComboBox *scheme = enfant<QComboBox>(&d, "schemeCombo");
    QCheckBox *developper = enfant<QCheckBox>(&d, "developperCheck");
    ListView *vue = enfant<ListView>(&d, "listView");

    /// Types cents into the interval field and presses "Ajouter".
    void ajouter(const QString &cents)
    {
        interval->clear();
        QTest::keyClicks(interval, cents);
        cliquer("ajouterButton");
    }

    /// The category labels holding each interval description, "label: desc".
    QStringList arbre()
    {
        QStringList rows;
        for (int k = 0; k < modele()->rowCount(); ++k) {
            QStandardItem *c = modele()->item(k);
            for (int r = 0; r < c->rowCount(); ++r)
                rows << c->text() + QStringLiteral(": ") + c->child(r)->text();
        }
        return rows;
    }

    QStandardItem *categorie(const QString &label)
    {
        const QList<QStandardItem *> found = modele()->findItems(label);
        return found.isEmpty() ? nullptr : found.first();
    }

    void selectionner(int k, int r)
    {
        const QModelIndex index = modele()->index(r, 0, modele()->index(k, 0));
        tree->expandAll();
        tree->setCurrentIndex(index);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
    }
};

} // namespace

class TestIntervDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void controles()
    {
        Dialogue t;
        QCOMPARE(t.d.windowTitle(), utf8("ZIB - Edition de liste d'intervalles"));
        QVERIFY(!t.d.isModal());
        QVERIFY(t.d.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(t.d.width() >= 690 && t.d.width() <= 900);
        QVERIFY(t.d.height() <= 850);
        for (const char *nom : {"ajouterButton", "supprimerButton", "jouerListeButton", "melodieButton"})
            QVERIFY2(!t.bouton(nom)->isEnabled(), nom);
        for (const char *nom : {"nouveauButton", "ouvrirButton", "enregistrerButton", "fermerButton", "calculerButton"})
            QVERIFY2(t.bouton(nom)->isEnabled(), nom);
        QCOMPARE(t.scheme->count(), 2);
        QCOMPARE(t.scheme->itemText(0), utf8("Do-Ré-Mi..."));
        QCOMPARE(t.scheme->itemText(1), QStringLiteral("0-50-250..."));
        QCOMPARE(t.scheme->currentIndex(), 0);
        QVERIFY(t.tree->isHeaderHidden());
        QVERIFY(t.tree->rootIsDecorated());
        QVERIFY(t.tree->height() >= 300);
        QVERIFY(!t.developper->isChecked());
        QVERIFY(t.interval->width() >= 80);
        QVERIFY(t.bouton("calculerButton")->width() >= 90);
        QVERIFY(t.description->width() >= 250 && t.description->height() >= 150);
        QVERIFY(t.vue->width() >= 250 && t.vue->height() == t.vue->width());
        QVERIFY(t.titre->width() >= 110 && t.auteur->width() >= 110);
        auto *v = qobject_cast<const QDoubleValidator *>(t.interval->validator());
        QVERIFY(v);
        QCOMPARE(v->bottom(), 0.0);
        QCOMPARE(v->top(), 1300.0);
        QCOMPARE(v->decimals(), 2);
        QCOMPARE(t.fichier->text(), QStringLiteral("Fichier  : "));

        // Eight green bold categories of the first scheme, checked, not editable.
        QCOMPARE(t.modele()->rowCount(), 8);
        QCOMPARE(t.modele()->item(0)->text(), utf8("Do-Ré [0-200["));
        QCOMPARE(t.modele()->item(7)->text(), QStringLiteral("Do-Re [1200;1250]"));
        for (int k = 0; k < 8; ++k) {
            QStandardItem *c = t.modele()->item(k);
            QVERIFY(c->isCheckable() && c->checkState() == Qt::Checked && !c->isEditable());
            QCOMPARE(c->background().color(), QColor(Qt::green));
            QVERIFY(c->font().bold());
        }
    }

    void infobulles_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::newRow("new") << "nouveauButton" << utf8("Créer une nouvelle liste à partir d'une liste vide");
        QTest::newRow("open") << "ouvrirButton" << utf8("Charger une nouvelle liste à partir d'un fichier");
        QTest::newRow("save") << "enregistrerButton" << utf8("Enregistrer la liste dans un fichier");
        QTest::newRow("add") << "ajouterButton" << utf8("Ajouter l'intervalle courant à la liste");
        QTest::newRow("remove") << "supprimerButton" << utf8("Supprimer l'intervalle courant");
        QTest::newRow("melody") << "melodieButton" << utf8("Jouer un fragment mélodique");
        QTest::newRow("justness") << "calculerButton"
                                  << utf8("Calculer l'écart à la justesse losqu'on transpose l'intervalle courant");
        QTest::newRow("cents") << "intervalEdit" << utf8("Intervalle en Cents, entre 0 et 1200");
        QTest::newRow("expand") << "developperCheck" << utf8("Développer toutes les catégories d'intervalles");
        QTest::newRow("transpose") << "transposeBox"
                                   << utf8("Transposer l'échelle pour visualiser la justesse des intervalles");
    }
    void infobulles()
    {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        Dialogue t;
        QWidget *w = t.d.findChild<QWidget *>(nom);
        QVERIFY(w);
        QCOMPARE(w->toolTip(), texte);
    }

    // Left the interval, the tree beside the circle above the description, the header row; right
    // the three groups and "Fermer", bottom-aligned; the top free for the ruler.
    void disposition()
    {
        Dialogue t;
        QMap<QString, QGroupBox *> groupes;
        for (QGroupBox *g : t.d.findChildren<QGroupBox *>())
            groupes.insert(g->title(), g);
        for (const char *nom : {"Fichier", "Liste", "Justesse"})
            QVERIFY2(groupes.contains(utf8(nom)), nom);
        QVERIFY(groupes.value("Fichier")->width() >= 110 && groupes.value("Fichier")->height() >= 120);
        QVERIFY(groupes.value("Liste")->width() >= 110 && groupes.value("Liste")->height() >= 200);
        QVERIFY(groupes.value("Fichier")->isAncestorOf(t.bouton("ouvrirButton")));
        QVERIFY(groupes.value("Liste")->isAncestorOf(t.scheme));
        QVERIFY(groupes.value("Liste")->isAncestorOf(t.bouton("melodieButton")));
        QVERIFY(groupes.value("Justesse")->isAncestorOf(t.ecart));
        QVERIFY(groupes.value("Fichier")->geometry().bottom() < groupes.value("Liste")->geometry().top());
        QVERIFY(groupes.value("Justesse")->geometry().bottom() < t.bouton("fermerButton")->geometry().top());
        QVERIFY(t.tree->geometry().right() < t.vue->geometry().left());
        QVERIFY(t.vue->geometry().bottom() < t.description->geometry().top());
        QVERIFY(t.interval->geometry().bottom() < t.tree->geometry().top());
        QVERIFY(t.tree->geometry().bottom() < t.titre->geometry().top());
        QVERIFY(t.vue->geometry().right() < groupes.value("Liste")->geometry().left());
        for (QWidget *w : t.d.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (w->isVisible() && !w->isWindow())
                QVERIFY2(w->geometry().top() > 61, qPrintable(w->objectName()));
        }
    }

    void ajout_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QString>("cents");
        QTest::addColumn<QString>("categorie");
        QTest::newRow("701.96, notes") << 0 << "701.96" << utf8("Sol-La [700;900[");
        QTest::newRow("701.96, sizes") << 1 << "701.96" << QStringLiteral("Quintes [650,750[");
        QTest::newRow("1200 accepted") << 0 << "1200" << QStringLiteral("Do-Re [1200;1250]");
        QTest::newRow("unison") << 1 << "0" << QStringLiteral("Micro-Tons [0;50[");
    }
    void ajout()
    {
        QFETCH(int, scheme);
        QFETCH(QString, cents);
        QFETCH(QString, categorie);
        Dialogue t;
        ModalBoxes boites;
        t.cliquer("nouveauButton");
        t.scheme->setCurrentIndex(scheme);
        t.ajouter(cents);
        QCOMPARE(boites.seen.size(), 0);
        QCOMPARE(t.arbre(), QStringList{categorie + utf8(": Nouvelle Description à éditer")});
        QCOMPARE(t.d.liste().liste.size(), 1);
        QCOMPARE(t.d.liste().liste[0].cent, cents.toFloat());
        QCOMPARE(t.d.liste().liste[0].frac, std::pow(2.0f, cents.toFloat() / 1200.0f));
        QVERIFY(t.bouton("jouerListeButton")->isEnabled());
        QVERIFY(t.bouton("melodieButton")->isEnabled());
    }

    void ajoutRefuse_data()
    {
        QTest::addColumn<QString>("cents");
        QTest::newRow("1200.01") << "1200.01";
        QTest::newRow("1251") << "1251";
        QTest::newRow("empty") << "";
    }
    void ajoutRefuse()
    {
        QFETCH(QString, cents);
        Dialogue t;
        ModalBoxes boites;
        t.cliquer("nouveauButton");
        t.ajouter(cents);
        QTRY_COMPARE(boites.texts(), QStringList{QStringLiteral("La valeur en Cent est non valide")});
        QVERIFY(t.d.liste().liste.isEmpty());
        QVERIFY(!t.bouton("jouerListeButton")->isEnabled());
    }

    void doublon()
    {
        Dialogue t;
        ModalBoxes boites;
        t.cliquer("nouveauButton");
        t.ajouter(QStringLiteral("700"));
        t.ajouter(QStringLiteral("700")); // the default answer is "Non"
        QCOMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].title, QStringLiteral("Attention !"));
        QCOMPARE(boites.seen[0].text, utf8("Cet interval existe déjà dans la liste !"));
        QCOMPARE(boites.seen[0].buttons, (QStringList{QStringLiteral("Oui"), QStringLiteral("Non")}));
        QCOMPARE(t.d.liste().liste.size(), 1);
        boites.answer = QStringLiteral("Oui");
        t.ajouter(QStringLiteral("700"));
        QCOMPARE(boites.seen.size(), 2);
        QCOMPARE(t.d.liste().liste.size(), 2);
    }

    void supprimer()
    {
        Dialogue t;
        t.cliquer("nouveauButton");
        for (const char *c : {"100", "701.96", "900"})
            t.ajouter(QString::fromLatin1(c));
        t.selectionner(4, 0); // Sol-La: 701.96
        QVERIFY(t.bouton("supprimerButton")->isEnabled());
        t.cliquer("supprimerButton");
        QCOMPARE(t.d.liste().liste.size(), 2);
        QCOMPARE(t.d.liste().liste[1].cent, 900.0f);
        QCOMPARE(t.d.liste().nbCat[4], 0);
        QCOMPARE(t.d.liste().nbCat[5], 1);

        // A category removes nothing.
        t.tree->setCurrentIndex(t.modele()->index(0, 0));
        t.cliquer("supprimerButton");
        QCOMPARE(t.d.liste().liste.size(), 2);
    }

    void renommer()
    {
        Dialogue t;
        ModalBoxes boites;
        t.cliquer("nouveauButton");
        t.ajouter(QStringLiteral("386.31"));
        t.ajouter(QStringLiteral("701.96"));
        QTemporaryDir dir;
        t.saveAnswer = dir.filePath(QStringLiteral("r"));
        t.cliquer("enregistrerButton");

        t.selectionner(1, 0);
        t.tree->edit(t.tree->currentIndex());
        QWidget *editeur = t.tree->findChild<QLineEdit *>();
        QVERIFY(editeur);
        QTest::keyClick(editeur, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editeur, utf8("Tierce juste"));
        QTest::keyClick(editeur, Qt::Key_Return);
        QTRY_COMPARE(t.d.liste().liste[0].desc, utf8("Tierce juste"));
        QCOMPARE(t.d.liste().liste[1].desc, utf8("Nouvelle Description à éditer"));

        // The new name is a change to keep: closing asks.
        t.cliquer("fermerButton");
        QTRY_COMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].text, utf8("La liste a été modifiée"));
    }

    // Unchecking one of three makes the category partial; the category then passes its state to
    // all three; the views show the checked ones only.
    void casesACocher()
    {
        Dialogue t;
        t.cliquer("nouveauButton");
        for (const char *c : {"710", "750", "800"})
            t.ajouter(QString::fromLatin1(c));
        QStandardItem *sol = t.categorie(utf8("Sol-La [700;900["));
        QVERIFY(sol);
        QCOMPARE(sol->rowCount(), 3);
        sol->child(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(sol->checkState(), Qt::PartiallyChecked);
        QCOMPARE(ListView::checkedPositions(t.d.liste(), t.modele()), (QVector<bool>{true, false, true}));

        sol->setCheckState(Qt::Unchecked);
        QCOMPARE(sol->checkState(), Qt::Unchecked);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(sol->child(r)->checkState(), Qt::Unchecked);

        sol->child(0)->setCheckState(Qt::Checked);
        QCOMPARE(sol->checkState(), Qt::PartiallyChecked);
        sol->child(1)->setCheckState(Qt::Checked);
        sol->child(2)->setCheckState(Qt::Checked);
        QCOMPARE(sol->checkState(), Qt::Checked);

        sol->setCheckState(Qt::Unchecked);
        sol->setCheckState(Qt::Checked);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(sol->child(r)->checkState(), Qt::Checked);
        QCOMPARE(t.d.liste().liste.size(), 3);
    }

    void developper()
    {
        Dialogue t;
        t.cliquer("nouveauButton");
        t.ajouter(QStringLiteral("100"));
        const QModelIndex c = t.modele()->index(0, 0);
        QVERIFY(!t.tree->isExpanded(c));
        QTest::mouseClick(t.developper, Qt::LeftButton, {}, QPoint(5, t.developper->height() / 2));
        QVERIFY(t.developper->isChecked());
        QVERIFY(t.tree->isExpanded(c));
        t.ajouter(QStringLiteral("200")); // a rebuilt tree stays expanded
        QVERIFY(t.tree->isExpanded(t.modele()->index(1, 0)));
        t.developper->click();
        QVERIFY(!t.tree->isExpanded(t.modele()->index(1, 0)));
    }

    // Typing over 1250 blinks the warning in place; back under, it goes.
    void clignotement()
    {
        Dialogue t;
        const QRect tree = t.tree->geometry();
        const QRect warning = t.warning->geometry();
        QTest::keyClicks(t.interval, QStringLiteral("1251"));
        QCOMPARE(t.warning->text(), utf8("<font color=yellow><b>L'intervalle ne doit pas dépasser 1250 cents</b></font>"));
        QVERIFY(t.warning->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!t.warning->isVisible(), 1500);
        QTRY_VERIFY_WITH_TIMEOUT(t.warning->isVisible(), 1500);
        QCOMPARE(t.tree->geometry(), tree);
        QCOMPARE(t.warning->geometry(), warning);
        QTest::keyClick(t.interval, Qt::Key_Backspace);
        QCOMPARE(t.warning->text(), QString());
        QTest::qWait(600);
        QVERIFY(t.warning->isVisible());
        QCOMPARE(t.warning->text(), QString());

        t.interval->clear();
        QTest::keyClicks(t.interval, QStringLiteral("1250"));
        QCOMPARE(t.warning->text(), QString());
    }

    void justesse()
    {
        Dialogue t;
        t.cliquer("nouveauButton");
        t.ajouter(QStringLiteral("203.91"));
        t.ajouter(QStringLiteral("701.955"));
        t.vue->transpoCombo->setCurrentIndex(2); // "Quinte 3/2"
        t.selectionner(4, 0);
        t.cliquer("calculerButton");
        QCOMPARE(t.ecart->text(), QStringLiteral("Ecart : <font color=red>0.00</font> c"));
        t.vue->transpoCombo->setCurrentIndex(0); // 701.955 + 386.314 lands 1088.269 − 203.91 away... the nearest is 701.955
        t.cliquer("calculerButton");
        QCOMPARE(t.ecart->text(), QStringLiteral("Ecart : <font color=red>386.31</font> c"));
        // A category has no justness: the label stays.
        t.tree->setCurrentIndex(t.modele()->index(0, 0));
        t.cliquer("calculerButton");
        QCOMPARE(t.ecart->text(), QStringLiteral("Ecart : <font color=red>386.31</font> c"));
    }

    void listeParDefaut()
    {
        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/liste_defaut.int")));
        QVERIFY(boites.seen.isEmpty());
        QCOMPARE(t.fichier->text(), QStringLiteral("Fichier :\t <b>liste_defaut.int</b>"));
        QCOMPARE(t.d.liste().liste.size(), 24);
        QVERIFY(!t.titre->text().isEmpty());
        QVERIFY(!t.auteur->text().isEmpty());
        QVERIFY(!t.description->toPlainText().isEmpty());
        QCOMPARE(t.d.liste().entete[0], t.titre->text());
        QCOMPARE(t.d.liste().entete[3], t.auteur->text());
        t.d.setplayEnabled();
        for (const char *nom : {"ajouterButton", "jouerListeButton", "melodieButton"})
            QVERIFY2(t.bouton(nom)->isEnabled(), nom);
        int total = 0;
        for (int k = 0; k < 8; ++k)
            total += t.modele()->item(k)->rowCount();
        QCOMPARE(total, 24);
    }

    void nombreInexact()
    {
        QTemporaryDir dir;
        Dialogue t;
        ModalBoxes boites;
        t.openAnswer = writeFile(dir.filePath(QStringLiteral("n.int")), kFourOfFive);
        t.cliquer("ouvrirButton");
        QCOMPARE(t.prompts, QStringList{utf8("Fichier d'intervalles|./interval_lists/|*.int ;; *.xml ;; *.*")});
        QCOMPARE(t.d.liste().liste.size(), 4);
        auto *box = t.d.findChild<QMessageBox *>(QStringLiteral("nombreInexact"));
        QVERIFY(box);
        QVERIFY(box->isVisible() && !box->isModal());
        QCOMPARE(box->text(), QStringLiteral("L'attribut nombre d'intervalles est inexact 5"));
        QVERIFY(boites.seen.isEmpty());
        QCOMPARE(t.titre->text(), QStringLiteral("T"));
        QCOMPARE(t.auteur->text(), QStringLiteral("A"));
        QCOMPARE(t.description->toPlainText(), QStringLiteral("D"));
        QVERIFY(t.bouton("jouerListeButton")->isEnabled());
        QVERIFY(t.bouton("ajouterButton")->isEnabled());
    }

    // Every failure leaves the list, title, author and description as they were.
    void mauvaisFichier_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("titreBoite");
        QTest::addColumn<QString>("texte");
        QTest::newRow("missing") << "absent.int" << QByteArray() << utf8("Erreur à l'ouverture de la liste par défaut")
                                 << QString();
        QTest::newRow("a folder") << "dossier.int" << QByteArray() << utf8("Erreur à l'ouverture du document XML")
                                  << utf8("Le document XML de liste d'intervalle n'a pas pu être ouvert. Vérifiez que le "
                                          "nom est le bon et que le document est bien placé");
        QTest::newRow("not XML") << "m.int" << QByteArray("<intervalList><list>")
                                 << utf8("Erreur à l'ouverture du document XML")
                                 << utf8("Le document XML n'a pas pu être attribué à l'objet QDomDocument.");
        QTest::newRow("another file") << "m.par" << QByteArray("<modele/>") << utf8("Erreur à l'ouverture du document XML")
                                      << utf8("Le document XML n'a pas pu être attribué à l'objet QDomDocument.");
    }
    void mauvaisFichier()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(QString, titreBoite);
        QFETCH(QString, texte);
        QTemporaryDir dir;
        const QString chemin = dir.filePath(nom);
        if (nom == QLatin1String("dossier.int"))
            QVERIFY(QDir(dir.path()).mkdir(nom));
        else if (!contenu.isEmpty())
            writeFile(chemin, contenu);

        Dialogue t;
        ModalBoxes boites;
        QVERIFY(t.d.loadDom(QStringLiteral("interval_lists/liste_defaut.int")));
        const QString titre = t.titre->text(), auteur = t.auteur->text(), desc = t.description->toPlainText();
        const QStringList arbre = t.arbre();
        QVERIFY(!t.d.loadDom(chemin));
        QCOMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].title, titreBoite);
        if (texte.isEmpty())
            QVERIFY(boites.seen[0].text.contains(QStringLiteral("<b>") + chemin + QStringLiteral("</b>")));
        else
            QCOMPARE(boites.seen[0].text, texte);
        QCOMPARE(t.d.liste().liste.size(), 24);
        QCOMPARE(t.arbre(), arbre);
        QCOMPARE(t.titre->text(), titre);
        QCOMPARE(t.auteur->text(), auteur);
        QCOMPARE(t.description->toPlainText(), desc);
        // Once the file exists its name shows, even when it cannot be read.
        if (nom != QLatin1String("absent.int"))
            QCOMPARE(t.fichier->text(), QStringLiteral("Fichier :\t <b>") + nom + QStringLiteral("</b>"));
    }

    void enregistrer_data()
    {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("maliste") << "maliste" << "maliste.int";
        QTest::newRow("maliste.INT") << "maliste.INT" << "maliste.INT.int";
        QTest::newRow("maliste.int") << "maliste.int" << "maliste.int";
    }
    void enregistrer()
    {
        QFETCH(QString, reponse);
        QFETCH(QString, fichier);
        QTemporaryDir dir;
        Dialogue t;
        ModalBoxes boites;
        t.cliquer("nouveauButton");
        QTest::keyClicks(t.titre, QStringLiteral("Ma liste"));
        QTest::keyClicks(t.auteur, QStringLiteral("Moi"));
        QTest::keyClicks(t.description, QStringLiteral("ligne 1"));
        QTest::keyClick(t.description, Qt::Key_Return);
        QTest::keyClicks(t.description, QStringLiteral("ligne 2"));
        t.ajouter(QStringLiteral("700"));
        t.saveAnswer = dir.filePath(reponse);
        t.cliquer("enregistrerButton");
        QCOMPARE(t.prompts, QStringList{QStringLiteral("Sauvegarder un Intervalle|./interval_lists/|*.int ;; *.xml ")});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{fichier});
        const QByteArray bytes = readBytes(dir.filePath(fichier));
        QVERIFY(bytes.contains("cent=\"700\""));
        QVERIFY(bytes.contains("frac=\"1.49831\""));

        // Saved, then closed and reopened: the same list.
        t.cliquer("fermerButton");
        QVERIFY(boites.seen.isEmpty()); // saved: no question
        QVERIFY(!t.d.isVisible());
        QVERIFY(t.d.liste().liste.isEmpty());
        Dialogue u;
        QVERIFY(u.d.loadDom(dir.filePath(fichier)));
        QCOMPARE(u.titre->text(), QStringLiteral("Ma liste"));
        QCOMPARE(u.auteur->text(), QStringLiteral("Moi"));
        QCOMPARE(u.description->toPlainText(), QStringLiteral("ligne 1\nligne 2"));
        QCOMPARE(u.arbre(), QStringList{utf8("Sol-La [700;900[: Nouvelle Description à éditer")});
    }

    void failedWrites_data() { zibtest::addFailedWriteRows(); }

    // "Enregistrer" on a full disk and into a folder that cannot be written: the old file stays,
    // nothing is left behind, and the "Erreur" box gives the system's reason on its button.
    void failedWrites()
    {
        QFETCH(bool, large);
        Dialogue t;
        ModalBoxes boites;
        t.cliquer("nouveauButton");
        for (int k = 0; k < (large ? 1500 : 20); ++k) {
            Interval i;
            i.cent = k * 0.8f;
            i.frac = std::pow(2.0f, i.cent / 1200);
            i.desc = QStringLiteral("intervalle %1").arg(k);
            t.d.addInterv(&i);
        }
        zibtest::checkFailedWrite(QStringLiteral("liste.int"), [&](const QString &path) {
            t.saveAnswer = path;
            const int before = boites.seen.size();
            t.cliquer("enregistrerButton");
            return boites.seen.size() == before;
        });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].title, QStringLiteral("Erreur"));
        QCOMPARE(boites.seen[0].text, utf8("Impossible d'ouvrir le fichier pour écriture"));
        QCOMPARE(boites.seen[0].buttons.size(), 1);
        QVERIFY(!boites.seen[0].buttons[0].isEmpty());
    }

    void enregistrementRate()
    {
        QTemporaryDir dir;
        const QString chemin = writeFile(dir.filePath(QStringLiteral("ancien.int")), kFourOfFive);
        Dialogue t;
        ModalBoxes boites;
        t.cliquer("nouveauButton");
        for (int k = 0; k < 60; ++k)
            t.ajouter(QString::number(k * 20));
        t.saveAnswer = chemin;
        {
            zibtest::FileSizeLimit limite(1024);
            t.cliquer("enregistrerButton");
        }
        QCOMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].title, QStringLiteral("Erreur"));
        QCOMPARE(boites.seen[0].text, utf8("Impossible d'ouvrir le fichier pour écriture"));
        QCOMPARE(boites.seen[0].buttons.size(), 1);
        QVERIFY(!boites.seen[0].buttons[0].isEmpty());
        QCOMPARE(readBytes(chemin), QByteArray(kFourOfFive));

        // Not saved: closing still asks.
        boites.answer = QStringLiteral("Cancel");
        t.cliquer("fermerButton");
        QCOMPARE(boites.seen.size(), 2);
        QCOMPARE(boites.seen[1].text, utf8("La liste a été modifiée"));
        QVERIFY(t.d.isVisible());
    }

    void fermer_data()
    {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<bool>("ferme");
        QTest::addColumn<bool>("ecrit");
        QTest::newRow("Cancel") << "Cancel" << false << false;
        QTest::newRow("Discard") << "Discard" << true << false;
        QTest::newRow("Save") << "Save" << true << true;
    }
    void fermer()
    {
        QFETCH(QString, reponse);
        QFETCH(bool, ferme);
        QFETCH(bool, ecrit);
        QTemporaryDir dir;
        Dialogue t;
        ModalBoxes boites;
        t.cliquer("nouveauButton");
        t.ajouter(QStringLiteral("500"));
        boites.answer = reponse;
        t.saveAnswer = dir.filePath(QStringLiteral("f"));
        t.cliquer("fermerButton");
        QCOMPARE(boites.seen.size(), 1);
        QCOMPARE(boites.seen[0].text, utf8("La liste a été modifiée"));
        QCOMPARE(t.d.isVisible(), !ferme);
        QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("f.int"))), ecrit);
        QCOMPARE(t.d.liste().liste.size(), ferme ? 0 : 1);
    }

    // Escape and the title bar ask as "Fermer" does.
    void echapDemandeAussi()
    {
        Dialogue t;
        ModalBoxes boites;
        t.cliquer("nouveauButton");
        t.ajouter(QStringLiteral("500"));
        boites.answer = QStringLiteral("Cancel");
        QTest::keyClick(&t.d, Qt::Key_Escape);
        QVERIFY(t.d.isVisible());
        t.d.close();
        QVERIFY(t.d.isVisible());
        QCOMPARE(boites.seen.size(), 2);
    }

    void melodie()
    {
        Dialogue t;
        t.cliquer("nouveauButton");
        t.d.findChild<QPushButton *>(QStringLiteral("melodieButton"))->setEnabled(true);
        t.cliquer("melodieButton");
        QVERIFY(t.main.melodyParents.isEmpty()); // an empty list opens no editor
        t.ajouter(QStringLiteral("700"));
        t.ajouter(QStringLiteral("386.31"));
        t.cliquer("melodieButton");
        QCOMPARE(t.main.melodyParents, QList<QWidget *>{&t.d});
        QCOMPARE(t.main.melodySizes, QList<int>{2});
    }

    // The walk heard through the main window: with Frequency 1 at 5 Hz every step is refused with
    // its message and the playback goes on; each step made the interval the main window's.
    void parcoursDeLaLecture()
    {
        Dialogue t;
        ModalBoxes boites;
        t.main.f1 = 5;
        t.main.durationS = 0.02f;
        t.cliquer("nouveauButton");
        for (const char *c : {"100", "710", "750"})
            t.ajouter(QString::fromLatin1(c));
        t.cliquer("jouerListeButton");
        QCOMPARE(t.bouton("jouerListeButton")->text(), QStringLiteral("&Stop"));
        QTRY_COMPARE_WITH_TIMEOUT(t.bouton("jouerListeButton")->text(), QStringLiteral("Jouer Liste"), 5000);
        QCOMPARE(t.main.degrees, (QList<int>{0, 1, 2, 1, 0}));
        const QString illegale = utf8("Fréquence illégale");
        QCOMPARE(boites.texts(), (QStringList{illegale, illegale, illegale, illegale, illegale}));
        QVERIFY(t.tree->isExpanded(t.modele()->index(4, 0)));
    }

    // Unchecked intervals are passed over without becoming the main window's.
    void intervallesDecoches()
    {
        Dialogue t;
        ModalBoxes boites;
        t.main.f1 = 5;
        t.main.durationS = 0.02f;
        t.cliquer("nouveauButton");
        for (const char *c : {"100", "710", "750"})
            t.ajouter(QString::fromLatin1(c));
        t.categorie(utf8("Sol-La [700;900["))->child(0)->setCheckState(Qt::Unchecked);
        t.cliquer("jouerListeButton");
        QTRY_COMPARE_WITH_TIMEOUT(t.bouton("jouerListeButton")->text(), QStringLiteral("Jouer Liste"), 5000);
        QCOMPARE(t.main.degrees, (QList<int>{0, 2, 0}));
    }

    void sansModele()
    {
        Dialogue t;
        ModalBoxes boites;
        t.main.shape = 5;
        t.main.durationS = 0.02f;
        t.cliquer("nouveauButton");
        t.ajouter(QStringLiteral("100"));
        t.ajouter(QStringLiteral("200"));
        t.cliquer("jouerListeButton");
        QTRY_COMPARE_WITH_TIMEOUT(boites.texts(), QStringList{utf8("Définir d'abord un modèle de synthèse")}, 3000);
        QTest::qWait(200);
        QCOMPARE(boites.seen.size(), 1); // the playback stopped
        QCOMPARE(t.main.degrees, QList<int>{0});
        QCOMPARE(t.bouton("jouerListeButton")->text(), QStringLiteral("Jouer Liste"));
    }

    // "&Stop" stops also between two tones.
    void stopPendantLAttente()
    {
        Dialogue t;
        t.main.durationS = 10;
        t.cliquer("nouveauButton");
        t.ajouter(QStringLiteral("100"));
        t.cliquer("jouerListeButton");
        QCOMPARE(t.bouton("jouerListeButton")->text(), QStringLiteral("&Stop"));
        t.cliquer("jouerListeButton");
        QCOMPARE(t.bouton("jouerListeButton")->text(), QStringLiteral("Jouer Liste"));
        QTest::qWait(50);
        QVERIFY(t.main.degrees.isEmpty());
    }

    // Every label, button, combo and field shows its longest text whole, from 9 to 12 points, at
    // the size the window opens at and at the smallest a user can drag it to; a long file name
    // is shortened in its label, not the window widened past its largest size.
    void textesEntiers_data()
    {
        zibtest::addFontSizeRows();
    }
    void textesEntiers()
    {
        QFETCH(int, points);
        const zibtest::ApplicationFontSize fontSize(points);
        {
            QTemporaryDir dir;
            const QString longName = dir.filePath(QStringLiteral("Intervalles_justes_et_temperes_de_Zarlino_a_Werckmeister.int"));
            QVERIFY(QFile::copy(QStringLiteral("interval_lists/liste_defaut.int"), longName));
            Dialogue t;
            ModalBoxes boites;
            QVERIFY(t.d.loadDom(longName));
            QVERIFY(t.fichier->toolTip().contains(longName));
            // The title, longer than its field, shows its beginning.
            QCOMPARE(t.titre->cursorPosition(), 0);
            t.interval->setText(QStringLiteral("1300.00"));
            t.ecart->setText(QStringLiteral("Ecart : <font color=red>-1200.00</font> c"));
            t.bouton("jouerListeButton")->setText(QStringLiteral("Jouer Liste"));
            QTest::qWait(20);
            // On a desktop the window opens at its natural size within its largest; the offscreen
            // screen is only 800 × 600, so the test sets it.
            const QSize opened = t.d.sizeHint().boundedTo(t.d.maximumSize());
            const QSize least = t.d.minimumSize();
            QVERIFY2(least.width() >= 690 && least.width() <= 900 && least.height() <= 850,
                     qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
            for (const QSize &size : {opened, least}) {
                t.d.resize(size);
                QTest::qWait(20);
                const QStringList coupes = cutTexts(t);
                QVERIFY2(coupes.isEmpty(), qPrintable(QStringLiteral("at %1x%2:\n").arg(t.d.width()).arg(t.d.height()) +
                                                      coupes.join(QLatin1Char('\n'))));
            }
        }
    }

private:
    static QStringList cutTexts(Dialogue &t)
    {
        QStringList coupes;
        for (const QString &why : zibtest::cutTexts(&t.d)) {
            // The title and the author are the user's own text of any length: they scroll.
            if (!why.startsWith(QLatin1String("titreEdit")) && !why.startsWith(QLatin1String("auteurEdit")))
                coupes << why;
        }
        auto *box = t.vue->transpoCombo;
        for (int i = 0; i < box->count(); ++i) {
            if (box->fontMetrics().horizontalAdvance(box->itemText(i)) + 20 > box->width())
                coupes << box->itemText(i);
        }
        return coupes;
    }
};

QTEST_MAIN(TestIntervDlg)
#include "tst_intervdlg.moc"
