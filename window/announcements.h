// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbario {

struct Editor;
class MapStore;

/**
 * After each user action, tells a screen reader what the boxes show that it has not said yet:
 * the description box first (a notice such as "SALA CREADA", or the description of a room
 * reached), then the view line. Nothing is said when nothing changed.
 */
void announceChanges(Editor &editor);

/**
 * Says again what the boxes show, description first: for a window that gets the keyboard only
 * after its boxes changed, when a screen reader was still reading another window.
 */
void repeatShownTexts(Editor &editor);

/**
 * The rooms drawn around the current one on the plan, by direction and number: what the plan
 * shows of its surroundings.
 */
QString surroundingsText(Editor &editor);

/** What the plan shows, in words: its level, the current room and what surrounds it. */
QString planTextAlternative(Editor &editor);

/** The surroundings key: the view line says what surrounds the current room. */
void describeSurroundings(Editor &editor);

} // namespace rumbario
