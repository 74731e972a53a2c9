// SPDX-License-Identifier: GPL-3.0-or-later
#include "useraction.h"

#include "editor.h"

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
    return editor.store.journal.revision();
}

void end(Editor &editor, quint64 revision)
{
    editor.store.endAction();
    if (editor.store.journal.revision() == revision)
        return;
    try {
        editor.services.mapChanged();
    } catch (const std::bad_alloc &) {
        // The plan catches up at its next repaint.
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
