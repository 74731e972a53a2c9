// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scriptedservices.h"
#include "window/descriptionentry.h"
#include "window/keycodes.h"

#include <QTest>

using namespace rumbario;

Q_DECLARE_METATYPE(rumbario::Coordinates)
Q_DECLARE_METATYPE(rumbario::Answer)

namespace {

const QString blanks100(100, u' ');
const QString missingRoomQuestion = QStringLiteral(
    "message YesNo [Aviso ] la sala a la que se dirigía, con el número %1 no existe en "
    "\"Lista\" \r\n¿Desea eliminar esa referencia errónea?");
const QString letterQuestion = QStringLiteral(
    "input [] Introduzca la dirección que pulsó antes de producirse el error (N S E W U D) {}");

} // namespace

class TestKeyHandler : public QObject
{
    Q_OBJECT

private slots:
    void drawingFromAFreshMap();
    void creatingEastOfRoomThree();
    void directionKeys_data();
    void directionKeys();
    void creationStepsAndBackLinks_data();
    void creationStepsAndBackLinks();
    void secondCreationInARowKeepsNoticeOnce();
    void spaceTogglesWithoutRedraw();
    void ctrlHomeAndEndJumpInBothModes_data();
    void ctrlHomeAndEndJumpInBothModes();
    void helpEndsTheEvent();
    void missingRoomRecovery_data();
    void missingRoomRecovery();
    void fullTableRaisesOverflowUnchanged();
    void failureInsideRecoveryIsReported();
    void descriptionEntry_data();
    void descriptionEntry();
    void enterWithoutEntryKeepsMode();
};

void TestKeyHandler::drawingFromAFreshMap()
{
    Session session;
    session.press(Key::Space);
    session.press(Key::Up);
    QCOMPARE(session.text2(), QStringLiteral("S 2: sur (0, 1)"));
    QCOMPARE(session.text1(), QStringLiteral("SALA CREADA") + blanks100);
    session.press(Key::PageUp);
    QCOMPARE(session.text2(), QStringLiteral("S 3: suroeste (1, 2)"));
    QCOMPARE(session.store.roomCount, qint16(3));
    QVERIFY(session.store.modified);
    session.press(Key::End);
    QCOMPARE(session.text2(), QStringLiteral("S 2: sur Nordeste (0, 1)"));
    QCOMPARE(session.store.roomCount, qint16(3));
    QCOMPARE(session.text1(), blanks100);
    QCOMPARE(session.store.room(1).exits[North], qint16(2));
    QCOMPARE(session.store.room(3).exits[SouthWest], qint16(2));
}

void TestKeyHandler::creatingEastOfRoomThree()
{
    Session session;
    session.addRooms(3);
    session.store.selectRoom(3);
    session.editor.creationMode = true;
    session.press(Key::letter('E'));
    QCOMPARE(session.store.currentRoom, qint16(4));
    QCOMPARE(session.text2(), QStringLiteral("S 4: Oeste (1, 0)"));
    QCOMPARE(session.text1(), QStringLiteral("SALA CREADA") + blanks100);
    QCOMPARE(session.store.room(3).exits[East], qint16(4));
    QCOMPARE(session.store.room(4).exits[West], qint16(3));
    QCOMPARE(session.store.coordinates.size(), 4);
    QVERIFY(session.store.modified);
    QVERIFY(session.services.events.contains(QStringLiteral("repaint Text1")));
}

