// SPDX-License-Identifier: GPL-3.0-or-later
#include "removeconnection.h"

#include "core/mapstore.h"

namespace rumbario {

namespace {

// Down is offered before up.
constexpr int removalOrder[] = {North, NorthEast, East, SouthEast, South, SouthWest,
                                West,  NorthWest, Down, Up,        In,    Out};

} // namespace

std::vector<int> removableExits(const Room &room)
{
    std::vector<int> exitSlots;
    for (int slot : removalOrder) {
        if (room.exits[slot] > 0)
            exitSlots.push_back(slot);
    }
    return exitSlots;
}

void removeConnection(MapStore &store, int slot, bool bothWays)
{
    const qint16 other = store.workingCopy().exits[slot];
    if (bothWays)
        store.setExit(other, directions[slot].opposite, 0);
    // Stored last: a connection of the room with itself loses both ends.
    store.setWorkingExit(slot, 0);
    store.storeCurrentRoom();
    store.noteAction(
        QStringLiteral("eliminación de una conexión de la sala %1").arg(store.currentRoom()),
        ModifiedEffect::Mark);
}

void clearExit(MapStore &store, qint16 room, int slot)
{
    store.setExit(room, slot, 0);
    store.noteAction(QStringLiteral("eliminación de la salida rota de la sala %1").arg(room),
                     ModifiedEffect::Leave);
}

} // namespace rumbario
