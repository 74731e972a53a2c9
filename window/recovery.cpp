// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery.h"

#include "core/planfile.h"
#include "core/recoverycopy.h"
#include "editor.h"
#include "roomview.h"
#include "useraction.h"

#include <QCoreApplication>
#include <QDir>

namespace rumbario {

namespace {

/** This run's copy: one name for the run, so that each write replaces the last. */
QString copyPath(Editor &editor)
{
    if (editor.recoveryCopy.isEmpty()) {
        const QString folder = editor.services.recoveryFolder();
        if (folder.isEmpty())
            return QString();
        // The time, the process and a count of this run's maps: no two copies share a name.
        static int maps = 0;
        editor.recoveryCopy = QDir(folder).filePath(
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
            QStringLiteral("-%1-%2.pln")
                .arg(QCoreApplication::applicationPid())
                .arg(++maps, 4, 10, QLatin1Char(u'0')));
    }
    return editor.recoveryCopy;
}

void writeCopy(Editor &editor)
{
    const QString path = copyPath(editor);
    // A copy that cannot be written is tried again after the next change; the map is whole.
    if (!path.isEmpty())
        writeRecoveryCopy(path, editor.store, QDateTime::currentDateTime());
}

QString listEntry(const RecoveryCopy &copy)
{
    return QStringLiteral("%1 · %2 · %3 salas")
        .arg(copy.written.toString(QStringLiteral("dd/MM/yyyy HH:mm")), copy.original)
        .arg(copy.rooms);
}

void openCopy(Editor &editor, const RecoveryCopy &copy)
{
    MapStore &store = editor.store;
    keepReplacedMap(editor);
    const bool whole = !readPlanFile(store, copy.path).incomplete();
    store.setMapName(copy.original);
    // It is the map as it was, still unsaved; this run's copy takes its place.
    store.noteAction(QStringLiteral("recuperación de %1").arg(copy.original), ModifiedEffect::Mark);
    store.setRoomCount(store.tableSize());
    store.selectRoom(1);
    editor.unreadPlan.clear();
    editor.recoveryCopy = copy.path;
    const QString damaged = whole ? QString()
                                  : QStringLiteral(" La copia estaba dañada: se muestran las "
                                                   "salas que se pudieron leer.");
    editor.services.messageBox(QStringLiteral("Mapa %1 recuperado, %2 salas. Guárdelo para "
                                              "conservarlo.%3")
                                   .arg(copy.original)
                                   .arg(store.roomCount)
                                   .arg(damaged),
                               Buttons::Ok);
    showRoomAfterOpen(editor);
}

} // namespace

void noteMapChange(Editor &editor)
{
    if (!editor.store.modified || editor.recoveryDue)
        return;
    editor.services.startRecoveryTimer(recoveryDelay);
    editor.recoveryDue = true;
}

void writeDueRecoveryCopy(Editor &editor)
{
    runUserAction(editor, [&editor] {
        editor.recoveryDue = false;
        if (editor.store.modified)
            writeCopy(editor);
    });
}

void writeRecoveryCopyNow(Editor &editor)
{
    writeCopy(editor);
}

void keepReplacedMap(Editor &editor)
{
    // Whatever the mark says (a failed save clears it), a map not on disk keeps its copy.
    if (editor.store.unsaved())
        writeCopy(editor);
    editor.recoveryCopy.clear();
}

void dropRecoveryCopy(Editor &editor)
{
    if (editor.recoveryCopy.isEmpty())
        return;
    removeRecoveryCopy(editor.recoveryCopy);
    editor.recoveryCopy.clear();
}

void removeOldRecoveryCopies(Editor &editor)
{
    const QString folder = editor.services.recoveryFolder();
    if (folder.isEmpty())
        return;
    const QDateTime limit = QDateTime::currentDateTime().addDays(-30);
    editor.waitingCopies = 0;
    for (const RecoveryCopy &copy : recoveryCopies(folder)) {
        if (copy.written < limit)
            removeRecoveryCopy(copy.path);
        else
            ++editor.waitingCopies;
    }
}

void recoverMap(Editor &editor)
{
    runUserAction(editor, [&editor] {
        const QString folder = editor.services.recoveryFolder();
        const std::vector<RecoveryCopy> copies =
            folder.isEmpty() ? std::vector<RecoveryCopy>() : recoveryCopies(folder);
        if (copies.empty()) {
            editor.services.messageBox(QStringLiteral("No hay mapas que recuperar."), Buttons::Ok);
            return;
        }
        QStringList entries;
        for (const RecoveryCopy &copy : copies)
            entries << listEntry(copy);
        const auto chosen = editor.services.chooseItem(
            QStringLiteral("Copias de mapas con cambios sin guardar, la más reciente primero:"),
            QStringLiteral("Recuperar mapa"), entries);
        if (chosen)
            openCopy(editor, copies[size_t(*chosen)]);
    });
}

} // namespace rumbario
