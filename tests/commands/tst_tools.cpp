// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scriptedservices.h"
#include "window/keycodes.h"
#include "window/roomview.h"

#include <QTest>

using namespace rumbario;

Q_DECLARE_METATYPE(rumbario::Answer)
Q_DECLARE_METATYPE(rumbario::Coordinates)

namespace {

const QString linkDirectionPrompt = QStringLiteral(
    "input [Introduzca dirección de enlace]  1 N, 2 S, 3 E, 4 W, 5 U, 6 D, 7 Adentro, 8 Afuera, "
    "9 NE, 10 SE, 11 SO, 12 NO {}");
const QString linkRoomPrompt = QStringLiteral("input [Introduzca sala a enlazar ]  {}");
const QString overflowMessage = QStringLiteral("message Ok [] error 6: Desbordamiento");

QString missingRoomQuestion(int room)
{
    return QStringLiteral("message YesNo [Aviso ] la sala a la que se dirigía, con el número %1 "
                          "no existe en \"Lista\" \r\n¿Desea eliminar esa referencia errónea?")
        .arg(room);
}

/** Five rooms, room 3 current, creation mode on. */
void fiveRoomsAtThree(Session &session)
{
    session.addRooms(5);
    session.store.selectRoom(3);
    session.editor.creationMode = true;
    session.services.setText(TextBox::Text2, QStringLiteral("antes"));
}

} // namespace

class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void linkRooms_data();
    void linkRooms();
    void linkingOverAnExistingExitLeavesTheOldWayBack();
    void removeConnection_data();
    void removeConnection();
    void removalListOffersDownBeforeUp();
    void deleteLastRoom_data();
    void deleteLastRoom();
    void goToRoom_data();
    void goToRoom();
    void searchIsCircular();
    void searchEdges_data();
    void searchEdges();
    void rebase_data();
    void rebase();
    void rebaseOverflowKeepsOffsetsAlreadySet();
    void commandsNeedCreationMode();
};

// clang-format off
void TestTools::linkRooms_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("redrawn");
    QTest::addColumn<QString>("report");

    QTest::newRow("north to 5") << QStringList{"1", "5"} << int(North) << 5 << true << "";
    QTest::newRow("11 is south-west") << QStringList{"11", "2"} << int(SouthWest) << 2 << true << "";
    QTest::newRow("2.5 rounds to south") << QStringList{"2.5", "4"} << int(South) << 4 << true << "";
    QTest::newRow("13 changes no exit but redraws") << QStringList{"13", "2"} << -1 << 0 << true << "";
    QTest::newRow("cancel first box") << QStringList{""} << -1 << 0 << false << "";
    QTest::newRow("word for the room") << QStringList{"1", "cocina"} << -1 << 0 << false << "";
    QTest::newRow("direction 0") << QStringList{"0", "2"} << -1 << 0 << false << "";
    QTest::newRow("room -1") << QStringList{"1", "-1"} << -1 << 0 << false << "";
    QTest::newRow("direction overflows") << QStringList{"40000"} << -1 << 0 << false << overflowMessage;
    QTest::newRow("room beyond the table: recovery redraws") << QStringList{"1", "6"} << -1 << 0 << true << missingRoomQuestion(3);
}
// clang-format on

void TestTools::linkRooms()
{
    QFETCH(QStringList, answers);
    QFETCH(int, slot);
    QFETCH(int, target);
    QFETCH(bool, redrawn);
    QFETCH(QString, report);
    Session session;
    fiveRoomsAtThree(session);
    session.services.inputAnswers.assign(answers.begin(), answers.end());
    session.services.messageAnswers = {Answer::No};
    const QVector<Room> before = session.store.Lista;
    session.press(Key::letter('X'));

    QCOMPARE(session.services.dialogs.first(), linkDirectionPrompt);
    if (answers.size() > 1)
        QCOMPARE(session.services.dialogs.at(1), linkRoomPrompt);
    QCOMPARE(session.services.dialogs.size() > answers.size(), !report.isEmpty());
    if (!report.isEmpty())
        QCOMPARE(session.services.dialogs.at(answers.size()), report);
    if (slot >= 0) {
        QCOMPARE(int(session.store.room(3).exits[slot]), target);
        QCOMPARE(session.store.room(qint16(target)).exits[directions[slot].opposite], qint16(3));
    } else {
        QCOMPARE(session.store.Lista, before);
    }
    QCOMPARE(session.store.currentRoomCopy, session.store.room(3));
    QCOMPARE(session.text2() != QStringLiteral("antes"), redrawn);
    QVERIFY(!session.store.modified);
}

