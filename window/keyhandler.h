// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

/**
 * One key event on the key-capturing surface, from the keyboard or from a menu item.
 *
 * Any run-time error raised while the key is handled ends in the recovery, never in the caller.
 */
void Picture1_KeyDown(Editor &editor, int keyCode, int shift);

/** The exit slot a key moves through in the given mode, or -1 when it is no direction key. */
int directionSlotOfKey(int keyCode, bool creationMode);

} // namespace rumbario
