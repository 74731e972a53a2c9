// SPDX-License-Identifier: GPL-3.0-or-later
#include "rebasecoordinates.h"

#include "editor/editor.h"

#include <optional>

namespace rumbario {

namespace {

/** Asks one coordinate until it is a number; nothing when the user cancels. */
std::optional<qint16> askCoordinate(WindowServices &services, QChar axis)
{
    const QString prompt = QStringLiteral("Introduzca la nueva coordenada ") + axis +
                           QStringLiteral(" para esta sala");
    for (;;) {
        const QString answer =
            services.inputBox(prompt, QStringLiteral("Cambiar base de las coordenadas"));
        if (answer.isEmpty()) {
            services.messageBox(QStringLiteral("Operación cancelada "), Buttons::Ok);
            return std::nullopt;
        }
        if (const auto value = typedInteger16(answer))
            return value;
        services.messageBox(QStringLiteral("Valor incorrecto"), Buttons::Ok);
    }
}

} // namespace

void rebaseCoordinates(Editor &editor)
{
    Coordinates wanted;
    const QChar axes[] = {u'X', u'Y', u'Z'};
    for (int axis = 0; axis < 3; ++axis) {
        const auto value = askCoordinate(editor.services, axes[axis]);
        if (!value)
            return;
        wanted[axis] = *value;
    }
    MapStore &store = editor.store;
    const Coordinates &stored = store.coordinatesOf(store.currentRoom);
    // One offset at a time: an overflow keeps the offsets already set.
    for (int axis = 0; axis < 3; ++axis)
        store.coordinateBase[axis] = checkedSubtract(wanted[axis], stored[axis]);
}

} // namespace rumbario
