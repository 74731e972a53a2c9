// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyhandler.h"

#include "announcements.h"
#include "brokenlinkrecovery.h"
#include "core/runtimeerror.h"
#include "descriptionentry.h"
#include "editingcommands.h"
#include "editor.h"
#include "openandsave.h"
#include "roomview.h"
#include "useraction.h"

#include <iterator>

namespace rumbario {

namespace {

// K, M and H are kept for the hand on the letters while drawing; walking ignores them.
constexpr KeyDirection keyDirections[] = {
    {Qt::Key_Up, North, false},
    {Qt::Key_U, North, false},
    {Qt::Key_I, NorthEast, false},
    {Qt::Key_PageUp, NorthEast, false},
    {Qt::Key_Right, East, false},
    {Qt::Key_E, East, false},
    {Qt::Key_K, East, true},
    {Qt::Key_PageDown, SouthEast, false},
    {Qt::Key_Comma, SouthEast, false},
    {Qt::Key_Down, South, false},
    {Qt::Key_S, South, false},
    {Qt::Key_M, South, true},
    {Qt::Key_N, SouthWest, false},
    {Qt::Key_End, SouthWest, false},
    {Qt::Key_Left, West, false},
    {Qt::Key_W, West, false},
    {Qt::Key_O, West, false},
    {Qt::Key_H, West, true},
    {Qt::Key_Y, NorthWest, false},
    {Qt::Key_Home, NorthWest, false},
    {Qt::Key_Q, Up, false},
    {Qt::Key_A, Down, false},
    {Qt::Key_D, In, false},
    {Qt::Key_F, Out, false},
};

void toggleCreationMode(Editor &editor)
{
    editor.creationMode = !editor.creationMode;
    editor.services.setText(
        TextBox::ViewLine,
        QStringLiteral("Modo creación ") +
            (editor.creationMode ? QStringLiteral(" activado") : QStringLiteral(" desactivado")));
}

void walk(Editor &editor, int slot)
{
    const qint16 target = editor.store.workingCopy().exits[slot];
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
    editor.store.selectRoom(editor.store.roomCount());
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
    {Qt::Key_Space, KeyMode::Both, false, "alterna el modo creación", andEnd<toggleCreationMode>},
    {Qt::Key_F1, KeyMode::Both, false, "muestra los comandos de teclado", andEnd<showHelp>},
    {Qt::Key_F2, KeyMode::Both, false, "abre un mapa o guarda el actual", chooseDiskAction},
    {Qt::Key_F3, KeyMode::Both, false, "establece una nueva base para las coordenadas",
     thenRedraw<askAndRebaseCoordinates>},
    {Qt::Key_F5, KeyMode::Both, false, "busca texto en las descripciones",
     thenRedraw<askAndSearchDescriptions>},
    {Qt::Key_F6, KeyMode::Both, false, "va a una sala por su número", thenRedraw<askAndGoToRoom>},
    {Qt::Key_F9, KeyMode::Both, false, "dice qué salas hay alrededor",
     andEnd<describeSurroundings>},
    {Qt::Key_Home, KeyMode::Both, true, "va a la primera sala", andEnd<goToFirstRoom>},
    {Qt::Key_End, KeyMode::Both, true, "va a la última sala", andEnd<goToLastRoom>},
    {Qt::Key_Delete, KeyMode::Creation, false, "elimina la última sala creada",
     thenRedraw<askAndDeleteLastRoom>},
    {Qt::Key_X, KeyMode::Creation, false, "enlaza la sala con otra", askAndLinkRooms},
    {Qt::Key_Z, KeyMode::Creation, false, "elimina una conexión de la sala",
     thenRedraw<askAndRemoveConnection>},
    {Qt::Key_T, KeyMode::Creation, false, "escribe la descripción de la sala (Intro la guarda)",
     andEnd<startDescriptionEntry>},
};

const KeyCommand *commandOfKey(int keyCode, int modifiers, bool creationMode)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    for (const KeyCommand &command : keyCommands) {
        const bool modeFits = command.mode == KeyMode::Both || creationMode;
        // Ctrl+Home and Ctrl+End: any other modifier may come with Ctrl.
        if (command.keyCode == keyCode && modeFits && (!command.withCtrl || ctrl))
            return &command;
    }
    return nullptr;
}

void handleKey(Editor &editor, int keyCode, int modifiers)
{
    if (const KeyCommand *command = commandOfKey(keyCode, modifiers, editor.creationMode)) {
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

void handleMapKey(Editor &editor, int keyCode, int modifiers)
{
    const qint16 previousRoom = editor.store.currentRoom();
    runUserAction(
        editor, [&] { handleKey(editor, keyCode, modifiers); },
        [&](const RuntimeError &error) { recoverKeyError(editor, error, previousRoom); });
}

} // namespace rumbario
