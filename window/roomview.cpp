// SPDX-License-Identifier: GPL-3.0-or-later
#include "roomview.h"

#include "editor.h"

namespace rumbario {

namespace {

QString coordinatesText(const MapStore &store)
{
    const Coordinates &stored = store.coordinatesOf(store.currentRoom());
    const Coordinates &base = store.coordinateBase();
    QString text = u'(' + QString::number(checkedAdd(stored[0], base[0])) + QStringLiteral(", ") +
                   QString::number(checkedAdd(stored[1], base[1]));
    // A room on level 0 shows two numbers, whatever the base of Z.
    if (stored[2] != 0)
        text += QStringLiteral(", ") + QString::number(checkedAdd(stored[2], base[2]));
    return text + u')';
}

void fillDescriptionBox(Editor &editor, bool afterOpen)
{
    WindowServices &services = editor.services;
    const QString shown = services.text(TextBox::DescriptionBox);
    const QString description = editor.store.workingCopy().description.text();
    if (shown == createdNotice() || shown == joinedNotice())
        services.setText(TextBox::DescriptionBox, shown + description);
    else if (afterOpen && !shown.startsWith(u' '))
        services.setText(TextBox::DescriptionBox, u' ' + description);
    else
        services.setText(TextBox::DescriptionBox, description);
}

void show(Editor &editor, bool afterOpen)
{
    // The whole line is built before anything is shown, so a failure leaves both boxes as they
    // were.
    editor.services.setText(TextBox::ViewLine, viewLine(editor, afterOpen));
    fillDescriptionBox(editor, afterOpen);
}

} // namespace

QString createdNotice()
{
    return QStringLiteral("SALA CREADA");
}

QString joinedNotice()
{
    return QStringLiteral("SALA ENLAZADA");
}

QString viewLine(const Editor &editor, bool afterOpen)
{
    const MapStore &store = editor.store;
    QString line =
        QStringLiteral("S ") + QString::number(store.currentRoom()) + QStringLiteral(": ");
    for (int i = 0; i < exitCount; ++i) {
        const Direction &direction = directions[afterOpen ? i : viewOrder[i]];
        if (store.workingCopy().exits[direction.slot] > 0)
            line += afterOpen ? direction.afterOpenName : direction.viewName;
    }
    if (editor.showCoordinates)
        line += coordinatesText(store);
    return line;
}

void showRoom(Editor &editor)
{
    show(editor, false);
}

void showRoomAfterOpen(Editor &editor)
{
    show(editor, true);
}

} // namespace rumbario
