// SPDX-License-Identifier: GPL-3.0-or-later
#include "descriptionentry.h"

#include "commands/describeroom.h"
#include "editor.h"
#include "planstatus.h"
#include "roomview.h"
#include "useraction.h"

#include <algorithm>

namespace rumbario {

namespace {

void storeTypedDescription(Editor &editor)
{
    editor.typingDescription = false;
    describeRoom(editor.store, editor.services.text(TextBox::DescriptionBox));
    if (editor.textEntryPending)
        editor.creationMode = true;
    editor.services.setText(TextBox::ViewLine, QStringLiteral("Introducido "));
    editor.services.setColours(BoxColours::Normal);
    editor.services.giveFocus(Control::KeySurface);
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
    editor.services.setText(TextBox::DescriptionBox, QString());
    editor.services.setColours(BoxColours::Entry);
    editor.services.giveFocus(Control::DescriptionBox);
    showRoom(editor);
    editor.services.placeCursor(
        int(lengthWithoutTrailingBlanks(editor.services.shownText(TextBox::DescriptionBox))));
}

void typedDescriptionChanged(Editor &editor)
{
    if (editor.typingDescription)
        runUserAction(editor, [&editor] { showPlanStatus(editor); });
}

void handleDescriptionKey(Editor &editor, int keyCode, int modifiers)
{
    Q_UNUSED(modifiers);
    if (keyCode != Qt::Key_Return)
        return;
    runUserAction(editor, [&editor] { storeTypedDescription(editor); });
}

} // namespace rumbario
