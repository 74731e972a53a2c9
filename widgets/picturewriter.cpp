// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturewriter.h"

#include "plandrawing.h"

#include <QBuffer>
#include <QIODevice>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace rumbario {

namespace {

/** Pixels of a picture's title, at the picture's scale of a room. */
constexpr int titlePixels = int(pictureScale / 4);
constexpr double largestRoomCm = 3.0;

QFont titleFont(const QFont &font)
{
    QFont title = font;
    title.setPixelSize(titlePixels);
    return title;
}

void paintPage(QPainter &painter, PlanDrawing &drawing, const PlanPage &page)
{
    const QRectF whole(QPointF(0, 0), page.viewport.size);
    painter.fillRect(whole, Qt::white);
    drawing.draw(painter, page.scene, page.viewport);
    drawing.drawHeading(painter, whole, page.title);
}

bool writePng(const PlanPage &page, QIODevice &device, const QFont &font)
{
    QImage image(page.viewport.size.toSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    PlanDrawing drawing(titleFont(font), PlanDrawing::Text::Cached);
    paintPage(painter, drawing, page);
    painter.end();
    return image.save(&device, "PNG");
}

bool writeSvg(const PlanPage &page, QIODevice &device, const QFont &font)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(page.viewport.size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), page.viewport.size));
    // The text is drawn as outlines: the title says what the picture holds.
    svg.setTitle(QStringLiteral("%1, %2 salas").arg(page.title).arg(page.rooms));
    svg.setDescription(QStringLiteral("Plano dibujado con Rumbario"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    PlanDrawing drawing(titleFont(font), PlanDrawing::Text::Outlined);
    paintPage(painter, drawing, page);
    return painter.end();
}

bool writePdf(const QVector<PlanPage> &pages, QIODevice &device, const QFont &font)
{
    QPdfWriter pdf(&device);
    pdf.setCreator(QStringLiteral("Rumbario"));
    pdf.setTitle(QStringLiteral("Plano"));
    pdf.setResolution(300);
    return paintPlanPages(pdf, pages, font);
}

} // namespace

bool paintPlanPages(QPagedPaintDevice &device, const QVector<PlanPage> &pages, const QFont &font)
{
    if (pages.isEmpty())
        return false;
    QPageLayout portrait = device.pageLayout();
    portrait.setOrientation(QPageLayout::Portrait);
    const QSizeF sheet = portrait.paintRectPixels(device.logicalDpiX()).size();
    // A small level is not blown up past three centimetres a room.
    const double largest = device.logicalDpiX() * largestRoomCm / 2.54 / pictureScale;
    const PlanSheets sheets = arrangeSheets(pages, sheet, largest);
    device.setPageOrientation(sheets.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PlanDrawing drawing(titleFont(font), PlanDrawing::Text::Cached);
    for (qsizetype i = 0; i < sheets.sheets.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        for (const PagePlacement &placed : sheets.sheets[i]) {
            painter.save();
            painter.translate(placed.topLeft);
            painter.scale(placed.factor, placed.factor);
            paintPage(painter, drawing, pages[placed.page]);
            painter.restore();
        }
    }
    return painter.end();
}

namespace {

bool drawPicture(const QVector<PlanPage> &pages, PictureFormat format, QIODevice &device,
                 const QFont &font)
{
    switch (format) {
    case PictureFormat::Png:
        return writePng(pages.first(), device, font);
    case PictureFormat::Svg:
        return writeSvg(pages.first(), device, font);
    case PictureFormat::Pdf:
        break;
    }
    return writePdf(pages, device, font);
}

} // namespace

bool writePlanPicture(const QVector<PlanPage> &pages, PictureFormat format, QIODevice &device,
                      const QFont &font)
{
    if (pages.isEmpty())
        return false;
    // The SVG and PDF writers drop what their device does not take without a word: the picture
    // is drawn in memory, and what the file does not take is seen here.
    QBuffer drawn;
    drawn.open(QIODevice::WriteOnly);
    if (!drawPicture(pages, format, drawn, font))
        return false;
    return device.write(drawn.data()) == drawn.size();
}

} // namespace rumbario