// clang-format off
void TestKeyHandler::directionKeys_data()
{
    QTest::addColumn<bool>("creation");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("exitValue");
    QTest::addColumn<int>("roomAfter");
    QTest::addColumn<int>("roomCountAfter");
    QTest::addColumn<int>("beeps");

    // Map of two rooms; the exit in `slot` of room 1 holds exitValue.
    QTest::newRow("walk east through E") << false << Key::letter('E') << int(East) << 2 << 2 << 2 << 0;
    QTest::newRow("walk K does nothing") << false << Key::letter('K') << int(East) << 2 << 1 << 2 << 0;
    QTest::newRow("walk H does nothing") << false << Key::letter('H') << int(West) << 2 << 1 << 2 << 0;
    QTest::newRow("walk wall beeps") << false << Key::Right << int(East) << 0 << 1 << 2 << 1;
    QTest::newRow("walk negative exit beeps") << false << Key::letter('S') << int(South) << -3 << 1 << 2 << 1;
    QTest::newRow("walk End south-west") << false << Key::End << int(SouthWest) << 2 << 2 << 2 << 0;
    QTest::newRow("walk Home north-west") << false << Key::Home << int(NorthWest) << 2 << 2 << 2 << 0;
    QTest::newRow("walk comma south-east") << false << Key::Comma << int(SouthEast) << 2 << 2 << 2 << 0;
    QTest::newRow("walk F out") << false << Key::letter('F') << int(Out) << 2 << 2 << 2 << 0;
    QTest::newRow("create K east") << true << Key::letter('K') << int(East) << 0 << 3 << 3 << 0;
    QTest::newRow("create H west") << true << Key::letter('H') << int(West) << 0 << 3 << 3 << 0;
    QTest::newRow("create End south-west") << true << Key::End << int(SouthWest) << 0 << 3 << 3 << 0;
    QTest::newRow("create Home north-west") << true << Key::Home << int(NorthWest) << 0 << 3 << 3 << 0;
    QTest::newRow("create follows existing exit") << true << Key::letter('W') << int(West) << 2 << 2 << 2 << 0;
}
// clang-format on

void TestKeyHandler::directionKeys()
{
    QFETCH(bool, creation);
    QFETCH(int, key);
    QFETCH(int, slot);
    QFETCH(int, exitValue);
    QFETCH(int, roomAfter);
    QFETCH(int, roomCountAfter);
    QFETCH(int, beeps);

    Session session;
    session.addRooms(2);
    session.setExit(1, slot, qint16(exitValue));
    session.editor.creationMode = creation;
    const bool modifiedExpected = roomCountAfter > 2;
    session.press(key);
    QCOMPARE(int(session.store.currentRoom), roomAfter);
    QCOMPARE(int(session.store.roomCount), roomCountAfter);
    QCOMPARE(session.services.beeps(), beeps);
    QCOMPARE(bool(session.store.modified), modifiedExpected);
    QVERIFY(session.text2().startsWith(QStringLiteral("S %1: ").arg(roomAfter)));
}

// clang-format off
void TestKeyHandler::creationStepsAndBackLinks_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Coordinates>("position");
    QTest::addColumn<int>("backSlot");
    QTest::newRow("south-west") << Key::letter('N') << Coordinates{1, 2, -1} << int(NorthEast);
    QTest::newRow("in keeps the position") << Key::letter('D') << Coordinates{2, 3, -1} << int(Out);
    QTest::newRow("up raises Z") << Key::letter('Q') << Coordinates{2, 3, 0} << int(Down);
    QTest::newRow("down lowers Z") << Key::letter('A') << Coordinates{2, 3, -2} << int(Up);
}
// clang-format on

void TestKeyHandler::creationStepsAndBackLinks()
{
    QFETCH(int, key);
    QFETCH(Coordinates, position);
    QFETCH(int, backSlot);
    Session session;
    session.store.setCoordinates(1, {2, 3, -1});
    session.editor.creationMode = true;
    session.press(key);
    QCOMPARE(session.store.coordinatesOf(2), position);
    Room expected = Room::blank();
    expected.exits[backSlot] = 1;
    QCOMPARE(session.store.room(2), expected);
}

void TestKeyHandler::secondCreationInARowKeepsNoticeOnce()
{
    Session session;
    session.editor.creationMode = true;
    session.services.setText(TextBox::Text1, QStringLiteral("SALA CREADA"));
    session.press(Key::Up);
    // The blank in front hides the notice from the view, which shows the description alone.
    QVERIFY(session.services.events.contains(QStringLiteral("Text1= SALA CREADA")));
    QCOMPARE(session.text1(), blanks100);
}

void TestKeyHandler::spaceTogglesWithoutRedraw()
{
    Session session;
    session.press(Key::Space);
    QVERIFY(session.editor.creationMode);
    QCOMPARE(session.text2(), QStringLiteral("Modo creación  activado"));
    session.press(Key::Space, Modifier::Shift);
    QVERIFY(!session.editor.creationMode);
    QCOMPARE(session.text2(), QStringLiteral("Modo creación  desactivado"));
    QCOMPARE(session.text1(), QStringLiteral("modo creación desactivado"));
}

