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

PlanScene sceneOf(Session &session, const PlanViewport &viewport)
{
    PlanIndex index;
    index.update(session.store);
    return buildPlanScene(session.store, index, viewport);
}

QList<int> roomsOf(const PlanScene &scene)
{
    QList<int> rooms;
    for (const PlanScene::Box &box : scene.boxes)
        rooms << box.room;
    return rooms;
}

} // namespace

class TestPlanModel : public QObject
{
    Q_OBJECT

private slots:
    void pixelsAndPlanUnits();
    void zoomKeepsThePointUnderThePointer();
    void visibleRoomsAtZoomAndPan_data();
    void visibleRoomsAtZoomAndPan();
    void indexFollowsCreationDeletionAndBase();
    void exitsOneWayMissingAndVertical();
    void stackedRoomsShowOneBoxWithACount();
    void hitTestingAndClickSelect();
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

// clang-format off
void TestPlanModel::visibleRoomsAtZoomAndPan_data()
{
    QTest::addColumn<QPointF>("center");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QList<int>>("rooms");
    // Rooms 1..5 in a row eastwards from (0, 0); the view is 400 x 200 pixels.
    QTest::newRow("all at small scale") << QPointF(2, 0) << 40.0 << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("zoomed in on room 3, a room of margin") << QPointF(2, 0) << 400.0 << QList<int>{2, 3, 4};
    QTest::newRow("panned far away") << QPointF(50, 50) << 40.0 << QList<int>{};
}
// clang-format on

void TestPlanModel::visibleRoomsAtZoomAndPan()
{
    QFETCH(QPointF, center);
    QFETCH(double, scale);
    QFETCH(QList<int>, rooms);
    Session session;
    session.pressLetters(" EEEE");
    session.store.selectRoom(3);
    QCOMPARE(roomsOf(sceneOf(session, viewportAt(center, scale))), rooms);
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

void TestPlanModel::exitsOneWayMissingAndVertical()
{
    Session session;
    session.addRooms(4);
    session.store.setCoordinates(2, {1, 0, 0});
    session.store.setCoordinates(3, {0, 1, 0});
    session.store.setCoordinates(4, {0, 0, 1});
    session.setExit(1, East, 2); // two-way
    session.setExit(2, West, 1);
    session.setExit(1, North, 3);     // one-way
    session.setExit(1, South, 9);     // missing room
    session.setExit(1, Up, 4);        // vertical
    session.setExit(1, In, 7);        // vertical, missing
    session.setExit(2, NorthWest, 4); // to the other level
    const PlanScene scene = sceneOf(session, viewportAt(QPointF(0, 0)));

    QCOMPARE(scene.level, 0);
    QCOMPARE(roomsOf(scene), (QList<int>{1, 2, 3}));
    QCOMPARE(scene.lines.size(), 3);
    QCOMPARE(scene.lines.at(0).to, qint16(3));
    QVERIFY(scene.lines.at(0).oneWay);
    // The two-way connection is drawn once, from room 1's east side to room 2's west side.
    const PlanScene::Line &east = scene.lines.at(1);
    QCOMPARE(east.to, qint16(2));
    QVERIFY(!east.oneWay);
    QCOMPARE(east.start, QPointF(planBoxHalf, 0));
    QCOMPARE(east.end, QPointF(1 - planBoxHalf, 0));
    QCOMPARE(scene.lines.at(2).from, qint16(2));
    QVERIFY(scene.lines.at(2).toOtherLevel);
    QCOMPARE(scene.stubs.size(), 1);
    QCOMPARE(scene.stubs.first().slot, int(South));
    QCOMPARE(scene.marks.size(), 2);
    QVERIFY(!scene.marks.at(0).broken);
    QCOMPARE(scene.marks.at(1).slot, int(In));
    QVERIFY(scene.marks.at(1).broken);
}

void TestPlanModel::stackedRoomsShowOneBoxWithACount()
{
    Session session;
    session.pressLetters(" DDF");
    // Rooms 1, 2 and 3 share (0, 0); room 2 is current.
    const PlanScene scene = sceneOf(session, viewportAt(QPointF(0, 0)));
    QCOMPARE(scene.boxes.size(), 1);
    QCOMPARE(scene.boxes.first().stacked, 3);
    QCOMPARE(scene.boxes.first().room, qint16(2));
    QVERIFY(scene.boxes.first().current);
}

void TestPlanModel::hitTestingAndClickSelect()
{
    Session session;
    session.pressLetters(" EE ");
    session.describe(2, QStringLiteral("Sala del trono"));
    PlanIndex index;
    index.update(session.store);
    const PlanViewport viewport = viewportAt(QPointF(1, 0));
    QCOMPARE(planRoomAt(session.store, index, viewport, QPointF(200, 100)), qint16(2));
    QCOMPARE(planRoomAt(session.store, index, viewport, QPointF(200 + 0.25 * 40, 100)), qint16(2));
    QCOMPARE(planRoomAt(session.store, index, viewport, QPointF(220, 100)), qint16(0));
    QCOMPARE(planRoomAt(session.store, index, viewport, QPointF(160, 100)), qint16(1));

    showRoomFromPlan(session.editor, 2);
    QCOMPARE(session.store.currentRoom, qint16(2));
    QCOMPARE(session.text2(), QStringLiteral("S 2: Este Oeste (1, 0)"));
    QCOMPARE(session.text1(),
             QStringLiteral("Sala del trono").leftJustified(descriptionLength, u' ', true));
    QCOMPARE(sceneOf(session, viewport).boxes.at(1).label, QStringLiteral("Sala del trono"));
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
