// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkrooms.h"

#include "editor/editor.h"

namespace rumbario {

namespace {

/** " 1 N, 2 S, … 12 NO": the direction numbers in order with their labels. */
QString directionPrompt()
{
    QStringList entries;
    for (qint16 number = 1; number <= exitCount; ++number)
        entries << u' ' + QString::number(number) + u' ' +
                       directions[slotOfNumber(number)].promptLabel;
    return entries.join(u',');
}

} // namespace

bool linkRooms(Editor &editor)
{
    WindowServices &services = editor.services;
    const auto direction = typedInteger16(
        services.inputBox(directionPrompt(), QStringLiteral("Introduzca dirección de enlace")));
    if (!direction)
        return false;
    const auto target =
        typedInteger16(services.inputBox(QString(), QStringLiteral("Introduzca sala a enlazar ")));
    if (!target || *direction < 1 || *target < 1)
        return false;

    MapStore &store = editor.store;
    const int slot = slotOfNumber(*direction);
    if (slot >= 0) {
        store.currentRoomCopy.exits[slot] = *target;
        store.room(*target).exits[directions[slot].opposite] = store.currentRoom;
    }
    // Linking a room to itself: this store overwrites the way back written just above.
    store.storeCurrentRoom();
    return true;
}

} // namespace rumbario
