// SPDX-License-Identifier: GPL-3.0-or-later
#include "removeconnection.h"

#include "editor/editor.h"

#include <optional>
#include <vector>

namespace rumbario {

namespace {

// Down is offered before up.
constexpr int removalOrder[] = {North, NorthEast, East, SouthEast, South, SouthWest,
                                West,  NorthWest, Down, Up,        In,    Out};

/** Asks until a listed entry is chosen; nothing when the answer is empty or cancelled. */
std::optional<int> askEntry(WindowServices &services, const QString &list, int entryCount)
{
    const QString prompt = QStringLiteral("Indique la dirección de la conexión que se quiere "
                                          "eliminar entre las existentes: \r\n") +
                           list;
    for (;;) {
        const QString answer =
            services.inputBox(prompt, QStringLiteral("Eliminar conexión hacia otra sala"));
        if (answer.isEmpty())
            return std::nullopt;
        if (!isNumeric(answer)) {
            services.messageBox(QStringLiteral("Valor incorrecto"), Buttons::Ok);
            continue;
        }
        const double value = numericValue(answer);
        // An answer up to 0.5 rounds to no entry at all: it is asked again like 0.
        if (value > 0 && value <= entryCount && toInteger16(value) >= 1)
            return toInteger16(value);
    }
}

} // namespace

void removeConnection(Editor &editor, Room &edited)
{
    WindowServices &services = editor.services;
    MapStore &store = editor.store;
    std::vector<int> entries;
    QString list;
    for (int slot : removalOrder) {
        if (edited.exits[slot] <= 0)
            continue;
        entries.push_back(slot);
        list +=
            QString::number(entries.size()) + directions[slot].removalName + QStringLiteral("\r\n");
    }
    if (entries.empty()) {
        services.messageBox(QStringLiteral("no hay relaciones que eliminar"), Buttons::Ok);
        return;
    }
    const auto entry = askEntry(services, list, int(entries.size()));
    if (!entry)
        return;
    const bool bothWays =
        services.messageBox(
            QStringLiteral(
                "¿eliminar también la conexión en sentido contrario? (desde la otra sala)"),
            Buttons::YesNo, QStringLiteral("Eliminar conexión")) == Answer::Yes;

    const int slot = entries[*entry - 1];
    const qint16 other = edited.exits[slot];
    if (bothWays)
        store.room(other).exits[directions[slot].opposite] = 0;
    edited.exits[slot] = 0;
    store.room(store.currentRoom) = edited;
    store.modified = true;
}

} // namespace rumbario