void TestTools::linkingOverAnExistingExitLeavesTheOldWayBack()
{
    Session session;
    fiveRoomsAtThree(session);
    session.setExit(3, North, 4);
    session.setExit(4, South, 3);
    session.services.inputAnswers = {QStringLiteral("1"), QStringLiteral("5")};
    session.press(Key::letter('X'));
    QCOMPARE(session.store.room(3).exits[North], qint16(5));
    QCOMPARE(session.store.room(5).exits[South], qint16(3));
    QCOMPARE(session.store.room(4).exits[South], qint16(3));

    // Linking a room to itself: the store of the working copy overwrites the way back.
    session.services.inputAnswers = {QStringLiteral("3"), QStringLiteral("3")};
    session.press(Key::letter('X'));
    QCOMPARE(session.store.room(3).exits[East], qint16(3));
    QCOMPARE(session.store.room(3).exits[West], qint16(0));
}

// clang-format off
void TestTools::removeConnection_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<Answer>("bothWays");
    QTest::addColumn<QList<int>>("clearedInThree");
    QTest::addColumn<bool>("clearedInSix");
    QTest::addColumn<int>("incorrectMessages");

    QTest::newRow("2 one way clears down") << QStringList{"2"} << Answer::No << QList<int>{Down} << false << 0;
    QTest::newRow("3 both ways clears up and its way back") << QStringList{"3"} << Answer::Yes << QList<int>{Up} << true << 0;
    QTest::newRow("1.6 selects entry 2") << QStringList{"1.6"} << Answer::No << QList<int>{Down} << false << 0;
    QTest::newRow("out of range asked again silently") << QStringList{"0", "4", "-1", "0.4", "1"} << Answer::No << QList<int>{North} << false << 0;
    QTest::newRow("a word is incorrect") << QStringList{"norte", "1"} << Answer::No << QList<int>{North} << false << 1;
    QTest::newRow("cancel changes nothing") << QStringList{""} << Answer::No << QList<int>{} << false << 0;
}
// clang-format on

void TestTools::removeConnection()
{
    QFETCH(QStringList, answers);
    QFETCH(Answer, bothWays);
    QFETCH(QList<int>, clearedInThree);
    QFETCH(bool, clearedInSix);
    QFETCH(int, incorrectMessages);
    Session session;
    session.addRooms(6);
    session.store.selectRoom(3);
    session.setExit(3, North, 2);
    session.setExit(3, Down, 4);
    session.setExit(3, Up, 6);
    // Room 6's down exit leads elsewhere; the removal both ways clears it anyway.
    session.setExit(6, Down, 5);
    session.editor.creationMode = true;
    session.services.inputAnswers.assign(answers.begin(), answers.end());
    session.services.messageAnswers = {bothWays};
    session.press(Key::letter('Z'));

    const QString question = QStringLiteral(
        "input [Eliminar conexión hacia otra sala] Indique la dirección de la conexión que se "
        "quiere eliminar entre las existentes: \r\n1 norte\r\n2 abajo\r\n3 arriba\r\n {}");
    QCOMPARE(session.services.dialogs.first(), question);
    QCOMPARE(int(session.services.dialogs.count(QStringLiteral("message Ok [] Valor incorrecto"))),
             incorrectMessages);
    for (int slot : {int(North), int(Down), int(Up)}) {
        const bool cleared = clearedInThree.contains(slot);
        QCOMPARE(session.store.room(3).exits[slot] == 0, cleared);
    }
    QCOMPARE(session.store.room(6).exits[Down] == 0, clearedInSix);
    QCOMPARE(bool(session.store.modified), !clearedInThree.isEmpty());
    QCOMPARE(session.text2(), QStringLiteral("S 3: %1(0, 0)")
                                  .arg(QStringList{clearedInThree.contains(North) ? "" : "Norte ",
                                                   clearedInThree.contains(Up) ? "" : "Arriba ",
                                                   clearedInThree.contains(Down) ? "" : "Abajo "}
                                           .join(QString())));
}

void TestTools::removalListOffersDownBeforeUp()
{
    Session session;
    session.editor.creationMode = true;
    session.press(Key::letter('Z'));
    QCOMPARE(session.services.dialogs,
             QStringList{QStringLiteral("message Ok [] no hay relaciones que eliminar")});

    // Both ways to a room that does not exist: error 9 before anything changes; No instead
    // removes the broken exit alone.
    session.addRooms(2);
    session.setExit(1, Out, 7);
    session.services.clearLogs();
    session.services.inputAnswers = {QStringLiteral("1")};
    session.services.messageAnswers = {Answer::Yes, Answer::No};
    session.press(Key::letter('Z'));
    QCOMPARE(session.services.dialogs.last(), missingRoomQuestion(1));
    QCOMPARE(session.store.room(1).exits[Out], qint16(7));
    QVERIFY(!session.store.modified);
    session.services.inputAnswers = {QStringLiteral("1")};
    session.services.messageAnswers = {Answer::No};
    session.press(Key::letter('Z'));
    QCOMPARE(session.store.room(1).exits[Out], qint16(0));
}

