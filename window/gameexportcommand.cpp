// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameexportcommand.h"

#include "core/gameexport.h"
#include "core/safesave.h"
#include "editor.h"
#include "filetypes.h"
#include "useraction.h"

#include <QFileInfo>
#include <QIODevice>

namespace rumbario {

namespace {

QVector<FileType> gameFileTypes()
{
    QVector<FileType> types;
    for (const GameFormatInfo &info : gameFormats())
        types.append({info.filter, info.extension});
    return types;
}

void exportChosenFile(Editor &editor)
{
    FileDialogSettings &dialog = editor.exportDialog;
    const QVector<FileType> types = gameFileTypes();
    dialog.prepare(dialogFilter(types), false, dialogFolder(editor.services));
    dialog.title = QStringLiteral("Exportar juego");
    if (!editor.services.runFileDialog(FileDialogMode::Save, dialog))
        return;
    const int chosen = chosenFileType(types, dialog.fileName, dialog.selectedFilter);
    const GameFormatInfo &format = gameFormats().at(size_t(chosen));
    const QString path = withExtension(dialog.fileName, types[chosen]);
    const QString title = QFileInfo(editor.store.mapName()).completeBaseName();
    const QByteArray source = exportGameSource(editor.store, format.format,
                                               title.isEmpty() ? QStringLiteral("Mapa1") : title);
    const QString failure = saveSafely(
        path, [&source](QIODevice &device) { return device.write(source) == source.size(); });
    if (failure.isEmpty()) {
        editor.services.messageBox(QStringLiteral("Juego exportado: %1, %2 salas")
                                       .arg(path, QString::number(editor.store.roomCount())),
                                   Buttons::Ok);
    } else {
        editor.services.messageBox(
            QStringLiteral("No se pudo exportar el juego a %1: %2").arg(path, failure),
            Buttons::Ok);
    }
}

} // namespace

void exportGame(Editor &editor)
{
    runUserAction(editor, [&editor] { exportChosenFile(editor); });
}

} // namespace rumbario
