// SPDX-License-Identifier: GPL-3.0-or-later
#include "findroom.h"

#include "core/mapstore.h"

namespace rumbario {

namespace {

qint16 nextRoom(const MapStore &store, qint16 room)
{
    return room >= store.roomCount() ? qint16(1) : qint16(room + 1);
}

} // namespace

std::optional<qint16> findDescription(const MapStore &store, const QString &text)
{
    qint16 room = nextRoom(store, store.currentRoom());
    for (int examined = 0; examined < store.roomCount(); ++examined) {
        if (store.room(room).description.text().contains(text))
            return room;
        room = nextRoom(store, room);
        if (room == store.currentRoom())
            break;
    }
    return std::nullopt;
}

bool goToRoom(MapStore &store, qint16 number)
{
    if (number < 1 || number > store.roomCount())
        return false;
    store.selectRoom(number);
    store.noteAction(QStringLiteral("paso a la sala %1").arg(number), ModifiedEffect::Leave);
    return true;
}

} // namespace rumbario
