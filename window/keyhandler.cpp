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

void goToFirstRoom(Editor &editor)
{
    editor.store.selectRoom(1);
    showRoom(editor);
}

void goToLastRoom(Editor &editor)
{
    editor.store.selectRoom(editor.store.roomCount);
    showRoom(editor);
}

void showHelp(Editor &editor)
{
    editor.services.showHelp();
}

/** A command after which the key goes on to the redraw. */
template<void (*command)(Editor &)>
bool thenRedraw(Editor &editor)
{
    command(editor);
    return true;
}

/** A command that shows all it has to show: the key ends with it. */
template<void (*command)(Editor &)>
bool andEnd(Editor &editor)
{
    command(editor);
    return false;
}

// F2 and X decide themselves: F2 ends the key when its answer chose nothing, X when an answer
// gives up early. T draws the view itself, to put the cursor after the description's text.
constexpr KeyCommand keyCommands[] = {
    {Key::Space, KeyMode::Both, false, "alterna el modo creación", andEnd<toggleCreationMode>},
    {Key::F1, KeyMode::Both, false, "muestra los comandos de teclado", andEnd<showHelp>},
    {Key::F2, KeyMode::Both, false, "abre un mapa o guarda el actual", chooseDiskAction},
    {Key::F3, KeyMode::Both, false, "establece una nueva base para las coordenadas",
     thenRedraw<askAndRebaseCoordinates>},
    {Key::F5, KeyMode::Both, false, "busca texto en las descripciones",
     thenRedraw<askAndSearchDescriptions>},
    {Key::F6, KeyMode::Both, false, "va a una sala por su número", thenRedraw<askAndGoToRoom>},
    {Key::F9, KeyMode::Both, false, "dice qué salas hay alrededor", andEnd<describeSurroundings>},
    {Key::Home, KeyMode::Both, true, "va a la primera sala", andEnd<goToFirstRoom>},
    {Key::End, KeyMode::Both, true, "va a la última sala", andEnd<goToLastRoom>},
    {Key::Delete, KeyMode::Creation, false, "elimina la última sala creada",
     thenRedraw<askAndDeleteLastRoom>},
    {Key::letter('X'), KeyMode::Creation, false, "enlaza la sala con otra", askAndLinkRooms},
    {Key::letter('Z'), KeyMode::Creation, false, "elimina una conexión de la sala",
     thenRedraw<askAndRemoveConnection>},
    {Key::letter('T'), KeyMode::Creation, false,
     "escribe la descripción de la sala (Intro la guarda)", andEnd<startDescriptionEntry>},
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
