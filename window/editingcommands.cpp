// SPDX-License-Identifier: GPL-3.0-or-later
#include "editingcommands.h"

#include "commands/deletelastroom.h"
#include "commands/findroom.h"
#include "commands/linkrooms.h"
#include "commands/rebasecoordinates.h"
#include "commands/removeconnection.h"
#include "commands/roomcreation.h"
#include "editor.h"
#include "roomview.h"

#include <optional>

namespace rumbario {

namespace {

void announceCreation(WindowServices &services)
{
    // A second creation in a row finds the notice still there; the blank lets the view replace it.
    const bool noticeShown = services.text(TextBox::DescriptionBox) == createdNotice();
    services.setText(TextBox::DescriptionBox,
                     noticeShown ? u' ' + createdNotice() : createdNotice());
}

/** " 1 N, 2 S, … 12 NO": the direction numbers in order with their labels. */
QString directionPrompt()
{
    QStringList entries;
    for (qint16 number = 1; number <= exitCount; ++number)
        entries << u' ' + QString::number(number) + u' ' +
                       directions[slotOfNumber(number)].promptLabel;
    return entries.join(u',');
}

/** Asks until a listed entry is chosen; nothing when the answer is empty or cancelled. */
std::optional<int> askRemovalEntry(WindowServices &services, const QString &list, int entryCount)
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

void followOrCreateRoom(Editor &editor, int slot)
{
    const CreationStep step = followOrCreate(editor.store, slot, editor.joinLoops);
    if (step == CreationStep::Joined)
        editor.services.setText(TextBox::DescriptionBox, joinedNotice());
    if (step == CreationStep::Created) {
        announceCreation(editor.services);
        editor.services.repaintDescriptionBox();
        // The notice reads the same from one room to the next: each new room is told anew.
        editor.spokenTexts[size_t(TextBox::DescriptionBox)].clear();
    }
    showRoom(editor);
}

bool askAndLinkRooms(Editor &editor)
{
    WindowServices &services = editor.services;
    const auto direction = typedInteger16(
        services.inputBox(directionPrompt(), QStringLiteral("Introduzca dirección de enlace")));
    if (!direction)
        return false;
    const auto target =
        typedInteger16(services.inputBox(QString(), QStringLiteral("Introduzca sala a enlazar ")));
    return target && linkRooms(editor.store, *direction, *target);
}

void askAndRemoveConnection(Editor &editor)
{
    WindowServices &services = editor.services;
    const std::vector<int> exitSlots = removableExits(editor.store.workingCopy());
    if (exitSlots.empty()) {
        services.messageBox(QStringLiteral("no hay relaciones que eliminar"), Buttons::Ok);
        return;
    }
    QString list;
    for (size_t entry = 0; entry < exitSlots.size(); ++entry)
        list += QString::number(entry + 1) + directions[exitSlots[entry]].removalName +
                QStringLiteral("\r\n");
    const auto entry = askRemovalEntry(services, list, int(exitSlots.size()));
    if (!entry)
        return;
    const bool bothWays =
        services.messageBox(
            QStringLiteral(
                "¿eliminar también la conexión en sentido contrario? (desde la otra sala)"),
            Buttons::YesNo, QStringLiteral("Eliminar conexión")) == Answer::Yes;
    removeConnection(editor.store, exitSlots[size_t(*entry - 1)], bothWays);
}

void askAndDeleteLastRoom(Editor &editor)
{
    MapStore &store = editor.store;
    if (store.roomCount() <= 1)
        return;
    const qint16 last = store.roomCount();
    if (editor.services.messageBox(QStringLiteral("Confirme eliminar última sala = ") +
                                       QString::number(last),
                                   Buttons::YesNo) != Answer::Yes)
        return;
    deleteLastRoom(store);
    showRoom(editor);
    editor.creationMode = false;
    editor.services.messageBox(QStringLiteral("Sala ") + QString::number(last) +
                                   QStringLiteral(" eliminada. Mostrando sala ") +
                                   QString::number(store.roomCount()) +
                                   QStringLiteral(". Modo creación desactivado"),
                               Buttons::Ok);
}

void askAndRebaseCoordinates(Editor &editor)
{
    Coordinates wanted;
    const QChar axes[] = {u'X', u'Y', u'Z'};
    for (int axis = 0; axis < 3; ++axis) {
        const auto value = askCoordinate(editor.services, axes[axis]);
        if (!value)
            return;
        wanted[size_t(axis)] = *value;
    }
    rebaseCoordinates(editor.store, wanted);
}

void askAndGoToRoom(Editor &editor)
{
    const QString answer = editor.services.inputBox(
        QStringLiteral("Introduzca el número de la sala a donde ir (1 - ") +
        QString::number(editor.store.roomCount()) + u')');
    const auto number = typedInteger16(answer);
    if (!number) {
        editor.services.messageBox(QStringLiteral("Dato no válido, Cambio cancelado"), Buttons::Ok);
        return;
    }
    if (goToRoom(editor.store, *number))
        showRoom(editor);
    else
        editor.services.messageBox(QStringLiteral("Número de sala inexistente"), Buttons::Ok);
}

void askAndSearchDescriptions(Editor &editor)
{
    const QString wanted = editor.services.inputBox(QStringLiteral("Introduzca el texto a buscar "),
                                                    QString(), editor.lastSearchText);
    if (wanted.isEmpty())
        return;
    editor.lastSearchText = wanted;
    if (const auto room = findDescription(editor.store, wanted)) {
        editor.store.selectRoom(*room);
        showRoom(editor);
    } else {
        editor.services.messageBox(QStringLiteral("Texto no encontrado"), Buttons::Ok);
    }
}

} // namespace rumbario
