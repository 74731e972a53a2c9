// SPDX-License-Identifier: GPL-3.0-or-later
#include "descriptionentry.h"

#include "commands/describeroom.h"
#include "editor.h"
#include "keycodes.h"
#include "useraction.h"

namespace rumbario {

namespace {

void storeTypedDescription(Editor &editor)
{
    editor.typingDescription = false;
    describeRoom(editor.store, editor.services.text(TextBox::Text1));
    if (editor.textEntryPending)
        editor.creationMode = true;
    editor.services.setText(TextBox::Text2, QStringLiteral("Introducido "));
    editor.services.setColours(BoxColours::Normal);
    editor.services.giveFocus(Control::Picture1);
}

} // namespace

void startDescriptionEntry(Editor &editor)
{
    editor.textEntryPending = true;
    editor.typingDescription = true;
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
    runUserAction(editor, [&editor] { storeTypedDescription(editor); });
}

} // namespace rumbario
