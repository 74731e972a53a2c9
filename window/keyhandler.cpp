// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyhandler.h"

#include "announcements.h"
#include "brokenlinkrecovery.h"
#include "core/runtimeerror.h"
#include "descriptionentry.h"
#include "editingcommands.h"
#include "editor.h"
#include "keycodes.h"
#include "openandsave.h"
#include "roomview.h"
#include "useraction.h"

namespace rumbario {

namespace {

struct KeyDirection
{
    int keyCode;
    int slot;
    bool creationOnly;
};

// K, M and H are kept for the hand on the letters while drawing; walking ignores them.
constexpr KeyDirection keyDirections[] = {
    {Key::Up, North, false},
    {Key::letter('U'), North, false},
    {Key::letter('I'), NorthEast, false},
    {Key::PageUp, NorthEast, false},
    {Key::Right, East, false},
    {Key::letter('E'), East, false},
    {Key::letter('K'), East, true},
    {Key::PageDown, SouthEast, false},
    {Key::Comma, SouthEast, false},
    {Key::Down, South, false},
    {Key::letter('S'), South, false},
    {Key::letter('M'), South, true},
    {Key::letter('N'), SouthWest, false},
    {Key::End, SouthWest, false},
    {Key::Left, West, false},
    {Key::letter('W'), West, false},
    {Key::letter('O'), West, false},
    {Key::letter('H'), West, true},
    {Key::letter('Y'), NorthWest, false},
    {Key::Home, NorthWest, false},
    {Key::letter('Q'), Up, false},
    {Key::letter('A'), Down, false},
    {Key::letter('D'), In, false},
    {Key::letter('F'), Out, false},
};

void toggleCreationMode(Editor &editor)
{
    editor.creationMode.invert();
    editor.services.setText(
        TextBox::Text2,
        QStringLiteral("Modo creación ") +
            (editor.creationMode ? QStringLiteral(" activado") : QStringLiteral(" desactivado")));
}

void walk(Editor &editor, int slot)
{
    const qint16 target = editor.store.currentRoomCopy.exits[slot];
    if (target <= 0)
        editor.services.beep();
    else
        editor.store.selectRoom(target);
}

/** Handles a key of the walking table; the caller always redraws. */
void handleWalkingKey(Editor &editor, int keyCode)
{
    const int slot = directionSlotOfKey(keyCode, false);
    if (slot >= 0)
        walk(editor, slot);
}

/** Handles a key of the creation table; returns whether the caller is still to redraw. */
bool handleCreationKey(Editor &editor, int keyCode)
{
    switch (keyCode) {
    case Key::Delete:
        askAndDeleteLastRoom(editor);
        return true;
    case Key::letter('X'):
        return askAndLinkRooms(editor);
    case Key::letter('Z'):
        askAndRemoveConnection(editor);
        return true;
    case Key::letter('T'):
        startDescriptionEntry(editor);
        return true;
    default:
        break;
    }
    const int slot = directionSlotOfKey(keyCode, true);
    if (slot < 0)
        return true;
    followOrCreateRoom(editor, slot);
    return false;
}

void handleKey(Editor &editor, int keyCode, int shift)
{
    switch (keyCode) {
    case Key::Space:
        toggleCreationMode(editor);
        return;
    case Key::F1:
        editor.services.showHelp();
        return;
    case Key::F2:
        if (!chooseDiskAction(editor))
            return;
        break;
    case Key::F3:
        askAndRebaseCoordinates(editor);
        break;
    case Key::F5:
        askAndSearchDescriptions(editor);
        break;
    case Key::F6:
        askAndGoToRoom(editor);
        break;
    case Key::F9:
        describeSurroundings(editor);
        return;
    default:
        break;
    }
    if ((shift & Modifier::Ctrl) && (keyCode == Key::End || keyCode == Key::Home)) {
        editor.store.selectRoom(keyCode == Key::End ? editor.store.roomCount : qint16(1));
        showRoom(editor);
        return;
    }
    if (editor.creationMode) {
        if (!handleCreationKey(editor, keyCode))
            return;
    } else {
        handleWalkingKey(editor, keyCode);
    }
    showRoom(editor);
}

} // namespace

int directionSlotOfKey(int keyCode, bool creationMode)
{
    for (const KeyDirection &entry : keyDirections) {
        if (entry.keyCode == keyCode && (creationMode || !entry.creationOnly))
            return entry.slot;
    }
    return -1;
}

void Picture1_KeyDown(Editor &editor, int keyCode, int shift)
{
    const qint16 previousRoom = editor.store.currentRoom;
    runUserAction(
        editor, [&] { handleKey(editor, keyCode, shift); },
        [&](const RuntimeError &error) { recoverKeyError(editor, error, previousRoom); });
}

} // namespace rumbario
