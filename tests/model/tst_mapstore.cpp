// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/mapstore.h"
#include "model/runtimeerror.h"
#include "support/scriptedservices.h"

#include <QTest>

#include <set>

using namespace rumbario;

class TestMapStore : public QObject
{
    Q_OBJECT

private slots:
    void freshMap();
    void descriptionIsCutOrPadded_data();
    void descriptionIsCutOrPadded();
    void selectRoomSetsNumberBeforeFailing_data();
    void selectRoomSetsNumberBeforeFailing();
    void copyCoordinates_data();
    void copyCoordinates();
    void setCoordinatesLeavesModified();
    void directionTableIsConsistent();
    void numberToSlot_data();
    void numberToSlot();
};

void TestMapStore::freshMap()
{
    Session session;
    const MapStore &store = session.store;
    QCOMPARE(store.Lista.size(), 1);
    QCOMPARE(store.roomCount, qint16(1));
    QCOMPARE(store.currentRoom, qint16(1));
    QCOMPARE(store.currentRoomCopy, store.room(1));
    QCOMPARE(store.room(1).description, QString(100, QChar(0)));
    QCOMPARE(store.blankRoom.description, QString(100, u' '));
    QCOMPARE(store.coordinates.size(), 1);
    QCOMPARE(store.coordinatesOf(1), (Coordinates{0, 0, 0}));
    QCOMPARE(store.coordinateBase, (Coordinates{0, 0, 0}));
    QVERIFY(!store.modified);
    QVERIFY(session.editor.showCoordinates);
    QVERIFY(!session.editor.creationMode);
    QCOMPARE(session.editor.mapName, QStringLiteral("Mapa1"));
}

void TestMapStore::descriptionIsCutOrPadded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("long keeps first 100") << QString(120, u'x') << QString(100, u'x');
    QTest::newRow("short padded") << "Casa" << QStringLiteral("Casa") + QString(96, u' ');
    QTest::newRow("empty all blanks") << "" << QString(100, u' ');
}

void TestMapStore::descriptionIsCutOrPadded()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    Room room;
    room.setDescription(text);
    QCOMPARE(room.description, stored);
}

void TestMapStore::selectRoomSetsNumberBeforeFailing_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("one above the last") << 4;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -3;
}

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

void TestMapStore::copyCoordinates_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("copies");
    QTest::newRow("both in range, equal values still mark modified") << 1 << 2 << true;
    QTest::newRow("target one past the last column") << 1 << 4 << false;
    QTest::newRow("source one past the last column") << 4 << 1 << false;
}

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

void TestMapStore::numberToSlot_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("slot");
    QTest::newRow("1 north") << 1 << 0;
    QTest::newRow("2 south") << 2 << 4;
    QTest::newRow("7 in") << 7 << 10;
    QTest::newRow("11 south-west") << 11 << 5;
    QTest::newRow("12 north-west") << 12 << 7;
    QTest::newRow("0 none") << 0 << -1;
    QTest::newRow("13 none") << 13 << -1;
}

void TestMapStore::numberToSlot()
{
    QFETCH(int, number);
    QFETCH(int, slot);
    QCOMPARE(slotOfNumber(qint16(number)), slot);
}

QTEST_GUILESS_MAIN(TestMapStore)
#include "tst_mapstore.moc"
