// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbario {

class MapStore;

/**
 * Stores a typed description in the current room. A plan-file record is one line, so line breaks
 * become blanks; characters the code page lacks become "?".
 */
void describeRoom(MapStore &store, QString typed);

} // namespace rumbario
