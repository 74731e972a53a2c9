// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "description.h"
#include "directions.h"

#include <QString>
#include <QVector>

#include <array>
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

/** Both tables replaced at once, as an open does. */
struct TablesChange
{
    Step<std::shared_ptr<const MapTables>> tables;
};

using Change = std::variant<RoomChange, CoordinatesChange, TableSizeChange, RoomCountChange,
                            BaseChange, CurrentRoomChange, TablesChange>;

/** What a user action does to the modified mark when it ends. */
enum class ModifiedEffect { Leave, Mark, Clear };

/** The changes one user action made: one key, one menu command, one open. */
struct JournalEntry
{
    QString label;
    std::vector<Change> changes;
};

/**
 * The change journal: every change of the map, with its old and new value, grouped into one
 * entry per user action, and a revision that grows with every change applied to the map.
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
    /** Closes the open entry; returns its effect on the modified mark. */
    ModifiedEffect close();
    /** Counts a change made to the map outside of recording: a revert or a re-apply. */
    void count() { ++mRevision; }
    /** Forgets every entry: the map as it is now is where history starts. */
    void clear();

    const std::vector<JournalEntry> &entries() const { return mEntries; }
    quint64 revision() const { return mRevision; }

private:
    std::vector<JournalEntry> mEntries;
    JournalEntry mOpen;
    /** The open entry lost changes to a lack of memory: it cannot be reverted. */
    bool mOpenIncomplete = false;
    ModifiedEffect mEffect = ModifiedEffect::Leave;
    quint64 mRevision = 0;
};

} // namespace rumbario
