// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcriptturns.h"

#include "core/codepage.h"
#include "core/mapstore.h"
#include "roomcreation.h"

#include <algorithm>
#include <limits>

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

/** A room the game has not shown yet, or shown only in darkness. */
bool isUnseen(const MapStore &store, const TranscriptMapping &mapping, qint16 room)
{
    return isUndescribed(store, room) || mapping.seenOnlyInDarkness.contains(room);
}

/** Learns where a sighting was seen: a room under its name, and the sentences shown under it. */
void remember(TranscriptMapping &mapping, qint16 room, const RoomSighting &sighting)
{
    if (sighting.isEmpty() || sighting.dark)
        return;
    if (!mapping.rooms.contains(sighting.identity(), room))
        mapping.rooms.insert(sighting.identity(), room);
    const auto known = mapping.descriptions.constFind(room);
    if (sighting.text.isEmpty() ||
        (known != mapping.descriptions.cend() && known->last == sighting.text))
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

/**
 * The room seen before that a sighting shows, the one ahead first; 0 for a room not seen. Where
 * none of the rooms of its name holds its text, it is the one a way already taken leads to:
 * games change a room's text as the story goes (a disguise, the time of day).
 */
qint16 knownRoom(const TranscriptMapping &mapping, const RoomSighting &sighting, qint16 ahead,
                 bool aheadTaken = false)
{
    if (sighting.isEmpty())
        return 0;
    // Darkness tells nothing against the map: the player is where the exit leads, if anywhere.
    if (sighting.dark)
        return ahead;
    const QString identity = sighting.identity();
    const bool namedAhead = mapping.rooms.contains(identity, ahead);
    if (namedAhead && fits(mapping, ahead, sighting))
        return ahead;
    for (auto named = mapping.rooms.constFind(identity);
         named != mapping.rooms.cend() && named.key() == identity; ++named) {
        if (fits(mapping, *named, sighting))
            return *named;
    }
    return namedAhead && aheadTaken ? ahead : 0;
}

/** Takes the room the player is in as the one the game shows, or learns it. */
void recognise(MapStore &store, TranscriptMapping &mapping, const RoomSighting &sighting)
{
    if (sighting.isEmpty() || sighting.dark ||
        mapping.rooms.contains(sighting.identity(), mapping.here)) {
        remember(mapping, mapping.here, sighting);
        return;
    }
    if (mapping.rooms.contains(sighting.identity()))
        return;
    remember(mapping, mapping.here, sighting);
    if (isUnseen(store, mapping, mapping.here)) {
        describeNew(store, mapping.here, sighting);
        mapping.seenOnlyInDarkness.remove(mapping.here);
    }
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

/**
 * The room not yet seen (where a transcript begun mid-game started, or one drawn in darkness)
 * whose exit that way leads to the same room, taken or assumed: 0 for none.
 */
qint16 unseenLeadingTo(const MapStore &store, const TranscriptMapping &mapping, int slot,
                       qint16 reached)
{
    const auto leads = [&](qint16 room) {
        return room != mapping.here && store.room(room).exits[slot] == reached;
    };
    if (mapping.start != 0 && isUndescribed(store, mapping.start) && leads(mapping.start))
        return mapping.start;
    const auto dark =
        std::find_if(mapping.seenOnlyInDarkness.cbegin(), mapping.seenOnlyInDarkness.cend(), leads);
    return dark == mapping.seenOnlyInDarkness.cend() ? 0 : *dark;
}

/** What the mapping knows of a room, under the number the room takes. */
void renumber(TranscriptMapping &mapping, qint16 from, qint16 to)
{
    for (auto named = mapping.rooms.begin(); named != mapping.rooms.end(); ++named) {
        if (*named == from)
            *named = to;
    }
    if (mapping.descriptions.contains(from))
        mapping.descriptions[to] = mapping.descriptions.take(from);
    for (int slot = 0; slot < exitCount; ++slot) {
        if (mapping.walked.remove({from, slot}))
            mapping.walked.insert({to, slot});
    }
    const bool dark = mapping.seenOnlyInDarkness.remove(from);
    mapping.seenOnlyInDarkness.remove(to);
    if (dark)
        mapping.seenOnlyInDarkness.insert(to);
    if (mapping.before == from)
        mapping.before = to;
}

/** Every exit to one room leads to another instead. */
void redirectExits(MapStore &store, qint16 from, qint16 to)
{
    for (qint16 room = 1; room <= store.roomCount(); ++room) {
        for (int slot = 0; slot < exitCount; ++slot) {
            if (store.room(room).exits[slot] == from)
                store.setExit(room, slot, to);
        }
    }
}

/**
 * The room just left, drawn after the unseen one, is that room reached by another way: the unseen
 * room takes its description and exits (keeping its own where it took them), the last room takes
 * the number freed, and the player is in the room joined. Returns the number the room reached has
 * then.
 */
qint16 joinUnseen(MapStore &store, TranscriptMapping &mapping, qint16 unseen, qint16 reached)
{
    const qint16 freed = mapping.here;
    Room joined = store.room(freed);
    for (int slot = 0; slot < exitCount; ++slot) {
        const qint16 own = store.room(unseen).exits[slot];
        if (own != 0 && (joined.exits[slot] == 0 || mapping.walked.contains({unseen, slot})))
            joined.exits[slot] = own;
    }
    store.setRoom(unseen, joined);
    redirectExits(store, freed, unseen);
    // The room joined is described as the room left was, and is as dark as it was.
    renumber(mapping, freed, unseen);
    const qint16 last = store.roomCount();
    if (freed != last) {
        store.setRoom(freed, store.room(last));
        store.setCoordinates(freed, store.coordinatesOf(last));
        redirectExits(store, last, freed);
        renumber(mapping, last, freed);
    }
    store.selectRoom(unseen);
    store.setRoomCount(qint16(last - 1));
    store.truncateRooms(store.roomCount());
    store.resizeCoordinates(store.roomCount());
    mapping.here = unseen;
    store.noteAction(QStringLiteral("unión de la sala %1 con la %2").arg(freed).arg(unseen),
                     ModifiedEffect::Mark);
    return reached == freed ? unseen : reached == last ? freed : reached;
}

qint16 arrive(MapStore &store, TranscriptMapping &mapping, int slot, const RoomSighting &sighting)
{
    const qint16 from = mapping.here;
    const qint16 ahead = store.room(from).exits[slot];
    const qint16 known = knownRoom(mapping, sighting, ahead, mapping.walked.contains({from, slot}));
    // Out of a car, a bed or a wardrobe, the game shows the room again: the player left the
    // thing, not the room.
    if (known == from && slot == Out)
        return from;
    if (known == 0 && ahead != 0 && isUnseen(store, mapping, ahead)) {
        // The map already leads that way to a room not yet seen: the room a transcript begun
        // mid-game started in, reached again by the way back assumed to it, or a room drawn in
        // darkness, now lit, is that room.
        describeNew(store, ahead, sighting);
        remember(mapping, ahead, sighting);
        mapping.seenOnlyInDarkness.remove(ahead);
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
        if (sighting.dark)
            mapping.seenOnlyInDarkness.insert(created);
        return created;
    }
    remember(mapping, known, sighting);
    if (store.room(from).exits[slot] != known) {
        // The room just left may be one not seen before, reached then by another way: when the
        // unseen room's exit that way leads to the same room.
        const qint16 unseen = unseenLeadingTo(store, mapping, slot, known);
        if (unseen != 0 && unseen < from)
            return joinUnseen(store, mapping, unseen, known);
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

/**
 * After the game has ended, the player is where the game shows a room the map knows (a restart,
 * a restore, a reincarnation). Returns whether it showed one.
 */
bool returnToShownRoom(MapStore &store, TranscriptMapping &mapping, const TranscriptTurn &turn)
{
    const qint16 known = knownRoom(mapping, roomSighting(turn.answer, mapping.style), 0);
    if (known == 0)
        return false;
    mapping.here = known;
    store.selectRoom(known);
    return true;
}

/**
 * A turn taken back: the player is where the game shows, a room the map knows or the one the
 * turn began in, which the game may name for the first time.
 */
void takeBack(MapStore &store, TranscriptMapping &mapping, const TranscriptTurn &turn)
{
    const RoomSighting shown = roomSighting(turn.answer, mapping.style);
    if (shown.isEmpty())
        return; // Nothing to take back.
    const qint16 known = knownRoom(mapping, shown, mapping.before);
    mapping.here = known != 0 ? known : mapping.before;
    store.selectRoom(mapping.here);
    recognise(store, mapping, shown);
}

/**
 * The reply to a yes or a no is no move, even "n" or "s": the player stays, or is where the game
 * shows them; a room the map does not know leaves their whereabouts unknown.
 */
void takeReply(MapStore &store, TranscriptMapping &mapping, const TranscriptTurn &turn)
{
    if (!roomSighting(turn.answer, mapping.style).isEmpty())
        mapping.whereaboutsUnknown = !returnToShownRoom(store, mapping, turn);
}

/**
 * Where a room no direction leads to is put: the first square east of the room left that no
 * room has, so that no two rooms share a square (the room left's own if all of them are taken).
 */
Coordinates freeSquareEastOf(const MapStore &store, qint16 room)
{
    const auto taken = store.coordinates().mid(0, store.roomCount());
    Coordinates square = store.coordinatesOf(room);
    for (int x = square[0] + 1; x <= std::numeric_limits<qint16>::max(); ++x) {
        Coordinates beside = square;
        beside[0] = qint16(x);
        if (!taken.contains(beside))
            return beside;
    }
    return square;
}

/** Whether a line of an answer starts with the heading, as a room's does: not indented. */
bool headsALine(QStringView answer, const QString &heading)
{
    const auto lines = answer.split(u'\n');
    return std::any_of(lines.begin(), lines.end(),
                       [&heading](QStringView line) { return line.startsWith(heading); });
}

/**
 * The room the player was taken to by no exit, shown by its heading and text: the one the map
 * knows, or a new room that no exit joins yet, on the first free square east of the room left.
 * 0 where it cannot be told (darkness, a heading alone of a room not known) or the map is full.
 * Of the known rooms of its name, the preferred one first.
 */
qint16 placeShown(MapStore &store, TranscriptMapping &mapping, const RoomSighting &shown,
                  qint16 preferred)
{
    qint16 reached = knownRoom(mapping, shown, preferred);
    if (reached == 0) {
        if (shown.dark || shown.text.isEmpty() || store.roomCount() >= maxRoomCount)
            return 0;
        reached = createRoomAt(store, freeSquareEastOf(store, mapping.here));
        describeNew(store, reached, shown);
    }
    remember(mapping, reached, shown);
    return reached;
}

/**
 * A command that is no move shows, by its heading and text, a room other than the player's: a
 * spell, a dream, a vehicle has taken them there. The room is the one the map knows, or a new
 * room that no exit joins yet. A heading alone of an unknown room is no such sign (brief mode
 * prints a room's text the first time), nor a title set in the middle of a page a game shows.
 */
void teleport(MapStore &store, TranscriptMapping &mapping, const TranscriptTurn &turn)
{
    // A heading and its text take two lines: most answers, of one, need no more reading.
    if (!QStringView(turn.answer).trimmed().contains(u'\n'))
        return;
    const RoomSighting shown = roomSighting(turn.answer, mapping.style);
    if (shown.isEmpty() || shown.dark || shown.heading.isEmpty() ||
        !headsALine(turn.answer, shown.heading))
        return;
    if (isUnseen(store, mapping, mapping.here)) {
        recognise(store, mapping, shown);
        return;
    }
    const qint16 reached = placeShown(store, mapping, shown, mapping.here);
    if (reached != 0) {
        mapping.here = reached;
        store.selectRoom(reached);
    }
}

/**
 * Moves the answer could not be parted between took the player to the room it shows last, as a
 * command that is no move may. Where that room cannot be told (darkness, a game without
 * headings), the player is anywhere until the game shows a room the map knows: no exit is
 * drawn from a room they may not be in. A game with headings that shows none refused every move.
 */
void followUnpartedMoves(MapStore &store, TranscriptMapping &mapping, const TranscriptTurn &turn)
{
    const bool headed = mapping.style == ArrivalStyle::Headed;
    const RoomSighting shown = roomSighting(turn.answer, mapping.style);
    if (headed && shown.isEmpty())
        return;
    const qint16 reached = headed ? placeShown(store, mapping, shown, 0) : 0;
    mapping.whereaboutsUnknown = reached == 0;
    if (reached != 0) {
        mapping.here = reached;
        store.selectRoom(reached);
    }
}

void drawPlayedTurn(MapStore &store, TranscriptMapping &mapping, const TranscriptTurn &turn,
                    bool asks)
{
    if (undoesTurn(turn.command)) {
        takeBack(store, mapping, turn);
        return;
    }
    mapping.before = mapping.here;
    const int slot = movementSlot(turn.command);
    if (slot < 0) {
        // The opening, a look or any other command shows the room the player is still in.
        if (turn.command.isEmpty())
            recognise(store, mapping, openingRoomSighting(turn.answer, mapping.style));
        else if (looksAround(turn.command))
            recognise(store, mapping, roomSighting(turn.answer, mapping.style));
        else if (chainsMoves(turn.command))
            followUnpartedMoves(store, mapping, turn);
        else if (mapping.style == ArrivalStyle::Headed)
            teleport(store, mapping, turn);
    } else if (!turn.answer.trimmed().isEmpty()) {
        // A move answered with nothing tells nothing of where it led; one that shows no room
        // was refused.
        const RoomSighting arrival = roomSighting(turn.answer, mapping.style, slot);
        if (arrival.isEmpty()) {
            // Unless the game ended instead, as it does after "n" for "no, do not bring me back",
            // or asks first, as after a fatal fall ("¿Quieres que intente reencarnarte?"): the
            // way was taken.
            const bool refused =
                gameEndLine(turn.answer).isEmpty() && (!asks || refusesMove(turn.answer));
            if (refused) {
                refuse(store, mapping, slot);
                mapping.refusals.insert(firstParagraph(turn.answer));
            }
        } else {
            // The room left may turn out to be one seen before, under another number.
            const qint16 reached = arrive(store, mapping, slot, arrival);
            mapping.walked.insert({mapping.here, slot});
            mapping.here = reached;
            store.selectRoom(mapping.here);
        }
    }
}

/**
 * Whether a turn waits for a reply. A question in a room's own paragraph ("Estás en un claro.
 * ¿Hay flores?") asks nothing; one after it, as a troll asks for his toll, does. The opening
 * asks nothing: its closing question is the game's first prompt, whatever its words.
 */
bool waitsForReply(const TranscriptMapping &mapping, const TranscriptTurn &turn)
{
    const bool promptsAlways = mapping.promptedAnswers > mapping.plainAnswers;
    if (turn.command.isEmpty() || promptsAlways || !asksYesOrNo(turn))
        return false;
    ArrivalStyle style = mapping.style;
    const RoomSighting shown = roomSighting(turn.answer, style);
    const QString words = (turn.answer + turn.prompt).trimmed();
    const QString question = words.mid(words.lastIndexOf(QLatin1String("\n\n")) + 1).simplified();
    return shown.isEmpty() ||
           !question.contains(shown.firstSentence.isEmpty() ? shown.heading : shown.firstSentence);
}

/** One command and what the game answered it. */
void drawCommand(MapStore &store, TranscriptMapping &mapping, const TranscriptTurn &turn)
{
    const bool asks = waitsForReply(mapping, turn);
    if (mapping.whereaboutsUnknown)
        mapping.whereaboutsUnknown = !returnToShownRoom(store, mapping, turn);
    else if (mapping.awaitingReply)
        takeReply(store, mapping, turn);
    else
        drawPlayedTurn(store, mapping, turn, asks);
    mapping.awaitingReply = asks;
    mapping.whereaboutsUnknown = mapping.whereaboutsUnknown || !gameEndLine(turn.answer).isEmpty();
}

/** A line the player typed, of one command or several ("n. e. s"): one step back. */
void drawTurn(MapStore &store, TranscriptMapping &mapping, const TranscriptTurn &turn)
{
    for (const TranscriptTurn &command : chainedTurns(turn, mapping.refusals))
        drawCommand(store, mapping, command);
    ++(turn.prompt.isEmpty() ? mapping.plainAnswers : mapping.promptedAnswers);
    store.endAction();
}

/** A line this long without its end is taken as ended, and an answer this long as whole. */
constexpr qsizetype longestLine = 64 * 1024;
constexpr qsizetype longestTurn = 1024 * 1024;
/** Turns the lines ended so far into text, in the transcript's code. */
QString addedText(TranscriptReading &reading, const QByteArray &bytes)
{
    reading.partialLine += bytes;
    endLinesAtLoneReturns(reading.partialLine);
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
    if (mapping.here == 0) {
        mapping.here = store.currentRoom();
        mapping.start = mapping.here;
    }
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
