// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbario {

struct Editor;

/**
 * What the plan's legend says after the level and the mode, each part led by " · ": the room
 * left in a description being typed, whether the map differs from what was last saved or opened,
 * and the recovery copies waiting since start-up. Empty when there is nothing to say.
 */
QString planStatus(const Editor &editor);

/** Tells the window the legend's status when it is not the one it shows. */
void showPlanStatus(Editor &editor);

} // namespace rumbario
