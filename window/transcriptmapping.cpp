// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcriptmapping.h"

#include "commands/roomcreation.h"
#include "core/codepage.h"
#include "core/mapstore.h"
#include "core/planfile.h"
#include "editor.h"
#include "roomview.h"
#include "useraction.h"

#include <QFile>
#include <QFileInfo>

namespace rumbario {

namespace {

void describeNew(MapStore &store, qint16 room, const RoomSighting &sighting)
{
    Room described = store.room(room);
    described.description.setText(sighting.description.left(descriptionLength));
    store.setRoom(room, described);
}

/** Takes the room the player is in as the one the game shows, or learns it. */
void recognise(MapStore &store, TranscriptMapping &mapping, const RoomSighting &sighting)
{
    if (sighting.isEmpty() || mapping.rooms.contains(sighting.identity()))
        return;
    mapping.rooms.insert(sighting.identity(), mapping.here);
    QString described = store.room(mapping.here).description.text();
    described.remove(QChar(0));
    if (described.trimmed().isEmpty())
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
    const qint16 known = sighting.isEmpty() ? 0 : mapping.rooms.value(sighting.identity());
    if (known == 0) {
        const qint16 created = createRoom(store, from, directions[slot].number);
        store.setExitEverywhere(from, slot, created);
        describeNew(store, created, sighting);
        if (!sighting.isEmpty())
            mapping.rooms.insert(sighting.identity(), created);
        return created;
    }
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
            recognise(store, mapping, openingRoomSighting(turn.answer));
        else if (looksAround(turn.command))
            recognise(store, mapping, roomSighting(turn.answer));
    } else if (refusesMove(turn.answer)) {
        refuse(store, mapping, slot);
    } else if (!turn.answer.trimmed().isEmpty()) {
        // A move the game answered with nothing tells nothing of where it led.
        const qint16 from = mapping.here;
        mapping.here = arrive(store, mapping, slot, roomSighting(turn.answer));
        mapping.walked.insert({from, slot});
        store.selectRoom(mapping.here);
    }
    store.endAction();
}

/** A followed transcript is read at most this much a time: it grows a turn at a time. */
constexpr qint64 chunkSize = 16 * 1024 * 1024;

/**
 * The bytes added to a file since an offset, or why they cannot be read: whole, up to the size
 * of the largest plan, or a chunk of them.
 */
QString readAddedBytes(const QString &path, qint64 &from, QByteArray &bytes, bool whole)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("el archivo ya no existe");
    if (!info.isFile())
        return QStringLiteral("no es un archivo de datos");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return info.isReadable() ? file.errorString()
                                 : QStringLiteral("no tiene permiso para leerlo");
    // A transcript started again from nothing is read again from its start.
    if (file.size() < from)
        from = 0;
    if (whole && file.size() - from > maxPlanFileSize)
        return QStringLiteral("pasa de %1 MB").arg(maxPlanFileSize / (1024 * 1024));
    if (!file.seek(from))
        return file.errorString();
    bytes = file.read(whole ? maxPlanFileSize : chunkSize);
    from += bytes.size();
    return QString();
}

/** Turns the lines ended so far into text, in the transcript's code. */
QString addedText(TranscriptReading &reading, const QByteArray &bytes)
{
    reading.partialLine += bytes;
    const qsizetype ended = reading.partialLine.lastIndexOf('\n') + 1;
    const QByteArray lines = reading.partialLine.left(ended);
    reading.partialLine.remove(0, ended);
    if (reading.utf8 < 0 && !lines.isEmpty())
        reading.utf8 = isMostlyUtf8(lines) ? 1 : 0;
    return reading.utf8 == 1 ? QString::fromUtf8(lines) : transcriptText(lines);
}

/**
 * Draws the turns read whole; while the transcript is followed the last one waits, as its
 * answer may still be written.
 */
