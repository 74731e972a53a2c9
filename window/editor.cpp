// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor.h"

#include "history.h"
#include "menutable.h"
#include "planstatus.h"
#include "recovery.h"
#include "roomview.h"

namespace rumbario {

void startFreshMap(Editor &editor)
{
    MapStore &store = editor.store;
    store.replaceTables(resetTables());
    store.setCoordinateBase({0, 0, 0});
    store.setMapName(QStringLiteral("Mapa1"));
    store.setRoomCount(1);
    store.selectRoom(1);
    editor.creationMode = false;
    showMode(editor);
    showRoom(editor);
    editor.services.setText(TextBox::DescriptionBox, QStringLiteral("modo creación desactivado"));
}

void startEditor(Editor &editor)
{
    MapStore &store = editor.store;
    store.setBlankRoom(Room::blank());
    editor.showCoordinates = true;
    startFreshMap(editor);
    // The fresh map is where the history of this run begins.
    store.clearHistory();
    showHistory(editor);
    store.setModified(false);
    editor.exitAfterSave = false;
    removeOldRecoveryCopies(editor);
    showPlanStatus(editor);
}

void showMode(Editor &editor)
{
    const int mode = editor.creationMode ? 1 : 0;
    if (mode == editor.shownMode)
        return;
    editor.services.showMode(editor.creationMode);
    editor.shownMode = mode;
}

void toggleCoordinates(Editor &editor)
{
    editor.showCoordinates = !editor.showCoordinates;
    editor.services.setMenuCaption(QString::fromLatin1(coordinatesItemName),
                                   coordinatesCaption(editor.showCoordinates));
}

} // namespace rumbario
