// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/runtimeerror.h"

#include <QtGlobal>

#include <new>

namespace rumbario {

struct Editor;

/** Shows a run-time error as "error N: description". */
void reportRuntimeError(Editor &editor, const RuntimeError &error);

namespace useraction {

quint64 begin(const Editor &editor);
/** Closes the action's journal entry and lets whatever follows the map catch up. */
void end(Editor &editor, quint64 revision);
/** Reports an error of the recovery itself, plainly; a failure to report is dropped. */
void reportQuietly(Editor &editor, const RuntimeError &error);

template<typename Recovery>
void recover(Editor &editor, const RuntimeError &error, Recovery &recovery)
{
    try {
        recovery(error);
    } catch (const RuntimeError &failure) {
        reportQuietly(editor, failure);
    } catch (const std::bad_alloc &) {
        reportQuietly(editor, RuntimeError::outOfMemory());
    }
}

} // namespace useraction

/**
 * Runs one user action (a key, a menu command, a click, a dialog) as every event handler of the
 * window does: any exception it raises, running out of memory included, ends in the recovery and
 * never reaches the event loop; and the changes it made to the map become one journal entry,
 * which sets the modified mark as the action said. Nothing here allocates before the action runs.
 */
template<typename Action, typename Recovery>
void runUserAction(Editor &editor, Action &&action, Recovery &&recovery)
{
    const quint64 revision = useraction::begin(editor);
    try {
        action();
    } catch (const RuntimeError &error) {
        useraction::recover(editor, error, recovery);
    } catch (const std::bad_alloc &) {
        try {
            useraction::recover(editor, RuntimeError::outOfMemory(), recovery);
        } catch (const std::bad_alloc &) {
            // Not even the report could be made: the event still ends here.
        }
    }
    useraction::end(editor, revision);
}

/** The same with the plain report as the recovery. */
template<typename Action>
void runUserAction(Editor &editor, Action &&action)
{
    runUserAction(editor, std::forward<Action>(action),
                  [&editor](const RuntimeError &error) { reportRuntimeError(editor, error); });
}

} // namespace rumbario
