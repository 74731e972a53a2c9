// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exportmap.h"
#include "core/gameexport.h"
#include "core/planfile.h"
#include "support/scriptedservices.h"
#include "window/gameexportcommand.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace rumbario;

Q_DECLARE_METATYPE(rumbario::GameFormat)

namespace {

/** Jardín, Cabaña and Desván: in and out, up and down, and a one-way exit to the north-east. */
MapStore threeRooms()
{
    MapStore store;
    store.Lista = {Room::blank(), Room::blank(), Room::blank()};
    store.coordinates.resize(3);
    store.roomCount = 3;
    store.Lista[0].description.setText(
        QStringLiteral("Jardín. Un jardín asilvestrado; al nordeste hay una \"cabaña\"."));
    store.Lista[1].description.setText(
        QStringLiteral("Cabaña, que huele a leña [y a humo] y a 'pino'."));
    store.Lista[2].description.setText(
        QStringLiteral("Desván; polvo, telarañas y un baúl @ cerrado~^\\."));
    store.Lista[0].exits[NorthEast] = 2;
    store.Lista[0].exits[In] = 2;
    store.Lista[1].exits[Out] = 1;
    store.Lista[1].exits[Up] = 3;
    store.Lista[2].exits[Down] = 2;
    return store;
}

QByteArray golden(const QString &name)
{
    QFile file(QStringLiteral(RUMBARIO_TEST_DATA "/export/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing golden file %s", qPrintable(name));
    return file.readAll();
}

QList<Room> roomsDescribed(const QStringList &descriptions)
{
    QList<Room> rooms;
    for (const QString &text : descriptions) {
        Room room = Room::blank();
        room.description.setText(text);
        rooms << room;
    }
    return rooms;
}

} // namespace

class TestGameExport : public QObject
{
    Q_OBJECT

private slots:
    void roomNames_data();
    void roomNames();
    void identifiers_data();
    void identifiers();
    void namesMadeUniqueAndClearOfReservedWords();
    void goldenFiles_data();
    void goldenFiles();
    void exportCommand();
};

// clang-format off
void TestGameExport::roomNames_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("name");
    QTest::newRow("up to the full stop") << "Jardín. Un jardín" << "Jardín";
    QTest::newRow("up to the comma") << "Cabaña, de madera" << "Cabaña";
    QTest::newRow("up to the semicolon") << "Desván; polvo" << "Desván";
    QTest::newRow("trimmed") << "   Torre  alta  . x" << "Torre alta";
    QTest::newRow("empty") << "" << "Sala 4";
    QTest::newRow("punctuation first") << " , algo" << "Sala 4";
    QTest::newRow("never described") << QString(100, QChar(0)) << "Sala 4";
    QTest::newRow("100 characters cut to 40") << QString(100, u'x') << QString(40, u'x');
}
// clang-format on

void TestGameExport::roomNames()
{
    QFETCH(QString, description);
    QFETCH(QString, name);
    QCOMPARE(roomName(description.leftJustified(descriptionLength, u' ', true), 4), name);
}

// clang-format off
void TestGameExport::identifiers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::newRow("accents folded") << "Cabaña" << "Cabana";
    QTest::newRow("blanks become underscores") << "Sala del trono" << "Sala_del_trono";
    QTest::newRow("signs dropped") << "¡Ñandú! ¿Dónde?" << "Nandu_Donde";
    QTest::newRow("starts with a letter") << "3 puertas" << "Sala_3_puertas";
    QTest::newRow("at most 32, no trailing underscore") << "You are in a large chamber with a view" << "You_are_in_a_large_chamber_with";
}
// clang-format on

void TestGameExport::identifiers()
{
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QCOMPARE(identifierOf(name), identifier);
}

void TestGameExport::namesMadeUniqueAndClearOfReservedWords()
{
    MapStore store;
    for (const Room &room : roomsDescribed({QStringLiteral("Cueva"), QStringLiteral("cueva."),
                                            QStringLiteral("Cueva, otra"), QStringLiteral("North"),
                                            QStringLiteral("Location")})) {
        store.Lista.append(room);
        store.coordinates.append(Coordinates{});
    }
    store.roomCount = 5;
    const ExportMap map = exportMap(store, {QStringLiteral("north")}, {QStringLiteral("location")});
    QStringList names;
    QStringList identifiers;
    for (const ExportRoom &room : map.rooms) {
        names << room.name;
        identifiers << room.identifier;
    }
    QCOMPARE(names, (QStringList{"Cueva", "cueva 2", "Cueva 3", "North 2", "Location"}));
    QCOMPARE(identifiers, (QStringList{"Cueva", "cueva_2", "Cueva_3", "North_2", "Location_2"}));
}

// clang-format off
void TestGameExport::goldenFiles_data()
{
    QTest::addColumn<GameFormat>("format");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("realMap");
    for (const GameFormatInfo &info : gameFormats()) {
        QTest::addRow("three rooms, %s", qPrintable(info.extension)) << info.format << info.extension << false;
        QTest::addRow("colossal cave, %s", qPrintable(info.extension)) << info.format << info.extension << true;
    }
}
// clang-format on

void TestGameExport::goldenFiles()
{
    QFETCH(GameFormat, format);
    QFETCH(QString, extension);
    QFETCH(bool, realMap);
    MapStore store = threeRooms();
    QString title = QStringLiteral("tres-salas");
    if (realMap) {
        const QString path = QStringLiteral(RUMBARIO_TEST_DATA "/maps/colossal-cave.pln");
        QCOMPARE(readPlanFile(store, path).failure, ReadFailure::None);
        store.roomCount = store.tableSize();
        title = QStringLiteral("colossal-cave");
    }
    const MapStore before = store;
    QCOMPARE(exportGameSource(store, format, title), golden(title + u'.' + extension));
    QCOMPARE(store.Lista, before.Lista);
}

void TestGameExport::exportCommand()
{
    QTemporaryDir dir;
    Session session;
    session.pressLetters(" EE");
    session.services.clearLogs();
    session.editor.exportDialog.selectedFilter = QStringLiteral("DAAD (*.dsf)");
    session.services.fileAnswers = {dir.filePath(QStringLiteral("juego")),
                                    dir.filePath(QStringLiteral("no/such/folder/juego.ni"))};
    exportGame(session.editor);
    exportGame(session.editor);
    QCOMPARE(session.services.dialogs.size(), 4);
    QCOMPARE(session.services.dialogs.at(0),
             QStringLiteral("file save [Inform 7 (*.ni)|*.ni|Inform 6 con INFSP (*.inf)|*.inf|"
                            "DAAD (*.dsf)|*.dsf|ngPAWS (*.txp)|*.txp] folder=/opt/rumbario "
                            "name= mustExist=no"));
    const QString written = dir.filePath(QStringLiteral("juego.dsf"));
    QCOMPARE(session.services.dialogs.at(1),
             QStringLiteral("message Ok [] Juego exportado: %1, 3 salas").arg(written));
    QVERIFY(QFile::exists(written));
    QVERIFY(session.services.dialogs.at(3).startsWith(
        QStringLiteral("message Ok [] No se pudo exportar el juego a %1: ")
            .arg(dir.filePath(QStringLiteral("no/such/folder/juego.ni")))));
    QVERIFY(session.store.modified);
}

QTEST_GUILESS_MAIN(TestGameExport)
#include "tst_gameexport.moc"
