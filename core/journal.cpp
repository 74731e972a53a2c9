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
}

namespace {

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
        mEntries.resize(mDone);
        try {
            mEntries.push_back(std::move(mOpen));
            ++mDone;
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

void Journal::clear()
{
    mEntries.clear();
    mDone = 0;
    mSaved = 0;
    mOpen = JournalEntry();
    mOpenIncomplete = false;
    mEffect = ModifiedEffect::Leave;
}

} // namespace rumbario
