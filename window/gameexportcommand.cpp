// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameexportcommand.h"

#include "core/gameexport.h"
#include "core/safesave.h"
#include "editor.h"
#include "useraction.h"

#include <QFileInfo>
#include <QIODevice>

namespace rumbario {

namespace {

QString exportFilter()
{
    QStringList parts;
    for (const GameFormatInfo &info : gameFormats())
        parts << info.filter << QStringLiteral("*.") + info.extension;
    return parts.join(u'|');
}

/** The extension typed chooses the format; a name without a known one takes the file type's. */
const GameFormatInfo &chosenFormat(const QString &path, const QString &selectedFilter)
{
    const QString typed = QFileInfo(path).suffix().toLower();
    for (const GameFormatInfo &info : gameFormats()) {
        if (info.extension == typed)
            return info;
    }
    for (const GameFormatInfo &info : gameFormats()) {
        if (info.filter == selectedFilter)
            return info;
    }
    return gameFormats().front();
}

void exportChosenFile(Editor &editor)
{
    FileDialogSettings &dialog = editor.exportDialog;
    dialog.prepare(exportFilter(), false, dialogFolder(editor.services));
    dialog.title = QStringLiteral("Exportar juego");
    if (!editor.services.runFileDialog(FileDialogMode::Save, dialog))
        return;
    const GameFormatInfo &format = chosenFormat(dialog.fileName, dialog.selectedFilter);
    QString path = dialog.fileName;
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + format.extension;
    const QString title = QFileInfo(editor.store.mapName).completeBaseName();
    const QByteArray source = exportGameSource(editor.store, format.format,
                                               title.isEmpty() ? QStringLiteral("Mapa1") : title);
    const QString failure = saveSafely(
        path, [&source](QIODevice &device) { return device.write(source) == source.size(); });
    if (failure.isEmpty()) {
        editor.services.messageBox(QStringLiteral("Juego exportado: %1, %2 salas")
                                       .arg(path, QString::number(editor.store.roomCount)),
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
