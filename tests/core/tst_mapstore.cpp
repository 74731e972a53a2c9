// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mapstore.h"
#include "core/runtimeerror.h"
#include "support/scriptedservices.h"

#include <QTest>

#include <set>

using namespace rumbario;

class TestMapStore : public QObject
{
    Q_OBJECT

private slots:
    void freshMap();
    void selectRoomSetsNumberBeforeFailing_data();
    void selectRoomSetsNumberBeforeFailing();
    void copyCoordinates_data();
    void copyCoordinates();
    void setCoordinatesLeavesModified();
    void directionTableIsConsistent();
};

void TestMapStore::freshMap()
{
    Session session;
    const MapStore &store = session.store;
    QCOMPARE(store.Lista, QVector<Room>{Room::zeroed()});
    QCOMPARE(store.currentRoomCopy, Room::zeroed());
    QCOMPARE(store.roomCount + store.currentRoom, 2);
    QCOMPARE(store.blankRoom, Room::blank());
    QCOMPARE(store.coordinates, QVector<Coordinates>{Coordinates{}});
    QCOMPARE(store.coordinateBase, Coordinates{});
    QVERIFY(!store.modified && !session.editor.creationMode && session.editor.showCoordinates);
    QCOMPARE(session.editor.mapName, QStringLiteral("Mapa1"));
}

// clang-format off
void TestMapStore::selectRoomSetsNumberBeforeFailing_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("one above the last") << 4;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -3;
}
// clang-format on

void TestMapStore::selectRoomSetsNumberBeforeFailing()
{
    QFETCH(int, number);
    Session session;
    session.addRooms(3);
    const Room copyBefore = session.store.currentRoomCopy;
    try {
        session.store.selectRoom(qint16(number));
        QFAIL("no error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 9);
    }
    QCOMPARE(int(session.store.currentRoom), number);
    QCOMPARE(session.store.currentRoomCopy, copyBefore);
}

// clang-format off
void TestMapStore::copyCoordinates_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("copies");
    QTest::newRow("both in range, equal values still mark modified") << 1 << 2 << true;
    QTest::newRow("target one past the last column") << 1 << 4 << false;
    QTest::newRow("source one past the last column") << 4 << 1 << false;
}
// clang-format on

void TestMapStore::copyCoordinates()
{
    QFETCH(int, source);
    QFETCH(int, target);
    QFETCH(bool, copies);
    Session session;
    session.addRooms(3);
    session.store.setCoordinates(1, 5, -6, 7);
    session.store.copyCoordinates(qint16(source), qint16(target));
    QCOMPARE(bool(session.store.modified), copies);
    if (copies)
        QCOMPARE(session.store.coordinatesOf(qint16(target)), (Coordinates{5, -6, 7}));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, session.store.copyCoordinates(0, 1));
}

void TestMapStore::setCoordinatesLeavesModified()
{
    Session session;
    session.store.setCoordinates(1, 1, 2, 3);
    QVERIFY(!session.store.modified);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, session.store.setCoordinates(2, 0, 0, 0));
}

void TestMapStore::directionTableIsConsistent()
{
    std::set<int> numbers;
    for (int slot = 0; slot < exitCount; ++slot) {
        const Direction &direction = directions[slot];
        QCOMPARE(direction.slot, slot);
        const Direction &back = directions[direction.opposite];
        QCOMPARE(back.opposite, slot);
        // Going and coming back cancel out.
        QCOMPARE(direction.dx + back.dx, 0);
        QCOMPARE(direction.dy + back.dy, 0);
        QCOMPARE(direction.dz + back.dz, 0);
        QVERIFY(direction.viewName.endsWith(u' '));
        QVERIFY(direction.removalName.startsWith(u' '));
        QCOMPARE(direction.viewName.toString().toLower(),
                 direction.afterOpenName.toString().toLower());
        numbers.insert(direction.number);
    }
    QCOMPARE(numbers.size(), std::size_t(12));
    QCOMPARE(*numbers.begin(), 1);
    QCOMPARE(*numbers.rbegin(), 12);
}

QTEST_GUILESS_MAIN(TestMapStore)
#include "tst_mapstore.moc"
