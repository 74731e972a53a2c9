// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal.h"
#include "numbers.h"

#include <QVector>

namespace rumbario {

constexpr qint16 maxRoomCount = 32767;

/**
 * The map in memory: the room table, the working copy of the current room, the coordinates and
 * their display base.
 *
 * Room n lives at index n - 1 of Lista and of coordinates; every access by room number goes
 * through the checked accessors, which raise error 9 for a number outside the table. The fields
 * are read freely, but the map is written only through the edit functions below, which record
 * every change in the journal; the working copy is the one exception, as it is not the map until
 * it is stored.
 */
struct MapStore
{
    QVector<Room> Lista;
    qint16 roomCount = 1;
    qint16 currentRoom = 1;
    Room currentRoomCopy;
    Room blankRoom;
    /** One column per room; after the last room is deleted it keeps one column more. */
    QVector<Coordinates> coordinates;
    Coordinates coordinateBase{};
    /** The file the map was last opened from or saved to. */
    QString mapName;
    Flag modified;
    Journal journal;
    /** Counts the times the tables were replaced whole (an open, a new map, their undo). */
    quint64 replacements = 0;

    const Room &room(qint16 number) const;
    const Coordinates &coordinatesOf(qint16 number) const;
    qint16 tableSize() const { return static_cast<qint16>(Lista.size()); }
    /** The map is not the one last saved or opened, whatever the modified mark says. */
    bool unsaved() const { return !journal.atSaved(); }

    // The edit functions.
    void setRoom(qint16 number, const Room &room);
    void setExit(qint16 number, int slot, qint16 target);
    void appendRoom(const Room &room);
    /** Drops the rooms of the table from index rooms on. */
    void truncateRooms(qint16 rooms);
    /** Grows the coordinates with (0, 0, 0) columns, or drops the last ones. */
    void resizeCoordinates(qint16 columns);
    void setCoordinates(qint16 number, const Coordinates &position);
    void setRoomCount(qint16 count);
    void setCoordinateBase(const Coordinates &base);
    /** Sets currentRoom first, then copies the room; a missing room raises error 9 after that. */
    void selectRoom(qint16 number);
    /** Writes the working copy into the table as the current room. */
    void storeCurrentRoom();
    /** Puts new tables in place of the old ones: what an open does. */
    void replaceTables(MapTables tables);
    void setMapName(const QString &name);

    /** Names the user action in progress and what it does to the modified mark when it ends. */
    void noteAction(const QString &label, ModifiedEffect effect);
    /** Ends the user action: its changes become one journal entry, and modified is set here. */
    void endAction();

    /**
     * Reverts the newest action of the history and goes back to the room where it started; false
     * when there is none. The map is modified unless it is back where it was saved or opened.
     */
    bool undo();
    /** Applies the oldest action undone again and goes to the room where it ended. */
    bool redo();

private:
    void revert(const JournalEntry &entry);
    void reapply(const JournalEntry &entry);
    /** Makes a room current after a revert or a re-apply, with its working copy. */
    void returnTo(qint16 room);
    void apply(const Change &change, bool forward);
    void resizeTable(bool columns, qsizetype size);
};

/** One all-zero room at (0, 0, 0): the tables a fresh map and a plan-file read start from. */
MapTables resetTables();

} // namespace rumbario
