// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "description.h"
#include "directions.h"

#include <QString>
#include <QVector>

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <variant>
#include <vector>

namespace rumbario {

/** One room: twelve exits in slot order (0 = none) and a description of exactly 100 characters. */
struct Room
{
    std::array<qint16, exitCount> exits{};
    Description description;

    /** All exits 0 and 100 blanks: what a newly created room starts as. */
    static Room blank();
    /** All exits 0 and 100 zero characters: room 1 of a fresh map, and a table grown by a read. */
    static Room zeroed() { return Room(); }

    bool operator==(const Room &other) const
    {
        return exits == other.exits && description == other.description;
    }
    bool operator!=(const Room &other) const { return !(*this == other); }
};

/** X, Y and Z of one room. */
using Coordinates = std::array<qint16, 3>;

/** The room table and the coordinates, as a read builds them and an open puts them in place. */
struct MapTables
{
    QVector<Room> rooms;
    QVector<Coordinates> coordinates;
};

/** A value of the map before and after one change. */
template<typename Value>
struct Step
{
    Value before;
    Value after;
};

/** Room index + 1 of the table changed. */
struct RoomChange
{
    qint16 number;
    Step<Room> room;
};

/** The coordinates of one room changed. */
struct CoordinatesChange
{
    qint16 number;
    Step<Coordinates> position;
};

/** The room table or the coordinates grew or shrank; what a shrink removed is kept. */
struct TableSizeChange
{
    bool coordinates;
    Step<qsizetype> size;
    /** The rooms or coordinates a shrink removed, to put back on revert. */
    MapTables removed;
};

struct RoomCountChange
{
    Step<qint16> count;
};

struct BaseChange
{
    Step<Coordinates> base;
};

struct CurrentRoomChange
{
    Step<qint16> room;
};

/** The file the map belongs to changed, as an open or a save to another file does. */
struct NameChange
{
    Step<QString> name;
};

/** Both tables replaced at once, as an open does. */
struct TablesChange
{
    Step<std::shared_ptr<const MapTables>> tables;
};

using Change = std::variant<RoomChange, CoordinatesChange, TableSizeChange, RoomCountChange,
                            BaseChange, CurrentRoomChange, NameChange, TablesChange>;

/**
 * What a user action does to the modified mark when it ends. Saved: the map is now the one on
 * disk (an open, a save). Unmarked: the mark clears as a failed save clears it, yet the map still
 * differs from what is on disk.
 */
enum class ModifiedEffect { Leave, Mark, Saved, Unmarked };

/** The changes one user action made: one key, one menu command, one open. */
struct JournalEntry
{
    QString label;
    std::vector<Change> changes;
    /** The current room when the action started and when it ended. */
    qint16 startRoom = 0;
    qint16 endRoom = 0;
};

/** What the history may hold: the oldest steps are forgotten beyond it. */
constexpr size_t historyBudget = 64 * 1024 * 1024;

/**
 * The change journal: every change of the map, with its old and new value, grouped into one
 * entry per user action, and a revision that grows with every change applied to the map.
 *
 * The entries of actions that changed the map are the history that undo walks: the first done()
 * are done, the rest were undone and can be redone until a new action drops them. An action that
 * only went to another room, or only named the map's file, leaves no entry.
 */
class Journal
{
public:
    /**
     * Adds a change already made to the open entry. It never fails: when memory runs out the
     * history is dropped, this action's changes included, and the map goes on.
     */
    void record(Change change) noexcept;
    /** Names the action being recorded and says what it does to the modified mark. */
    void note(const QString &label, ModifiedEffect effect);
    /**
     * Closes the open entry, the action having ended in currentRoom; returns its effect on the
     * modified mark.
     */
    ModifiedEffect close(qint16 currentRoom);
    /** Counts a change made to the map outside of recording: a revert or a re-apply. */
    void count(const Change &change)
    {
        ++mRevision;
        mMapRevision += changesMap(change);
    }
    /** Counts a move to another room made outside of recording: the end of a revert. */
    void countMove() { ++mRevision; }
    /** Forgets every entry: the map as it is now is where history starts. */
    void clear();

    /** The map as it is now is the one last saved or opened. */
    void markSaved() { mSaved = std::ptrdiff_t(mDone); }
    bool atSaved() const { return mSaved == std::ptrdiff_t(mDone); }
    /** The entry an undo would revert and the one a redo would apply, or nothing. */
    const JournalEntry *undoable() const { return mDone > 0 ? &mEntries[mDone - 1] : nullptr; }
    const JournalEntry *redoable() const
    {
        return mDone < mEntries.size() ? &mEntries[mDone] : nullptr;
    }
    /** Moves through the history by the entry the map has just reverted or re-applied. */
    void stepBack() { --mDone; }
    void stepForward() { ++mDone; }

    const std::deque<JournalEntry> &entries() const { return mEntries; }
    size_t done() const { return mDone; }
    /** The bytes the history holds, as counted for its budget. */
    size_t memoryUse() const { return mMemoryUse; }
    void setBudget(size_t bytes) { mBudget = bytes; }
    quint64 revision() const { return mRevision; }
    /**
     * Grows with every change of the rooms, their exits and places: not with a move to another
     * room, nor with the map's file name. What was found on the map holds while it stays.
     */
    quint64 mapRevision() const { return mMapRevision; }

private:
    static bool changesMap(const Change &change)
    {
        return !std::holds_alternative<CurrentRoomChange>(change) &&
               !std::holds_alternative<NameChange>(change);
    }
    /** What running out of memory costs: the history, never the map. */
    void forgetHistory() noexcept;
    /** Forgets the oldest steps until the history fits its budget; the newest always stays. */
    void keepWithinBudget();

    // A deque: the oldest entries are forgotten from the front, a step at a time.
    std::deque<JournalEntry> mEntries;
    JournalEntry mOpen;
    /** The open entry lost changes to a lack of memory: it cannot be reverted. */
    bool mOpenIncomplete = false;
    ModifiedEffect mEffect = ModifiedEffect::Leave;
    quint64 mRevision = 0;
    quint64 mMapRevision = 0;
    size_t mDone = 0;
    /** How many entries were done when the map was last saved or opened; -1: none is. */
    std::ptrdiff_t mSaved = 0;
    size_t mMemoryUse = 0;
    size_t mBudget = historyBudget;
};

} // namespace rumbario
