// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowservices.h"

#include <optional>

namespace rumbario {

struct Editor;

/** "Mapa → Comparar con otro mapa...": the differences with a plan file, drawn on the plan. */
void compareWithOtherMap(Editor &editor);

/** "Mapa → Comprobar partida...": where a game's transcript and the map disagree. */
void checkPlayedGame(Editor &editor);

/** The lines of the report that follows the map, read again as the map is now. */
QVector<ReportLine> followedReportLines(Editor &editor);

/**
 * The same, only when the map changed since they were last read: a move to another room changes
 * none of them, and reading them again costs a large map's review at every key.
 */
std::optional<QVector<ReportLine>> changedFollowedReportLines(Editor &editor);

} // namespace rumbario
