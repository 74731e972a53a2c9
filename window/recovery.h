// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/safesave.h"

namespace rumbario {

struct Editor;

/** How long after a change the copy of a map with unsaved changes is written, at the most. */
constexpr int recoveryDelay = 1500;

/** After an action that changed the map: a map with unsaved changes gets its copy soon. */
void noteMapChange(Editor &editor);

/** The recovery timer went off: the copy of a map with unsaved changes is written. */
void writeDueRecoveryCopy(Editor &editor);

/** The program ends after a failed save: the copy is written at once, whatever the mark says. */
void writeRecoveryCopyNow(Editor &editor);

/**
 * Another map is about to replace this one: its copy, brought up to date when it has unsaved
 * changes, stays; the new map gets a copy of its own.
 */
void keepReplacedMap(Editor &editor);

/** The map was saved, or its changes thrown away on closing: its copy goes. */
void dropRecoveryCopy(Editor &editor);

/**
 * Holds the old content of the map's file as a recovery copy while a save writes over the file
 * itself, so that "Recuperar mapa" offers it should the program be killed meanwhile.
 */
OldContentKeeper oldContentKeeper(Editor &editor);

/** Start-up: copies written more than 30 days ago go, without a word; the others are counted. */
void removeOldRecoveryCopies(Editor &editor);

/** Archivo → Recuperar mapa: lists the copies, newest first, and opens the chosen one unsaved. */
void recoverMap(Editor &editor);

} // namespace rumbario
