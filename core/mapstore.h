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
 * Room n lives at index n - 1 of the rooms and of the coordinates; every access by room number
 * goes through the checked accessors, which raise error 9 for a number outside the table. The
 * tables are read through const accessors and written only through the edit functions below,
 * which record every change in the journal. The working copy is the current room as the edits
 * change it before it is stored in the table; it has its own edits.
 */
class MapStore
{
public:
    const QVector<Room> &rooms() const { return mRooms; }
    /** The rooms the map counts; the table can hold one more after the last one is deleted. */
    qint16 roomCount() const { return mRoomCount; }
    qint16 currentRoom() const { return mCurrentRoom; }
    /** The current room as it is being edited, not yet stored in the table. */
    const Room &workingCopy() const { return mWorkingCopy; }
    /** What a new room starts as. */
    const Room &blankRoom() const { return mBlankRoom; }
    /** One column per room; after the last room is deleted it keeps one column more. */
    const QVector<Coordinates> &coordinates() const { return mCoordinates; }
    const Coordinates &coordinateBase() const { return mCoordinateBase; }
    /** The file the map was last opened from or saved to. */
    const QString &mapName() const { return mMapName; }
    /** The modified mark: set by the actions that mark the map, cleared by saving and opening. */
    bool modified() const { return mModified; }
    const Journal &journal() const { return mJournal; }
    /** Counts the times the tables were replaced whole (an open, a new map, their undo). */
    quint64 replacements() const { return mReplacements; }

    const Room &room(qint16 number) const;
    /** The room as it is now: the working copy for the current room, the table's for others. */
    const Room &liveRoom(qint16 number) const;
    const Coordinates &coordinatesOf(qint16 number) const;
    qint16 tableSize() const { return static_cast<qint16>(mRooms.size()); }
    /** The map is not the one last saved or opened, whatever the modified mark says. */
    bool unsaved() const { return !mJournal.atSaved(); }

    // The edit functions.
    void setRoom(qint16 number, const Room &room);
    void setExit(qint16 number, int slot, qint16 target);
    /** Sets an exit in the table and, for the current room, in its working copy too. */
    void setExitEverywhere(qint16 number, int slot, qint16 target);
    void appendRoom(const Room &room);
    /** Drops the rooms of the table from index rooms on. */
    void truncateRooms(qint16 rooms);
    /** Grows the coordinates with (0, 0, 0) columns, or drops the last ones. */
    void resizeCoordinates(qint16 columns);
    void setCoordinates(qint16 number, const Coordinates &position);
    void setRoomCount(qint16 count);
    void setCoordinateBase(const Coordinates &base);
    /** Sets the current room first, then copies the room; a missing room raises error 9 after. */
    void selectRoom(qint16 number);
    void setWorkingExit(int slot, qint16 target);
    void setWorkingDescription(const QString &text);
    /** Writes the working copy into the table as the current room. */
    void storeCurrentRoom();
    /** Puts new tables in place of the old ones: what an open does. */
    void replaceTables(MapTables tables);
    void setMapName(const QString &name);
    void setBlankRoom(const Room &room) { mBlankRoom = room; }
    /** Sets or clears the modified mark outside an action: what saving and starting do. */
    void setModified(bool modified) { mModified = modified; }

    /** Names the user action in progress and what it does to the modified mark when it ends. */
    void noteAction(const QString &label, ModifiedEffect effect);
    /** Ends the user action: its changes become one journal entry, and modified is set here. */
    void endAction();
    /** The map as it is now is the one on disk. */
    void markSaved() { mJournal.markSaved(); }
    /** Forgets the history: a fresh start has nothing to undo. */
    void clearHistory() { mJournal.clear(); }
    void setHistoryBudget(size_t bytes) { mJournal.setBudget(bytes); }

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

    QVector<Room> mRooms;
    qint16 mRoomCount = 1;
    qint16 mCurrentRoom = 1;
    Room mWorkingCopy;
    Room mBlankRoom;
    QVector<Coordinates> mCoordinates;
    Coordinates mCoordinateBase{};
    QString mMapName;
    bool mModified = false;
    Journal mJournal;
    quint64 mReplacements = 0;
};

/** One all-zero room at (0, 0, 0): the tables a fresh map and a plan-file read start from. */
MapTables resetTables();

} // namespace rumbario
