// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcriptmapping.h"

#include "commands/transcriptturns.h"
#include "core/mapstore.h"
#include "core/planfile.h"
#include "editor.h"
#include "roomview.h"
#include "useraction.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace rumbario {

namespace {

/**
 * A transcript is read this much at a time: followed, a chunk a tick, so that no key waits long;
 * read once, chunk after chunk, so that memory holds the map and not the transcript.
 */
constexpr qint64 chunkSize = 1024 * 1024;
/** The bytes a transcript starts with, kept to notice another game written over it. */
constexpr qint64 startLength = 256;

/** The bytes added to a file since an offset, a chunk of them, or why they cannot be read. */
QString readAddedBytes(TranscriptReading &reading, QByteArray &bytes)
{
    const QFileInfo info(reading.path);
    if (!info.exists())
        return QStringLiteral("el archivo ya no existe");
    if (!info.isFile())
        return QStringLiteral("no es un archivo de datos");
    QFile file(reading.path);
    if (!file.open(QIODevice::ReadOnly))
        return info.isReadable() ? file.errorString()
                                 : QStringLiteral("no tiene permiso para leerlo");
    if (!reading.following && reading.readUpTo == 0 && file.size() > maxPlanFileSize)
        return QStringLiteral("pasa de %1 MB").arg(maxPlanFileSize / (1024 * 1024));
    // Another game written over the one followed: shorter, or with another start.
    const QByteArray start = file.read(startLength);
    if (file.size() < reading.readUpTo || !start.startsWith(reading.start.left(start.size())))
        return QStringLiteral("ha vuelto a empezar con otra partida");
    if (reading.start.size() < start.size())
        reading.start = start;
    if (!file.seek(reading.readUpTo))
        return file.errorString();
    bytes = file.read(chunkSize);
    reading.readUpTo += bytes.size();
    return QString();
}

/**
 * Reads what was added: a chunk when followed, all of it when read once. False, after saying
 * why, when the transcript cannot be read or the map cannot take more rooms.
 */
bool readMore(Editor &editor)
{
    TranscriptReading &reading = editor.transcript;
    const qint64 size = QFileInfo(reading.path).size();
    // Read once, a long transcript shows how far it has got.
    const bool showsProgress = !reading.following && size > 2 * chunkSize;
    const QString task = QStringLiteral("Cartografiando la partida…");
    for (;;) {
        QByteArray bytes;
        const QString failure = readAddedBytes(reading, bytes);
        if (!failure.isEmpty()) {
            if (showsProgress)
                editor.services.showProgress(task, 100);
            editor.services.messageBox(QStringLiteral("No se pudo leer la transcripción %1: %2")
                                           .arg(reading.path, failure),
                                       Buttons::Ok);
            return false;
        }
        const bool atEnd = !reading.following && bytes.size() < chunkSize;
        // Read once, a transcript's last line counts though nothing ends it.
        if (atEnd && !bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += '\n';
        feedTranscript(editor.store, reading, bytes, atEnd);
        if (reading.mapping.full) {
            if (showsProgress)
                editor.services.showProgress(task, 100);
            editor.services.messageBox(
                QStringLiteral("El mapa tiene ya %1 salas, las que caben: la partida se ha "
                               "cartografiado hasta ahí.")
                    .arg(maxRoomCount),
                Buttons::Ok);
            return false;
        }
        if (showsProgress)
            editor.services.showProgress(
                task, atEnd ? 100 : int(std::min<qint64>(99, 100 * reading.readUpTo / size)));
        if (reading.following || atEnd)
            return true;
    }
}

} // namespace

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
            // What was drawn before the map filled stays.
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
