// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

#include <algorithm>
#include <new>

namespace rumbario {

Room Room::blank()
{
    Room room;
    room.description = Description::blanks();
    return room;
}

void Journal::record(Change change) noexcept
{
    ++mRevision;
    mMapRevision += changesMap(change);
    if (mOpenIncomplete)
        return;
    try {
        mOpen.changes.push_back(std::move(change));
    } catch (const std::bad_alloc &) {
        forgetHistory();
        mOpen.changes.clear();
        mOpenIncomplete = true;
    }
}

void Journal::forgetHistory() noexcept
{
    mEntries.clear();
    mDone = 0;
    mSaved = -1;
    mMemoryUse = 0;
}

namespace {

size_t tablesCost(const MapTables &tables)
{
    return size_t(tables.rooms.size()) * sizeof(Room) +
           size_t(tables.coordinates.size()) * sizeof(Coordinates);
}

/** What a step holds in memory, counting every table it keeps as its own. */
size_t costOf(const JournalEntry &entry)
{
    size_t cost = sizeof(JournalEntry) + size_t(entry.label.size()) * sizeof(QChar) +
                  entry.changes.capacity() * sizeof(Change);
    for (const Change &change : entry.changes) {
        if (const auto *resize = std::get_if<TableSizeChange>(&change)) {
            cost += tablesCost(resize->removed);
        } else if (const auto *tables = std::get_if<TablesChange>(&change)) {
            cost += tablesCost(*tables->tables.before) + tablesCost(*tables->tables.after);
        } else if (const auto *name = std::get_if<NameChange>(&change)) {
            cost += size_t(name->name.before.size() + name->name.after.size()) * sizeof(QChar);
        }
    }
    return cost;
}

bool changesTheMap(const JournalEntry &entry)
{
    return std::any_of(entry.changes.begin(), entry.changes.end(), [](const Change &change) {
        return !std::holds_alternative<CurrentRoomChange>(change) &&
               !std::holds_alternative<NameChange>(change);
    });
}

/** The room the action started in: before its first move, or where it still is. */
qint16 startRoomOf(const JournalEntry &entry, qint16 currentRoom)
{
    for (const Change &change : entry.changes) {
        if (const auto *move = std::get_if<CurrentRoomChange>(&change))
            return move->room.before;
    }
    return currentRoom;
}

} // namespace

void Journal::note(const QString &label, ModifiedEffect effect)
{
    mOpen.label = label;
    mEffect = effect;
}

ModifiedEffect Journal::close(qint16 currentRoom)
{
    if (!mOpenIncomplete && changesTheMap(mOpen)) {
        mOpen.startRoom = startRoomOf(mOpen, currentRoom);
        mOpen.endRoom = currentRoom;
        // A new action drops what was undone; the saved map may have been among it.
        if (mSaved > std::ptrdiff_t(mDone))
            mSaved = -1;
        for (size_t dropped = mDone; dropped < mEntries.size(); ++dropped)
            mMemoryUse -= costOf(mEntries[dropped]);
        mEntries.resize(mDone);
        try {
            mMemoryUse += costOf(mOpen);
            mEntries.push_back(std::move(mOpen));
            ++mDone;
            keepWithinBudget();
        } catch (const std::bad_alloc &) {
            forgetHistory();
        }
    }
    mOpen = JournalEntry();
    mOpenIncomplete = false;
    const ModifiedEffect effect = mEffect;
    mEffect = ModifiedEffect::Leave;
    return effect;
}

void Journal::keepWithinBudget()
{
    size_t forgotten = 0;
    while (mMemoryUse > mBudget && mEntries.size() - forgotten > 1) {
        mMemoryUse -= costOf(mEntries[forgotten]);
        ++forgotten;
    }
    if (forgotten == 0)
        return;
    mEntries.erase(mEntries.begin(), mEntries.begin() + std::ptrdiff_t(forgotten));
    mDone -= forgotten;
    // The saved map may have been before the steps forgotten: no undo reaches it now.
    mSaved = mSaved >= std::ptrdiff_t(forgotten) ? mSaved - std::ptrdiff_t(forgotten) : -1;
}

void Journal::clear()
{
    mEntries.clear();
    mDone = 0;
    mSaved = 0;
    mMemoryUse = 0;
    mOpen = JournalEntry();
    mOpenIncomplete = false;
    mEffect = ModifiedEffect::Leave;
}

} // namespace rumbario
