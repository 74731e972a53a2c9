// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/transcriptturns.h"

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>

namespace rumbario {

struct Editor;
class MapStore;

/** The menu item that stops following a game, shown only while one is followed. */
constexpr const char *stopFollowingItemName = "fileStopFollowing";

/** "Archivo → Cartografiar partida...": reads a transcript and draws the game's map. */
void mapGameTranscript(Editor &editor);

/** Reads what was added to the transcript being followed and draws it. */
void followGameTranscript(Editor &editor);

/** Forgets the transcript being followed: its game is no longer the map's. */
void stopFollowingTranscript(Editor &editor);

} // namespace rumbario
