// SPDX-License-Identifier: GPL-3.0-or-later
#include "planpicture.h"

#include "core/safesave.h"
#include "editor.h"
#include "filetypes.h"
#include "useraction.h"

#include <algorithm>

namespace rumbario {

namespace {

/** Plan units above a level's rooms for its title. */
constexpr double titleBand = 0.5;
/** Pixels of a picture's longer side at most: about 200 MB of image while it is drawn. */
constexpr double largestPictureSide = 7000;

const QVector<FileType> &pictureFileTypes()
{
    // In the order of PictureFormat.
    static const QVector<FileType> types = {
        {QStringLiteral("Imagen PNG (*.png)"), QStringLiteral("png")},
        {QStringLiteral("Imagen SVG (*.svg)"), QStringLiteral("svg")},
        {QStringLiteral("Documento PDF (*.pdf)"), QStringLiteral("pdf")},
    };
    return types;
}

qint16 currentLevel(const MapStore &store, const PlanIndex &index)
{
    return qint16(index.shownPosition(store.currentRoom)[2]);
}

QVector<PlanPage> pagesOf(const MapStore &store, const PlanIndex &index, PictureFormat format)
{
    QVector<PlanPage> pages;
    if (format != PictureFormat::Pdf) {
        pages.append(planPage(store, index, currentLevel(store, index)));
        return pages;
    }
    for (int level : planLevels(store, index))
        pages.append(planPage(store, index, level));
    return pages;
}

void exportChosenPicture(Editor &editor)
{
    FileDialogSettings &dialog = editor.pictureDialog;
    const QVector<FileType> &types = pictureFileTypes();
    dialog.prepare(dialogFilter(types), false, dialogFolder(editor.services));
    dialog.title = QStringLiteral("Exportar imagen");
    if (!editor.services.runFileDialog(FileDialogMode::Save, dialog))
        return;
    const int chosen = chosenFileType(types, dialog.fileName, dialog.selectedFilter);
    const auto format = PictureFormat(chosen);
    const QString path = withExtension(dialog.fileName, types[chosen]);
    PlanIndex index;
    index.update(editor.store);
    const QVector<PlanPage> pages = pagesOf(editor.store, index, format);
    WindowServices &services = editor.services;
    const QString failure = saveSafely(
        path, [&](QIODevice &device) { return services.writePlanPicture(pages, format, device); });
    services.messageBox(
        failure.isEmpty()
            ? QStringLiteral("Plano exportado: %1").arg(path)
            : QStringLiteral("No se pudo exportar el plano a %1: %2").arg(path, failure),
        Buttons::Ok);
}

} // namespace

QVector<int> planLevels(const MapStore &store, const PlanIndex &index)
{
    QVector<int> levels;
    for (int room = 1; room <= store.roomCount && room <= index.roomCount(); ++room)
        levels.append(index.shownPosition(qint16(room))[2]);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    return levels;
}

PlanPage planPage(const MapStore &store, const PlanIndex &index, int level)
{
    const QRectF area = levelArea(store, index, level);
    PlanPage page;
    page.title = QStringLiteral("Nivel %1").arg(level);
    const QSizeF rooms(area.width() + 1, area.height() + 1 + titleBand);
    // A vast level is drawn smaller rather than as a picture no memory holds.
    page.viewport.scale =
        std::min(pictureScale, largestPictureSide / std::max(rooms.width(), rooms.height()));
    page.viewport.size = rooms * page.viewport.scale;
    // The band for the title lies above the rooms: the centre moves up by half of it.
    page.viewport.center = area.center() + QPointF(0, titleBand / 2);
    page.scene = buildLevelScene(store, index, page.viewport, level, 0);
    page.rooms = int(page.scene.boxes.size());
    return page;
}

void exportPlanPicture(Editor &editor)
{
    runUserAction(editor, [&editor] { exportChosenPicture(editor); });
}

void printPlan(Editor &editor)
{
    runUserAction(editor, [&editor] {
        PlanIndex index;
        index.update(editor.store);
        if (editor.services.printPlan(pagesOf(editor.store, index, PictureFormat::Pdf)) ==
            PrintResult::Failed)
            editor.services.messageBox(QStringLiteral("No se pudo imprimir el plano."),
                                       Buttons::Ok);
    });
}

} // namespace rumbario
