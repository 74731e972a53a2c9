// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameimportcommand.h"

#include "core/gameimport.h"
#include "core/planfile.h"
#include "editor.h"
#include "recovery.h"
#include "roomview.h"
#include "transcriptmapping.h"
#include "useraction.h"

#include <QFile>
#include <QFileInfo>

namespace rumbario {

namespace {

const QString importTitle = QStringLiteral("Importar juego");

/** The source's bytes; a message and nothing when it cannot be read or is too large. */
std::optional<QByteArray> sourceBytes(Editor &editor, const QString &path)
{
    QFile file(path);
    QString failure;
    if (!QFileInfo(path).isFile())
        failure = QStringLiteral("no es un archivo de datos");
    else if (file.size() > maxGameSourceSize)
        failure = QStringLiteral("es demasiado grande para ser el código de un juego");
    else if (!file.open(QIODevice::ReadOnly))
        failure = file.errorString();
    if (failure.isEmpty()) {
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes;
        failure = file.errorString();
    }
    editor.services.messageBox(QStringLiteral("No se pudo importar %1: %2.").arg(path, failure),
                               Buttons::Ok, importTitle);
    return std::nullopt;
}

/** The rooms read become the map as a plan file of them would: coordinates from the exits. */
void replaceMap(Editor &editor, const ImportedGame &game, const QString &path)
{
    keepReplacedMap(editor);
    stopFollowingTranscript(editor);
    editor.unreadPlan.clear();
    editor.doubtfulPlan.clear();
    editor.typingDescription = false;
    editor.services.setColours(BoxColours::Normal);
    editor.services.giveFocus(Control::KeySurface);
    QByteArray records;
    for (const Room &room : game.rooms)
        records += planRecord(room);
    MapStore &store = editor.store;
    readPlanBytes(store, records);
    store.setRoomCount(store.tableSize());
    store.selectRoom(1);
    // A new map, to be saved under a name of its own: never over the game's source.
    store.setMapName(QFileInfo(path).completeBaseName() + QStringLiteral(".pln"));
    store.noteAction(QStringLiteral("importación de %1").arg(QFileInfo(path).fileName()),
                     ModifiedEffect::Mark);
    showRoomAfterOpen(editor);
}

void report(Editor &editor, const ImportedGame &game, const QString &path)
{
    QVector<ReportLine> lines{{0, QStringLiteral("%1 (%2): %3 salas, %4 salidas.")
                                      .arg(path, languageName(game.language))
                                      .arg(game.rooms.size())
                                      .arg(game.exits)}};
    if (!game.notRead.isEmpty())
        lines.append({0, QStringLiteral("No se pudo leer (%1):").arg(game.notRead.size())});
    for (const QString &line : game.notRead)
        lines.append({0, QStringLiteral("  ") + line});
    editor.services.showReport(importTitle, lines, false);
}

} // namespace

bool openGameSource(Editor &editor, const QString &path)
{
    const auto bytes = sourceBytes(editor, path);
    if (!bytes)
        return false;
    const ImportedGame game = importGame(*bytes, path);
    if (game.rooms.isEmpty()) {
        editor.services.messageBox(
            QStringLiteral("No se pudo importar %1: no se encontró ninguna sala de %2.")
                .arg(path, languageName(game.language)),
            Buttons::Ok, importTitle);
        return false;
    }
    replaceMap(editor, game, path);
    report(editor, game, path);
    return true;
}

void importGameSource(Editor &editor)
{
    runUserAction(editor, [&editor] {
        FileDialogSettings &dialog = editor.importDialog;
        dialog.prepare(QStringLiteral("Código de juegos (*.inf *.ni *.i7x *.dsf *.sce *.txp "
                                      "*.zil)|*.inf;*.ni;*.i7x;*.dsf;*.sce;*.txp;*.zil|"
                                      "Todos los archivos (*.*)|*.*"),
                       true, dialogFolder(editor.services));
        dialog.title = importTitle;
        if (editor.services.runFileDialog(FileDialogMode::Open, dialog))
            openGameSource(editor, dialog.fileName);
    });
}

} // namespace rumbario
