// SPDX-License-Identifier: GPL-3.0-or-later
#include "plandrawing.h"

#include "core/directions.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <cmath>

namespace rumbario {

namespace {

const QColor ink(60, 60, 70);
const QColor boxFill(255, 255, 255);
const QColor currentFill(255, 213, 79);
const QColor broken(200, 30, 30);

void drawArrowhead(QPainter &painter, QPointF from, QPointF to)
{
    const QLineF line(from, to);
    if (line.length() < 1)
        return;
    const double angle = std::atan2(-line.dy(), line.dx());
    const double size = 7;
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - QPointF(std::cos(angle - 0.45) * size, -std::sin(angle - 0.45) * size));
    head.lineTo(to - QPointF(std::cos(angle + 0.45) * size, -std::sin(angle + 0.45) * size));
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

/** Up and down on the right edge, in and out on the left. */
QString markText(int slot)
{
    switch (slot) {
    case Up:
        return QStringLiteral("▲");
    case Down:
        return QStringLiteral("▼");
    case In:
        return QStringLiteral("●");
    default:
        return QStringLiteral("○");
    }
}

/** One line of a text broken to a width and centred in it, with its baseline. */
struct TextLine
{
    QString text;
    QPointF baseline;
};

QVector<TextLine> centredLines(const QFont &font, double width, const QString &text)
{
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QVector<TextLine> lines;
    double top = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const double left = (width - line.naturalTextWidth()) / 2;
        lines.append({text.mid(line.textStart(), line.textLength()).trimmed(),
                      QPointF(left, top + line.ascent())});
        top += line.height();
    }
    layout.endLayout();
    return lines;
}

} // namespace

PlanDrawing::PlanDrawing(const QFont &font, Text text)
    : mFont(font)
    , mText(text)
{}

QFont PlanDrawing::labelFont(double scale) const
{
    QFont label = mFont;
    // A dozen characters of description a line, at the default zoom.
    label.setPixelSize(std::max(6, int(2 * planBoxHalf * scale / 6.5)));
    return label;
}

QSizeF PlanDrawing::textSize(QPainter &painter, double width, const QString &text, TextCache &cache)
{
    if (mText == Text::Cached) {
        auto cached = cache.find(text);
        if (cached == cache.end()) {
            QStaticText laidOut(text);
            laidOut.setTextFormat(Qt::PlainText);
            laidOut.setTextWidth(width);
            laidOut.setTextOption(QTextOption(Qt::AlignHCenter));
            laidOut.prepare(QTransform(), painter.font());
            cached = cache.insert(text, laidOut);
        }
        return cached->size();
    }
    const QFontMetricsF metrics(painter.font());
    return QSizeF(width, centredLines(painter.font(), width, text).size() * metrics.height());
}

void PlanDrawing::drawText(QPainter &painter, QPointF topLeft, double width, const QString &text,
                           TextCache &cache)
{
    if (mText == Text::Cached) {
        textSize(painter, width, text, cache);
        painter.drawStaticText(topLeft, *cache.constFind(text));
        return;
    }
    QPainterPath outlines;
    for (const TextLine &line : centredLines(painter.font(), width, text))
        outlines.addText(topLeft + line.baseline, painter.font(), line.text);
    painter.fillPath(outlines, painter.pen().color());
}

void PlanDrawing::drawLines(QPainter &painter, const PlanScene &scene,
                            const PlanViewport &viewport) const
{
    const double scale = viewport.scale;
    for (const PlanScene::Line &line : scene.lines) {
        QPen pen(ink, std::max(1.0, scale / 30));
        if (line.toOtherLevel)
            pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        const QPointF start = viewport.toPixel(line.start);
        const QPointF end = viewport.toPixel(line.end);
        painter.drawLine(start, end);
        if (line.oneWay)
            drawArrowhead(painter, start, end);
    }
    painter.setPen(QPen(broken, std::max(2.0, scale / 20)));
    for (const PlanScene::Stub &stub : scene.stubs)
        painter.drawLine(viewport.toPixel(stub.start), viewport.toPixel(stub.end));
}

