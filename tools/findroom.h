// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

/**
 * F6 (searchText false): goes to a room by its number. F5 (searchText true): goes to the next
 * room, in circular order after the current one, whose description contains a typed text.
 */
void findRoom(Editor &editor, bool searchText);

} // namespace rumbario
