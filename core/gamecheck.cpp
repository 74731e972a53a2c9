// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamecheck.h"

#include "directions.h"
#include "exportmap.h"
#include "mapstore.h"

#include <QHash>
#include <QSet>

namespace rumbario {

namespace {

/** A printed name as it is compared: lower case, blanks simplified, no closing full stop. */
QString nameKey(QString name)
{
    name = name.simplified().toLower();
    while (!name.isEmpty() && QStringLiteral(".!?:;,").contains(name.back()))
        name.chop(1);
    return name.trimmed();
}

/**
 * The rooms of the map by the names a game may print for them: the name an exported game gives
 * each (its heading), the name the review gives it, and its description's first sentence (what a
 * game without headings shows first).
 */
QHash<QString, QVector<qint16>> roomsByPrintedName(const MapStore &store)
{
    QHash<QString, QVector<qint16>> rooms;
    const auto add = [&rooms](const QString &name, qint16 room) {
        QVector<qint16> &named = rooms[nameKey(name)];
        if (!named.contains(room))
            named.append(room);
    };
    const ExportMap exported = exportMap(store, {}, {});
    for (const ExportRoom &room : exported.rooms) {
        add(room.name, room.number);
        add(roomName(store, room.number), room.number);
        add(roomText(store, room.number).section(u'.', 0, 0), room.number);
    }
    rooms.remove(QString());
    return rooms;
}

QString commandsLabel(int first, int last)
{
    return first == last ? QStringLiteral("orden %1").arg(first)
                         : QStringLiteral("órdenes %1 a %2").arg(first).arg(last);
}

/** The check under way: where the player is, how far along the walk, what was found. */
class GameCheck
{
public:
    GameCheck(const MapStore &store, const PlayedWalk &walk)
        : mStore(store)
        , mWalk(walk)
        , mRooms(roomsByPrintedName(store))
    {}

    void start(const TranscriptTurn &opening)
    {
        // A transcript begun in the middle of a game shows no room: a walk starts in room 1.
        const RoomSighting first = openingRoomSighting(opening.answer, mStyle);
        mHere = first.isEmpty() ? (mWalk.arrivals.isEmpty() ? 0 : 1) : roomSeen(first, 1);
    }

    /**
     * Checks a turn, each command of a line of several ("n. e") on its own; once the game has
     * ended, the walk is not followed further.
     */
    void play(const TranscriptTurn &turn)
    {
        for (const TranscriptTurn &command : chainedTurns(turn, mRefusals)) {
            if (!mGameEnd.isEmpty())
                return;
            playTurn(command);
            mGameEnd = gameEndLine(command.answer);
        }
    }

    void playTurn(const TranscriptTurn &turn)
    {
        const QString command = turn.command.trimmed();
        if (command.startsWith(u'*'))
            return; // A comment of the walk.
        const int slot = movementSlot(command);
        const RoomSighting shown = roomSighting(turn.answer, mStyle, slot);
        const RoomSighting sighting = shown.isEmpty() ? sightingByName(turn.answer) : shown;
        if (slot < 0) {
            // A look, or a magic word that takes the player away: only a known room counts. A
            // line of moves the answer could not be parted between leaves the player where its
            // last heading shows, or anywhere in a game without headings.
            const qint16 seen = sighting.isEmpty() ? 0 : roomSeen(sighting, mHere);
            if (chainsMoves(command))
                mHere = mStyle == ArrivalStyle::Headed ? seen : 0;
            else if (seen != 0)
                mHere = seen;
            return;
        }
        ++mMoves;
        followWalk(command);
        const qint16 expected = mHere == 0 ? 0 : exitTarget(mStore, mHere, slot);
        if (sighting.dark) {
            arriveInDarkness(slot, expected);
            return;
        }
        const qint16 arrival = sighting.isEmpty() ? mHere : roomSeen(sighting, expected);
        if (sighting.isEmpty())
            mRefusals.insert(firstParagraph(turn.answer));
        // Out of a car, a bed or a wardrobe, the game shows the room again: the player left the
        // thing, not the room, by no exit.
        const bool leftAThing = slot == Out && arrival == mHere;
        if (!sighting.isEmpty() && arrival == 0)
            noteUnknownRoom(sighting);
        else if (mHere != 0 && !leftAThing)
            compareMove(slot, expected, sighting.isEmpty() ? 0 : arrival);
        mHere = arrival;
        followArrivals();
    }

