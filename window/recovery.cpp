// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery.h"

#include "core/planfile.h"
#include "core/recoverycopy.h"
#include "editor.h"
#include "planstatus.h"
#include "roomview.h"
#include "useraction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace rumbario {

namespace {

/** Where copies go, in order of preference: the user's data folder, then the spare one. */
QStringList copyFolders(const Editor &editor)
{
    QStringList folders{editor.services.recoveryFolder(), editor.services.spareRecoveryFolder()};
    folders.removeAll(QString());
    return folders;
}

/** A name no other copy has: the time, the process and a count of this run's files. */
QString uniqueCopyName(const QString &kind)
{
    static int files = 0;
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
           QStringLiteral("-%1-%2%3.pln")
               .arg(QCoreApplication::applicationPid())
               .arg(++files, 4, 10, QLatin1Char(u'0'))
               .arg(kind);
}

/** This map's copy keeps one name, so that each write replaces the last. */
const QString &copyName(Editor &editor)
{
    if (editor.recoveryCopyName.isEmpty())
        editor.recoveryCopyName = uniqueCopyName(QString());
    return editor.recoveryCopyName;
}

void writeCopy(Editor &editor)
{
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString &folder : copyFolders(editor)) {
        const QString path = QDir(folder).filePath(copyName(editor));
        if (!writeRecoveryCopy(path, editor.store, now).isEmpty())
            continue;
        // Written in another folder than last time: only the newest copy stays.
        if (!editor.recoveryCopy.isEmpty() && editor.recoveryCopy != path)
            removeRecoveryCopy(editor.recoveryCopy);
        editor.recoveryCopy = path;
        editor.recoveryCopyMissing = false;
        return;
    }
    // Tried again after the next change; meanwhile the legend says the map has no copy.
    editor.recoveryCopyMissing = true;
}

/** The copies of every folder, newest first. */
std::vector<RecoveryCopy> allCopies(const Editor &editor)
{
    std::vector<RecoveryCopy> copies;
    for (const QString &folder : copyFolders(editor)) {
        const std::vector<RecoveryCopy> found = recoveryCopies(folder);
        copies.insert(copies.end(), found.begin(), found.end());
    }
    std::stable_sort(
        copies.begin(), copies.end(),
        [](const RecoveryCopy &a, const RecoveryCopy &b) { return a.written > b.written; });
    return copies;
}

QString listEntry(const RecoveryCopy &copy)
{
    const QString original =
        copy.original.isEmpty() ? QStringLiteral("mapa de nombre desconocido") : copy.original;
    return QStringLiteral("%1 · %2 · %3 salas%4")
        .arg(copy.written.toString(QStringLiteral("dd/MM/yyyy HH:mm")), original)
        .arg(copy.rooms)
        .arg(copy.damaged ? QStringLiteral(" · dañada") : QString());
}

/** The list's lines: two copies that read alike are told apart by a number. */
QStringList listEntries(const std::vector<RecoveryCopy> &copies)
{
    QStringList entries;
    for (const RecoveryCopy &copy : copies) {
        const QString entry = listEntry(copy);
        const auto twins = std::count_if(entries.cbegin(), entries.cend(), [&](const QString &e) {
            return e == entry || e.startsWith(entry + QStringLiteral(" ("));
        });
        entries << (twins == 0 ? entry : QStringLiteral("%1 (%2)").arg(entry).arg(twins + 1));
    }
    return entries;
}

void openCopy(Editor &editor, const RecoveryCopy &copy)
{
    MapStore &store = editor.store;
    keepReplacedMap(editor);
    const bool whole = !readPlanFile(store, copy.path).incomplete() && !copy.damaged;
    store.setMapName(copy.original.isEmpty() ? QStringLiteral("Mapa1") : copy.original);
    // It is the map as it was, still unsaved; this run's copy takes its place.
    store.noteAction(QStringLiteral("recuperación de %1").arg(store.mapName()),
                     ModifiedEffect::Mark);
    store.setRoomCount(store.tableSize());
    store.selectRoom(1);
    editor.unreadPlan.clear();
    editor.doubtfulPlan.clear();
    editor.recoveryCopy = copy.path;
    editor.recoveryCopyName = QFileInfo(copy.path).fileName();
    const QString damaged = whole ? QString()
                                  : QStringLiteral(" La copia estaba dañada: se muestran las "
                                                   "salas que se pudieron leer.");
    editor.services.messageBox(QStringLiteral("Mapa %1 recuperado, %2 salas. Guárdelo para "
                                              "conservarlo.%3")
                                   .arg(store.mapName())
                                   .arg(store.roomCount())
                                   .arg(damaged),
                               Buttons::Ok);
    showRoomAfterOpen(editor);
}

} // namespace

void noteMapChange(Editor &editor)
{
    if (!editor.store.unsaved() || editor.recoveryDue)
        return;
    editor.services.startRecoveryTimer(recoveryDelay);
    editor.recoveryDue = true;
}

void writeDueRecoveryCopy(Editor &editor)
{
    // Not a user action: the timer may go off while an action waits on a dialog, and must not
    // close that action's journal entry.
    editor.recoveryDue = false;
    try {
        if (editor.store.unsaved())
            writeCopy(editor);
        showPlanStatus(editor);
    } catch (const RuntimeError &) {
        // The map's tables disagree; the next action reports it, and the next change tries again.
    } catch (const std::bad_alloc &) {
    }
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
    editor.recoveryCopyName.clear();
    editor.recoveryCopyMissing = false;
}

void dropRecoveryCopy(Editor &editor)
{
    editor.recoveryCopyMissing = false;
    if (editor.recoveryCopy.isEmpty())
        return;
    removeRecoveryCopy(editor.recoveryCopy);
    editor.recoveryCopy.clear();
}

OldContentKeeper oldContentKeeper(Editor &editor)
{
    return {[&editor](QByteArrayView oldContent) {
                const QString name = uniqueCopyName(QStringLiteral("-anterior"));
                for (const QString &folder : copyFolders(editor)) {
                    const QString path = QDir(folder).filePath(name);
                    if (keepAsRecoveryCopy(path, editor.store.mapName(), oldContent,
                                           QDateTime::currentDateTime())
                            .isEmpty())
                        return path;
                }
                return QString();
            },
            [](const QString &kept) {
                removeRecoveryCopy(kept);
            }};
}

void removeOldRecoveryCopies(Editor &editor)
{
    const QDateTime limit = QDateTime::currentDateTime().addDays(-30);
    editor.waitingCopies = 0;
    for (const RecoveryCopy &copy : allCopies(editor)) {
        if (copy.written < limit)
            removeRecoveryCopy(copy.path);
        else
            ++editor.waitingCopies;
    }
}

void recoverMap(Editor &editor)
{
    runUserAction(editor, [&editor] {
        const std::vector<RecoveryCopy> copies = allCopies(editor);
        if (copies.empty()) {
            editor.services.messageBox(QStringLiteral("No hay mapas que recuperar."), Buttons::Ok);
            return;
        }
        const auto chosen = editor.services.chooseItem(
            QStringLiteral("Copias de mapas con cambios sin guardar, la más reciente primero:"),
            QStringLiteral("Recuperar mapa"), listEntries(copies));
        if (chosen)
            openCopy(editor, copies[size_t(*chosen)]);
    });
}

} // namespace rumbario
