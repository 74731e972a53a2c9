// SPDX-License-Identifier: GPL-3.0-or-later
#include "planpages.h"

#include "core/safesave.h"
#include "editor.h"
#include "filetypes.h"
#include "useraction.h"

#include <QFileInfo>

#include <algorithm>

namespace rumbario {

namespace {

/** Plan units above a level's rooms for its title. */
constexpr double titleBand = 0.5;
/**
 * Plan units round a level's rooms: a line to another level ends in a labelled stub, which stays
 * inside.
 */
constexpr double pageMargin = 1.0;
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
    return qint16(index.shownPosition(store.currentRoom())[2]);
}

QVector<PlanPage> pagesOf(const Editor &editor, const PlanIndex &index, PictureFormat format)
{
    const QString name = planMapName(editor.planFileDialog.fileName);
    QVector<PlanPage> pages;
    if (format != PictureFormat::Pdf) {
        pages.append(planPage(editor.store, index, currentLevel(editor.store, index), name));
        return pages;
    }
    for (int level : planLevels(editor.store, index))
        pages.append(planPage(editor.store, index, level, name));
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
    const QVector<PlanPage> pages = pagesOf(editor, index, format);
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
    for (int room = 1; room <= store.roomCount() && room <= index.roomCount(); ++room)
        levels.append(index.shownPosition(qint16(room))[2]);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    return levels;
}

QString planMapName(const QString &planFile)
{
    const QString name = QFileInfo(planFile).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Mapa sin nombre") : name;
}

PlanPage planPage(const MapStore &store, const PlanIndex &index, int level, const QString &mapName)
{
    const QRectF area = levelArea(store, index, level);
    PlanPage page;
    page.title = QStringLiteral("%1 · Nivel %2").arg(mapName).arg(level);
    const QSizeF rooms(area.width() + 2 * pageMargin, area.height() + 2 * pageMargin + titleBand);
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

namespace {

/** Levels of this many rooms at most share a sheet, up to sharedSheet levels on one. */
constexpr int smallLevel = 2;
constexpr int sharedSheet = 4;

/** Consecutive pages printed on one sheet: small levels together, every other one alone. */
QVector<QVector<int>> groupPages(const QVector<PlanPage> &pages)
{
    QVector<QVector<int>> groups;
    bool lastSmall = false;
    for (int page = 0; page < pages.size(); ++page) {
        const bool small = pages[page].rooms <= smallLevel;
        if (small && lastSmall && groups.last().size() < sharedSheet)
            groups.last().append(page);
        else
            groups.append(QVector<int>{page});
        lastSmall = small;
    }
    return groups;
}

/** The size of a group's pages stacked one under another. */
QSizeF stackedSize(const QVector<PlanPage> &pages, const QVector<int> &group)
{
    QSizeF size(0, 0); // Not QSizeF(), which is -1 by -1.
    for (const int page : group) {
        size.setWidth(std::max(size.width(), pages[page].viewport.size.width()));
        size.setHeight(size.height() + pages[page].viewport.size.height());
    }
    return size;
}

double fitFactor(QSizeF content, QSizeF sheet, double largest)
{
    return std::min({sheet.width() / content.width(), sheet.height() / content.height(), largest});
}

} // namespace

PlanSheets arrangeSheets(const QVector<PlanPage> &pages, QSizeF portraitSheet, double largestFactor)
{
    const QVector<QVector<int>> groups = groupPages(pages);
    const QSizeF landscapeSheet = portraitSheet.transposed();
    // Each group votes for the way that shows it larger; a tie goes to the larger scales.
    int votes = 0;
    double gain = 0;
    for (const QVector<int> &group : groups) {
        const QSizeF size = stackedSize(pages, group);
        const double portrait = fitFactor(size, portraitSheet, largestFactor);
        const double landscape = fitFactor(size, landscapeSheet, largestFactor);
        votes += landscape > portrait ? 1 : landscape < portrait ? -1 : 0;
        gain += landscape - portrait;
    }
    PlanSheets sheets;
    sheets.landscape = votes > 0 || (votes == 0 && gain > 0);
    const QSizeF sheet = sheets.landscape ? landscapeSheet : portraitSheet;
    for (const QVector<int> &group : groups) {
        const QSizeF size = stackedSize(pages, group);
        const double factor = fitFactor(size, sheet, largestFactor);
        QPointF corner((sheet.width() - size.width() * factor) / 2,
                       (sheet.height() - size.height() * factor) / 2);
        QVector<PagePlacement> placed;
        for (const int page : group) {
            const QSizeF pageSize = pages[page].viewport.size * factor;
            const QPointF topLeft(corner.x() + (size.width() * factor - pageSize.width()) / 2,
                                  corner.y());
            placed.append(PagePlacement{page, topLeft, factor});
            corner.ry() += pageSize.height();
        }
        sheets.sheets.append(placed);
    }
    return sheets;
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
        if (editor.services.printPlan(pagesOf(editor, index, PictureFormat::Pdf)) ==
            PrintResult::Failed)
            editor.services.messageBox(QStringLiteral("No se pudo imprimir el plano."),
                                       Buttons::Ok);
    });
}

} // namespace rumbario
