// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

constexpr const char *undoItemName = "editUndo";
constexpr const char *redoItemName = "editRedo";

/** Undoes the newest action that changed the map and shows the room where it started. */
void undoLastAction(Editor &editor);

/** Applies the oldest action undone again and shows the room where it ended. */
void redoLastAction(Editor &editor);

/**
 * Names in the Edit menu the action an undo and a redo would act on, disabling an item with
 * nothing to do; the window hears only of captions that changed.
 */
void showHistory(Editor &editor);

} // namespace rumbario