QHash<qint16, QRectF> PlanDrawing::drawBoxes(QPainter &painter, const PlanScene &scene,
                                             const PlanViewport &viewport)
{
    // Laying text out is the dearest part of a repaint; it only changes with the zoom.
    if (mCachedScale != viewport.scale) {
        mNumberCache.clear();
        mLabelCache.clear();
        mMarkCache.clear();
        mCachedScale = viewport.scale;
    }
    const double side = 2 * planBoxHalf * viewport.scale;
    const bool roomForLabels = side >= 34;
    QFont numberFont = mFont;
    numberFont.setBold(true);
    numberFont.setPixelSize(std::max(7, int(side / 3.2)));
    const QFont descriptionFont = labelFont(viewport.scale);
    QHash<qint16, QRectF> frames;
    for (const PlanScene::Box &box : scene.boxes) {
        const QPointF center = viewport.toPixel(box.center);
        const QRectF frame(center.x() - side / 2, center.y() - side / 2, side, side);
        frames.insert(box.room, frame);
        painter.setPen(QPen(ink, box.current ? 2.5 : 1.2));
        painter.setBrush(box.current ? currentFill : boxFill);
        painter.drawRect(frame);
        const bool labelled = roomForLabels && !box.label.isEmpty();
        painter.setFont(numberFont);
        const QString number = QString::number(box.room);
        const double numberTop =
            labelled ? frame.top() + 2
                     : center.y() - textSize(painter, side, number, mNumberCache).height() / 2;
        drawText(painter, QPointF(frame.left(), numberTop), side, number, mNumberCache);
        if (labelled) {
            painter.setFont(descriptionFont);
            drawText(painter, QPointF(frame.left() + 2, center.y()), side - 4, box.label,
                     mLabelCache);
        }
    }
    return frames;
}

void PlanDrawing::drawMarks(QPainter &painter, const PlanScene &scene, const PlanViewport &viewport,
                            const QHash<qint16, QRectF> &frames)
{
    QFont markFont = mFont;
    const double side = 2 * planBoxHalf * viewport.scale;
    markFont.setPixelSize(std::max(6, int(side / 4.5)));
    painter.setFont(markFont);
    const double markWidth = QFontMetricsF(markFont).height() * 1.2;
    for (const PlanScene::Mark &mark : scene.marks) {
        const auto frame = frames.constFind(mark.room);
        if (frame == frames.constEnd())
            continue;
        const bool top = mark.slot == Up || mark.slot == In;
        const bool right = mark.slot == Up || mark.slot == Down;
        const QRectF inside = frame->adjusted(2, 1, -2, -1);
        const QPointF corner(right ? inside.right() - markWidth : inside.left(),
                             top ? inside.top() : inside.bottom() - markWidth);
        painter.setPen(mark.broken ? broken : ink);
        drawText(painter, corner, markWidth, markText(mark.slot), mMarkCache);
    }
}

void PlanDrawing::draw(QPainter &painter, const PlanScene &scene, const PlanViewport &viewport)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    drawLines(painter, scene, viewport);
    painter.setRenderHint(QPainter::Antialiasing, mText == Text::Outlined);
    const QHash<qint16, QRectF> frames = drawBoxes(painter, scene, viewport);
    drawMarks(painter, scene, viewport, frames);
}

void PlanDrawing::drawHeading(QPainter &painter, const QRectF &area, const QString &heading)
{
    painter.setPen(ink);
    painter.setFont(mFont);
    const QFontMetricsF metrics(mFont);
    const QPointF baseline = area.topLeft() + QPointF(6, 4 + metrics.ascent());
    if (mText == Text::Cached) {
        painter.drawText(baseline, heading);
        return;
    }
    QPainterPath outline;
    outline.addText(baseline, mFont, heading);
    painter.fillPath(outline, ink);
}

} // namespace rumbario
