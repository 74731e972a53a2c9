// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbario {

struct Editor;

/** F2: asks whether to open or save. Returns false when the answer chose neither. */
bool chooseDiskAction(Editor &editor);

/**
 * Archivo → Nuevo: after the closing question when the map has unsaved changes, a fresh map as
 * at start-up; the old one can be had back by undo, and its recovery copy stays.
 */
void newMap(Editor &editor);

/**
 * What replacing the map with a new one leaves behind: its recovery copy is kept, a followed game
 * stops, a description being typed is dropped, the keys go back to the map.
 */
void leaveReplacedMap(Editor &editor);
/** Opens a plan file chosen in the file dialog in place of the current map. */
void openPlan(Editor &editor);

/** Archivo → Guardar: saves to the map's own file without a dialog; without one, as Guardar como.
 */
void savePlan(Editor &editor);

/** How many maps "Mapas recientes" lists. */
constexpr int recentMapCount = 8;

/** Puts a map opened or saved first in the list of recent maps. */
void rememberRecentMap(Editor &editor, const QString &path);

/** Opens a map from the recent ones; a file that is gone leaves the list, with a message. */
void openRecentMap(Editor &editor, const QString &path);

/** Opens a file named outside the dialog (the command line, a drop) as the dialog's choice. */
void openGivenPlan(Editor &editor, const QString &path);

/** Saves the map to a file chosen in the file dialog; ends the program when closing asked it to. */
void savePlanAs(Editor &editor);

/** Asks the closing question; true when the answer, or a failure, keeps the window open. */
bool closingRefused(Editor &editor);

} // namespace rumbario
