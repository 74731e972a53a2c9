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

/** A transcript being read, perhaps while it grows. */
struct TranscriptReading
{
    QString path;
    /** Bytes read so far, and those of a line not ended yet. */
    qint64 readUpTo = 0;
    QByteArray partialLine;
    /** The last turn read, whose answer may still grow. */
    QString lastTurn;
    /** Whether the transcript is UTF-8, once its first bytes were seen. */
    int utf8 = -1;
    /** The first bytes read, to notice another game written over the file. */
    QByteArray start;
    TranscriptMapping mapping;
    bool following = false;
};

/** The menu item that stops following a game, shown only while one is followed. */
constexpr const char *stopFollowingItemName = "fileStopFollowing";

/** "Archivo → Cartografiar partida...": reads a transcript and draws the game's map. */
void mapGameTranscript(Editor &editor);

/** Reads what was added to the transcript being followed and draws it. */
void followGameTranscript(Editor &editor);

/** Forgets the transcript being followed: its game is no longer the map's. */
void stopFollowingTranscript(Editor &editor);

} // namespace rumbario
