// SPDX-License-Identifier: GPL-3.0-or-later
#include "findroom.h"

#include "editor/editor.h"
#include "editor/roomview.h"

namespace rumbario {

namespace {

void goToRoom(Editor &editor)
{
    MapStore &store = editor.store;
    const QString answer = editor.services.inputBox(
        QStringLiteral("Introduzca el número de la sala a donde ir (1 - ") +
        QString::number(store.roomCount) + u')');
    const auto number = typedInteger16(answer);
    if (!number) {
        editor.services.messageBox(QStringLiteral("Dato no válido, Cambio cancelado"), Buttons::Ok);
        return;
    }
    if (*number >= 1 && *number <= store.roomCount) {
        store.selectRoom(*number);
        showRoom(editor);
        return;
    }
    editor.services.messageBox(QStringLiteral("Número de sala inexistente"), Buttons::Ok);
}

qint16 nextRoom(const MapStore &store, qint16 room)
{
    return room >= store.roomCount ? qint16(1) : qint16(room + 1);
}

void searchDescriptions(Editor &editor)
{
    MapStore &store = editor.store;
    const QString wanted = editor.services.inputBox(QStringLiteral("Introduzca el texto a buscar "),
                                                    QString(), editor.lastSearchText);
    if (wanted.isEmpty())
        return;
    editor.lastSearchText = wanted;
    // The current room is examined only when it is the only room.
    qint16 room = nextRoom(store, store.currentRoom);
    for (int examined = 0; examined < store.roomCount; ++examined) {
        if (store.room(room).description.text().contains(wanted)) {
            store.selectRoom(room);
            showRoom(editor);
            return;
        }
        room = nextRoom(store, room);
        if (room == store.currentRoom)
            break;
    }
    editor.services.messageBox(QStringLiteral("Texto no encontrado"), Buttons::Ok);
}

} // namespace

void findRoom(Editor &editor, bool searchText)
{
    if (searchText)
        searchDescriptions(editor);
    else
        goToRoom(editor);
}

} // namespace rumbario
