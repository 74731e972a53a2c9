// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace rumbario {

struct Editor;
class RuntimeError;

/** Shows a run-time error as "error N: description". */
void reportRuntimeError(Editor &editor, const RuntimeError &error);

/** What a handler does with a run-time error of its action; plain reporting by default. */
using Recovery = std::function<void(const RuntimeError &)>;

/**
 * Runs one user action (a key, a menu command, a click, a dialog) as every event handler of the
 * window does: any exception it raises, running out of memory included, ends in the recovery or
 * the plain report and never reaches the event loop; and the changes it made to the map become
 * one journal entry, which sets the modified mark as the action said.
 */
void runUserAction(Editor &editor, const std::function<void()> &action,
                   const Recovery &recovery = nullptr);

} // namespace rumbario
