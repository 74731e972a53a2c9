// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

/**
 * "Exportar juego...": asks for a file and a format and writes the map as the source of a game.
 * The map and its modified mark are left as they were.
 */
void exportGame(Editor &editor);

} // namespace rumbario
