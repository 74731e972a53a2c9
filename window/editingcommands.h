// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

/**
 * The editing commands as the user runs them: the questions each asks through the window
 * services, then its edit of the map, then what it shows. The edits themselves live in the
 * commands layer and know nothing of the window.
 */

/** A direction key in creation mode: follows the exit or creates a room; shows where it ends. */
void followOrCreateRoom(Editor &editor, int slot);

/**
 * X in creation mode: asks a direction number and a room and links them both ways. Returns
 * whether a link was attempted (the view is then redrawn); false when it gave up on an answer.
 */
bool askAndLinkRooms(Editor &editor);

/** Z in creation mode: lists the current room's exits and removes the chosen one. */
void askAndRemoveConnection(Editor &editor);

/** Delete in creation mode: after confirmation removes the last room and leaves creation mode. */
void askAndDeleteLastRoom(Editor &editor);

/** F3: asks the coordinates the current room is to show and shifts the display base. */
void askAndRebaseCoordinates(Editor &editor);

/** F6: asks a room number and goes there. */
void askAndGoToRoom(Editor &editor);

/** F5: asks a text and goes to the next room whose description contains it. */
void askAndSearchDescriptions(Editor &editor);

} // namespace rumbario
