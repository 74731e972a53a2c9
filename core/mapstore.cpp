// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapstore.h"

#include "runtimeerror.h"

namespace rumbario {

namespace {

void checkNumber(qsizetype size, qint16 number)
{
    if (number < 1 || number > size)
        throw RuntimeError::subscriptOutOfRange();
}

/** Overloads a visitor out of lambdas. */
template<typename... Handlers>
struct Visitor : Handlers...
{
    using Handlers::operator()...;
};
template<typename... Handlers>
Visitor(Handlers...) -> Visitor<Handlers...>;

template<typename Value>
const Value &either(const Step<Value> &step, bool forward)
{
    return forward ? step.after : step.before;
}

} // namespace

MapTables resetTables()
{
    return {{Room::zeroed()}, {Coordinates{}}};
}

const Room &MapStore::room(qint16 number) const
{
    checkNumber(mRooms.size(), number);
    return mRooms[number - 1];
}

const Room &MapStore::liveRoom(qint16 number) const
{
    return number == mCurrentRoom ? mWorkingCopy : room(number);
}

const Coordinates &MapStore::coordinatesOf(qint16 number) const
{
    checkNumber(mCoordinates.size(), number);
    return mCoordinates[number - 1];
}

// Each edit builds its change first and makes it next; only then is it recorded, which cannot
// fail. Whatever throws, memory running out included, leaves the map and the mJournal agreeing.

void MapStore::setRoom(qint16 number, const Room &newRoom)
{
    const Room old = room(number);
    if (old == newRoom)
        return;
    mRooms[number - 1] = newRoom;
    mJournal.record(RoomChange{number, {old, newRoom}});
}

void MapStore::setExit(qint16 number, int slot, qint16 target)
{
    Room changed = room(number);
    changed.exits[size_t(slot)] = target;
    setRoom(number, changed);
}

void MapStore::appendRoom(const Room &newRoom)
{
    const qint16 number = checkedAdd(tableSize(), 1);
    mRooms.append(Room::zeroed());
    mJournal.record(TableSizeChange{false, {mRooms.size() - 1, mRooms.size()}, {}});
    setRoom(number, newRoom);
}

void MapStore::truncateRooms(qint16 rooms)
{
    if (rooms >= mRooms.size())
        return;
    TableSizeChange change{false, {mRooms.size(), rooms}, {}};
    change.removed.rooms = mRooms.mid(rooms);
    mRooms.resize(rooms);
    mJournal.record(std::move(change));
}

void MapStore::resizeCoordinates(qint16 columns)
{
    if (columns == mCoordinates.size())
        return;
    TableSizeChange change{true, {mCoordinates.size(), columns}, {}};
    if (columns < mCoordinates.size())
        change.removed.coordinates = mCoordinates.mid(columns);
    mCoordinates.resize(columns);
    mJournal.record(std::move(change));
}

void MapStore::setCoordinates(qint16 number, const Coordinates &position)
{
    const Coordinates old = coordinatesOf(number);
    if (old == position)
        return;
    mCoordinates[number - 1] = position;
    mJournal.record(CoordinatesChange{number, {old, position}});
}

void MapStore::setRoomCount(qint16 count)
{
    if (count == mRoomCount)
        return;
    mJournal.record(RoomCountChange{{mRoomCount, count}});
    mRoomCount = count;
}

void MapStore::setCoordinateBase(const Coordinates &base)
{
    if (base == mCoordinateBase)
        return;
    mJournal.record(BaseChange{{mCoordinateBase, base}});
    mCoordinateBase = base;
}

void MapStore::selectRoom(qint16 number)
{
    // The recovery names the missing room by the current room: it is set before the lookup fails.
    if (number != mCurrentRoom) {
        mJournal.record(CurrentRoomChange{{mCurrentRoom, number}});
        mCurrentRoom = number;
    }
    mWorkingCopy = room(number);
}

void MapStore::setExitEverywhere(qint16 number, int slot, qint16 target)
{
    setExit(number, slot, target);
    if (number == mCurrentRoom)
        mWorkingCopy.exits[slot] = target;
}

void MapStore::setWorkingExit(int slot, qint16 target)
{
    mWorkingCopy.exits[slot] = target;
}

void MapStore::setWorkingDescription(const QString &text)
{
    mWorkingCopy.description.setText(text);
}

void MapStore::storeCurrentRoom()
{
    setRoom(mCurrentRoom, mWorkingCopy);
}

void MapStore::replaceTables(MapTables tables)
{
    auto before = std::make_shared<const MapTables>(MapTables{mRooms, mCoordinates});
    auto after = std::make_shared<const MapTables>(std::move(tables));
    mRooms = after->rooms;
    mCoordinates = after->coordinates;
    ++mReplacements;
    mJournal.record(TablesChange{{std::move(before), std::move(after)}});
}

void MapStore::setMapName(const QString &name)
{
    if (name == mMapName)
        return;
    mJournal.record(NameChange{{mMapName, name}});
    mMapName = name;
}

void MapStore::noteAction(const QString &label, ModifiedEffect effect)
{
    mJournal.note(label, effect);
}

void MapStore::endAction()
{
    switch (mJournal.close(mCurrentRoom)) {
    case ModifiedEffect::Mark:
        mModified = true;
        break;
    case ModifiedEffect::Saved:
        mModified = false;
        mJournal.markSaved();
        break;
    case ModifiedEffect::Unmarked:
        mModified = false;
        break;
    case ModifiedEffect::Leave:
        break;
    }
}

void MapStore::resizeTable(bool columns, qsizetype size)
{
    if (columns)
        mCoordinates.resize(size);
    else
        mRooms.resize(size);
}

void MapStore::apply(const Change &change, bool forward)
{
    std::visit(Visitor{
                   [&](const RoomChange &c) { mRooms[c.number - 1] = either(c.room, forward); },
                   [&](const CoordinatesChange &c) {
                       mCoordinates[c.number - 1] = either(c.position, forward);
                   },
                   [&](const TableSizeChange &c) {
                       resizeTable(c.coordinates, either(c.size, forward));
                       if (forward || c.size.after > c.size.before)
                           return;
                       // Shrunk: what it removed comes back.
                       if (c.coordinates)
                           std::copy(c.removed.coordinates.begin(), c.removed.coordinates.end(),
                                     mCoordinates.begin() + c.size.after);
                       else
                           std::copy(c.removed.rooms.begin(), c.removed.rooms.end(),
                                     mRooms.begin() + c.size.after);
                   },
                   [&](const RoomCountChange &c) { mRoomCount = either(c.count, forward); },
                   [&](const BaseChange &c) { mCoordinateBase = either(c.base, forward); },
                   [&](const CurrentRoomChange &c) { mCurrentRoom = either(c.room, forward); },
                   [&](const NameChange &c) { mMapName = either(c.name, forward); },
                   [&](const TablesChange &c) {
                       const MapTables &tables = *either(c.tables, forward);
                       mRooms = tables.rooms;
                       mCoordinates = tables.coordinates;
                       ++mReplacements;
                   },
               },
               change);
    mJournal.count(change);
}

bool MapStore::undo()
{
    const JournalEntry *entry = mJournal.undoable();
    if (!entry)
        return false;
    revert(*entry);
    mJournal.stepBack();
    mModified = !mJournal.atSaved();
    return true;
}

bool MapStore::redo()
{
    const JournalEntry *entry = mJournal.redoable();
    if (!entry)
        return false;
    reapply(*entry);
    mJournal.stepForward();
    mModified = !mJournal.atSaved();
    return true;
}

void MapStore::revert(const JournalEntry &entry)
{
    for (auto change = entry.changes.rbegin(); change != entry.changes.rend(); ++change)
        apply(*change, false);
    returnTo(entry.startRoom);
}

void MapStore::reapply(const JournalEntry &entry)
{
    for (const Change &change : entry.changes)
        apply(change, true);
    returnTo(entry.endRoom);
}

void MapStore::returnTo(qint16 room)
{
    if (room != mCurrentRoom) {
        mCurrentRoom = room;
        mJournal.countMove();
    }
    mWorkingCopy = mRooms[mCurrentRoom - 1];
}

} // namespace rumbario
