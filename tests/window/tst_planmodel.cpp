// SPDX-License-Identifier: GPL-3.0-or-later
// The plan's index of rooms by level and square follows the map as it changes; what the plan
// draws and where is played in tests/data/scenarios/plan.txt.
#include "support/scriptedservices.h"
#include "window/keycodes.h"
#include "window/planmodel.h"

#include <QTest>

using namespace rumbario;

class TestPlanModel : public QObject
{
    Q_OBJECT

private slots:
    void indexFollowsCreationDeletionAndBase();
};

void TestPlanModel::indexFollowsCreationDeletionAndBase()
{
    Session session;
    PlanIndex index;
    index.update(session.store);
    QVERIFY(!index.update(session.store));
    session.pressLetters(" EQ");
    QVERIFY(index.update(session.store));
    QCOMPARE(index.roomCount(), 3);
    QCOMPARE(index.shownPosition(3), (ShownPosition{1, 0, 1}));
    session.store.setCoordinateBase({10, 20, 0});
    QVERIFY(index.update(session.store));
    QCOMPARE(index.shownPosition(3), (ShownPosition{11, 20, 1}));
    QCOMPARE(index.roomsIn(1, QRectF(10, 19, 2, 2)), QVector<qint16>{3});
    QCOMPARE(index.roomsIn(0, QRectF(10, 19, 2, 2)).size(), 2);
    session.services.messageAnswers = {Answer::Yes};
    session.press(Key::Delete);
    QVERIFY(index.update(session.store));
    QCOMPARE(index.roomCount(), 2);
}

QTEST_GUILESS_MAIN(TestPlanModel)
#include "tst_planmodel.moc"
