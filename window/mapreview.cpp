// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapreview.h"

#include "commands/findroom.h"
#include "core/mapcheck.h"
#include "core/numbers.h"
#include "core/safesave.h"
#include "editor.h"
#include "filetypes.h"
#include "useraction.h"

#include <QIODevice>

namespace rumbario {

namespace {

const QString reviewTitle = QStringLiteral("Revisar mapa");

/** The room a typed answer names: its number, else the next room whose description has it. */
std::optional<qint16> roomOfAnswer(const Editor &editor, const QString &answer)
{
    if (isNumeric(answer)) {
        const qint16 number = toInteger16(numericValue(answer));
        if (number >= 1 && number <= editor.store.roomCount())
            return number;
        return std::nullopt;
    }
    return findDescription(editor.store, answer);
}

QVector<ReportLine> wayLines(Editor &editor, qint16 to)
{
    const MapStore &store = editor.store;
    const qint16 from = store.currentRoom();
    const auto way = shortestWay(store, from, to);
    const QString between =
        QStringLiteral("De %1 a %2").arg(roomLabel(store, from), roomLabel(store, to));
    if (!way)
        return {{to, between + QStringLiteral(": no hay camino.")}};
    // The rooms of the way, for the plan to draw it.
    QVector<qint16> rooms{from};
    for (const int slot : *way)
        rooms.append(store.room(rooms.last()).exits[slot]);
    editor.shownWay = rooms;
    editor.shownWayRevision = store.journal().mapRevision();
    // In the words last chosen for a test walk, Spanish until then.
    const bool english = editor.walkDialog.selectedFilter.contains(QStringLiteral("inglés"));
    QStringList commands;
    for (const int slot : *way)
        commands << commandWord(slot, english ? CommandWords::English : CommandWords::Spanish);
    return {{to, between + QStringLiteral(", %1 movimientos:").arg(way->size())},
            {to, commands.join(QStringLiteral(", "))}};
}

const QVector<FileType> &walkFileTypes()
{
    static const QVector<FileType> types = {
        {QStringLiteral("Órdenes en español (*.txt)"), QStringLiteral("txt")},
        {QStringLiteral("Órdenes en inglés (*.txt)"), QStringLiteral("txt")},
    };
    return types;
}

void writeChosenWalk(Editor &editor)
{
    FileDialogSettings &dialog = editor.walkDialog;
    const QVector<FileType> &types = walkFileTypes();
    dialog.prepare(dialogFilter(types), false, dialogFolder(editor.services));
    dialog.title = QStringLiteral("Recorrido de prueba");
    if (!editor.services.runFileDialog(FileDialogMode::Save, dialog))
        return;
    // Both types are text: the one chosen in the dialog says the language.
    const bool english = dialog.selectedFilter == types[1].filter;
    const CommandWords words = english ? CommandWords::English : CommandWords::Spanish;
    const QString path = withExtension(dialog.fileName, types[0]);
    const TestWalk walk = testWalk(editor.store);
    const QByteArray commands = walkCommands(walk, words).toUtf8();
    const QByteArray arrivals = walkArrivals(editor.store, walk).toUtf8();
    const auto writing = [](const QByteArray &bytes) {
        return [&bytes](QIODevice &device) {
            return device.write(bytes) == bytes.size();
        };
    };
    QString failure = saveSafely(path, writing(commands));
    if (failure.isEmpty())
        failure = saveSafely(path + QStringLiteral(".esperado"), writing(arrivals));
    editor.services.messageBox(
        failure.isEmpty()
            ? QStringLiteral("Recorrido escrito: %1, %2 órdenes para %3 salidas.")
                  .arg(path)
                  .arg(walk.steps.size())
                  .arg(walk.exitsToWalk)
            : QStringLiteral("No se pudo escribir el recorrido %1: %2").arg(path, failure),
        Buttons::Ok);
}

} // namespace

QVector<ReportLine> reportLinesOf(const QVector<ProblemGroup> &groups, const QString &whenNone)
{
    if (groups.isEmpty())
        return {{0, whenNone}};
    QVector<ReportLine> lines;
    for (const ProblemGroup &group : groups) {
        lines.append({0, QStringLiteral("%1 (%2):").arg(group.title).arg(group.problems.size())});
        for (const MapProblem &problem : group.problems)
            lines.append({problem.room, QStringLiteral("  ") + problem.line});
    }
    return lines;
}

QVector<ReportLine> reviewLines(const Editor &editor)
{
    return reportLinesOf(reviewMap(editor.store), QStringLiteral("El mapa no tiene problemas."));
}

void showMapReview(Editor &editor)
{
    runUserAction(editor, [&editor] {
        editor.followedReport = FollowedReport::Review;
        editor.services.showReport(reviewTitle, reviewLines(editor), true);
    });
}

void showWayToRoom(Editor &editor)
{
    runUserAction(editor, [&editor] {
        const QString answer = editor.services.inputBox(
            QStringLiteral(
                "Introduzca la sala a la que ir: su número o un texto de su descripción"),
            QStringLiteral("Camino hasta una sala"));
        if (answer.trimmed().isEmpty())
            return;
        const auto room = roomOfAnswer(editor, answer.trimmed());
        if (!room) {
            editor.services.messageBox(QStringLiteral("No hay ninguna sala así."), Buttons::Ok);
            return;
        }
        editor.services.showReport(QStringLiteral("Camino hasta una sala"), wayLines(editor, *room),
                                   false);
    });
}

void writeTestWalk(Editor &editor)
{
    runUserAction(editor, [&editor] { writeChosenWalk(editor); });
}

} // namespace rumbario
