// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mapcheck.h"
#include "windowservices.h"

#include <QString>
#include <QVector>

namespace rumbario {

struct Editor;

/** Groups as report lines: a heading a group with its count, then its lines; one when none. */
QVector<ReportLine> reportLinesOf(const QVector<ProblemGroup> &groups, const QString &whenNone);

/** The review of the map as report lines: a heading a group, then its problems. */
QVector<ReportLine> reviewLines(const Editor &editor);

/** "Mapa → Revisar mapa": the map's problems in a window that follows the map. */
void showMapReview(Editor &editor);

/** "Mapa → Camino hasta una sala...": asks for a room and shows the shortest way to it. */
void showWayToRoom(Editor &editor);

/** "Mapa → Recorrido de prueba...": writes the walk through every exit and its arrivals. */
void writeTestWalk(Editor &editor);

} // namespace rumbario
