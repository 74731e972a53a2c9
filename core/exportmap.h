// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QVector>

namespace rumbario {

class MapStore;

/** One room as the exporters see it: a name for the player, an identifier for code, its text. */
struct ExportRoom
{
    qint16 number;
    QString name;
    QString identifier;
    QString text;
};

/** One exit, from a room of the map in the direction of an exit slot. */
struct ExportExit
{
    qint16 from;
    int slot;
    qint16 to;
    /** The room it leads to has no exit back in the opposite direction. */
    bool oneWay;
};

/** The map reduced to what a game needs; exits to rooms that do not exist are kept apart. */
struct ExportMap
{
    QVector<ExportRoom> rooms;
    /** In room order, each room's in slot order. */
    QVector<ExportExit> exits;
    QVector<ExportExit> missing;
    /** Where each room's exits begin in exits, and one entry more for where they end. */
    QVector<qsizetype> exitStart;

    const ExportRoom &room(qint16 number) const { return rooms[number - 1]; }

    struct ExitRange
    {
        const ExportExit *first;
        const ExportExit *last;
        const ExportExit *begin() const { return first; }
        const ExportExit *end() const { return last; }
    };
    /** The exits that lead from one room to rooms of the map, without scanning the others. */
    ExitRange exitsFrom(qint16 number) const
    {
        return {exits.constData() + exitStart[number - 1], exits.constData() + exitStart[number]};
    }
};

/** Movement words of the Spanish DAAD template and of ngPAWS's Spanish start database. */
extern const char *const spanishMovementWords[12];

/**
 * The name a description gives a room: its text up to the first full stop, comma or semicolon,
 * trimmed and at most 40 characters, or "Sala N" when that leaves nothing.
 */
QString roomName(const QString &description, qint16 number);

/** An identifier for code: accents folded, ASCII letters, digits and "_", at most 32 characters. */
QString identifierOf(const QString &name);

/**
 * Rooms in order with names and identifiers made unique (a numeric suffix, compared without
 * regard to case) and kept clear of the reserved words given in lower case; exits in slot order.
 */
ExportMap exportMap(const MapStore &store, const QSet<QString> &reservedNames,
                    const QSet<QString> &reservedIdentifiers);

/**
 * One comment line for each exit to a room that does not exist, for the DAAD and ngPAWS
 * sources; locationOffset turns a room number into the location number of the system.
 */
QString unexportedExitsNote(const ExportMap &map, int locationOffset);

} // namespace rumbario
