// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/runtimeerror.h"
#include "support/scriptedservices.h"
#include "window/roomview.h"

#include <QTest>

using namespace rumbario;

using SlotList = QList<int>;
Q_DECLARE_METATYPE(rumbario::Coordinates)

class TestRoomView : public QObject
{
    Q_OBJECT

private slots:
    void viewLine_data();
    void viewLine();
    void allTwelveExitsInEachOrder();
    void descriptionBox_data();
    void descriptionBox();
    void overflowLeavesBothBoxes();
    void startUpState();
};

// clang-format off
void TestRoomView::viewLine_data()
{
    QTest::addColumn<int>("room");
    QTest::addColumn<SlotList>("exits");
    QTest::addColumn<Coordinates>("stored");
    QTest::addColumn<Coordinates>("base");
    QTest::addColumn<bool>("coordinatesShown");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("afterOpenLine");

    QTest::newRow("fresh room") << 1 << SlotList{} << Coordinates{0, 0, 0} << Coordinates{0, 0, 0} << true << "S 1: (0, 0)" << "S 1: (0, 0)";
    QTest::newRow("three exits, level 1") << 12 << SlotList{East, South, NorthEast} << Coordinates{3, -2, 1} << Coordinates{0, 0, 0} << true << "S 12: Este sur Nordeste (3, -2, 1)" << "S 12: Nordeste Este sur (3, -2, 1)";
    QTest::newRow("coordinates hidden") << 12 << SlotList{East, South, NorthEast} << Coordinates{3, -2, 1} << Coordinates{0, 0, 0} << false << "S 12: Este sur Nordeste " << "S 12: Nordeste Este sur ";
    QTest::newRow("base added, level 0 shows two numbers") << 4 << SlotList{Up, SouthWest} << Coordinates{-1, -1, 0} << Coordinates{10, 20, 5} << true << "S 4: Arriba suroeste (9, 19)" << "S 4: Suroeste Arriba (9, 19)";
    QTest::newRow("level -1 shows three numbers") << 2 << SlotList{} << Coordinates{0, 0, -1} << Coordinates{0, 0, 0} << true << "S 2: (0, 0, -1)" << "S 2: (0, 0, -1)";
    QTest::newRow("hidden, no exits ends in a blank") << 5 << SlotList{} << Coordinates{0, 0, 0} << Coordinates{0, 0, 0} << false << "S 5: " << "S 5: ";
}
// clang-format on

void TestRoomView::viewLine()
{
    QFETCH(int, room);
    QFETCH(SlotList, exits);
    QFETCH(Coordinates, stored);
    QFETCH(Coordinates, base);
    QFETCH(bool, coordinatesShown);
    QFETCH(QString, line);
    QFETCH(QString, afterOpenLine);

    Session session;
    session.addRooms(room);
    session.store.selectRoom(qint16(room));
    for (int slot : exits)
        session.store.currentRoomCopy.exits[slot] = 2;
    session.store.setCoordinates(qint16(room), stored);
    session.store.coordinateBase = base;
    session.editor.showCoordinates = coordinatesShown;

    showRoom(session.editor);
    QCOMPARE(session.text2(), line);
    showRoomAfterOpen(session.editor);
    QCOMPARE(session.text2(), afterOpenLine);
}

void TestRoomView::allTwelveExitsInEachOrder()
{
    Session session;
    session.editor.showCoordinates = false;
    // A negative exit is never listed; one beyond the table is listed like any other.
    session.store.currentRoomCopy.exits.fill(99);
    session.store.currentRoomCopy.exits[In] = -2;
    showRoom(session.editor);
    QCOMPARE(session.text2(), QStringLiteral("S 1: Norte Este sur Oeste Arriba Abajo Fuera "
                                             "Nordeste Sureste suroeste Noroeste "));
    showRoomAfterOpen(session.editor);
    QCOMPARE(session.text2(), QStringLiteral("S 1: Norte Nordeste Este sureste sur Suroeste "
                                             "Oeste noroeste Arriba Abajo Fuera "));
}

// clang-format off
void TestRoomView::descriptionBox_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("afterOpenShown");
    const QString description = QStringLiteral("Cueva") + QString(95, u' ');
    QTest::newRow("creation notice kept in front") << "SALA CREADA" << QStringLiteral("SALA CREADA") + description << QStringLiteral("SALA CREADA") + description;
    QTest::newRow("notice with a blank is not the notice") << " SALA CREADA" << description << description;
    QTest::newRow("lower case is not the notice") << "sala creada" << description << u' ' + description;
    QTest::newRow("start-up notice gets a blank after opening") << QStringLiteral("modo creación desactivado") << description << u' ' + description;
    QTest::newRow("empty box counts as no blank") << "" << description << u' ' + description;
}
// clang-format on

void TestRoomView::descriptionBox()
{
    QFETCH(QString, before);
    QFETCH(QString, shown);
    QFETCH(QString, afterOpenShown);
    for (bool afterOpen : {false, true}) {
        Session session;
        session.store.currentRoomCopy.description.setText(QStringLiteral("Cueva"));
        session.services.setText(TextBox::Text1, before);
        afterOpen ? showRoomAfterOpen(session.editor) : showRoom(session.editor);
        QCOMPARE(session.text1(), afterOpen ? afterOpenShown : shown);
    }
}

void TestRoomView::overflowLeavesBothBoxes()
{
    Session session;
    session.store.setCoordinates(1, {32767, 0, 0});
    session.store.coordinateBase = {1, 0, 0};
    session.services.setText(TextBox::Text1, QStringLiteral("antes"));
    session.services.setText(TextBox::Text2, QStringLiteral("antes"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, showRoom(session.editor));
    QCOMPARE(session.text1(), QStringLiteral("antes"));
    QCOMPARE(session.text2(), QStringLiteral("antes"));
}

void TestRoomView::startUpState()
{
    Session session;
    QCOMPARE(session.text1(), QStringLiteral("modo creación desactivado"));
    QCOMPARE(session.text2(), QStringLiteral("S 1: (0, 0)"));
    QCOMPARE(session.services.focus, Control::Picture1);
    // The never-described room 1 shows an empty box: its zero characters end the text.
    showRoom(session.editor);
    QCOMPARE(session.text1(), QString());
}

QTEST_GUILESS_MAIN(TestRoomView)
#include "tst_roomview.moc"
