// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"

#include "core/gamecheck.h"
#include "core/planfile.h"
#include "editor.h"
#include "filetypes.h"
#include "mapreview.h"
#include "useraction.h"

#include <QDir>
#include <QFileInfo>

namespace rumbario {

namespace {

const QString planFilter =
    QStringLiteral("Archivos de plano (*.pln)|*.pln|Todos los archivos (*.*)|*.*");
const QString compareTitle = QStringLiteral("Comparar con otro mapa");
const QString checkTitle = QStringLiteral("Comprobar partida");

/** A transcript larger than this is refused: the largest a long game writes is far smaller. */
constexpr qint64 maxCheckedTranscript = 256 * 1024 * 1024;

QVector<ReportLine> comparisonLines(Editor &editor)
{
    editor.comparison = compareMaps(editor.store, *editor.comparedMap);
    editor.comparisonRevision = editor.store.journal().mapRevision();
    QVector<ReportLine> lines{
        {0, QStringLiteral("Este mapa comparado con %1:").arg(editor.comparedPath)}};
    lines += reportLinesOf(editor.comparison.groups, QStringLiteral("Los dos mapas son iguales."));
    return lines;
}

/** Reads a whole text file; nothing, and a message shown, when it cannot be read. */
std::optional<QByteArray> readChecked(Editor &editor, const QString &path)
{
    return readChosenFile(editor, path, maxCheckedTranscript, QStringLiteral("es demasiado grande"),
                          QStringLiteral("No se pudo leer"), checkTitle);
}

/**
 * The arrivals of the walk a transcript was played with: the ".esperado" file named after it,
 * else the only one in its folder, else the one the user chooses; empty when none is chosen.
 */
QString walkArrivalsFor(Editor &editor, const QString &transcript)
{
    if (QFileInfo(transcript + QStringLiteral(".esperado")).isFile())
        return transcript + QStringLiteral(".esperado");
    const QFileInfo info(transcript);
    const QStringList beside =
        info.dir().entryList({QStringLiteral("*.esperado")}, QDir::Files, QDir::Name);
    if (beside.size() == 1)
        return info.dir().filePath(beside.first());
    FileDialogSettings &dialog = editor.walkArrivalsDialog;
    dialog.prepare(QStringLiteral("Llegadas esperadas del recorrido (*.esperado)|*.esperado|"
                                  "Todos los archivos (*.*)|*.*"),
                   true, info.absolutePath());
    dialog.title = QStringLiteral("Recorrido con el que se jugó la partida");
    return editor.services.runFileDialog(FileDialogMode::Open, dialog) ? dialog.fileName
                                                                       : QString();
}

PlayedWalk playedWalk(Editor &editor, const QString &arrivalsPath)
{
    if (arrivalsPath.isEmpty())
        return {};
    const auto arrivals = readChecked(editor, arrivalsPath);
    if (!arrivals)
        return {};
    // The commands are the file the ".esperado" was written beside, when it is still there.
    QString commandsPath = arrivalsPath;
    commandsPath.chop(int(QStringLiteral(".esperado").size()));
    std::optional<QByteArray> commands;
    if (arrivalsPath.endsWith(QStringLiteral(".esperado")) && QFileInfo(commandsPath).isFile())
        commands = readChecked(editor, commandsPath);
    return readPlayedWalk(commands ? QString::fromUtf8(*commands) : QString(),
                          QString::fromUtf8(*arrivals));
}

void compareChosenMap(Editor &editor)
{
    FileDialogSettings &dialog = editor.compareDialog;
    dialog.prepare(planFilter, true, dialogFolder(editor.services));
    dialog.title = compareTitle;
    if (!editor.services.runFileDialog(FileDialogMode::Open, dialog))
        return;
    auto other = std::make_shared<MapStore>();
    const ReadResult read = readPlanFile(*other, dialog.fileName);
    if (!read.openError.isEmpty()) {
        editor.services.messageBox(
            QStringLiteral("No se pudo abrir el mapa %1: %2.").arg(dialog.fileName, read.openError),
            Buttons::Ok, compareTitle);
        return;
    }
    other->setRoomCount(other->tableSize());
    editor.comparedMap = std::move(other);
    editor.comparedPath = dialog.fileName;
    editor.followedReport = FollowedReport::Comparison;
    QVector<ReportLine> lines = comparisonLines(editor);
    if (read.incomplete())
        lines.insert(1, {0, QStringLiteral("El otro mapa no se pudo leer entero: se compara lo "
                                           "que se leyó.")});
    editor.services.showReport(compareTitle, lines, true);
}

void checkChosenGame(Editor &editor)
{
    FileDialogSettings &dialog = editor.transcriptDialog;
    dialog.prepare(QStringLiteral("Transcripciones de partidas (*.txt *.scr *.log)|"
                                  "*.txt;*.scr;*.log|Todos los archivos (*.*)|*.*"),
                   true, dialogFolder(editor.services));
    dialog.title = checkTitle;
    if (!editor.services.runFileDialog(FileDialogMode::Open, dialog))
        return;
    const QString path = dialog.fileName;
    const auto bytes = readChecked(editor, path);
    if (!bytes)
        return;
    const PlayedWalk walk = playedWalk(editor, walkArrivalsFor(editor, path));
    const QString text = transcriptText(*bytes);
    const QVector<ProblemGroup> groups = checkGame(editor.store, transcriptTurns(text), walk);
    QVector<ReportLine> lines{
        {0, QStringLiteral("La partida %1 comparada con el mapa:").arg(path)}};
    lines += reportLinesOf(groups, QStringLiteral("El juego y el mapa coinciden en cada orden."));
    editor.services.showReport(checkTitle, lines, false);
}

} // namespace

void compareWithOtherMap(Editor &editor)
{
    runUserAction(editor, [&editor] { compareChosenMap(editor); });
}

void checkPlayedGame(Editor &editor)
{
    runUserAction(editor, [&editor] { checkChosenGame(editor); });
}

QVector<ReportLine> followedReportLines(Editor &editor)
{
    if (editor.followedReport == FollowedReport::Comparison && editor.comparedMap)
        return comparisonLines(editor);
    return reviewLines(editor);
}

std::optional<QVector<ReportLine>> changedFollowedReportLines(Editor &editor)
{
    const quint64 revision = editor.store.journal().mapRevision();
    if (revision == editor.followedRevision)
        return std::nullopt;
    editor.followedRevision = revision;
    return followedReportLines(editor);
}

} // namespace rumbario
