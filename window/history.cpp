// SPDX-License-Identifier: GPL-3.0-or-later
#include "history.h"

#include "editor.h"
#include "roomview.h"
#include "useraction.h"

namespace rumbario {

namespace {

/** The caption of an Edit item: the verb, and the action it would act on when there is one. */
QString historyCaption(const char *verb, const JournalEntry *entry)
{
    const QString caption = QString::fromUtf8(verb);
    return entry ? caption + u' ' + entry->label : caption;
}

void showHistoryItem(Editor &editor, const char *itemName, const QString &caption, bool enabled,
                     QString &shown)
{
    if (caption == shown)
        return;
    editor.services.setMenuCaption(QString::fromLatin1(itemName), caption);
    editor.services.setMenuEnabled(QString::fromLatin1(itemName), enabled);
    shown = caption;
}

} // namespace

void undoLastAction(Editor &editor)
{
    runUserAction(editor, [&editor] {
        const JournalEntry *entry = editor.store.journal().undoable();
        // What was undone is said first: the boxes alone may not show it.
        editor.pendingSaying =
            entry ? QStringLiteral("Deshecho: %1.").arg(entry->label) : QString();
        if (editor.store.undo())
            showRoom(editor);
    });
}

void redoLastAction(Editor &editor)
{
    runUserAction(editor, [&editor] {
        const JournalEntry *entry = editor.store.journal().redoable();
        editor.pendingSaying = entry ? QStringLiteral("Rehecho: %1.").arg(entry->label) : QString();
        if (editor.store.redo())
            showRoom(editor);
    });
}

void showHistory(Editor &editor)
{
    const Journal &journal = editor.store.journal();
    showHistoryItem(editor, undoItemName, historyCaption("&Deshacer", journal.undoable()),
                    journal.undoable() != nullptr, editor.shownUndoCaption);
    showHistoryItem(editor, redoItemName, historyCaption("&Rehacer", journal.redoable()),
                    journal.redoable() != nullptr, editor.shownRedoCaption);
}

} // namespace rumbario