    QVector<ProblemGroup> finish()
    {
        closeLostStretch(mMoves);
        // An exit refused and taken in another turn is a door or an obstacle of the game's own.
        for (const auto &[exit, problem] : std::as_const(mRefused)) {
            if (!mTaken.contains(exit) && !mToldExits.contains(exit))
                mMissing.append(problem);
        }
        if (mLeftWalkAt == 0 && !mWalk.arrivals.isEmpty() && mMoves < mWalk.arrivals.size())
            mLeftWalk.append(
                {0, QStringLiteral("la partida acaba en la orden %1 de las %2 del "
                                   "recorrido")
                            .arg(mMoves)
                            .arg(mWalk.arrivals.size()) +
                        (mGameEnd.isEmpty() ? QString() : QStringLiteral(": «%1»").arg(mGameEnd))});
        QVector<ProblemGroup> groups;
        addGroup(groups, QStringLiteral("Salidas del mapa que el juego no tiene"), mMissing);
        addGroup(groups, QStringLiteral("Salidas que en el juego llevan a otra sala"), mElsewhere);
        addGroup(groups, QStringLiteral("Salidas del juego que el mapa no tiene"), mLacking);
        addGroup(groups, QStringLiteral("Salas del juego que el mapa no tiene"), mUnknown);
        addGroup(groups, QStringLiteral("La partida no sigue el recorrido"), mLeftWalk);
        addGroup(
            groups,
            QStringLiteral("Órdenes que no comprobaron su salida: el jugador no estaba donde el "
                           "recorrido lo esperaba"),
            mLost);
        return groups;
    }

private:
    /**
     * A room of the map named with a full stop, "Estás en una cueva.", which a game with headings
     * prints as no heading: its name on a line of its own opening a paragraph shows it.
     */
    RoomSighting sightingByName(QStringView answer) const
    {
        RoomSighting sighting;
        bool opensParagraph = true;
        for (QStringView line : answer.split(u'\n')) {
            line = line.trimmed();
            if (opensParagraph && line.endsWith(u'.') &&
                mRooms.contains(nameKey(line.toString()))) {
                sighting.heading = line.toString();
                break;
            }
            opensParagraph = line.isEmpty();
        }
        return sighting;
    }

    /** The room a sighting shows; among rooms printed alike, the one preferred, else the first. */
    qint16 roomSeen(const RoomSighting &sighting, qint16 preferred) const
    {
        const auto named = mRooms.constFind(nameKey(sighting.identity()));
        if (named == mRooms.constEnd())
            return 0;
        if (named->size() == 1)
            return named->first();
        // Rooms that share a name are told apart by the description the game shows, where the
        // map's holds it: Advent's two forests.
        QVector<qint16> described;
        const QString shown = sighting.firstSentence.simplified();
        for (qint16 room : *named) {
            if (!shown.isEmpty() && roomText(mStore, room).simplified().contains(shown))
                described.append(room);
        }
        const QVector<qint16> &candidates = described.isEmpty() ? *named : described;
        return candidates.contains(preferred) ? preferred : candidates.first();
    }

    qint16 walkArrival(int move) const
    {
        return move >= 1 && move <= mWalk.arrivals.size() ? mWalk.arrivals[move - 1] : 0;
    }

    QString exitLabel(int slot) const
    {
        return roomLabel(mStore, mHere) + u' ' + exitName(slot) + QStringLiteral(" → ");
    }

    /**
     * Tells a difference of an exit once, at the first command that finds it; a refusal only once
     * the transcript is over, as the exit may be taken later.
     */
    void compareMove(int slot, qint16 expected, qint16 arrival)
    {
        const QPair<qint16, int> exit{mHere, slot};
        if (arrival == expected && expected != 0)
            mTaken.insert(exit);
        if (arrival == expected || mToldExits.contains(exit))
            return;
        const QString order = QStringLiteral(" (orden %1)").arg(mMoves);
        if (arrival == 0 && expected != 0) {
            if (!mRefusedExits.contains(exit)) {
                mRefusedExits.insert(exit);
                mRefused.append(
                    {exit, {mHere, exitLabel(slot) + roomLabel(mStore, expected) + order}});
            }
            return;
        }
        mToldExits.insert(exit);
        if (arrival != 0 && expected == 0)
            mLacking.append({mHere, exitLabel(slot) + roomLabel(mStore, arrival) + order});
        else
            mElsewhere.append({mHere, exitLabel(slot) + roomLabel(mStore, expected) +
                                          QStringLiteral(" en el mapa, ") +
                                          roomLabel(mStore, arrival) +
                                          QStringLiteral(" en el juego") + order});
    }

