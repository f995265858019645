// What the bounded decimal fields let through, state by state: a text that more digits can still
// bring into the range may stay while the user types; one that none can bring back never enters.

#include "app/DecimalValidator.h"

#include <QtTest>

Q_DECLARE_METATYPE(QValidator::State)

class TestDecimalValidator : public QObject
{
    Q_OBJECT

private slots:
    void states_data()
    {
        QTest::addColumn<double>("bottom");
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QValidator::State>("state");
        const auto acceptable = QValidator::Acceptable;
        const auto intermediate = QValidator::Intermediate;
        const auto invalid = QValidator::Invalid;

        // Frequency 1: 10 … 16000, 3 decimals.
        QTest::newRow("inside") << 10.0 << 16000.0 << 3 << "440.125" << acceptable;
        QTest::newRow("both bounds") << 10.0 << 16000.0 << 3 << "16000.000" << acceptable;
        QTest::newRow("bottom") << 10.0 << 16000.0 << 3 << "10" << acceptable;
        QTest::newRow("on the way up") << 10.0 << 16000.0 << 3 << "9" << intermediate;
        QTest::newRow("empty") << 10.0 << 16000.0 << 3 << "" << intermediate;
        QTest::newRow("a point") << 10.0 << 16000.0 << 3 << "." << intermediate;
        QTest::newRow("just above") << 10.0 << 16000.0 << 3 << "16000.001" << invalid;
        QTest::newRow("far above") << 10.0 << 16000.0 << 3 << "99999" << invalid;
        QTest::newRow("4 decimals") << 10.0 << 16000.0 << 3 << "440.1255" << invalid;
        QTest::newRow("comma") << 10.0 << 16000.0 << 3 << "1,5" << invalid;
        QTest::newRow("two points") << 10.0 << 16000.0 << 3 << "1.5.0" << invalid;
        QTest::newRow("exponent") << 10.0 << 16000.0 << 3 << "1e3" << invalid;
        QTest::newRow("minus where none") << 10.0 << 16000.0 << 3 << "-440" << invalid;
        QTest::newRow("plus") << 10.0 << 16000.0 << 3 << "+440" << invalid;
        QTest::newRow("space") << 10.0 << 16000.0 << 3 << "44 0" << invalid;
        // The units field: −20000 … 20000, 3 decimals.
        QTest::newRow("negative inside") << -20000.0 << 20000.0 << 3 << "-1200.5" << acceptable;
        QTest::newRow("a minus alone") << -20000.0 << 20000.0 << 3 << "-" << intermediate;
        QTest::newRow("minus point") << -20000.0 << 20000.0 << 3 << "-." << intermediate;
        QTest::newRow("below a negative bottom") << -20000.0 << 20000.0 << 3 << "-20000.5" << invalid;
        // The decimal ratio: 10^-6 … 120, 6 decimals.
        QTest::newRow("smallest ratio") << 1e-6 << 120.0 << 6 << "0.000001" << acceptable;
        QTest::newRow("zero on the way") << 1e-6 << 120.0 << 6 << "0.000" << intermediate;
        QTest::newRow("seventh decimal") << 1e-6 << 120.0 << 6 << "0.0000001" << invalid;
        QTest::newRow("above 120") << 1e-6 << 120.0 << 6 << "120.5" << invalid;
    }

    void states()
    {
        QFETCH(double, bottom);
        QFETCH(double, top);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QFETCH(QValidator::State, state);
        DecimalValidator validator(bottom, top, decimals);
        int pos = text.size();
        QString input = text;
        QCOMPARE(validator.validate(input, pos), state);
        QCOMPARE(input, text);
    }
};

QTEST_MAIN(TestDecimalValidator)
#include "tst_decimalvalidator.moc"
