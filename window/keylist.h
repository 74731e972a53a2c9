// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbario {

struct Editor;

/**
 * Every key of the editor and what it does, in each mode, with the menus' shortcuts: built from
 * the key handler's tables and the menu table, so it says what the program does.
 */
QString keyList();

/** Ayuda → Teclas de Rumbario. */
void showKeyList(Editor &editor);

} // namespace rumbario
