// SPDX-License-Identifier: GPL-3.0-or-later
#include "useraction.h"

#include "announcements.h"
#include "editor.h"
#include "history.h"
#include "planstatus.h"
#include "recovery.h"

namespace rumbario {

void reportRuntimeError(Editor &editor, const RuntimeError &error)
{
    editor.services.messageBox(QStringLiteral("error ") + QString::number(error.number()) +
                                   QStringLiteral(": ") + error.description(),
                               Buttons::Ok);
}

namespace useraction {

quint64 begin(const Editor &editor)
{
    return editor.store.journal().revision();
}

void end(Editor &editor, quint64 revision)
{
    editor.store.endAction();
    try {
        showMode(editor);
        showPlanStatus(editor);
        announceChanges(editor);
        if (editor.store.journal().revision() == revision)
            return;
        editor.services.mapChanged();
        showHistory(editor);
        noteMapChange(editor);
    } catch (const std::bad_alloc &) {
        // The map is whole; the plan and the Edit menu catch up after the next action.
        reportQuietly(editor, RuntimeError::outOfMemory());
    }
}

void reportQuietly(Editor &editor, const RuntimeError &error)
{
    try {
        reportRuntimeError(editor, error);
    } catch (const std::bad_alloc &) {
    } catch (const RuntimeError &) {
    }
}

} // namespace useraction

} // namespace rumbario
