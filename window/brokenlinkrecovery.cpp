// SPDX-License-Identifier: GPL-3.0-or-later
#include "brokenlinkrecovery.h"
#include "useraction.h"

#include "commands/removeconnection.h"

#include "core/runtimeerror.h"
#include "editor.h"
#include "roomview.h"

#include <utility>

namespace rumbario {

namespace {

/** The exit slot an answer letter clears, or -1. Letters name directions, not keys. */
int slotOfLetter(const QString &answer)
{
    static const std::pair<QString, int> letters[] = {
        {QStringLiteral("N"), North}, {QStringLiteral("S"), South}, {QStringLiteral("E"), East},
        {QStringLiteral("W"), West},  {QStringLiteral("U"), Up},    {QStringLiteral("D"), Down},
    };
    for (const auto &[letter, slot] : letters) {
        if (answer == letter)
            return slot;
    }
    return -1;
}

void offerToClearExit(Editor &editor, qint16 previousRoom)
{
    const QString answer =
        editor.services
            .inputBox(QStringLiteral(
                "Introduzca la dirección que pulsó antes de producirse el error (N S E W U D)"))
            .toUpper();
    const int slot = slotOfLetter(answer);
    if (slot >= 0)
        clearExit(editor.store, previousRoom, slot);
    else
        editor.services.messageBox(QStringLiteral("ELIMINACIÓN CANCELADA"), Buttons::Ok);
}

void recoverMissingRoom(Editor &editor, qint16 previousRoom)
{
    const QString question = QStringLiteral("la sala a la que se dirigía, con el número ") +
                             QString::number(editor.store.currentRoom()) +
                             QStringLiteral(" no existe en \"Lista\" \r\n") +
                             QStringLiteral("¿Desea eliminar esa referencia errónea?");
    if (editor.services.messageBox(question, Buttons::YesNo, QStringLiteral("Aviso ")) ==
        Answer::Yes)
        offerToClearExit(editor, previousRoom);
    // Reloading the working copy drops whatever the failed command had not stored.
    editor.store.selectRoom(previousRoom);
    showRoom(editor);
}

} // namespace

void recoverKeyError(Editor &editor, const RuntimeError &error, qint16 previousRoom)
{
    if (error.number() == RuntimeError::SubscriptOutOfRangeNumber)
        recoverMissingRoom(editor, previousRoom);
    else
        reportRuntimeError(editor, error);
}

} // namespace rumbario