    /**
     * Darkness shows no room: the exit is there, and the player is taken to be where the map
     * leads; where the map has no such exit, the game has one it lacks, to a place unseen.
     */
    void arriveInDarkness(int slot, qint16 expected)
    {
        const QPair<qint16, int> exit{mHere, slot};
        if (expected != 0)
            mTaken.insert(exit);
        else if (mHere != 0 && !mToldExits.contains(exit)) {
            mToldExits.insert(exit);
            mLacking.append(
                {mHere,
                 exitLabel(slot) + QStringLiteral("un lugar a oscuras (orden %1)").arg(mMoves)});
        }
        mHere = expected;
        followArrivals();
    }

    void noteUnknownRoom(const RoomSighting &sighting)
    {
        const QString name = sighting.identity();
        if (mUnknownNames.contains(nameKey(name)))
            return;
        mUnknownNames.insert(nameKey(name));
        mUnknown.append({0, QStringLiteral("«%1» (orden %2)").arg(name).arg(mMoves)});
    }

    /** Notes the first command that is not the walk's. */
    void followWalk(const QString &command)
    {
        if (mLeftWalkAt != 0 || mWalk.commands.isEmpty())
            return;
        if (mMoves > mWalk.commands.size())
            mLeftWalk.append({0, QStringLiteral("la orden %1, «%2», va más allá del recorrido")
                                     .arg(mMoves)
                                     .arg(command)});
        else if (command.compare(mWalk.commands[mMoves - 1], Qt::CaseInsensitive) != 0)
            mLeftWalk.append({0, QStringLiteral("la orden %1 es «%2» y el recorrido dice «%3»")
                                     .arg(mMoves)
                                     .arg(command, mWalk.commands[mMoves - 1])});
        else
            return;
        mLeftWalkAt = mMoves;
        closeLostStretch(mMoves - 1);
    }

    /** Follows where the walk expects the player, and the stretches where it is elsewhere. */
    void followArrivals()
    {
        const qint16 expected = walkArrival(mMoves);
        if (mLeftWalkAt != 0 || expected == 0)
            return;
        if (mHere == expected) {
            closeLostStretch(mMoves);
        } else if (mLostFrom == 0) {
            mLostFrom = mMoves + 1;
            mLostHere = mHere;
            mLostExpected = expected;
        }
    }

    void closeLostStretch(int last)
    {
        if (mLostFrom == 0)
            return;
        if (last >= mLostFrom) {
            const QString here = mLostHere == 0 ? QStringLiteral("una sala que el mapa no tiene")
                                                : roomLabel(mStore, mLostHere);
            mLost.append({mLostExpected, commandsLabel(mLostFrom, last) +
                                             QStringLiteral(": el jugador estaba en %1, no en %2")
                                                 .arg(here, roomLabel(mStore, mLostExpected))});
        }
        mLostFrom = 0;
    }

    const MapStore &mStore;
    const PlayedWalk &mWalk;
    const QHash<QString, QVector<qint16>> mRooms;
    ArrivalStyle mStyle = ArrivalStyle::Unknown;
    /** The game's own refusals, as the moves it refused showed them. */
    QSet<QString> mRefusals;
    /** The line with which the game ended, once it has. */
    QString mGameEnd;
    qint16 mHere = 0;
    int mMoves = 0;
    int mLeftWalkAt = 0;
    int mLostFrom = 0;
    qint16 mLostHere = 0;
    qint16 mLostExpected = 0;
    QSet<QString> mUnknownNames;
    QSet<QPair<qint16, int>> mToldExits;
    /** Exits the game refused, at their first refusal, and exits it let the player take. */
    QVector<QPair<QPair<qint16, int>, MapProblem>> mRefused;
    QSet<QPair<qint16, int>> mRefusedExits, mTaken;
    QVector<MapProblem> mMissing, mElsewhere, mLacking, mUnknown, mLeftWalk, mLost;
};

} // namespace

PlayedWalk readPlayedWalk(QStringView commands, QStringView arrivals)
{
    PlayedWalk walk;
    for (const QStringView line : commands.split(u'\n')) {
        const QString command = line.trimmed().toString();
        if (!command.isEmpty() && !command.startsWith(u'*'))
            walk.commands.append(command);
    }
    for (const QStringView line : arrivals.split(u'\n')) {
        bool number = false;
        const qint16 room = line.trimmed().toString().section(u' ', 0, 0).toShort(&number);
        if (number)
            walk.arrivals.append(room);
    }
    return walk;
}

QVector<ProblemGroup> checkGame(const MapStore &store, const QVector<TranscriptTurn> &turns,
                                const PlayedWalk &walk)
{
    GameCheck check(store, walk);
    qsizetype next = 0;
    if (!turns.isEmpty() && turns.first().command.isEmpty())
        check.start(turns[next++]);
    else
        check.start({});
    for (; next < turns.size(); ++next)
        check.play(turns[next]);
    return check.finish();
}

} // namespace rumbario
