// The circle and the ruler, rendered into images: the checked intervals in red where their size
// puts them, the current one in yellow, the transposed ones in green, nothing for an empty list.

#include "intervals/IntervDlg.h"
#include "intervals/ListView.h"
#include "tests/support/FakeMainWindow.h"
#include "tests/support/Enfant.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QLoggingCategory>
#include <QStandardItemModel>
#include <QTreeView>

#include <cmath>

namespace {

/// A dialog holding intervals of these sizes, all checked, the first one current.
struct Vues
{
    FakeMainWindow main;
    IntervDlg d{&main};
    ListView *vue = enfant<ListView>(&d, "listView");
    QTreeView *tree = enfant<QTreeView>(&d, "treeView");

    explicit Vues(std::initializer_list<float> cents)
    {
        for (float c : cents) {
            Interval i;
            i.cent = c;
            i.frac = std::pow(2.0f, c / 1200);
            d.addInterv(&i);
        }
        d.resize(d.sizeHint());
        d.show();
    }

    QStandardItemModel *modele() { return qobject_cast<QStandardItemModel *>(tree->model()); }
    QImage cercle() { return vue->grab().toImage(); }
    QImage dialogue() { return d.grab().toImage(); }
    /// The point on the circle at r pixels from the centre, degrees clockwise from the top.
    QPoint point(double degres, double r) const
    {
        const double c = vue->width() / 2.0;
        const double a = degres * M_PI / 180;
        return QPoint(int(std::lround(c + r * std::sin(a))), int(std::lround(c - r * std::cos(a))));
    }
    double rayon() const { return std::ceil(vue->width() / 2.0) - 40; }
};

/// Whether a pixel within one of p has the colour.
bool couleurPres(const QImage &image, QPoint p, const QColor &couleur)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixelColor(p + QPoint(dx, dy)) == couleur)
                return true;
    return false;
}

} // namespace

class TestListView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    // 700 cents is 210° clockwise from the top, between radius R − 20 and R.
    void intervalleCocheSurLeCercle()
    {
        Vues v({100, 700});
        v.vue->courant = 0;
        QCOMPARE(v.vue->width(), v.vue->height());
        const QImage image = v.cercle();
        QVERIFY(couleurPres(image, v.point(210, v.rayon() - 10), Qt::red));
        QVERIFY(couleurPres(image, v.point(30, v.rayon() - 10), Qt::yellow)); // 100 cents, current
        QVERIFY(!couleurPres(image, v.point(180, v.rayon() - 10), Qt::red));

        v.modele()->item(4)->child(0)->setCheckState(Qt::Unchecked);
        const QImage sans = v.cercle();
        QVERIFY(!couleurPres(sans, v.point(210, v.rayon() - 10), Qt::red));
        QCOMPARE(v.d.liste().liste.size(), 2);
    }

    // With "Quinte 3/2", a 498.045-cent interval lands at 1200 cents: green at the top.
    void transposition()
    {
        Vues v({100, 498.045f});
        v.vue->courant = 0;
        const QPoint haut = v.point(0, v.rayon() - 30);
        QVERIFY(!couleurPres(v.cercle(), haut, Qt::green));
        v.vue->transposeBox->setChecked(true);
        v.vue->transpoCombo->setCurrentIndex(2);
        QCOMPARE(v.vue->transposition(), 701.955f);
        const QImage image = v.cercle();
        QVERIFY(couleurPres(image, haut, Qt::green));
        // The current interval transposed, 801.955 cents, in yellow on the inner ring.
        QVERIFY(couleurPres(image, v.point(801.955 * 0.3, v.rayon() - 30), Qt::yellow));
        // The transposition's own tick inside the inner circle.
        QVERIFY(couleurPres(image, v.point(701.955 * 0.3, v.rayon() - 45), Qt::black));

        v.vue->transpoCombo->setCurrentIndex(1); // "Quarte 4/3": 100 + 498.045
        QVERIFY(!couleurPres(v.cercle(), haut, Qt::green));
    }

    void listeVide()
    {
        Vues v({});
        const QImage image = v.cercle();
        const QColor fond = image.pixelColor(2, v.vue->height() / 2);
        QCOMPARE(image.pixelColor(v.point(0, v.rayon())), fond);
        QCOMPARE(image.pixelColor(v.point(90, v.rayon() - 20)), fond);
        // The ruler is there, without marks.
        const QImage dlg = v.dialogue();
        QCOMPARE(dlg.pixelColor(200, 30), QColor(Qt::black));
        for (int x = 131; x < 681; ++x)
            QVERIFY(dlg.pixelColor(x, 32) != QColor(Qt::red));
    }

    // On the ruler: 130 + 552 × 700 / 1200 = 452.
    void regle()
    {
        Vues v({100, 700});
        const QImage image = v.dialogue();
        QCOMPARE(image.pixelColor(452, 32), QColor(Qt::red));
        QCOMPARE(image.pixelColor(176, 32), QColor(Qt::red)); // 100 cents
        QCOMPARE(image.pixelColor(300, 32), QColor(Qt::black));
        QCOMPARE(image.pixelColor(130 + 46 * 2, 45), QColor(Qt::white)); // Ré's tick

        // The current interval: a yellow frame around its line and the two marks.
        const QModelIndex quinte = v.modele()->index(0, 0, v.modele()->index(4, 0));
        v.tree->expandAll();
        v.tree->setCurrentIndex(quinte);
        const QImage courant = v.dialogue();
        QCOMPARE(courant.pixelColor(450, 40), QColor(Qt::yellow));
        QCOMPARE(courant.pixelColor(454, 40), QColor(Qt::yellow));
        QCOMPARE(courant.pixelColor(452, 50), QColor(Qt::yellow));
        QCOMPARE(courant.pixelColor(452, 23), QColor(Qt::yellow));
        QCOMPARE(v.vue->courant, 1);

        v.modele()->item(4)->child(0)->setCheckState(Qt::Unchecked);
        const QImage sans = v.dialogue();
        QVERIFY(sans.pixelColor(452, 32) != QColor(Qt::red));
        QCOMPARE(sans.pixelColor(176, 32), QColor(Qt::red));
    }
};

QTEST_MAIN(TestListView)
#include "tst_listview.moc"
