// SPDX-License-Identifier: GPL-3.0-or-later
#include "descriptionentry.h"

#include "commands/describeroom.h"
#include "editor.h"
#include "keycodes.h"
#include "planstatus.h"
#include "roomview.h"
#include "useraction.h"

#include <algorithm>

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

/** The length of a text without the blanks that end it. */
qsizetype lengthWithoutTrailingBlanks(const QString &text)
{
    qsizetype length = text.size();
    while (length > 0 && text.at(length - 1) == u' ')
        --length;
    return length;
}

} // namespace

TypedDescriptionFit typedDescriptionFit(const QString &typed)
{
    const qsizetype used = lengthWithoutTrailingBlanks(typed);
    const qsizetype cutFrom = std::min<qsizetype>(used, descriptionLength);
    return {int(descriptionLength - used), cutFrom, used};
}

QString roomLeftText(const QString &typed)
{
    const int left = typedDescriptionFit(typed).left;
    return left >= 0 ? QStringLiteral("quedan %1 de %2").arg(left).arg(descriptionLength)
                     : QStringLiteral("sobran %1 de %2").arg(-left).arg(descriptionLength);
}

void startDescriptionEntry(Editor &editor)
{
    editor.textEntryPending = true;
    editor.typingDescription = true;
    editor.creationMode = false;
    editor.services.setText(TextBox::Text1, QString());
    editor.services.setColours(BoxColours::Entry);
    editor.services.giveFocus(Control::Text1);
    showRoom(editor);
    editor.services.placeCursor(
        int(lengthWithoutTrailingBlanks(editor.services.shownText(TextBox::Text1))));
}

void typedDescriptionChanged(Editor &editor)
{
    if (editor.typingDescription)
        runUserAction(editor, [&editor] { showPlanStatus(editor); });
}

void Text1_KeyDown(Editor &editor, int keyCode, int shift)
{
    Q_UNUSED(shift);
    if (keyCode != Key::Enter)
        return;
    runUserAction(editor, [&editor] { storeTypedDescription(editor); });
}

} // namespace rumbario
