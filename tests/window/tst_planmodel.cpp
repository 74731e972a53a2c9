// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scriptedservices.h"
#include "window/keycodes.h"
#include "window/planmodel.h"

#include <QTest>

using namespace rumbario;

namespace {

PlanViewport viewportAt(QPointF center, double scale = 40, QSizeF size = QSizeF(400, 200))
{
    PlanViewport viewport;
    viewport.center = center;
    viewport.scale = scale;
    viewport.size = size;
    return viewport;
}

} // namespace

class TestPlanModel : public QObject
{
    Q_OBJECT

private slots:
    void pixelsAndPlanUnits();
    void zoomKeepsThePointUnderThePointer();
    void indexFollowsCreationDeletionAndBase();
    void hitTesting();
    void recentresWhenTheRoomLeavesTheView();
};

void TestPlanModel::pixelsAndPlanUnits()
{
    const PlanViewport viewport = viewportAt(QPointF(2, 3));
    QCOMPARE(viewport.toPixel(QPointF(2, 3)), QPointF(200, 100));
    // Y grows upwards on the plan and downwards in pixels.
    QCOMPARE(viewport.toPixel(QPointF(3, 4)), QPointF(240, 60));
    QCOMPARE(viewport.toPlan(QPointF(240, 60)), QPointF(3, 4));
    QCOMPARE(viewport.visibleArea(), QRectF(-3, 0.5, 10, 5));
}

void TestPlanModel::zoomKeepsThePointUnderThePointer()
{
    PlanViewport viewport = viewportAt(QPointF(0, 0));
    const QPointF pointer(300, 50);
    const QPointF before = viewport.toPlan(pointer);
    viewport.zoomAround(pointer, 2.0);
    QCOMPARE(viewport.scale, 80.0);
    QCOMPARE(viewport.toPlan(pointer), before);
    viewport.zoomAround(pointer, 0.0001);
    QVERIFY(viewport.visibleArea().width() <= 256.0 + 1e-9);
}

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

void TestPlanModel::hitTesting()
{
    Session session;
    session.pressLetters(" EE ");
    PlanIndex index;
    index.update(session.store);
    const PlanViewport viewport = viewportAt(QPointF(1, 0));
    QCOMPARE(planRoomAt(session.store, index, viewport, QPointF(200, 100)), qint16(2));
    QCOMPARE(planRoomAt(session.store, index, viewport, QPointF(200 + 0.25 * 40, 100)), qint16(2));
    QCOMPARE(planRoomAt(session.store, index, viewport, QPointF(220, 100)), qint16(0));
    QCOMPARE(planRoomAt(session.store, index, viewport, QPointF(160, 100)), qint16(1));
}

void TestPlanModel::recentresWhenTheRoomLeavesTheView()
{
    PlanViewport viewport = viewportAt(QPointF(0, 0));
    QVERIFY(!viewport.keepInView(QPointF(3, 1)));
    QVERIFY(viewport.keepInView(QPointF(9, 0)));
    QCOMPARE(viewport.center, QPointF(9, 0));
}

QTEST_GUILESS_MAIN(TestPlanModel)
#include "tst_planmodel.moc"
