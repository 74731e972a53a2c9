// SPDX-License-Identifier: GPL-3.0-or-later
// The Inform 6 export proven by the real compiler and a real interpreter: the source of a map is
// compiled with Debian's inform6 and the standard library, and the game is walked in dfrotz
// through every exit of every room it can reach, each arrival checked against the map.
#include "core/exportmap.h"
#include "core/gamecheck.h"
#include "core/gameexport.h"
#include "core/mapstore.h"
#include "core/planfile.h"
#include "core/transcript.h"
#include "support/scriptedservices.h"
#include "window/transcriptmapping.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace rumbario;

namespace {

const char *const goWords[exitCount] = {"n", "ne", "e", "se", "s",  "sw",
                                        "w", "nw", "u", "d",  "in", "out"};

/** The standard library's refusal: out where there is no way out means leaving a seat or box. */
QString refusal(const QByteArray &command)
{
    return command == "out" ? QStringLiteral("But you aren't in anything at the moment.")
                            : QStringLiteral("You can't go that way.");
}

/** One command of a walk and the room it must end in; 0 where the game must refuse the way. */
struct WalkStep
{
    QByteArray command;
    qint16 arrival;
};

/** The shortest way from one room to another through the map's exits, or nothing. */
std::optional<QVector<WalkStep>> wayBetween(const MapStore &store, qint16 from, qint16 to)
{
    const auto exits = shortestWay(store, from, to);
    if (!exits)
        return std::nullopt;
    QVector<WalkStep> way;
    for (const int slot : *exits) {
        from = exitTarget(store, from, slot);
        way.append({goWords[slot], from});
    }
    return way;
}

/**
 * Every direction of every room: the way there through the map's exits where there is one, else
 * the debugging verb that moves the player (one-way passages and parts of a map drawn apart leave
 * rooms out of reach), then the direction, which must lead where the map says or be refused.
 * firstObject: the object number of the first room in the compiled game.
 */
QVector<WalkStep> walkOfEveryExit(const MapStore &store, int firstObject)
{
    QVector<WalkStep> walk;
    qint16 here = 1;
    for (qint16 room = 1; room <= store.roomCount(); ++room) {
        for (int slot = 0; slot < exitCount; ++slot) {
            const auto way = wayBetween(store, here, room);
            if (way)
                walk += *way;
            else
                walk.append({"goto " + QByteArray::number(firstObject + room - 1), room});
            const qint16 target = exitTarget(store, room, slot);
            walk.append({goWords[slot], target});
            here = target > 0 ? target : room;
        }
    }
    return walk;
}

/** Compiles NAME.inf of a folder with Debian's inform6 and its library: NAME.z5, or empty. */
QString compiledSource(const QTemporaryDir &dir, const QString &name)
{
    QProcess compiler;
    compiler.setWorkingDirectory(dir.path());
    compiler.start(QStringLiteral("inform6"),
                   {QStringLiteral("-D"),
                    QStringLiteral("+include_path=/usr/share/inform6/library"),
                    name + QStringLiteral(".inf"), name + QStringLiteral(".z5")});
    if (!compiler.waitForFinished(120000) || compiler.exitCode() != 0) {
        qWarning().noquote() << compiler.readAll();
        return QString();
    }
    return dir.filePath(name + QStringLiteral(".z5"));
}

/** Whether each look names its room on a line of its own, for the walk's checks. */
enum class Arrivals { Marked, AsPlayed };

/**
 * The export compiled with the standard English library instead of the Spanish one, which
 * Debian does not ship, and with its debugging verbs; marked, each look also names its room and
 * its object number on a line of their own, as dfrotz leaves out the bold heading.
 */
QString compiledGame(const MapStore &store, const QTemporaryDir &dir,
                     Arrivals arrivals = Arrivals::Marked,
                     const std::function<void(QByteArray &)> &edit = {})
{
    QByteArray source = exportInform6(store, QStringLiteral("prueba"));
    if (edit)
        edit(source);
    const QByteArray spanish = "!% +language_name=Spanish\n";
    const QByteArray spanishGrammar = "Include \"SpanishG\";\n";
    if (!source.contains(spanish) || !source.contains(spanishGrammar))
        return QString();
    source.replace(spanish, "");
    const QByteArray marker =
        "[ LookRoutine; print \"=> \", (name) location, \" #\", location, \"^\"; ];\n";
    source.replace(spanishGrammar, (arrivals == Arrivals::Marked ? marker : QByteArray()) +
                                       "Include \"Grammar\";\n");
    QFile file(dir.filePath(QStringLiteral("juego.inf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size())
        return QString();
    file.close();
    return compiledSource(dir, QStringLiteral("juego"));
}

/** Plays commands in a game, in dfrotz, in a folder its transcripts may be written to. */
QByteArray played(const QString &game, const QTemporaryDir &dir, const QByteArray &commands)
{
    QProcess interpreter;
    interpreter.setWorkingDirectory(dir.path());
    interpreter.start(QStringLiteral("/usr/games/dfrotz"),
                      {QStringLiteral("-m"), QStringLiteral("-q"), QStringLiteral("-w"),
                       QStringLiteral("250"), QStringLiteral("-R"), dir.path(), game});
    interpreter.write(commands);
    interpreter.closeWriteChannel();
    return interpreter.waitForFinished(300000) ? interpreter.readAllStandardOutput() : QByteArray();
}

/** Each room as "Name: N 2 E 4", in order of number: what the map drawn from a game shows. */
QStringList roomsAndExits(const MapStore &store)
{
    QStringList rooms;
    for (qint16 number = 1; number <= store.roomCount(); ++number) {
        const Room &room = store.room(number);
        QString line = room.description.text().section(u'.', 0, 0) + u':';
        for (int slot = 0; slot < exitCount; ++slot) {
            if (room.exits[slot] != 0)
                line += QStringLiteral(" %1 %2")
                            .arg(directions[slot].promptLabel)
                            .arg(room.exits[slot]);
        }
        rooms << line;
    }
    return rooms;
}

/** What the game answered to each command, in order. */
QStringList play(const QString &game, const QVector<WalkStep> &walk)
{
    QByteArray commands;
    for (const WalkStep &step : walk)
        commands += step.command + '\n';
    QProcess interpreter;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    interpreter.setProcessEnvironment(environment);
    interpreter.start(QStringLiteral("/usr/games/dfrotz"),
                      {QStringLiteral("-m"), QStringLiteral("-q"), QStringLiteral("-w"),
                       QStringLiteral("250"), game});
    interpreter.write(commands);
    interpreter.closeWriteChannel();
    if (!interpreter.waitForFinished(300000))
        return {};
    // The prompt is ">" on a line of its own (a description may start with ">" too). The first
    // answer is the banner and the first room, before the first prompt.
    static const QRegularExpression prompt(QStringLiteral("\n>(?=\n|$)"));
    return QString::fromUtf8(interpreter.readAllStandardOutput()).split(prompt);
}

/** The first step whose answer is not what the map says, described; empty when all are. */
QString firstWrongArrival(const MapStore &store, const QVector<WalkStep> &walk,
                          const QStringList &answers)
{
    const ExportMap map = exportMap(store, {}, {});
    if (answers.size() <= walk.size())
        return QStringLiteral("the game answered %1 of %2 commands")
            .arg(answers.size())
            .arg(walk.size());
    for (qsizetype i = 0; i < walk.size(); ++i) {
        const WalkStep &step = walk[i];
        const QString expected = step.arrival > 0
                                     ? QStringLiteral("=> ") + map.room(step.arrival).name
                                     : refusal(step.command);
        const QString &answer = answers[i + 1];
        if (!answer.contains(expected))
            return QStringLiteral("command %1 (%2): expected \"%3\", got \"%4\"")
                .arg(i + 1)
                .arg(QString::fromLatin1(step.command), expected, answer.trimmed());
    }
    return QString();
}

Room roomOf(const QString &description, std::initializer_list<std::pair<int, qint16>> exits)
{
    Room room = Room::blank();
    room.description.setText(description);
    for (const auto &[slot, target] : exits)
        room.exits[slot] = target;
    return room;
}

MapStore realMap()
{
    MapStore store;
    readPlanFile(store, QStringLiteral(RUMBARIO_TEST_DATA "/maps/colossal-cave.pln"));
    store.setRoomCount(store.tableSize());
    return store;
}

/** A map of rooms told apart by their first sentence, with every kind of exit, some one way. */
MapStore generatedMap(int rooms)
{
    MapTables tables;
    QRandomGenerator random(20261206);
    for (int number = 1; number <= rooms; ++number) {
        Room room = Room::blank();
        room.description.setText(
            QStringLiteral("Estancia %1, de paredes grises. Huele a humedad.").arg(number));
        tables.rooms.append(room);
    }
    // A chain through every room keeps them all in reach; then more exits at random.
    for (int number = 1; number < rooms; ++number) {
        const int slot = number % exitCount;
        tables.rooms[number - 1].exits[slot] = qint16(number + 1);
        tables.rooms[number].exits[directions[slot].opposite] = qint16(number);
    }
    for (int extra = 0; extra < rooms; ++extra) {
        const int from = random.bounded(rooms);
        const int to = random.bounded(rooms);
        const int slot = random.bounded(exitCount);
        if (from == to || tables.rooms[from].exits[slot] != 0)
            continue;
        tables.rooms[from].exits[slot] = qint16(to + 1);
        // Every other one gets its way back; the rest stay one way.
        const int back = directions[slot].opposite;
        if (extra % 2 == 0 && tables.rooms[to].exits[back] == 0)
            tables.rooms[to].exits[back] = qint16(from + 1);
    }
    tables.coordinates.resize(rooms);
    MapStore store;
    store.replaceTables(std::move(tables));
    store.setRoomCount(qint16(rooms));
    return store;
}

/** A player's session as a transcript: the opening, then each command after a prompt. */
QString transcriptOf(const QVector<WalkStep> &route, const QStringList &answers)
{
    QString transcript = answers.value(0);
    for (qsizetype i = 0; i < route.size(); ++i)
        transcript += QStringLiteral("\n>") + QString::fromLatin1(route[i].command) + u'\n' +
                      answers.value(i + 1);
    return transcript;
}

/** A random walk of moves, some into walls, that follows the map as the game does. */
QVector<WalkStep> randomRoute(const MapStore &store, int moves)
{
    QRandomGenerator random(7);
    QVector<WalkStep> route;
    qint16 here = 1;
    while (route.size() < moves) {
        const int slot = random.bounded(exitCount);
        const qint16 target = exitTarget(store, here, slot);
        route.append({goWords[slot], target});
        if (target > 0)
            here = target;
    }
    return route;
}

/** The exits the route took, and the ways it was refused, missing from the map drawn. */
QStringList differencesFromTheGame(const MapStore &game, const MapStore &drawn,
                                   const QVector<WalkStep> &route)
{
    // Drawn rooms by their description: the game's rooms are told apart by theirs.
    QHash<QString, qint16> drawnByText;
    for (qint16 room = 1; room <= drawn.roomCount(); ++room)
        drawnByText.insert(drawn.room(room).description.text().trimmed(), room);
    const auto drawnRoom = [&](qint16 gameRoom) {
        return drawnByText.value(game.room(gameRoom).description.text().trimmed());
    };
    QStringList differences;
    qint16 here = 1;
    for (const WalkStep &step : route) {
        const int slot = int(std::find(std::begin(goWords), std::end(goWords), step.command) -
                             std::begin(goWords));
        const qint16 drawnExit = drawnRoom(here) ? drawn.room(drawnRoom(here)).exits[slot] : -1;
        const qint16 expected = step.arrival > 0 ? drawnRoom(step.arrival) : 0;
        if (drawnExit != expected || (step.arrival > 0 && expected == 0))
            differences << QStringLiteral("%1 %2: dibujada %3, en el juego %4")
                               .arg(here)
                               .arg(QString::fromLatin1(step.command))
                               .arg(drawnExit)
                               .arg(step.arrival);
        if (step.arrival > 0)
            here = step.arrival;
    }
    return differences;
}

} // namespace

class TestInform6 : public QObject
{
    Q_OBJECT

private slots:
    void realMapWalksAsDrawn();
    void everyKindOfExitWalksAsDrawn();
    void theMapperDrawsTheRouteAPlayerTook();
    void theMapperFoldsTheRealMapsMazes();
    void aGameInTheClassicStyleIsMappedFromItsTranscript();
    void theTestWalkOfTheRealMapArrivesWhereItSays();
    void checkingTheGameFindsTheExitsChangedInItsSource();

private:
    void walkEveryExit(const MapStore &store);
    /** Plays the route in the compiled game and draws its transcript into the session's map. */
    void mapThePlayedRoute(const MapStore &game, const QVector<WalkStep> &route, Session &session);
};

void TestInform6::walkEveryExit(const MapStore &store)
{
    QTemporaryDir dir;
    const QString game = compiledGame(store, dir);
    QVERIFY2(!game.isEmpty(), "the export does not compile");
    const QStringList start = play(game, {});
    const qsizetype mark = start.value(0).indexOf(u'#');
    QVERIFY2(mark > 0, "the game did not show its first room");
    const int firstObject = start.value(0).mid(mark + 1).section(u'\n', 0, 0).toInt();
    const QVector<WalkStep> walk = walkOfEveryExit(store, firstObject);
    const QString wrong = firstWrongArrival(store, walk, play(game, walk));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestInform6::realMapWalksAsDrawn()
{
    const MapStore store = realMap();
    QCOMPARE(store.roomCount(), qint16(184));
    walkEveryExit(store);
}

void TestInform6::everyKindOfExitWalksAsDrawn()
{
    // A hall with every direction, names with accents, quotes and the characters Inform 6 gives
    // a meaning to, two rooms named alike, one-way exits, exits to rooms that do not exist, and
    // every character of the code page.
    MapTables tables;
    tables.rooms = {
        roomOf(QStringLiteral("Vestíbulo \"grande\" de Ángela. Hay ecos."), {{North, 2},
                                                                             {NorthEast, 3},
                                                                             {East, 4},
                                                                             {SouthEast, 5},
                                                                             {South, 6},
                                                                             {SouthWest, 7},
                                                                             {West, 8},
                                                                             {NorthWest, 9},
                                                                             {Up, 10},
                                                                             {Down, 11},
                                                                             {In, 12},
                                                                             {Out, 13}}),
        roomOf(QStringLiteral("Pasillo"), {{South, 1}, {East, 99}, {West, 14}}),
        roomOf(QStringLiteral("Pasillo"), {{SouthWest, 1}, {West, 15}}),
        roomOf(QStringLiteral("Arroba @, virgulilla ~, circunflejo ^ y barra \\"), {{West, 1}}),
        roomOf(QStringLiteral("Sala del ñandú"), {{NorthWest, 1}, {Up, 2}}),
        roomOf(QString(), {{North, 1}}),
        roomOf(QStringLiteral("'Comillas' simples"), {{NorthEast, 1}}),
        roomOf(QStringLiteral("Œuvre: €uros y š"), {{East, 1}}),
        // One way in: no way back south-east.
        roomOf(QStringLiteral("Trampilla sin vuelta"), {{Down, 11}}),
        roomOf(QStringLiteral("Torre"), {{Down, 1}}),
        roomOf(QStringLiteral("Sótano"), {{Up, 1}, {In, -3}}),
        roomOf(QStringLiteral("Dentro"), {{Out, 1}}),
        roomOf(QStringLiteral("Fuera"), {{In, 1}, {North, 200}}),
        // Every letter of the game's own table, then more symbols than the table has room for.
        roomOf(QStringLiteral("Letras. äöüÄÖÜß»«ëïÿËÏáéíóúýÁÉÍÓÚÝàèìòùÀÈÌÒÙâêîôûÂÊÎÔÛåÅøØãñõÃÑÕæÆçÇ"
                              "þðÞÐ£œŒ¡¿"),
               {{East, 2}}),
        roomOf(QStringLiteral("Símbolos. €‚ƒ„…†‡ˆ‰Š‹Žš›žŸ¢¤¥¦§¨©ª¬®¯°±²³´µ¶·¸¹º¼½¾×÷"),
               {{East, 3}}),
    };
    tables.coordinates.resize(tables.rooms.size());
    MapStore store;
    store.replaceTables(std::move(tables));
    store.setRoomCount(store.tableSize());
    walkEveryExit(store);
}

void TestInform6::mapThePlayedRoute(const MapStore &game, const QVector<WalkStep> &route,
                                    Session &session)
{
    QTemporaryDir dir;
    const QString compiled = compiledGame(game, dir, Arrivals::AsPlayed);
    QVERIFY2(!compiled.isEmpty(), "the export does not compile");
    const QStringList answers = play(compiled, route);
    QVERIFY(answers.size() > route.size());
    TranscriptMapping mapping;
    drawTranscriptTurns(session.store, mapping, transcriptTurns(transcriptOf(route, answers)));
}

void TestInform6::theMapperDrawsTheRouteAPlayerTook()
{
    const MapStore game = generatedMap(120);
    const QVector<WalkStep> route = randomRoute(game, 400);
    const auto refused = std::count_if(route.begin(), route.end(),
                                       [](const WalkStep &step) { return step.arrival == 0; });
    QVERIFY(refused > 50);
    Session session;
    mapThePlayedRoute(game, route, session);
    const QStringList differences = differencesFromTheGame(game, session.store, route);
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(u'\n')));
}

void TestInform6::theMapperFoldsTheRealMapsMazes()
{
    const MapStore game = realMap();
    const QVector<WalkStep> route = randomRoute(game, 400);
    Session session;
    mapThePlayedRoute(game, route, session);
    // Rooms that read alike are one room to any mapper: fewer rooms drawn than visited, and the
    // route's moves between rooms told apart drawn as they are.
    QSet<qint16> visited{1};
    QSet<QString> texts;
    for (const WalkStep &step : route) {
        if (step.arrival > 0)
            visited.insert(step.arrival);
    }
    for (qint16 room : visited)
        texts.insert(game.room(room).description.text().trimmed());
    QCOMPARE(int(session.store.roomCount()), int(texts.size()));
    QVERIFY(texts.size() < visited.size());
    qInfo("real map: %d rooms visited, %d drawn", int(visited.size()), int(texts.size()));
}

void TestInform6::aGameInTheClassicStyleIsMappedFromItsTranscript()
{
    // A game of our own in the style of the classic ones: refusals in its own words, a boarded
    // door, a dark cellar, a gull that cries after the descriptions. The transcript starts in
    // the middle of the game with "script"; a line of several moves holds a refusal in the
    // game's own words, seen before; the last moves are in brief mode, where a room seen before
    // shows its heading alone.
    QTemporaryDir dir;
    QVERIFY(QFile::copy(QStringLiteral(RUMBARIO_TEST_DATA "/games/faro.inf"),
                        dir.filePath(QStringLiteral("faro.inf"))));
    const QString game = compiledSource(dir, QStringLiteral("faro"));
    QVERIFY(!game.isEmpty());
    played(game, dir,
           "n\ns\nscript\npartida.txt\nlook\nw\ne\nn\nu\nx sea\nd\nd\nu\nw\nw. n. nw. n\nw\n"
           "brief\nse then s\nunscript\n");
    QFile transcript(dir.filePath(QStringLiteral("partida.txt")));
    QVERIFY(transcript.open(QIODevice::ReadOnly));
    Session session;
    TranscriptMapping mapping;
    drawTranscriptTurns(session.store, mapping,
                        transcriptTurns(transcriptText(transcript.readAll())));
    QCOMPARE(roomsAndExits(session.store),
             QStringList({"Beach: N 5 E 2", "Lighthouse Hall: W 1 U 3 D 4", "Lantern Room: D 2",
                          "Darkness: U 2", "Among the Dunes: S 1 NO 6", "Edge of the Wood: SE 5"}));
}

void TestInform6::theTestWalkOfTheRealMapArrivesWhereItSays()
{
    const MapStore store = realMap();
    const TestWalk walk = testWalk(store);
    // Room 1 leads to 38 rooms, two of them with no way back; every exit between the others is
    // taken, in a walk not much longer than their number.
    QSet<qint16> unreachable, traps;
    for (const ProblemGroup &group : reviewMap(store)) {
        for (const MapProblem &problem : group.problems) {
            if (group.title.startsWith(QStringLiteral("Salas a las que no se llega")))
                unreachable.insert(problem.room);
            if (group.title.startsWith(QStringLiteral("Salas desde las que no se vuelve")))
                traps.insert(problem.room);
        }
    }
    QCOMPARE(store.roomCount() - unreachable.size(), 38);
    QCOMPARE(traps.subtract(unreachable).size(), 2);
    QVERIFY(walk.steps.size() <= walk.exitsToWalk * 3 / 2);
    qInfo("real map: %d moves for %d exits", int(walk.steps.size()), walk.exitsToWalk);
    QVector<WalkStep> steps;
    for (qsizetype i = 0; i < walk.steps.size(); ++i)
        steps.append({goWords[walk.steps[i].second], walk.arrivals[i]});
    QTemporaryDir dir;
    const QString game = compiledGame(store, dir);
    QVERIFY2(!game.isEmpty(), "the export does not compile");
    const QString wrong = firstWrongArrival(store, steps, play(game, steps));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

namespace {

/** Where the object of a room is in an Inform 6 export: from "Object" to its "has light;". */
QPair<qsizetype, qsizetype> objectOf(const QByteArray &source, qint16 room)
{
    qsizetype start = -1;
    for (qint16 i = 0; i < room; ++i)
        start = source.indexOf("\nObject ", start + 1);
    return {start, source.indexOf("has light;", start)};
}

QByteArray identifierOf(const QByteArray &source, qint16 room)
{
    const qsizetype start = objectOf(source, room).first + 8;
    return source.mid(start, source.indexOf(' ', start) - start);
}

/** Edits an exit of a room's object: replaced, removed (to 0), or added where it has none. */
void editExit(QByteArray &source, qint16 room, int slot, qint16 target)
{
    static const char *const properties[exitCount] = {"n_to", "ne_to", "e_to",  "se_to",
                                                      "s_to", "sw_to", "w_to",  "nw_to",
                                                      "u_to", "d_to",  "in_to", "out_to"};
    const auto [start, end] = objectOf(source, room);
    QByteArray object = source.mid(start, end - start);
    const QRegularExpression line(
        QStringLiteral(",\n +%1 \\w+").arg(QLatin1String(properties[slot])));
    const QByteArray replacement = target == 0 ? QByteArray()
                                               : ",\n       " + QByteArray(properties[slot]) + ' ' +
                                                     identifierOf(source, target);
    const QString text = QString::fromLatin1(object);
    const auto found = line.match(text);
    if (found.hasMatch())
        object.replace(found.capturedStart(), found.capturedLength(), replacement);
    else
        object.insert(object.lastIndexOf(",\n  "), replacement);
    source.replace(start, end - start, object);
}

} // namespace

void TestInform6::checkingTheGameFindsTheExitsChangedInItsSource()
{
    // Three exits of the real map's export changed by hand: one redirected, one removed, one
    // added. Each is chosen where the walk takes it once and the player is back where the walk
    // expects right after, so that the rest of the walk checks what it means to.
    const MapStore store = realMap();
    const TestWalk walk = testWalk(store);
    const auto &steps = walk.steps;
    const auto takenOnce = [&](qsizetype i) {
        return steps.count(steps[i]) == 1;
    };
    qsizetype redirected = -1, removed = -1;
    qint16 otherRoom = 0;
    for (qsizetype i = 1; i + 1 < steps.size() && redirected < 0; ++i) {
        const auto [next, slot] = steps[i + 1];
        for (qint16 room = 1; room <= store.roomCount() && takenOnce(i); ++room) {
            if (room != next && room != steps[i].first &&
                exitTarget(store, room, slot) == walk.arrivals[i + 1]) {
                redirected = i;
                otherRoom = room;
                break;
            }
        }
    }
    for (qsizetype j = redirected + 3; j + 1 < steps.size() && removed < 0; ++j) {
        if (takenOnce(j) && exitTarget(store, steps[j].first, steps[j + 1].second) == 0)
            removed = j;
    }
    QVERIFY(redirected > 0 && removed > 0);
    const auto [from, slot] = steps[redirected];
    const auto [removedFrom, removedSlot] = steps[removed];
    const int addedSlot = steps[removed + 1].second;
    const qint16 addedTo = walk.arrivals[removed + 1];
    QTemporaryDir dir;
    const QString game = compiledGame(store, dir, Arrivals::AsPlayed, [&](QByteArray &source) {
        editExit(source, from, slot, otherRoom);
        editExit(source, removedFrom, removedSlot, 0);
        editExit(source, removedFrom, addedSlot, addedTo);
    });
    QVERIFY(!game.isEmpty());
    const QString commands = walkCommands(walk, CommandWords::English);
    played(game, dir, "script\npartida.txt\nlook\n" + commands.toLatin1() + "unscript\n");
    QFile transcript(dir.filePath(QStringLiteral("partida.txt")));
    QVERIFY(transcript.open(QIODevice::ReadOnly));
    const PlayedWalk played = readPlayedWalk(commands, walkArrivals(store, walk));
    const auto exit = [&](qint16 room, int direction) {
        return roomLabel(store, room) + u' ' + exitName(direction) + QStringLiteral(" → ");
    };
    const auto order = [](qsizetype step) {
        return QStringLiteral(" (orden %1)").arg(step + 1);
    };
    const auto lost = [&](qsizetype step, qint16 at) {
        return QStringLiteral("  orden %1: el jugador estaba en %2, no en %3")
            .arg(step + 1)
            .arg(roomLabel(store, at), roomLabel(store, walk.arrivals[step - 1]));
    };
    const QStringList expected{
        QStringLiteral("Salidas del mapa que el juego no tiene (1):"),
        QStringLiteral("  ") + exit(removedFrom, removedSlot) +
            roomLabel(store, walk.arrivals[removed]) + order(removed),
        QStringLiteral("Salidas que en el juego llevan a otra sala (1):"),
        QStringLiteral("  ") + exit(from, slot) + roomLabel(store, walk.arrivals[redirected]) +
            QStringLiteral(" en el mapa, ") + roomLabel(store, otherRoom) +
            QStringLiteral(" en el juego") + order(redirected),
        QStringLiteral("Salidas del juego que el mapa no tiene (1):"),
        QStringLiteral("  ") + exit(removedFrom, addedSlot) + roomLabel(store, addedTo) +
            order(removed + 1),
        QStringLiteral("Órdenes que no comprobaron su salida: el jugador no estaba donde el "
                       "recorrido lo esperaba (2):"),
        lost(redirected + 1, otherRoom),
        lost(removed + 1, removedFrom),
    };
    const QVector<ProblemGroup> groups =
        checkGame(store, transcriptTurns(transcriptText(transcript.readAll())), played);
    QCOMPARE(groupsText(groups, QString()).split(u'\n', Qt::SkipEmptyParts), expected);
}

QTEST_MAIN(TestInform6)
#include "tst_inform6.moc"
