// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "planmodel.h"

#include <QString>
#include <QVector>

namespace rumbario {

struct Editor;

/** A level of the plan laid out whole for a picture or a printed page. */
struct PlanPage
{
    /** "Nivel N", drawn in its top-left corner. */
    QString title;
    int rooms;
    /** Its size is the page's, in pixels at the picture's scale. */
    PlanViewport viewport;
    PlanScene scene;
};

/** Pixels a room in pictures: the default zoom of the window, for the same legible boxes. */
constexpr double pictureScale = 130.0;

/** Every level that has rooms, lowest first. */
QVector<int> planLevels(const MapStore &store, const PlanIndex &index);

/**
 * One level laid out whole with half a room around it and a band above for its title; no room
 * is highlighted, as a picture has no current room.
 */
PlanPage planPage(const MapStore &store, const PlanIndex &index, int level);

/**
 * "Exportar imagen...": asks for a file and writes the plan as PNG or SVG (the current room's
 * level) or PDF (every level, a page each). The extension typed chooses the format.
 */
void exportPlanPicture(Editor &editor);

/** "Imprimir...": every level, a page each, through the system's print dialog. */
void printPlan(Editor &editor);

} // namespace rumbario
