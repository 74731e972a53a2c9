// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"
#include "core/runtimeerror.h"

#include <QFile>
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

void TestNumbers::typedAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("value");
    QFile rows(QStringLiteral(RUMBARIO_TEST_DATA "/numbers.txt"));
    QVERIFY(rows.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!rows.atEnd()) {
        const QString row = QString::fromUtf8(rows.readLine()).chopped(1);
        const qsizetype close = row.lastIndexOf(u']');
        if (row.startsWith(u'['))
            QTest::newRow(qPrintable(row.left(40)))
                << row.mid(1, close - 1).replace(QLatin1String("\\t"), QLatin1String("\t"))
                << row.mid(close + 2);
    }
}

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
