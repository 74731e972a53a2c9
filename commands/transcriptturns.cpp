// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcriptturns.h"

#include "core/codepage.h"
#include "core/mapstore.h"
#include "roomcreation.h"

#include <algorithm>

namespace rumbario {

namespace {

void describeNew(MapStore &store, qint16 room, const RoomSighting &sighting)
{
    Room described = store.room(room);
    described.description.setText(sighting.description.left(descriptionLength));
    store.setRoom(room, described);
}

bool isUndescribed(const MapStore &store, qint16 room)
{
    QString described = store.room(room).description.text();
    described.remove(QChar(0));
    return described.trimmed().isEmpty();
}

/** Learns where a sighting was seen: a room under its name, and the sentences shown under it. */
void remember(TranscriptMapping &mapping, qint16 room, const RoomSighting &sighting)
{
    if (sighting.isEmpty())
        return;
    if (!mapping.rooms.contains(sighting.identity(), room))
        mapping.rooms.insert(sighting.identity(), room);
    if (sighting.text.isEmpty() || mapping.descriptions.value(room).last == sighting.text)
        return;
    TranscriptMapping::Descriptions &seen = mapping.descriptions[room];
    const QStringList sentences = sentencesOf(sighting.text);
    seen.openings.insert(sentences.value(0));
    for (const QString &sentence : sentences)
        seen.sentences.insert(sentence);
    seen.last = sighting.text;
}

/** Whether a sighting may show a room: the one opens with a sentence the other holds. */
bool fits(const TranscriptMapping &mapping, qint16 room, const RoomSighting &sighting)
{
    const auto seen = mapping.descriptions.constFind(room);
    if (sighting.text.isEmpty() || seen == mapping.descriptions.constEnd() ||
        seen->last == sighting.text)
        return true;
    const QStringList sentences = sentencesOf(sighting.text);
    return seen->sentences.contains(sentences.value(0)) ||
           std::any_of(sentences.begin(), sentences.end(), [&seen](const QString &sentence) {
               return seen->openings.contains(sentence);
           });
}

/** The room seen before that a sighting shows, the one ahead first; 0 for a room not seen. */
qint16 knownRoom(const TranscriptMapping &mapping, const RoomSighting &sighting, qint16 ahead)
{
    if (sighting.isEmpty())
        return 0;
    const QList<qint16> named = mapping.rooms.values(sighting.identity());
    if (named.contains(ahead) && fits(mapping, ahead, sighting))
        return ahead;
    const auto fitting = std::find_if(named.begin(), named.end(),
                                      [&](qint16 room) { return fits(mapping, room, sighting); });
    return fitting == named.end() ? 0 : *fitting;
}

/** Takes the room the player is in as the one the game shows, or learns it. */
void recognise(MapStore &store, TranscriptMapping &mapping, const RoomSighting &sighting)
{
    if (sighting.isEmpty() || mapping.rooms.contains(sighting.identity(), mapping.here)) {
        remember(mapping, mapping.here, sighting);
        return;
    }
    if (mapping.rooms.contains(sighting.identity()))
        return;
    remember(mapping, mapping.here, sighting);
    if (isUndescribed(store, mapping.here))
        describeNew(store, mapping.here, sighting);
}

/** A move the game refused: an exit that was only assumed is dropped. */
void refuse(MapStore &store, TranscriptMapping &mapping, int slot)
{
    const qint16 target = store.room(mapping.here).exits[slot];
    if (target == 0 || mapping.walked.contains({mapping.here, slot}))
        return;
    store.setExitEverywhere(mapping.here, slot, 0);
    store.noteAction(QStringLiteral("salida sin vuelta de la sala %1").arg(mapping.here),
                     ModifiedEffect::Mark);
}

qint16 arrive(MapStore &store, TranscriptMapping &mapping, int slot, const RoomSighting &sighting)
{
    const qint16 from = mapping.here;
    const qint16 ahead = store.room(from).exits[slot];
    const qint16 known = knownRoom(mapping, sighting, ahead);
    if (known == 0 && ahead != 0 && isUndescribed(store, ahead)) {
        // The map already leads that way to a room not yet seen: the room a transcript begun
        // mid-game started in, reached again by the way back assumed to it, is that room.
        describeNew(store, ahead, sighting);
        remember(mapping, ahead, sighting);
        store.noteAction(QStringLiteral("descripción de la sala %1").arg(ahead),
                         ModifiedEffect::Mark);
        return ahead;
    }
    if (known == 0) {
        if (store.roomCount() >= maxRoomCount) {
            mapping.full = true;
            return from;
        }
        const qint16 created = createRoom(store, from, directions[slot].number);
        store.setExitEverywhere(from, slot, created);
        describeNew(store, created, sighting);
        remember(mapping, created, sighting);
        return created;
    }
    remember(mapping, known, sighting);
    if (store.room(from).exits[slot] != known) {
        store.setExitEverywhere(from, slot, known);
        // The way back is assumed until the game says otherwise, where none is known yet.
        const int back = directions[slot].opposite;
        if (known != from && store.room(known).exits[back] == 0)
            store.setExitEverywhere(known, back, from);
        store.noteAction(QStringLiteral("enlace de la sala %1 con la %2").arg(from).arg(known),
                         ModifiedEffect::Mark);
    }
    return known;
}

void drawTurn(MapStore &store, TranscriptMapping &mapping, const TranscriptTurn &turn)
{
    const int slot = movementSlot(turn.command);
    if (slot < 0) {
        // The opening, a look or any other command shows the room the player is still in.
        if (turn.command.isEmpty())
            recognise(store, mapping, openingRoomSighting(turn.answer, mapping.style));
        else if (looksAround(turn.command))
            recognise(store, mapping, roomSighting(turn.answer, mapping.style));
    } else if (!turn.answer.trimmed().isEmpty()) {
        // A move answered with nothing tells nothing of where it led; one that shows no room
        // was refused.
        const RoomSighting arrival = roomSighting(turn.answer, mapping.style, slot);
        if (arrival.isEmpty()) {
            refuse(store, mapping, slot);
        } else {
            const qint16 from = mapping.here;
            mapping.here = arrive(store, mapping, slot, arrival);
            mapping.walked.insert({from, slot});
            store.selectRoom(mapping.here);
        }
    }
    store.endAction();
}

/** A line this long without its end is taken as ended, and an answer this long as whole. */
constexpr qsizetype longestLine = 64 * 1024;
constexpr qsizetype longestTurn = 1024 * 1024;
/** Turns the lines ended so far into text, in the transcript's code. */
QString addedText(TranscriptReading &reading, const QByteArray &bytes)
{
    reading.partialLine += bytes;
    qsizetype ended = reading.partialLine.lastIndexOf('\n') + 1;
    // A line that never ends is not kept waiting for ever.
    if (ended == 0 && reading.partialLine.size() > longestLine) {
        reading.partialLine += '\n';
        ended = reading.partialLine.size();
    }
    const QByteArray lines = reading.partialLine.left(ended);
    reading.partialLine.remove(0, ended);
    if (reading.code == TextCode::Undecided)
        reading.code = textCode(lines);
    return decodedText(lines, reading.code);
}

/**
 * Draws the turns read whole; until the end of what there is to read, the last one waits, as
 * its answer may go on in what comes next.
 */
void drawAddedTurns(MapStore &store, TranscriptReading &reading, const QString &text, bool atEnd)
{
    reading.lastTurn += text;
    qsizetype whole = reading.lastTurn.size();
    // A prompt begun after it shows the last turn's answer whole.
    const bool promptBegun = reading.following && reading.partialLine.startsWith('>');
    if (!atEnd && !promptBegun && whole <= longestTurn) {
        const qsizetype lastPrompt = reading.lastTurn.lastIndexOf(QStringLiteral("\n>"));
        whole = lastPrompt >= 0 ? lastPrompt + 1 : 0;
    }
    const QVector<TranscriptTurn> turns =
        transcriptTurns(QStringView(reading.lastTurn).left(whole));
    reading.lastTurn.remove(0, whole);
    drawTranscriptTurns(store, reading.mapping, turns);
}

} // namespace

void drawTranscriptTurns(MapStore &store, TranscriptMapping &mapping,
                         const QVector<TranscriptTurn> &turns)
{
    if (mapping.here == 0)
        mapping.here = store.currentRoom();
    store.selectRoom(mapping.here);
    for (const TranscriptTurn &turn : turns) {
        if (mapping.full)
            return;
        drawTurn(store, mapping, turn);
    }
}

void feedTranscript(MapStore &store, TranscriptReading &reading, const QByteArray &bytes,
                    bool atEnd)
{
    drawAddedTurns(store, reading, addedText(reading, bytes), atEnd);
}

} // namespace rumbario
