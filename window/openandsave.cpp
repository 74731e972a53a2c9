// SPDX-License-Identifier: GPL-3.0-or-later
#include "openandsave.h"

#include "core/planfile.h"
#include "core/safesave.h"
#include "editor.h"
#include "recovery.h"
#include "roomview.h"
#include "transcriptmapping.h"
#include "useraction.h"

#include <QFileInfo>

namespace rumbario {

namespace {

const QString planFilter = QStringLiteral("Archivos de plano (*.pln)|*.pln");

QString roomsWithBadData(const ReadResult &result)
{
    const QString range = QStringLiteral("entre -32768 y 32767");
    if (result.badRecords == 1) {
        return QStringLiteral("la sala %1 tiene un dato que no es un número %2")
            .arg(QString::number(result.firstBadRecord), range);
    }
    return QStringLiteral("%1 salas tienen un dato que no es un número %2 (la primera, la sala %3)")
        .arg(QString::number(result.badRecords), range, QString::number(result.firstBadRecord));
}

/** What could not be read, in Spanish, for a read that opened the file. */
QString whatWasLost(const ReadResult &result)
{
    QStringList reasons;
    if (result.badRecords > 0)
        reasons << roomsWithBadData(result);
    if (result.tooManyRecords)
        reasons << QStringLiteral("el archivo tiene más de %1 salas").arg(maxRoomCount);
    return reasons.join(QStringLiteral("; "));
}

QString roomsShown(qint16 rooms)
{
    if (rooms == 1)
        return QStringLiteral("Se muestra la única sala leída.");
    return QStringLiteral("Se muestran las %1 salas leídas.").arg(rooms);
}

void reportRead(Editor &editor, const ReadResult &result)
{
    const qint16 rooms = editor.store.tableSize();
    QString text;
    if (!result.openError.isEmpty()) {
        text = QStringLiteral("No se pudo abrir el mapa %1: %2.")
                   .arg(editor.store.mapName(), result.openError);
    } else if (result.failure == ReadFailure::Other) {
        text = QStringLiteral("No se pudo leer todo el mapa %1: %2. %3")
                   .arg(editor.store.mapName(), whatWasLost(result), roomsShown(rooms));
    } else {
        text = QStringLiteral("Mapa ") + editor.store.mapName() +
               QStringLiteral(" cargado correctamente.") + QString::number(rooms) +
               QStringLiteral(" salas.");
    }
    editor.services.messageBox(text, Buttons::Ok);
}

void loadChosenFile(Editor &editor)
{
    MapStore &store = editor.store;
    // A game followed so far belongs to the map being replaced.
    stopFollowingTranscript(editor);
    const ReadResult result = readPlanFile(store, editor.store.mapName());
    // A doubtful read shows no message of its own, but its original is kept all the same.
    editor.unreadPlan = result.incomplete() || result.doubtful ? editor.store.mapName() : QString();
    editor.doubtfulPlan =
        result.doubtful && !result.incomplete() ? editor.store.mapName() : QString();
    // As read, the map matches the file.
    store.noteAction(QStringLiteral("apertura de %1").arg(editor.store.mapName()),
                     ModifiedEffect::Saved);
    // After a failed read too, the editor goes on with what was read, room 1 current. That is
    // settled before the message, so that a failure to show it cannot leave the count behind.
    store.setRoomCount(store.tableSize());
    store.selectRoom(1);
    if (result.openError.isEmpty())
        rememberRecentMap(editor, editor.store.mapName());
    reportRead(editor, result);
    showRoomAfterOpen(editor);
}

/** Before the first save over a file that could not be read whole, its original is kept. */
bool keepsWhatWasNotRead(Editor &editor)
{
    if (editor.unreadPlan.isEmpty() ||
        QFileInfo(editor.unreadPlan) != QFileInfo(editor.store.mapName()))
        return true;
    if (!keepOriginalBeside(editor.store.mapName()).isEmpty())
        return false;
    editor.unreadPlan.clear();
    return true;
}

} // namespace

bool chooseDiskAction(Editor &editor)
{
    const QString answer = editor.services.inputBox(
        QStringLiteral("Elija una opción: \r\n1. Abrir un mapa.\r\n2. guardar mapa actual."),
        QStringLiteral("acceso a disco"));
    const bool open = answer.contains(u'1');
    const bool save = answer.contains(u'2');
    if (open == save)
        return false;
    if (open)
        openPlan(editor);
    else
        savePlanAs(editor);
    return true;
}

void openPlan(Editor &editor)
{
    runUserAction(editor, [&editor] {
        editor.planFileDialog.prepare(planFilter + QStringLiteral("|Todos los archivos (*.*)|*.*"),
                                      true, dialogFolder(editor.services));
        if (!editor.services.runFileDialog(FileDialogMode::Open, editor.planFileDialog))
            return;
        if (!editor.planFileDialog.fileName.isEmpty())
            keepReplacedMap(editor);
        editor.store.setMapName(editor.planFileDialog.fileName);
        if (editor.store.mapName().isEmpty()) {
            editor.services.setText(TextBox::ViewLine,
                                    QStringLiteral("Proceso de carga cancelado"));
            return;
        }
        loadChosenFile(editor);
    });
}

void openGivenPlan(Editor &editor, const QString &path)
{
    runUserAction(editor, [&editor, &path] {
        keepReplacedMap(editor);
        editor.planFileDialog.fileName = path;
        editor.store.setMapName(path);
        loadChosenFile(editor);
    });
}

namespace {

/** Writes the map to its file, with the described message; the failure is silent. */
void writeMapFile(Editor &editor)
{
    const bool written =
        keepsWhatWasNotRead(editor) &&
        writePlanFile(editor.store, editor.store.mapName(), nullptr, oldContentKeeper(editor));
    if (written) {
        // On disk from now on, for a recovery timer that goes off while the message is shown.
        editor.store.markSaved();
        dropRecoveryCopy(editor);
        rememberRecentMap(editor, editor.store.mapName());
        editor.services.messageBox(QStringLiteral("Mapa ") + editor.store.mapName() +
                                       QStringLiteral(" guardado correctamente, ") +
                                       QString::number(editor.store.roomCount()) +
                                       QStringLiteral(" salas"),
                                   Buttons::Ok);
    } else if (editor.exitAfterSave) {
        // The failure is silent and the program ends: the copy is all that is left.
        writeRecoveryCopyNow(editor);
    }
    // The mark clears either way, but a map that did not reach the disk is still unsaved.
    editor.store.noteAction(QString(), written ? ModifiedEffect::Saved : ModifiedEffect::Unmarked);
    if (editor.exitAfterSave)
        editor.services.endProgram();
}

/** Saves through the file dialog; false when the dialog was cancelled. */
bool saveThroughDialog(Editor &editor)
{
    editor.planFileDialog.prepare(planFilter, false, dialogFolder(editor.services));
    if (!editor.services.runFileDialog(FileDialogMode::Save, editor.planFileDialog))
        return false;
    editor.store.setMapName(editor.planFileDialog.fileName);
    writeMapFile(editor);
    return true;
}

/** The closing question before a new map; false when the map is to stay. */
bool mayReplaceWithNewMap(Editor &editor)
{
    if (!editor.store.modified())
        return true;
    switch (editor.services.messageBox(QStringLiteral("¿Desea guardar los cambios?"),
                                       Buttons::YesNoCancel, QStringLiteral("Rumbario"))) {
    case Answer::Yes:
        // Unlike closing, a save cancelled keeps the map: nothing ends that would lose it.
        return saveThroughDialog(editor);
    case Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace

void savePlanAs(Editor &editor)
{
    runUserAction(editor, [&editor] { saveThroughDialog(editor); });
}

void leaveReplacedMap(Editor &editor)
{
    keepReplacedMap(editor);
    stopFollowingTranscript(editor);
    editor.unreadPlan.clear();
    editor.doubtfulPlan.clear();
    // A description being typed belonged to the old map.
    editor.typingDescription = false;
    editor.services.setColours(BoxColours::Normal);
    editor.services.giveFocus(Control::KeySurface);
}

void newMap(Editor &editor)
{
    bool replace = false;
    runUserAction(editor, [&] { replace = mayReplaceWithNewMap(editor); });
    if (!replace)
        return;
    runUserAction(editor, [&editor] {
        leaveReplacedMap(editor);
        startFreshMap(editor);
        editor.store.noteAction(QStringLiteral("mapa nuevo"), ModifiedEffect::Saved);
    });
}

void savePlan(Editor &editor)
{
    // A map that never had a file ("Mapa1", or a recovered copy of one) asks for one.
    if (!QFileInfo(editor.store.mapName()).isAbsolute()) {
        savePlanAs(editor);
        return;
    }
    runUserAction(editor, [&editor] { writeMapFile(editor); });
}

void rememberRecentMap(Editor &editor, const QString &path)
{
    QStringList maps = editor.services.recentMaps();
    maps.removeAll(path);
    maps.prepend(path);
    editor.services.setRecentMaps(maps.mid(0, recentMapCount));
}

void openRecentMap(Editor &editor, const QString &path)
{
    if (QFileInfo::exists(path)) {
        openGivenPlan(editor, path);
        return;
    }
    runUserAction(editor, [&editor, &path] {
        QStringList maps = editor.services.recentMaps();
        maps.removeAll(path);
        editor.services.setRecentMaps(maps);
        editor.services.messageBox(
            QStringLiteral("El mapa %1 ya no existe: se quita de los mapas recientes.").arg(path),
            Buttons::Ok);
    });
}

namespace {

bool askBeforeClosing(Editor &editor)
{
    if (!editor.store.modified()) {
        // Nothing is asked, as always; a map that is still not on disk leaves its copy behind.
        if (editor.store.unsaved())
            writeRecoveryCopyNow(editor);
        return false;
    }
    switch (editor.services.messageBox(QStringLiteral("¿Desea guardar los cambios?"),
                                       Buttons::YesNoCancel, QStringLiteral("Rumbario"))) {
    case Answer::Yes:
        editor.exitAfterSave = true;
        savePlanAs(editor);
        return false;
    case Answer::No:
        dropRecoveryCopy(editor);
        return false;
    default:
        return true;
    }
}

} // namespace

bool closingRefused(Editor &editor)
{
    // A failure before the user has answered keeps the map open rather than closing it unsaved.
    bool staysOpen = true;
    runUserAction(editor, [&] { staysOpen = askBeforeClosing(editor); });
    return staysOpen;
}

} // namespace rumbario
