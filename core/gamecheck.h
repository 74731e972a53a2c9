// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapcheck.h"
#include "transcript.h"

namespace rumbario {

/** The walk a game was played with, as "Recorrido de prueba" wrote it; either part may be empty. */
struct PlayedWalk
{
    /** The movement commands, comments left out. */
    QStringList commands;
    /** The room each command must arrive in. */
    QVector<qint16> arrivals;
};

/** Reads a walk's commands file and its ".esperado" file ("5 Cueva" a line). */
PlayedWalk readPlayedWalk(QStringView commands, QStringView arrivals);

/**
 * Where a game and its map disagree, from the transcript of the game: each move checked against
 * the map from the room the game shows the player in, known by the names the game prints (exit
 * missing in the game, leading elsewhere, or missing in the map; rooms the map does not have).
 * With the walk it was played with, also where the transcript leaves the walk, and the commands
 * that could not check what the walk meant them to because the player was elsewhere.
 */
QVector<ProblemGroup> checkGame(const MapStore &store, const QVector<TranscriptTurn> &turns,
                                const PlayedWalk &walk);

} // namespace rumbario
