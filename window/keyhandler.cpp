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

#include <iterator>

namespace rumbario {

namespace {

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

void goToEnd(Editor &editor, qint16 room)
{
    editor.store.selectRoom(room);
    showRoom(editor);
}

// Space, F1 and F9 end the key without a redraw; F2 too when its answer chose nothing.
constexpr KeyCommand keyCommands[] = {
    {Key::Space, KeyMode::Both, false, "alterna el modo creación",
     [](Editor &editor) {
         toggleCreationMode(editor);
         return false;
     }},
    {Key::F1, KeyMode::Both, false, "muestra los comandos de teclado",
     [](Editor &editor) {
         editor.services.showHelp();
         return false;
     }},
    {Key::F2, KeyMode::Both, false, "abre un mapa o guarda el actual", chooseDiskAction},
    {Key::F3, KeyMode::Both, false, "establece una nueva base para las coordenadas",
     [](Editor &editor) {
         askAndRebaseCoordinates(editor);
         return true;
     }},
    {Key::F5, KeyMode::Both, false, "busca texto en las descripciones",
     [](Editor &editor) {
         askAndSearchDescriptions(editor);
         return true;
     }},
    {Key::F6, KeyMode::Both, false, "va a una sala por su número",
     [](Editor &editor) {
         askAndGoToRoom(editor);
         return true;
     }},
    {Key::F9, KeyMode::Both, false, "dice qué salas hay alrededor",
     [](Editor &editor) {
         describeSurroundings(editor);
         return false;
     }},
    {Key::Home, KeyMode::Both, true, "va a la primera sala",
     [](Editor &editor) {
         goToEnd(editor, 1);
         return false;
     }},
    {Key::End, KeyMode::Both, true, "va a la última sala",
     [](Editor &editor) {
         goToEnd(editor, editor.store.roomCount);
         return false;
     }},
    {Key::Delete, KeyMode::Creation, false, "elimina la última sala creada",
     [](Editor &editor) {
         askAndDeleteLastRoom(editor);
         return true;
     }},
    // X gives up without a redraw when an answer ends it early.
    {Key::letter('X'), KeyMode::Creation, false, "enlaza la sala con otra", askAndLinkRooms},
    {Key::letter('Z'), KeyMode::Creation, false, "elimina una conexión de la sala",
     [](Editor &editor) {
         askAndRemoveConnection(editor);
         return true;
     }},
    // The entry draws the view itself, to put the cursor after the description's text.
    {Key::letter('T'), KeyMode::Creation, false,
     "escribe la descripción de la sala (Intro la guarda)",
     [](Editor &editor) {
         startDescriptionEntry(editor);
         return false;
     }},
};

const KeyCommand *commandOfKey(int keyCode, int shift, bool creationMode)
{
    const bool ctrl = shift & Modifier::Ctrl;
    for (const KeyCommand &command : keyCommands) {
        const bool modeFits = command.mode == KeyMode::Both || creationMode;
        // Ctrl+Home and Ctrl+End: any other modifier may come with Ctrl.
        if (command.keyCode == keyCode && modeFits && (!command.withCtrl || ctrl))
            return &command;
    }
    return nullptr;
}

void handleKey(Editor &editor, int keyCode, int shift)
{
    if (const KeyCommand *command = commandOfKey(keyCode, shift, editor.creationMode)) {
        if (!command->run(editor))
            return;
    } else if (editor.creationMode) {
        // A direction in creation mode follows or creates, and draws the view itself.
        const int slot = directionSlotOfKey(keyCode, true);
        if (slot >= 0) {
            followOrCreateRoom(editor, slot);
            return;
        }
    } else {
        const int slot = directionSlotOfKey(keyCode, false);
        if (slot >= 0)
            walk(editor, slot);
    }
    showRoom(editor);
}

} // namespace

KeyTable<KeyCommand> keyCommandTable()
{
    return {std::begin(keyCommands), std::end(keyCommands)};
}

KeyTable<KeyDirection> keyDirectionTable()
{
    return {std::begin(keyDirections), std::end(keyDirections)};
}

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
