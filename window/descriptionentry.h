// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

/** T in creation mode: the description box turns white and takes the keyboard. */
void startDescriptionEntry(Editor &editor);

/** A key in the description box; Enter, with any modifiers, stores the typed description. */
void Text1_KeyDown(Editor &editor, int keyCode, int shift);

} // namespace rumbario
