// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "planmodel.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QVector>

namespace rumbario {

struct Editor;

/** A level of the plan laid out whole for a picture or a printed page. */
struct PlanPage
{
    /** The map's name and "Nivel N", drawn in its top-left corner. */
    QString title;
    int rooms;
    /** Its size is the page's, in pixels at the picture's scale. */
    PlanViewport viewport;
    PlanScene scene;
};

/** Where a level's page goes on a printed sheet: its top-left corner and its scale there. */
struct PagePlacement
{
    int page;
    QPointF topLeft;
    double factor;
};

/** The sheets of a printed plan, all turned one way. */
struct PlanSheets
{
    bool landscape = false;
    QVector<QVector<PagePlacement>> sheets;
};

/**
 * Puts the levels' pages on sheets of paper: the orientation that fits more of them larger for
 * the whole document, a level a sheet centred on it, and runs of levels of one or two rooms
 * stacked on a shared sheet. No page is scaled past the largest factor.
 */
PlanSheets arrangeSheets(const QVector<PlanPage> &pages, QSizeF portraitSheet,
                         double largestFactor);

/** Pixels a room in pictures: the default zoom of the window, for the same legible boxes. */
constexpr double pictureScale = 130.0;

/** Every level that has rooms, lowest first. */
QVector<int> planLevels(const MapStore &store, const PlanIndex &index);

/** The name a plan's pictures and pages carry: its file's name, or that it has none yet. */
QString planMapName(const QString &planFile);

/**
 * One level laid out whole with a room around it, room enough for the labels of lines to other
 * levels, and a band above for its title; no room is highlighted, as a picture has no current
 * room.
 */
PlanPage planPage(const MapStore &store, const PlanIndex &index, int level, const QString &mapName);

/**
 * "Exportar imagen...": asks for a file and writes the plan as PNG or SVG (the current room's
 * level) or PDF (every level, a page each). The extension typed chooses the format.
 */
void exportPlanPicture(Editor &editor);

/** "Imprimir...": every level, a page each, through the system's print dialog. */
void printPlan(Editor &editor);

} // namespace rumbario
