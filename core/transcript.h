// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QVector>

namespace rumbario {

/** One turn of a game's transcript: what the player typed and what the game answered. */
struct TranscriptTurn
{
    QString command;
    QString answer;
};

/** A transcript's bytes as text: UTF-8 or Windows-1252, told apart as plan files are. */
QString transcriptText(QByteArrayView bytes);

/**
 * The turns of a transcript. A line that starts with ">" holds a command; the lines after it, up
 * to the next such line, are the game's answer. What comes before the first command (the game's
 * opening and its first room) is the answer of a turn with no command.
 */
QVector<TranscriptTurn> transcriptTurns(QStringView text);

/**
 * The exit slot a command moves through, or -1 when it is no movement: "n", "norte", "ir al
 * norte", "ve hacia el norte", "sube", "sal", "north", "go up"…, capitals and accents ignored.
 */
int movementSlot(QStringView command);

/** Whether a command looks at the room without moving: "mirar", "m", "look", "l". */
bool looksAround(QStringView command);

/** Whether the game refused a move: "No puedes ir por ahí.", "You can't go that way."… */
bool refusesMove(QStringView answer);

/**
 * What a game shows of the room the player is in, as two parts: the room's heading where the
 * game prints one (a short line of its own, without a full stop, before the description, as
 * Inform and INFSP games do), else empty; and the first sentence of its description.
 */
struct RoomSighting
{
    QString heading;
    QString firstSentence;
    /** The text the map keeps as the room's description. */
    QString description;

    /** How the room is known again: by its heading, else by its first sentence. */
    QString identity() const;
    bool isEmpty() const { return heading.isEmpty() && firstSentence.isEmpty(); }
};

/** The room an answer shows first: what a move or a look prints before anything else. */
RoomSighting roomSighting(QStringView answer);

/** The room a game's opening shows last, after its title and introduction. */
RoomSighting openingRoomSighting(QStringView opening);

} // namespace rumbario
