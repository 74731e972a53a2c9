// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"
#include "core/runtimeerror.h"

#include <QTest>

using namespace rumbario;

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void typedAnswers_data();
    void typedAnswers();
    void checkedArithmeticOverflows();
};

// clang-format off
void TestNumbers::typedAnswers_data()
{
    // What the numeric test accepts and the 16-bit value it converts to ("none": not a
    // number; "overflow": error 6). Halves round to the even neighbour.
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("value");
    QTest::newRow("digits")               << "12"      << "12";
    QTest::newRow("blanks and tabs around") << " \t7 "  << "7";
    QTest::newRow("signs")                << "-3"      << "-3";
    QTest::newRow("plus sign")            << "+3"      << "3";
    QTest::newRow("2.5 to even 2")        << "2.5"     << "2";
    QTest::newRow("3.5 to even 4")        << "3.5"     << "4";
    QTest::newRow("decimal comma")        << "2,5"     << "2";
    QTest::newRow("-2.5 to even -2")      << "-2.5"    << "-2";
    QTest::newRow("leading point")        << ".6"      << "1";
    QTest::newRow("trailing point")       << "4."      << "4";
    QTest::newRow("top edge")             << "32767"   << "32767";
    QTest::newRow("bottom edge, half")    << "-32768.5" << "-32768";
    QTest::newRow("one above")            << "32768"   << "overflow";
    QTest::newRow("half above, to even")  << "32767.5" << "overflow";
    QTest::newRow("one below")            << "-32769"  << "overflow";
    QTest::newRow("beyond a double")      << QString(400, u'9') << "overflow";
    QTest::newRow("empty")                << ""        << "none";
    QTest::newRow("blank")                << " "       << "none";
    QTest::newRow("sign alone")           << "-"       << "none";
    QTest::newRow("point alone")          << "."       << "none";
    QTest::newRow("word")                 << "norte"   << "none";
    QTest::newRow("two points")           << "1.2.3"   << "none";
    QTest::newRow("exponent")             << "1e3"     << "none";
    QTest::newRow("thousands separator")  << "1 000"   << "none";
    QTest::newRow("blank after sign")     << "- 3"     << "none";
}
// clang-format on

void TestNumbers::typedAnswers()
{
    QFETCH(QString, answer);
    QFETCH(QString, value);
    QCOMPARE(isNumeric(answer), value != QStringLiteral("none"));
    try {
        const auto converted = typedInteger16(answer);
        QCOMPARE(converted ? QString::number(*converted) : QStringLiteral("none"), value);
    } catch (const RuntimeError &error) {
        QCOMPARE(QStringLiteral("overflow"), value);
        QCOMPARE(error.number(), 6);
        QCOMPARE(error.description(), QStringLiteral("Desbordamiento"));
    }
}

void TestNumbers::checkedArithmeticOverflows()
{
    QCOMPARE(int(checkedSubtract(-32767, 1)), -32768);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, checkedAdd(32767, 1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, checkedSubtract(-32768, 1));
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
