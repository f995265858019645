// The checks of the window tests themselves: a cut text is reported, a whole one is not, and a
// control that moves is named.

#include "tests/support/TextFit.h"

#include <QtTest>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace zibtest;

class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void lineEdits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("left") << "1.235e+04:Sol\u266E9-28" << int(Qt::AlignLeft) << false;
        QTest::newRow("centred, read-only") << "1.235e+04:Sol\u266E9-28" << int(Qt::AlignCenter) << true;
        QTest::newRow("right") << "-19999.999" << int(Qt::AlignRight) << false;
    }

    void lineEdits()
    {
        QFETCH(QString, text);
        QFETCH(int, alignment);
        QFETCH(bool, readOnly);
        QDialog window;
        auto *edit = new QLineEdit(text, &window);
        edit->setAlignment(Qt::Alignment(alignment));
        edit->setReadOnly(readOnly);
        const int textWidth = edit->fontMetrics().horizontalAdvance(text);
        window.show();

        edit->setFixedWidth(textWidth / 2);
        QVERIFY(!whyTextIsCut(edit).isEmpty());
        QCOMPARE(cutTexts(&window).size(), 1);
        edit->setFixedWidth(textWidth - 2);
        QVERIFY(!whyTextIsCut(edit).isEmpty());
        edit->setFixedWidth(textWidth + 20);
        QVERIFY2(whyTextIsCut(edit).isEmpty(), qPrintable(whyTextIsCut(edit)));
        QVERIFY(cutTexts(&window).isEmpty());
    }

    void controlsBelowTheirHint()
    {
        QDialog window;
        auto *button = new QPushButton(QStringLiteral("Jouer Freq &1"), &window);
        auto *combo = new QComboBox(&window);
        combo->addItems({QStringLiteral("sinus"), QStringLiteral("synth\u00e8se modale")});
        auto *label = new QLabel(QStringLiteral("<b>Fr\u00e9quence 2 non permise</b>"), &window);
        auto *wrapped = new QLabel(QStringLiteral("Fr\u00e9quence 2 non permise, vraiment pas"), &window);
        wrapped->setWordWrap(true);
        auto *group = new QGroupBox(QStringLiteral("Intervalle Freq1-Freq2"), &window);
        window.show();
        for (QWidget *w : std::initializer_list<QWidget *>{button, combo, label, group}) {
            w->setFixedSize(w->sizeHint().expandedTo(w->minimumSizeHint()));
            QVERIFY2(whyTextIsCut(w).isEmpty(), qPrintable(whyTextIsCut(w)));
            w->setFixedWidth(w->width() / 3);
            QVERIFY(!whyTextIsCut(w).isEmpty());
        }
        wrapped->setFixedSize(60, wrapped->fontMetrics().height());
        QVERIFY(!whyTextIsCut(wrapped).isEmpty());
        wrapped->setFixedHeight(wrapped->heightForWidth(60));
        QVERIFY(whyTextIsCut(wrapped).isEmpty());
    }

    void moved()
    {
        QDialog window;
        auto *layout = new QHBoxLayout(&window);
        auto *status = new QLabel(&window);
        status->setObjectName(QStringLiteral("status"));
        auto *field = new QLineEdit(&window);
        field->setObjectName(QStringLiteral("field"));
        layout->addWidget(status);
        layout->addWidget(field);
        window.setFixedSize(300, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto before = geometries(&window);
        QVERIFY(movedWidgets(before, geometries(&window)).isEmpty());
        status->setText(QStringLiteral("<b>Un long message d'erreur qui prend de la place</b>"));
        QApplication::processEvents();
        QVERIFY(movedWidgets(before, geometries(&window)).contains(QStringLiteral("field (QLineEdit)")));
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
