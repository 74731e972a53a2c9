// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor.h"

#include "menutable.h"
#include "roomview.h"

namespace rumbario {

void Form_Load(Editor &editor)
{
    MapStore &store = editor.store;
    store.resetTables();
    store.setCoordinates(1, 0, 0, 0);
    store.coordinateBase = {0, 0, 0};
    store.blankRoom = Room::blank();
    editor.mapName = QStringLiteral("Mapa1");
    store.currentRoomCopy = store.room(1);
    store.roomCount = 1;
    store.currentRoom = 1;
    editor.creationMode = false;
    editor.showCoordinates = true;
    showRoom(editor);
    editor.services.setText(TextBox::Text1, QStringLiteral("modo creación desactivado"));
    store.modified = false;
    editor.exitAfterSave = false;
}

void toggleCoordinates(Editor &editor)
{
    editor.showCoordinates.invert();
    editor.services.setMenuCaption(QString::fromLatin1(coordinatesItemName),
                                   coordinatesCaption(editor.showCoordinates));
}

} // namespace rumbario
