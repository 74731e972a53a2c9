// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace rumbario {

class MapStore;

/** One problem of a map: the room it is about, and the line that says it. */
struct MapProblem
{
    qint16 room;
    QString line;
};

/** A kind of problem and the problems of that kind the map has, in order of room. */
struct ProblemGroup
{
    QString title;
    QVector<MapProblem> problems;
};

/** Appends a group of the given title when there are problems of its kind. */
void addGroup(QVector<ProblemGroup> &groups, const QString &title, QVector<MapProblem> problems);

/**
 * What is wrong with a map, grouped: rooms room 1 does not lead to, rooms that do not lead back
 * to it, one-way exits, ways back that take another direction, two exits into one room, exits
 * to rooms that do not exist, rooms without exits, without description, named alike, or on one
 * square of the described coordinates. Kinds without problems are left out.
 */
QVector<ProblemGroup> reviewMap(const MapStore &store);

/** Groups as text, a group a paragraph with its count; the line given when there are none. */
QString groupsText(const QVector<ProblemGroup> &groups, const QString &whenNone);

/** An exit's room when it is one of the map's rooms, else 0. */
qint16 exitTarget(const MapStore &store, qint16 room, int slot);

/** A room's description without its padding, blanks simplified. */
QString roomText(const MapStore &store, qint16 room);

/** The name a description gives a room: up to its first full stop, blanks simplified. */
QString roomName(const MapStore &store, qint16 room);

/** How a room is named in the review and the walk: "5 (Cueva)", "5 (sin descripción)". */
QString roomLabel(const MapStore &store, qint16 room);

/** The words of the movement commands, in the language the user chose. */
enum class CommandWords { Spanish, English };

/** The command that moves through an exit: "n", "arriba", "salir"; "n", "u", "out". */
QString commandWord(int slot, CommandWords words);

/** The exits, by slot, of a shortest way between two rooms; none when there is no way. */
std::optional<QVector<int>> shortestWay(const MapStore &store, qint16 from, qint16 to);

/** A walk through every exit, and what it leaves out. */
struct TestWalk
{
    /** The exits taken, as (room left, slot), from room 1. */
    QVector<QPair<qint16, int>> steps;
    /** The room each step arrives in. */
    QVector<qint16> arrivals;
    /** The exits between rooms that lead back to room 1: the least the walk can take. */
    int exitsToWalk = 0;
    /** Exits into rooms with no way back to room 1, and exits room 1 never reaches. */
    QStringList leftOut;
};

/**
 * A walk from room 1 through every exit between two rooms from which room 1 can be reached, each
 * at least once: from where it stands, to the nearest exit not yet taken, again and again.
 */
TestWalk testWalk(const MapStore &store);

/** The walk's commands, one a line, then what it leaves out as comments ("* ..."). */
QString walkCommands(const TestWalk &walk, CommandWords words);

/** The room each command must arrive in, a line each: "5 Cueva". */
QString walkArrivals(const MapStore &store, const TestWalk &walk);

} // namespace rumbario
