// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbario {

struct Editor;

/** "Archivo → Importar juego...": the map of a game's source, chosen in a file dialog. */
void importGameSource(Editor &editor);

/**
 * Reads a game's source in place of the map, as a new unsaved map, and says what was read and
 * what could not be; false when the file could not be read at all.
 */
bool openGameSource(Editor &editor, const QString &path);

} // namespace rumbario