// clang-format off
void TestKeyHandler::ctrlHomeAndEndJumpInBothModes_data()
{
    QTest::addColumn<bool>("creation");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("roomAfter");
    QTest::newRow("walking Ctrl+End") << false << Key::End << Modifier::Ctrl << 4;
    QTest::newRow("creating Ctrl+Home") << true << Key::Home << Modifier::Ctrl << 1;
    QTest::newRow("creating Ctrl+Shift+End") << true << Key::End << (Modifier::Ctrl | Modifier::Shift) << 4;
}
// clang-format on

void TestKeyHandler::ctrlHomeAndEndJumpInBothModes()
{
    QFETCH(bool, creation);
    QFETCH(int, key);
    QFETCH(int, shift);
    QFETCH(int, roomAfter);
    Session session;
    session.addRooms(4);
    session.store.selectRoom(2);
    session.editor.creationMode = creation;
    session.press(key, shift);
    QCOMPARE(int(session.store.currentRoom), roomAfter);
    QCOMPARE(session.store.roomCount, qint16(4));
    QCOMPARE(session.text2(), QStringLiteral("S %1: (0, 0)").arg(roomAfter));
}

void TestKeyHandler::helpEndsTheEvent()
{
    Session session;
    session.press(Key::F1);
    QCOMPARE(session.services.events, QStringList{QStringLiteral("help")});
}

// clang-format off
void TestKeyHandler::missingRoomRecovery_data()
{
    QTest::addColumn<bool>("creation");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("exitValue");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("cancelledMessage");

    QTest::newRow("walking, answer No") << false << Key::PageUp << int(NorthEast) << 5 << Answer::No << "" << false << false;
    QTest::newRow("lower-case letter clears") << false << Key::Up << int(North) << 5 << Answer::Yes << "n" << true << false;
    QTest::newRow("letter names the direction, not the key") << false << Key::letter('Q') << int(Up) << 5 << Answer::Yes << "U" << true << false;
    QTest::newRow("diagonal has no letter") << false << Key::PageUp << int(NorthEast) << 5 << Answer::Yes << "NE" << false << true;
    QTest::newRow("blank before letter") << false << Key::Up << int(North) << 5 << Answer::Yes << " N" << false << true;
    QTest::newRow("cancelled letter") << false << Key::Up << int(North) << 5 << Answer::Yes << "" << false << true;
    QTest::newRow("creation follows a negative exit") << true << Key::Down << int(South) << -3 << Answer::Yes << "s" << true << false;
}
// clang-format on

void TestKeyHandler::missingRoomRecovery()
{
    QFETCH(bool, creation);
    QFETCH(int, key);
    QFETCH(int, slot);
    QFETCH(int, exitValue);
    QFETCH(Answer, answer);
    QFETCH(QString, letter);
    QFETCH(bool, cleared);
    QFETCH(bool, cancelledMessage);

    Session session;
    session.addRooms(4);
    session.store.selectRoom(2);
    session.setExit(2, slot, qint16(exitValue));
    session.editor.creationMode = creation;
    session.services.messageAnswers = {answer};
    if (answer == Answer::Yes)
        session.services.inputAnswers = {letter};
    session.press(key);

    QStringList expected{missingRoomQuestion.arg(exitValue)};
    if (answer == Answer::Yes)
        expected << letterQuestion;
    if (cancelledMessage)
        expected << QStringLiteral("message Ok [] ELIMINACIÓN CANCELADA");
    QCOMPARE(session.services.dialogs, expected);
    QCOMPARE(session.store.currentRoom, qint16(2));
    QCOMPARE(session.store.room(2).exits[slot], qint16(cleared ? 0 : exitValue));
    QCOMPARE(session.store.currentRoomCopy, session.store.room(2));
    QVERIFY(session.text2().startsWith(QStringLiteral("S 2: ")));
    QCOMPARE(session.store.roomCount, qint16(4));
    QVERIFY(!session.store.modified);
}

