// SPDX-License-Identifier: GPL-3.0-or-later
#include "descriptionentry.h"

#include "editor.h"
#include "keycodes.h"
#include "model/runtimeerror.h"
#include "tools/brokenlinkrecovery.h"

namespace rumbario {

namespace {

void storeTypedDescription(Editor &editor)
{
    QString typed = editor.services.text(TextBox::Text1);
    // A plan-file record is one line: a pasted line break would split the room in two.
    typed.replace(u'\r', u' ').replace(u'\n', u' ');
    editor.store.currentRoomCopy.description.setText(typed);
    editor.store.storeCurrentRoom();
    if (editor.textEntryPending)
        editor.creationMode = true;
    editor.services.setText(TextBox::Text2, QStringLiteral("Introducido "));
    editor.services.setColours(BoxColours::Normal);
    editor.services.giveFocus(Control::Picture1);
    editor.store.modified = true;
}

} // namespace

void startDescriptionEntry(Editor &editor)
{
    editor.textEntryPending = true;
    editor.creationMode = false;
    editor.services.setText(TextBox::Text1, QString());
    editor.services.setColours(BoxColours::Entry);
    editor.services.giveFocus(Control::Text1);
}

void Text1_KeyDown(Editor &editor, int keyCode, int shift)
{
    Q_UNUSED(shift);
    if (keyCode != Key::Enter)
        return;
    try {
        storeTypedDescription(editor);
    } catch (const RuntimeError &error) {
        reportRuntimeError(editor, error);
    }
}

} // namespace rumbario
