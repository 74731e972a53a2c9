// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/codepage.h"
#include "core/transcript.h"

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>

namespace rumbario {

class MapStore;

/**
 * What the mapping of one game knows between readings of its transcript.
 *
 * A room is known again by its heading where the game prints one, else by the first sentence of
 * its description. Rooms that share a heading are told apart by the descriptions shown under it:
 * two are one room when one description opens with a sentence the other holds (a first visit may
 * add sentences before or after the usual ones); a heading alone, as brief mode prints it, is any
 * room of that heading, the one the exit taken leads to first. Two places printed alike are taken
 * for one (the mazes of old games, where every room reads the same, fold into one room with exits
 * to itself). Darkness is where the exit taken leads, or a new room, described by the darkness
 * until the game shows it lit. A room not seen yet (where a transcript begun mid-game started, or
 * one drawn in darkness) is the room drawn after it that leaves by an exit it has to the same
 * room: the two are joined. A room whose first sentence changes in a game without headings is
 * taken for a new room; a move answered with nothing draws nothing. After the game ends ("*** Has
 * muerto ***"), the player is next where the game shows a room the map knows (a restart, a
 * restore). A turn taken back ("deshacer") puts the player where the game shows, or where the
 * turn began.
 */
struct TranscriptMapping
{
    /**
     * What the game showed under a room's heading: every sentence, the opening ones, and the
     * last text whole (most arrivals show it again).
     */
    struct Descriptions
    {
        QSet<QString> sentences;
        QSet<QString> openings;
        QString last;
    };

    /** The rooms seen, by heading, or by first sentence in a game without headings. */
    QMultiHash<QString, qint16> rooms;
    QHash<qint16, Descriptions> descriptions;
    /** Rooms drawn from darkness: described by it until the game shows them lit. */
    QSet<qint16> seenOnlyInDarkness;
    /**
     * The game's own refusals, the first paragraphs of moves it refused ("The sea is too cold to
     * wade into."): they part lines of several commands.
     */
    QSet<QString> refusals;
    /** Exits the player took, as opposed to ways back only assumed when a room was drawn. */
    QSet<QPair<qint16, int>> walked;
    /** The room the player is in, 0 before the first turn. */
    qint16 here = 0;
    /** The room the mapping began in: where a transcript begun mid-game started. */
    qint16 start = 0;
    /** The room the player was in before the last turn: where taking it back leads. */
    qint16 before = 0;
    /** Whether the game prints headings, as learned so far. */
    ArrivalStyle style = ArrivalStyle::Unknown;
    /**
     * The game has ended, or put the player where the map does not know: nothing is drawn until
     * it shows a room the map knows.
     */
    bool whereaboutsUnknown = false;
    /** The game asked a yes or a no: the next turn is the reply, whatever its words. */
    bool awaitingReply = false;
    /**
     * Answers closed by a prompt, and the others: a game that prompts with a question at every
     * turn ("¿Y ahora?") asks nothing by it.
     */
    int promptedAnswers = 0;
    int plainAnswers = 0;
    /** The map took as many rooms as it can: nothing more is drawn. */
    bool full = false;
};

/**
 * Draws the turns into the map through the editor's own edits: a move into an unknown room
 * creates it in that direction as the creation key does (the way back assumed), a move into a
 * known room links the two, a refused move drops an assumed way back; each turn that changes the
 * map is one journal entry. A mapping that starts on a map with rooms continues from the room
 * the map shows.
 */
void drawTranscriptTurns(MapStore &store, TranscriptMapping &mapping,
                         const QVector<TranscriptTurn> &turns);

/** A transcript being read, perhaps while it grows. */
struct TranscriptReading
{
    QString path;
    /** Bytes read so far, and those of a line not ended yet. */
    qint64 readUpTo = 0;
    QByteArray partialLine;
    /** The last turn read, whose answer may still grow. */
    QString lastTurn;
    /** The transcript's code, once bytes that tell it were seen. */
    TextCode code = TextCode::Undecided;
    /** The first bytes read, to notice another game written over the file. */
    QByteArray start;
    TranscriptMapping mapping;
    bool following = false;
};

/**
 * Draws the bytes read next from a transcript: the turns they complete, each once it is whole;
 * until the end of what there is to read, the last turn waits, as its answer may go on.
 */
void feedTranscript(MapStore &store, TranscriptReading &reading, const QByteArray &bytes,
                    bool atEnd);

} // namespace rumbario
