// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/planpages.h"
#include "window/windowservices.h"

class QFont;
class QIODevice;
class QPagedPaintDevice;

namespace rumbario {

/** Paints the pages into a file: PNG and SVG the first, PDF every one. */
bool writePlanPicture(const QVector<PlanPage> &pages, PictureFormat format, QIODevice &device,
                      const QFont &font);

/** Paints the pages on sheets as arrangeSheets puts them. */
bool paintPlanPages(QPagedPaintDevice &device, const QVector<PlanPage> &pages, const QFont &font);

} // namespace rumbario
