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
    checkNumber(Lista.size(), number);
    return Lista[number - 1];
}

const Coordinates &MapStore::coordinatesOf(qint16 number) const
{
    checkNumber(coordinates.size(), number);
    return coordinates[number - 1];
}

// Each edit builds its change first and makes it next; only then is it recorded, which cannot
// fail. Whatever throws, memory running out included, leaves the map and the journal agreeing.

void MapStore::setRoom(qint16 number, const Room &newRoom)
{
    const Room old = room(number);
    if (old == newRoom)
        return;
    Lista[number - 1] = newRoom;
    journal.record(RoomChange{number, {old, newRoom}});
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
    Lista.append(Room::zeroed());
    journal.record(TableSizeChange{false, {Lista.size() - 1, Lista.size()}, {}});
    setRoom(number, newRoom);
}

void MapStore::truncateRooms(qint16 rooms)
{
    if (rooms >= Lista.size())
        return;
    TableSizeChange change{false, {Lista.size(), rooms}, {}};
    change.removed.rooms = Lista.mid(rooms);
    Lista.resize(rooms);
    journal.record(std::move(change));
}

void MapStore::resizeCoordinates(qint16 columns)
{
    if (columns == coordinates.size())
        return;
    TableSizeChange change{true, {coordinates.size(), columns}, {}};
    if (columns < coordinates.size())
        change.removed.coordinates = coordinates.mid(columns);
    coordinates.resize(columns);
    journal.record(std::move(change));
}

void MapStore::setCoordinates(qint16 number, const Coordinates &position)
{
    const Coordinates old = coordinatesOf(number);
    if (old == position)
        return;
    coordinates[number - 1] = position;
    journal.record(CoordinatesChange{number, {old, position}});
}

void MapStore::setRoomCount(qint16 count)
{
    if (count == roomCount)
        return;
    journal.record(RoomCountChange{{roomCount, count}});
    roomCount = count;
}

void MapStore::setCoordinateBase(const Coordinates &base)
{
    if (base == coordinateBase)
        return;
    journal.record(BaseChange{{coordinateBase, base}});
    coordinateBase = base;
}

void MapStore::selectRoom(qint16 number)
{
    // The recovery names the missing room by currentRoom, so it is set before the lookup fails.
    if (number != currentRoom) {
        journal.record(CurrentRoomChange{{currentRoom, number}});
        currentRoom = number;
    }
    currentRoomCopy = room(number);
}

void MapStore::storeCurrentRoom()
{
    setRoom(currentRoom, currentRoomCopy);
}

void MapStore::replaceTables(MapTables tables)
{
    auto before = std::make_shared<const MapTables>(MapTables{Lista, coordinates});
    auto after = std::make_shared<const MapTables>(std::move(tables));
    Lista = after->rooms;
    coordinates = after->coordinates;
    ++replacements;
    journal.record(TablesChange{{std::move(before), std::move(after)}});
}

void MapStore::setMapName(const QString &name)
{
    if (name == mapName)
        return;
    journal.record(NameChange{{mapName, name}});
    mapName = name;
}

void MapStore::noteAction(const QString &label, ModifiedEffect effect)
{
    journal.note(label, effect);
}

void MapStore::endAction()
{
    switch (journal.close(currentRoom)) {
    case ModifiedEffect::Mark:
        modified = true;
        break;
    case ModifiedEffect::Saved:
        modified = false;
        journal.markSaved();
        break;
    case ModifiedEffect::Unmarked:
        modified = false;
        break;
    case ModifiedEffect::Leave:
        break;
    }
}

void MapStore::resizeTable(bool columns, qsizetype size)
{
    if (columns)
        coordinates.resize(size);
    else
        Lista.resize(size);
}

void MapStore::apply(const Change &change, bool forward)
{
    std::visit(Visitor{
                   [&](const RoomChange &c) { Lista[c.number - 1] = either(c.room, forward); },
                   [&](const CoordinatesChange &c) {
                       coordinates[c.number - 1] = either(c.position, forward);
                   },
                   [&](const TableSizeChange &c) {
                       resizeTable(c.coordinates, either(c.size, forward));
                       if (forward || c.size.after > c.size.before)
                           return;
                       // Shrunk: what it removed comes back.
                       if (c.coordinates)
                           std::copy(c.removed.coordinates.begin(), c.removed.coordinates.end(),
                                     coordinates.begin() + c.size.after);
                       else
                           std::copy(c.removed.rooms.begin(), c.removed.rooms.end(),
                                     Lista.begin() + c.size.after);
                   },
                   [&](const RoomCountChange &c) { roomCount = either(c.count, forward); },
                   [&](const BaseChange &c) { coordinateBase = either(c.base, forward); },
                   [&](const CurrentRoomChange &c) { currentRoom = either(c.room, forward); },
                   [&](const NameChange &c) { mapName = either(c.name, forward); },
                   [&](const TablesChange &c) {
                       const MapTables &tables = *either(c.tables, forward);
                       Lista = tables.rooms;
                       coordinates = tables.coordinates;
                       ++replacements;
                   },
               },
               change);
    journal.count();
}

bool MapStore::undo()
{
    const JournalEntry *entry = journal.undoable();
    if (!entry)
        return false;
    revert(*entry);
    journal.stepBack();
    modified = !journal.atSaved();
    return true;
}

bool MapStore::redo()
{
    const JournalEntry *entry = journal.redoable();
    if (!entry)
        return false;
    reapply(*entry);
    journal.stepForward();
    modified = !journal.atSaved();
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
    if (room != currentRoom) {
        currentRoom = room;
        journal.count();
    }
    currentRoomCopy = Lista[currentRoom - 1];
}

} // namespace rumbario
