// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/numbers.h"
#include "model/runtimeerror.h"

#include <QTest>

using namespace rumbario;

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void numericTest_data();
    void numericTest();
    void rounding_data();
    void rounding();
    void overflow_data();
    void overflow();
    void flagInvertsAllBits();
};

void TestNumbers::numericTest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << "12" << true << 12.0;
    QTest::newRow("blanks around") << "  7 " << true << 7.0;
    QTest::newRow("tab around") << "\t7\t" << true << 7.0;
    QTest::newRow("minus") << "-3" << true << -3.0;
    QTest::newRow("plus") << "+3" << true << 3.0;
    QTest::newRow("fraction with point") << "2.5" << true << 2.5;
    QTest::newRow("fraction with comma") << "2,5" << true << 2.5;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "4." << true << 4.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << " " << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("point alone") << "." << false << 0.0;
    QTest::newRow("word") << "norte" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("exponent") << "1e3" << false << 0.0;
    QTest::newRow("thousands") << "1 000" << false << 0.0;
    QTest::newRow("sign after blank inside") << "- 3" << false << 0.0;
    QTest::newRow("hexadecimal") << "&H10" << false << 0.0;
}

void TestNumbers::numericTest()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(isNumeric(text), numeric);
    if (numeric) {
        QFETCH(double, value);
        QCOMPARE(numericValue(text), value);
    }
}

void TestNumbers::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("2.5 to even 2") << 2.5 << 2;
    QTest::newRow("3.5 to even 4") << 3.5 << 4;
    QTest::newRow("-2.5 to even -2") << -2.5 << -2;
    QTest::newRow("1.6 up") << 1.6 << 2;
    QTest::newRow("0.5 to 0") << 0.5 << 0;
    QTest::newRow("top edge") << 32767.0 << 32767;
    QTest::newRow("bottom edge") << -32768.0 << -32768;
    QTest::newRow("-32768.5 to even -32768") << -32768.5 << -32768;
}

void TestNumbers::rounding()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(int(toInteger16(value)), rounded);
}

void TestNumbers::overflow_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("one above") << "32768";
    QTest::newRow("half above rounds up to even") << "32767.5";
    QTest::newRow("one below") << "-32769";
    QTest::newRow("beyond a double") << QString(400, u'9');
}

void TestNumbers::overflow()
{
    QFETCH(QString, answer);
    try {
        typedInteger16(answer);
        QFAIL("no overflow");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 6);
        QCOMPARE(error.description(), QStringLiteral("Desbordamiento"));
    }
    QCOMPARE(int(checkedSubtract(-32767, 1)), -32768);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, checkedAdd(32767, 1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, checkedSubtract(-32768, 1));
}

void TestNumbers::flagInvertsAllBits()
{
    Flag flag;
    QCOMPARE(flag.value(), qint16(0));
    flag.invert();
    QCOMPARE(flag.value(), qint16(-1));
    QVERIFY(flag);
    flag.invert();
    QVERIFY(!flag);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