void TestKeyHandler::fullTableRaisesOverflowUnchanged()
{
    Session session;
    session.addRooms(32767);
    session.store.selectRoom(32767);
    session.editor.creationMode = true;
    session.services.setText(TextBox::Text2, QStringLiteral("antes"));
    session.press(Key::Up);
    QCOMPARE(session.services.dialogs,
             QStringList{QStringLiteral("message Ok [] error 6: Desbordamiento")});
    QCOMPARE(session.store.Lista.size(), 32767);
    QCOMPARE(session.store.coordinates.size(), 32767);
    QCOMPARE(session.store.room(32767).exits[North], qint16(0));
    QCOMPARE(session.text2(), QStringLiteral("antes"));
    QVERIFY(!session.store.modified);
}

void TestKeyHandler::failureInsideRecoveryIsReported()
{
    Session session;
    session.addRooms(2);
    session.setExit(1, North, 9);
    session.store.setCoordinates(1, {32767, 0, 0});
    session.store.coordinateBase = {1, 0, 0};
    session.services.messageAnswers = {Answer::No};
    session.press(Key::Up);
    QCOMPARE(session.services.dialogs,
             (QStringList{missingRoomQuestion.arg(9),
                          QStringLiteral("message Ok [] error 6: Desbordamiento")}));
    QCOMPARE(session.store.currentRoom, qint16(1));
}

// clang-format off
void TestKeyHandler::descriptionEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    const QString old = QStringLiteral("Cocina") + QString(94, u' ');
    QTest::newRow("unchanged text") << old << old;
    QTest::newRow("typed before the padding") << QStringLiteral("Gran ") + old << (QStringLiteral("Gran ") + old).left(100);
    QTest::newRow("long text cut") << QString(120, u'a') << QString(100, u'a');
    QTest::newRow("short text padded") << "Sótano" << QStringLiteral("Sótano") + QString(94, u' ');
    QTest::newRow("pasted line break") << "Dos\r\nlíneas" << QStringLiteral("Dos  líneas") + QString(89, u' ');
    QTest::newRow("characters the plan file cannot hold") << QStringLiteral("Puerta → norte, 20 €") << QStringLiteral("Puerta ? norte, 20 €") + QString(80, u' ');
}
// clang-format on

void TestKeyHandler::descriptionEntry()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    Session session;
    session.describe(1, QStringLiteral("Cocina"));
    session.store.selectRoom(1);
    session.editor.creationMode = true;
    session.press(Key::letter('T'));
    QVERIFY(!session.editor.creationMode);
    QVERIFY(session.editor.textEntryPending);
    QCOMPARE(session.services.focus, Control::Text1);
    QCOMPARE(session.services.colours, BoxColours::Entry);
    QCOMPARE(session.text1(), QStringLiteral("Cocina") + QString(94, u' '));

    session.services.setText(TextBox::Text1, typed);
    Text1_KeyDown(session.editor, Key::Enter, Modifier::Shift);
    QCOMPARE(session.store.room(1).description.text(), stored);
    QCOMPARE(session.store.currentRoomCopy.description.text(), stored);
    QVERIFY(session.editor.creationMode);
    QCOMPARE(session.text2(), QStringLiteral("Introducido "));
    QCOMPARE(session.text1(), typed);
    QCOMPARE(session.services.focus, Control::Picture1);
    QCOMPARE(session.services.colours, BoxColours::Normal);
    QVERIFY(session.store.modified);
}

void TestKeyHandler::enterWithoutEntryKeepsMode()
{
    Session session;
    session.services.setText(TextBox::Text1, QStringLiteral("Hall"));
    Text1_KeyDown(session.editor, Key::letter('A'), 0);
    QVERIFY(!session.store.modified);
    Text1_KeyDown(session.editor, Key::Enter, 0);
    QCOMPARE(session.store.room(1).description.text(), QStringLiteral("Hall") + QString(96, u' '));
    QVERIFY(!session.editor.creationMode);
    QVERIFY(session.store.modified);
    // T in walking mode only redraws.
    session.press(Key::letter('T'));
    QVERIFY(!session.editor.textEntryPending);
}

QTEST_GUILESS_MAIN(TestKeyHandler)
#include "tst_keyhandler.moc"
