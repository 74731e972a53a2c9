// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameimportcommand.h"

#include "core/gameimport.h"
#include "core/planfile.h"
#include "editor.h"
#include "filetypes.h"
#include "openandsave.h"
#include "roomview.h"
#include "useraction.h"

#include <QFileInfo>

namespace rumbario {

namespace {

const QString importTitle = QStringLiteral("Importar juego");

/** The rooms read become the map as a plan file of them would: coordinates from the exits. */
void replaceMap(Editor &editor, const ImportedGame &game, const QString &path)
{
    leaveReplacedMap(editor);
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
    if (!game.included.isEmpty())
        lines.append({0, QStringLiteral("Leídos también (%1): %2.")
                             .arg(game.included.size())
                             .arg(game.included.join(QStringLiteral(", ")))});
    if (!game.notRead.isEmpty())
        lines.append({0, QStringLiteral("No se pudo leer (%1):").arg(game.notRead.size())});
    for (const QString &line : game.notRead)
        lines.append({0, QStringLiteral("  ") + line});
    editor.services.showReport(importTitle, lines, false);
}

} // namespace

bool openGameSource(Editor &editor, const QString &path)
{
    const auto bytes =
        readChosenFile(editor, path, maxGameSourceSize,
                       QStringLiteral("es demasiado grande para ser el código de un juego"),
                       QStringLiteral("No se pudo importar"), importTitle);
    if (!bytes)
        return false;
    const ImportedGame game = importGame(*bytes, path, IncludedFiles::Read);
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
        dialog.prepare(QStringLiteral("Código de juegos (*.inf *.ni *.i7x *.dsf *.sce *.qse *.txp "
                                      "*.zil)|*.inf;*.ni;*.i7x;*.dsf;*.sce;*.qse;*.txp;*.zil|"
                                      "Todos los archivos (*.*)|*.*"),
                       true, dialogFolder(editor.services));
        dialog.title = importTitle;
        if (editor.services.runFileDialog(FileDialogMode::Open, dialog))
            openGameSource(editor, dialog.fileName);
    });
}

} // namespace rumbario
