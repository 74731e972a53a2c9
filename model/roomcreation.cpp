// SPDX-License-Identifier: GPL-3.0-or-later
#include "roomcreation.h"

#include "editor/editor.h"
#include "editor/roomview.h"

namespace rumbario {

namespace {

const QString createdNotice = QStringLiteral("SALA CREADA");

void announceCreation(WindowServices &services)
{
    // A second creation in a row finds the notice still there; the blank lets the view replace it.
    const bool noticeShown = services.text(TextBox::Text1) == createdNotice;
    services.setText(TextBox::Text1, noticeShown ? u' ' + createdNotice : createdNotice);
}

} // namespace

qint16 createRoom(Editor &editor, qint16 origin, qint16 directionNumber)
{
    MapStore &store = editor.store;
    const Direction &direction = directions[slotOfNumber(directionNumber)];
    const qint16 number = checkedAdd(store.roomCount, 1);
    store.Lista.append(Room::zeroed());
    store.roomCount = number;
    store.coordinates.resize(number);
    Coordinates &position = store.coordinatesOf(number);
    position = store.coordinatesOf(origin);

    Room created = store.blankRoom;
    created.exits[direction.opposite] = origin;
    position[0] = checkedAdd(position[0], direction.dx);
    position[1] = checkedAdd(position[1], direction.dy);
    position[2] = checkedAdd(position[2], direction.dz);
    store.room(number) = created;

    announceCreation(editor.services);
    store.modified = true;
    editor.services.repaintText1();
    return number;
}

void followOrCreate(Editor &editor, int slot)
{
    MapStore &store = editor.store;
    const qint16 target = store.currentRoomCopy.exits[slot];
    if (target != 0) {
        store.selectRoom(target);
    } else {
        const qint16 created = createRoom(editor, store.currentRoom, directions[slot].number);
        store.currentRoomCopy.exits[slot] = created;
        store.storeCurrentRoom();
        store.selectRoom(created);
    }
    showRoom(editor);
}

} // namespace rumbario
