// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcriptmapping.h"

#include "commands/transcriptturns.h"
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