// clang-format off
void TestTools::deleteLastRoom_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("confirmed") << Answer::Yes << true;
    QTest::newRow("refused") << Answer::No << false;
}
// clang-format on

void TestTools::deleteLastRoom()
{
    QFETCH(Answer, answer);
    QFETCH(bool, deleted);
    Session session;
    session.addRooms(3);
    session.setExit(3, South, 2);
    session.setExit(2, North, 3);
    session.setExit(2, East, 3);  // one way: survives the deletion
    session.setExit(3, North, 1); // room 1's south leads elsewhere, cleared anyway
    session.setExit(1, South, 2);
    session.editor.creationMode = true;
    session.services.messageAnswers = {answer};
    session.press(Key::Delete);

    QStringList expected{QStringLiteral("message YesNo [] Confirme eliminar última sala = 3")};
    if (deleted)
        expected << QStringLiteral(
            "message Ok [] Sala 3 eliminada. Mostrando sala 2. Modo creación "
            "desactivado");
    QCOMPARE(session.services.dialogs, expected);
    QCOMPARE(int(session.store.roomCount), deleted ? 2 : 3);
    QCOMPARE(session.store.Lista.size(), deleted ? 2 : 3);
    QCOMPARE(session.store.coordinates.size(), 3);
    QCOMPARE(bool(session.editor.creationMode), !deleted);
    QCOMPARE(bool(session.store.modified), deleted);
    if (deleted) {
        QCOMPARE(session.store.currentRoom, qint16(2));
        QCOMPARE(session.store.room(2).exits[North], qint16(0));
        QCOMPARE(session.store.room(2).exits[East], qint16(3));
        QCOMPARE(session.store.room(1).exits[South], qint16(0));
        QCOMPARE(session.text2(), QStringLiteral("S 2: Este (0, 0)"));
    }
}

// clang-format off
void TestTools::goToRoom_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("roomAfter");
    QTest::addColumn<QString>("message");
    QTest::newRow("2.5 goes to 2") << "2.5" << 2 << "";
    QTest::newRow("7") << "7" << 7 << "";
    QTest::newRow("0") << "0" << 3 << "message Ok [] Número de sala inexistente";
    QTest::newRow("-3") << "-3" << 3 << "message Ok [] Número de sala inexistente";
    QTest::newRow("8") << "8" << 3 << "message Ok [] Número de sala inexistente";
    QTest::newRow("cancel") << "" << 3 << "message Ok [] Dato no válido, Cambio cancelado";
    QTest::newRow("word") << "tres" << 3 << "message Ok [] Dato no válido, Cambio cancelado";
    QTest::newRow("overflow") << "99999" << 3 << overflowMessage;
}
// clang-format on

void TestTools::goToRoom()
{
    QFETCH(QString, answer);
    QFETCH(int, roomAfter);
    QFETCH(QString, message);
    Session session;
    session.addRooms(7);
    session.store.selectRoom(3);
    session.services.inputAnswers = {answer};
    session.press(Key::F6);
    QStringList expected{
        QStringLiteral("input [] Introduzca el número de la sala a donde ir (1 - 7) {}")};
    if (!message.isEmpty())
        expected << message;
    QCOMPARE(session.services.dialogs, expected);
    QCOMPARE(int(session.store.currentRoom), roomAfter);
    QVERIFY(!session.store.modified);
}

void TestTools::searchIsCircular()
{
    Session session;
    session.addRooms(7);
    session.describe(2, QStringLiteral("una puerta"));
    session.describe(5, QStringLiteral("puerta roja"));
    session.store.selectRoom(3);
    session.services.inputAnswers = {QStringLiteral("puerta"), QStringLiteral("puerta"),
                                     QStringLiteral("puerta")};
    QList<int> visited;
    for (int i = 0; i < 3; ++i) {
        session.press(Key::F5);
        visited << session.store.currentRoom;
    }
    QCOMPARE(visited, (QList<int>{5, 2, 5}));
    QCOMPARE(session.services.dialogs.first(),
             QStringLiteral("input [] Introduzca el texto a buscar  {}"));
    QCOMPARE(session.services.dialogs.at(1),
             QStringLiteral("input [] Introduzca el texto a buscar  {puerta}"));
}