void drawAddedTurns(MapStore &store, TranscriptReading &reading, const QString &text)
{
    reading.lastTurn += text;
    qsizetype whole = reading.lastTurn.size();
    // A prompt begun after it shows the last turn's answer whole.
    if (reading.following && !reading.partialLine.startsWith('>')) {
        const qsizetype lastPrompt = reading.lastTurn.lastIndexOf(QStringLiteral("\n>"));
        whole = lastPrompt >= 0 ? lastPrompt + 1 : 0;
    }
    const QVector<TranscriptTurn> turns =
        transcriptTurns(QStringView(reading.lastTurn).left(whole));
    reading.lastTurn.remove(0, whole);
    drawTranscriptTurns(store, reading.mapping, turns);
}

/** Reads what was added; false, after saying why, when the transcript cannot be read. */
bool readMore(Editor &editor)
{
    TranscriptReading &reading = editor.transcript;
    QByteArray bytes;
    // Read once, a transcript is read whole; followed, a chunk a call, so no key waits long.
    const QString failure =
        readAddedBytes(reading.path, reading.readUpTo, bytes, !reading.following);
    if (!failure.isEmpty()) {
        editor.services.messageBox(
            QStringLiteral("No se pudo leer la transcripción %1: %2").arg(reading.path, failure),
            Buttons::Ok);
        return false;
    }
    // Read once, a transcript's last line counts though nothing ends it.
    if (!reading.following && !bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    drawAddedTurns(editor.store, reading, addedText(reading, bytes));
    return true;
}

} // namespace

void drawTranscriptTurns(MapStore &store, TranscriptMapping &mapping,
                         const QVector<TranscriptTurn> &turns)
{
    if (mapping.here == 0)
        mapping.here = store.currentRoom();
    store.selectRoom(mapping.here);
    for (const TranscriptTurn &turn : turns)
        drawTurn(store, mapping, turn);
}

} // namespace rumbario

namespace rumbario {

void mapGameTranscript(Editor &editor)
{
    runUserAction(editor, [&editor] {
        FileDialogSettings &dialog = editor.transcriptDialog;
        dialog.prepare(QStringLiteral("Transcripciones de partidas (*.txt *.scr *.log)|"
                                      "*.txt;*.scr;*.log|Todos los archivos (*.*)|*.*"),
                       true, dialogFolder(editor.services));
        dialog.title = QStringLiteral("Cartografiar partida");
        if (!editor.services.runFileDialog(FileDialogMode::Open, dialog))
            return;
        stopFollowingTranscript(editor);
        editor.store.storeCurrentRoom();
        editor.transcript = TranscriptReading();
        editor.transcript.path = dialog.fileName;
        editor.transcript.following =
            editor.services.messageBox(
                QStringLiteral("¿Seguir la partida? El mapa seguirá dibujándose mientras se "
                               "juega y la transcripción crece."),
                Buttons::YesNo, QStringLiteral("Cartografiar partida")) == Answer::Yes;
        const bool read = readMore(editor);
        showRoom(editor);
        if (!read) {
            editor.transcript.following = false;
            return;
        }
        editor.services.followTranscript(editor.transcript.following);
        editor.services.messageBox(QStringLiteral("Partida cartografiada: %1 salas en el mapa.")
                                       .arg(editor.store.roomCount()),
                                   Buttons::Ok);
    });
}

void stopFollowingTranscript(Editor &editor)
{
    if (!editor.transcript.following)
        return;
    editor.transcript.following = false;
    editor.services.followTranscript(false);
}

void followGameTranscript(Editor &editor)
{
    if (!editor.transcript.following || editor.typingDescription)
        return;
    runUserAction(editor, [&editor] {
        const quint64 revision = editor.store.journal().revision();
        if (!readMore(editor)) {
            stopFollowingTranscript(editor);
            return;
        }
        if (editor.store.journal().revision() != revision)
            showRoom(editor);
    });
}

} // namespace rumbario
