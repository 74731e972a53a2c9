// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

namespace rumbario {

/** One turn of a game's transcript: what the player typed and what the game answered. */
struct TranscriptTurn
{
    QString command;
    QString answer;
    /**
     * The short line that closed the game's words, kept out of the answer: the game's prompt
     * ("¿Y ahora qué?", "Teclea tus órdenes"), or a question that waits for a reply.
     */
    QString prompt;
};

/**
 * A transcript's or a game source's bytes as text, in the code they tell (see textCode), each
 * line ended by a line feed.
 */
QString transcriptText(QByteArrayView bytes);

/**
 * Ends with a line feed each line that a carriage return alone ends, as classic Mac OS and some
 * home computers' printers wrote them. A return that ends the bytes is left, as the line feed
 * read next may be its own; a line ended so reads as ended.
 */
void endLinesAtLoneReturns(QByteArray &bytes);

/**
 * The turns of a transcript. A line that starts with ">" (or ">>") holds a command; the lines after
 * it, up to the next such line, are the game's answer. What comes before the first command (the
 * game's opening and its first room) is the answer of a turn with no command.
 */
QVector<TranscriptTurn> transcriptTurns(QStringView text);

/**
 * The turns a line of several commands stands for, "n. e. s" or "n then e" as games take them,
 * each with its part of the answer: a heading for each move and look where the answer shows as
 * many, else (moves only, some refused) a refusal or a heading for each; refusals are known by
 * the words games use, or are among the game's own (see firstParagraph). Where the answer does
 * not part so, the line is one turn whose answer begins at the last heading, where the player
 * ended. A line without a move is its own turn.
 */
QVector<TranscriptTurn> chainedTurns(const TranscriptTurn &turn,
                                     const QSet<QString> &refusals = QSet<QString>());

/** Whether a line holds several commands ("n. e", "abrir puerta entonces n"), a move among them. */
bool chainsMoves(const QString &line);

/** The first paragraph of an answer, its lines joined: a refusal, as it is known again. */
QString firstParagraph(QStringView answer);

/**
 * The exit slot a command moves through, or -1 when it is no movement: "n", "norte", "ir al
 * norte", "ve hacia el norte", "sube", "sal", "north", "go up"…, capitals and accents ignored.
 */
int movementSlot(QStringView command);

/** Whether a command looks at the room without moving: "mirar", "m", "look", "l". */
bool looksAround(QStringView command);

/** Whether a command takes the last turn back: "deshacer", "anular", "undo". */
bool undoesTurn(QStringView command);

/**
 * The line with which a game tells it has ended, "*** Has muerto ***" or "*** You have won ***"
 * as Inform and INFSP games print it; empty while it goes on.
 */
QString gameEndLine(QStringView answer);

/** Whether an answer refuses a move in words games use: "No puedes ir por ahí.", "can't"… */
bool refusesMove(QStringView answer);

/**
 * Whether a turn waits for a yes or a no: its words end with a question that asks no "what" or
 * "where" ("¿Quieres que intente reencarnarte?", "Do you want me to try?"), or ask again for one
 * ("Por favor, responde sí o no.").
 */
bool asksYesOrNo(const TranscriptTurn &turn);

/**
 * What a game shows of the room the player is in: its heading where the game prints one (a short
 * line of its own, without a full stop, as Inform, INFSP and the classic commercial games do, or
 * a sentence after a blank line, as Inform prints a room named "Estás en una cueva."), and the
 * first sentence of its description.
 */
struct RoomSighting
{
    QString heading;
    QString firstSentence;
    /** The text shown with the heading, its lines joined; empty for a heading alone. */
    QString text;
    /** The text the map keeps as the room's description. */
    QString description;

    /**
     * The game shows darkness instead of the room ("Oscuridad", "Darkness", "It is pitch
     * black."): any place may read so, and it tells nothing of which one the player is in.
     */
    bool dark = false;

    /** How the room is known again: by its heading, else by its first sentence. */
    QString identity() const;
    bool isEmpty() const { return heading.isEmpty() && firstSentence.isEmpty(); }
};

/** The sentences of a text, blanks simplified: what tells apart rooms that share a heading. */
QStringList sentencesOf(const QString &text);

/**
 * How a game shows an arrival, learned from its transcript: with a heading, or (DAAD and PAWS
 * games) with the description alone. Unknown until the first heading or the first room.
 */
enum class ArrivalStyle { Unknown, Headed, Unheaded };

/**
 * The room an answer shows, or an empty sighting when it shows none. Once a game is known to
 * print headings, an answer without one shows no room, whatever its words; otherwise a room is
 * seen only in what reads like its description, not in a refusal nor in one sentence that names
 * the way the player tried (slot, or -1 for none). Transcript headers, banners and interpreter
 * messages are never rooms. Seeing a heading teaches the style.
 */
RoomSighting roomSighting(QStringView answer, ArrivalStyle &style, int slot = -1);

/**
 * The room a game's opening shows last, after its title and introduction; none when the
 * transcript starts in the middle of a game, with only the interpreter's header.
 */
RoomSighting openingRoomSighting(QStringView opening, ArrivalStyle &style);

} // namespace rumbario
