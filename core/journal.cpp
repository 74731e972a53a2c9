// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

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
        mEntries.clear();
        mOpen.changes.clear();
        mOpenIncomplete = true;
    }
}

void Journal::note(const QString &label, ModifiedEffect effect)
{
    mOpen.label = label;
    mEffect = effect;
}

ModifiedEffect Journal::close()
{
    try {
        if (!mOpen.changes.empty() && !mOpenIncomplete)
            mEntries.push_back(std::move(mOpen));
    } catch (const std::bad_alloc &) {
        mEntries.clear();
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
    mOpen = JournalEntry();
    mOpenIncomplete = false;
    mEffect = ModifiedEffect::Leave;
}

} // namespace rumbario