// clang-format off
void TestTools::searchEdges_data()
{
    QTest::addColumn<int>("rooms");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<int>("roomAfter");
    QTest::addColumn<bool>("notFound");
    // Room 1 says "puerta", room 2 "Sótano", the current room is 1.
    QTest::newRow("case distinct") << 3 << "Puerta" << 1 << true;
    QTest::newRow("accents distinct") << 3 << "Sotano" << 1 << true;
    QTest::newRow("only the current room has it") << 3 << "puerta" << 1 << true;
    QTest::newRow("one-room map examines itself") << 1 << "puerta" << 1 << false;
    QTest::newRow("a blank finds padding") << 3 << " " << 2 << false;
    QTest::newRow("cancel says nothing") << 3 << "" << 1 << false;
}
// clang-format on

void TestTools::searchEdges()
{
    QFETCH(int, rooms);
    QFETCH(QString, wanted);
    QFETCH(int, roomAfter);
    QFETCH(bool, notFound);
    Session session;
    session.addRooms(rooms);
    session.describe(1, QStringLiteral("puerta"));
    if (rooms > 1)
        session.describe(2, QStringLiteral("Sótano"));
    session.store.selectRoom(1);
    session.services.inputAnswers = {wanted};
    session.press(Key::F5);
    QCOMPARE(int(session.store.currentRoom), roomAfter);
    QCOMPARE(session.services.dialogs.contains(QStringLiteral("message Ok [] Texto no encontrado")),
             notFound);
    QCOMPARE(session.editor.lastSearchText, wanted);
}

// clang-format off
void TestTools::rebase_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<Coordinates>("base");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("10, 10, 0") << QStringList{"10", "10", "0"} << Coordinates{8, 11, 0} << QStringList{};
    QTest::newRow("halves to even") << QStringList{"4.5", "5.5", "0"} << Coordinates{2, 7, 0} << QStringList{};
    QTest::newRow("word repeats only Y") << QStringList{"10", "diez", "10", "0"} << Coordinates{8, 11, 0} << QStringList{"Valor incorrecto"};
    QTest::newRow("cancel at Z") << QStringList{"10", "10", ""} << Coordinates{0, 0, 0} << QStringList{"Operación cancelada "};
    QTest::newRow("overflowing answer") << QStringList{"32768"} << Coordinates{0, 0, 0} << QStringList{"error 6: Desbordamiento"};
}
// clang-format on

void TestTools::rebase()
{
    QFETCH(QStringList, answers);
    QFETCH(Coordinates, base);
    QFETCH(QStringList, messages);
    Session session;
    session.addRooms(2);
    session.store.setCoordinates(1, {2, -1, 0});
    session.store.setCoordinates(2, {3, -1, 0});
    session.services.inputAnswers.assign(answers.begin(), answers.end());
    session.press(Key::F3);
    QCOMPARE(session.store.coordinateBase, base);
    QStringList shown;
    for (const QString &dialog : std::as_const(session.services.dialogs)) {
        if (dialog.startsWith(QStringLiteral("message Ok [] ")))
            shown << dialog.mid(14);
    }
    QCOMPARE(shown, messages);
    QCOMPARE(session.services.dialogs.first(),
             QStringLiteral("input [Cambiar base de las coordenadas] Introduzca la nueva "
                            "coordenada X para esta sala {}"));
    if (base == Coordinates{8, 11, 0}) {
        QCOMPARE(session.text2(), QStringLiteral("S 1: (10, 10)"));
        session.store.selectRoom(2);
        showRoom(session.editor);
        QCOMPARE(session.text2(), QStringLiteral("S 2: (11, 10)"));
    }
    QVERIFY(!session.store.modified);
}

void TestTools::rebaseOverflowKeepsOffsetsAlreadySet()
{
    Session session;
    session.store.setCoordinates(1, {0, -10, 0});
    session.services.inputAnswers = {QStringLiteral("5"), QStringLiteral("32767"),
                                     QStringLiteral("0")};
    session.press(Key::F3);
    QCOMPARE(session.store.coordinateBase, (Coordinates{5, 0, 0}));
    QCOMPARE(session.services.dialogs.last(), overflowMessage);
}

void TestTools::commandsNeedCreationMode()
{
    Session session;
    session.addRooms(3);
    session.setExit(1, North, 2);
    for (int key : {Key::letter('X'), Key::letter('Z'), int(Key::Delete)})
        session.press(key);
    QVERIFY(session.services.dialogs.isEmpty());
    QCOMPARE(session.store.roomCount, qint16(3));
}

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
