// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbario {

struct Editor;

/** The ordinary view of the current room: the view line in ViewLine and the description in
 * DescriptionBox. */
void showRoom(Editor &editor);

/** The view drawn once after a plan file is opened: exits in storage order, other capitals. */
void showRoomAfterOpen(Editor &editor);

/** The view line alone, as showRoom() or showRoomAfterOpen() would set it. */
QString viewLine(const Editor &editor, bool afterOpen);

/** The notice a creation leaves in the description box until the view replaces it. */
QString createdNotice();
/** The notice of a room joined where a loop closes, kept in front of its description. */
QString joinedNotice();

} // namespace rumbario
