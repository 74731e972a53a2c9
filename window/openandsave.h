// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

/** F2: asks whether to open or save. Returns false when the answer chose neither. */
bool chooseDiskAction(Editor &editor);

/** Opens a plan file chosen in the file dialog in place of the current map. */
void openPlan(Editor &editor);

/** Saves the map to a file chosen in the file dialog; ends the program when closing asked it to. */
void savePlan(Editor &editor);

/** The closing question; returns true when the window is to stay open. */
bool Form_QueryUnload(Editor &editor);

} // namespace rumbario
