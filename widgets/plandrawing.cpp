// SPDX-License-Identifier: GPL-3.0-or-later
#include "plandrawing.h"

#include "core/directions.h"

#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace rumbario {

namespace {

const QColor ink(60, 60, 70);
const QColor boxFill(255, 255, 255);
const QColor currentFill(255, 213, 79);
const QColor broken(200, 30, 30);
const QColor wayColour(230, 120, 0);
/** What differs from a map compared with: magenta, and dotted or marked "≠" for black and white. */
const QColor differsColour(200, 0, 140);
const QString differsMark = QStringLiteral("≠");
/** Behind a stub's label: the lines under it faded, on the screen's paper or a picture's white. */
const QColor labelBackground(255, 255, 255, 190);

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

/** The marks of each room, in the order up, down, in, out, as one text. */
QHash<qint16, QString> marksByRoom(const PlanScene &scene)
{
    QHash<qint16, QString> marks;
    for (const int slot : {Up, Down, In, Out}) {
        for (const PlanScene::Mark &mark : scene.marks) {
            if (mark.slot == slot)
                marks[mark.room] += markText(slot);
        }
    }
    return marks;
}

/** The rooms one of whose marks leads to a room that does not exist. */
QSet<qint16> roomsWithBrokenMarks(const PlanScene &scene)
{
    QSet<qint16> rooms;
    for (const PlanScene::Mark &mark : scene.marks) {
        if (mark.broken)
            rooms.insert(mark.room);
    }
    return rooms;
}

/**
 * A box's border, a pen's width centred on its edges, and its inside: two fills, as a stroked
 * rectangle goes through the path stroker for any pen wider than a pixel, the dearest part of a
 * repaint with a whole level in view.
 */
void drawFrame(QPainter &painter, const QRectF &frame, const QColor &border, double width,
               const QColor &inside)
{
    const double half = width / 2;
    painter.fillRect(frame.adjusted(-half, -half, half, half), border);
    painter.fillRect(frame.adjusted(half, half, -half, -half), inside);
}

/**
 * Where a text starts to be centred in a width, from the top left of its line. Each text drawn
 * is one line already broken to its width: laid out again, a line that fits by the font's
 * measure may break once more, and its last word cover the line below.
 */
QPointF centredBaseline(const QFont &font, double width, const QString &text)
{
    const QFontMetricsF metrics(font);
    return QPointF((width - metrics.horizontalAdvance(text)) / 2, metrics.ascent());
}

QTextOption centredOnOneLine()
{
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::NoWrap);
    return option;
}

} // namespace

PlanDrawing::PlanDrawing(const QFont &font, Text text)
    : mFont(font)
    , mText(text)
{}

namespace {

/** A box's parts, as shares of its side: a row for the number and marks, three lines of name. */
constexpr double headShare = 0.3;
constexpr int labelLines = 3;
constexpr double margin = 2;

} // namespace

QFont PlanDrawing::labelFont(double scale) const
{
    QFont label = mFont;
    const double side = 2 * planBoxHalf * scale;
    const double lineHeight = (side * (1 - headShare) - 2 * margin) / labelLines;
    label.setPixelSize(std::max(6, int(lineHeight / 1.3)));
    return label;
}

QStringList PlanDrawing::wrapLabel(const QFontMetricsF &metrics, double width, const QString &text)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    QStringList lines;
    for (const QString &word : words) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + u' ' + word) <= width)
            lines.last() += u' ' + word;
        else
            lines.append(word);
    }
    // What the last line cannot hold ends in an ellipsis, as does a word wider than a line.
    if (lines.size() > labelLines) {
        lines[labelLines - 1] = lines.mid(labelLines - 1).join(u' ');
        lines.resize(labelLines);
        lines.last() =
            metrics.elidedText(lines.last() + QStringLiteral(" …"), Qt::ElideRight, width);
    }
    for (QString &line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, width);
    return lines;
}

QSizeF PlanDrawing::textSize(QPainter &painter, double width, const QString &text, TextCache &cache)
{
    if (mText == Text::Cached) {
        // The same text is laid out apart for each width it is centred in.
        const TextKey key{text, width};
        auto cached = cache.find(key);
        if (cached == cache.end()) {
            QStaticText laidOut(text);
            laidOut.setTextFormat(Qt::PlainText);
            laidOut.setTextWidth(width);
            laidOut.setTextOption(centredOnOneLine());
            laidOut.prepare(QTransform(), painter.font());
            cached = cache.insert(key, laidOut);
        }
        return cached->size();
    }
    return QSizeF(width, QFontMetricsF(painter.font()).height());
}

void PlanDrawing::drawText(QPainter &painter, QPointF topLeft, double width, const QString &text,
                           TextCache &cache)
{
    if (mText == Text::Cached) {
        textSize(painter, width, text, cache);
        painter.drawStaticText(topLeft, *cache.constFind(TextKey{text, width}));
        return;
    }
    QPainterPath outline;
    outline.addText(topLeft + centredBaseline(painter.font(), width, text), painter.font(), text);
    painter.fillPath(outline, painter.pen().color());
}

QVector<PlanDrawing::PendingLabel> PlanDrawing::drawLines(QPainter &painter, const PlanScene &scene,
                                                          const PlanViewport &viewport)
{
    QVector<PendingLabel> labels;
    const double scale = viewport.scale;
    const QFontMetricsF labelMetrics(labelFont(scale));
    for (const PlanScene::Line &line : scene.lines) {
        // A way asked for is thick, and orange where there is colour.
        QPen pen(line.onWay ? wayColour : ink, std::max(1.0, scale / 30) * (line.onWay ? 3 : 1));
        if (line.toOtherLevel)
            pen.setStyle(Qt::DashLine);
        if (line.differs) {
            pen.setColor(differsColour);
            pen.setWidthF(pen.widthF() * 2);
            pen.setStyle(Qt::DotLine);
        }
        painter.setPen(pen);
        const QPointF start = viewport.toPixel(line.start);
        const QPointF end = viewport.toPixel(line.end);
        painter.drawLine(start, end);
        if (line.oneWay)
            drawArrowhead(painter, start, end);
        if (!line.label.isEmpty() && 2 * planBoxHalf * scale >= 34) {
            const QSizeF size(labelMetrics.horizontalAdvance(line.label) + 2,
                              labelMetrics.height());
            labels.append({{end, end - start, size}, line.label, pen.color()});
        }
    }
    painter.setPen(QPen(broken, std::max(2.0, scale / 20)));
    for (const PlanScene::Stub &stub : scene.stubs)
        painter.drawLine(viewport.toPixel(stub.start), viewport.toPixel(stub.end));
    return labels;
}

namespace {

/**
 * The steps a label is moved by, as (along its stub, across it), nearest first: aside from the
 * stub, up to the room between two rows or columns of boxes, and along it, back over it or
 * further out. Both steps are as long, so the order is the same for every stub.
 */
const QVector<QPoint> &labelSteps()
{
    static const QVector<QPoint> steps = [] {
        QVector<QPoint> all;
        for (int along = -2; along <= 2; ++along) {
            for (int across = 0; across <= 4; ++across) {
                all.append(QPoint(along, across));
                if (across > 0)
                    all.append(QPoint(along, -across));
            }
        }
        std::stable_sort(all.begin(), all.end(), [](QPoint a, QPoint b) {
            return QPoint::dotProduct(a, a) < QPoint::dotProduct(b, b);
        });
        return all;
    }();
    return steps;
}

/**
 * Rectangles by the squares of a grid they lie on: whether a place is taken is asked of the few
 * near it, not of the hundreds of boxes and labels of a whole level.
 */
class RectGrid
{
public:
    void insert(const QRectF &rect)
    {
        forEachCell(rect, [&](QPoint cell) { mCells[cell].append(rect); });
    }

    bool coversAny(const QRectF &rect) const
    {
        bool covered = false;
        forEachCell(rect, [&](QPoint cell) {
            const QVector<QRectF> here = mCells.value(cell);
            covered = covered || std::any_of(here.begin(), here.end(), [&](const QRectF &other) {
                          return other.intersects(rect);
                      });
        });
        return covered;
    }

private:
    static constexpr double cellSide = 64;

    template<typename Visit>
    static void forEachCell(const QRectF &rect, const Visit &visit)
    {
        const int left = int(std::floor(rect.left() / cellSide));
        const int right = int(std::floor(rect.right() / cellSide));
        const int top = int(std::floor(rect.top() / cellSide));
        const int bottom = int(std::floor(rect.bottom() / cellSide));
        for (int x = left; x <= right; ++x) {
            for (int y = top; y <= bottom; ++y)
                visit(QPoint(x, y));
        }
    }

    QHash<QPoint, QVector<QRectF>> mCells;
};

} // namespace

QVector<QRectF> PlanDrawing::placeStubLabels(const QVector<StubLabel> &labels,
                                             const QVector<QRectF> &boxes)
{
    RectGrid boxGrid;
    for (const QRectF &box : boxes)
        boxGrid.insert(box);
    RectGrid labelGrid;
    QVector<QRectF> placed;
    for (const StubLabel &label : labels) {
        const QPointF unit = label.direction / std::hypot(label.direction.x(), label.direction.y());
        const double width = label.size.width();
        const double height = label.size.height();
        // Beside the stub's end, in the direction it leaves the room, so it covers no line.
        const QPointF beside(label.end.x() + unit.x() * (width / 2 + 1),
                             label.end.y() + unit.y() * (height / 2 + 1));
        const QRectF besideRect(beside - QPointF(width / 2, height / 2), label.size);
        // Free of boxes and labels; else at least of boxes, a name being worth more than a
        // label; else beside the end.
        QRectF clear;
        QRectF clearOfBoxes;
        const QPointF along = unit * (height + 1);
        const QPointF across = QPointF(-unit.y(), unit.x()) * (height + 1);
        for (const QPoint step : labelSteps()) {
            const QRectF rect = besideRect.translated(along * step.x() + across * step.y());
            if (boxGrid.coversAny(rect))
                continue;
            if (clearOfBoxes.isNull())
                clearOfBoxes = rect;
            if (!labelGrid.coversAny(rect)) {
                clear = rect;
                break;
            }
        }
        placed.append(!clear.isNull() ? clear : !clearOfBoxes.isNull() ? clearOfBoxes : besideRect);
        labelGrid.insert(placed.last());
    }
    return placed;
}

void PlanDrawing::drawStubLabels(QPainter &painter, const QVector<PendingLabel> &labels,
                                 const PlanScene &scene, const PlanViewport &viewport)
{
    if (labels.isEmpty())
        return;
    const double side = 2 * planBoxHalf * viewport.scale;
    QVector<QRectF> boxes;
    for (const PlanScene::Box &box : scene.boxes) {
        const QPointF center = viewport.toPixel(box.center);
        boxes.append(QRectF(center.x() - side / 2, center.y() - side / 2, side, side));
    }
    QVector<StubLabel> stubs;
    for (const PendingLabel &label : labels)
        stubs.append(label.stub);
    const QVector<QRectF> places = placeStubLabels(stubs, boxes);
    painter.setFont(labelFont(viewport.scale));
    for (qsizetype i = 0; i < labels.size(); ++i) {
        // Over the lines it may lie on, a label stays readable.
        painter.fillRect(places[i], labelBackground);
        painter.setPen(labels[i].colour);
        drawText(painter, places[i].topLeft(), places[i].width(), labels[i].text, mStubCache);
    }
}

PlanDrawing::NumberPlace PlanDrawing::placeNumber(const QRectF &row, double markWidth, double wide,
                                                  double small)
{
    const double centred = row.width() - 2 * markWidth;
    if (small > centred)
        return {QRectF(row.left(), row.top(), row.width() - markWidth, row.height()), true};
    return {QRectF(row.left() + markWidth, row.top(), centred, row.height()), wide > centred};
}

void PlanDrawing::drawBoxes(QPainter &painter, const PlanScene &scene, const PlanViewport &viewport)
{
    const double side = 2 * planBoxHalf * viewport.scale;
    const double head = side * headShare;
    const bool roomForLabels = side >= 34;
    QFont numberFont = mFont;
    numberFont.setBold(true);
    numberFont.setPixelSize(std::max(7, int(head * 0.8)));
    QFont markFont = mFont;
    markFont.setPixelSize(std::max(6, int(head * 0.6)));
    const QFont descriptionFont = labelFont(viewport.scale);
    const QFontMetricsF numberMetrics(numberFont);
    const QFontMetricsF markMetrics(markFont);
    const QFontMetricsF labelMetrics(descriptionFont);
    const double lineHeight = (side * (1 - headShare) - 2 * margin) / labelLines;
    const QHash<qint16, QString> marks = marksByRoom(scene);
    const QSet<qint16> brokenMarks = roomsWithBrokenMarks(scene);
    for (const PlanScene::Box &box : scene.boxes) {
        const QPointF center = viewport.toPixel(box.center);
        const QRectF frame(center.x() - side / 2, center.y() - side / 2, side, side);
        const double frameWidth = box.differs ? 3 : box.current ? 2.5 : 1.2;
        drawFrame(painter, frame, box.differs ? differsColour : ink, frameWidth,
                  box.current ? currentFill : boxFill);
        const QRectF inside = frame.adjusted(margin, margin, -margin, -margin);
        const bool labelled = roomForLabels && !box.label.isEmpty();
        // The marks take the right of the top row; the number has the rest of it, or the middle
        // of the box when there is no name, and is never drawn under a mark.
        const QString mark = marks.value(box.room) + (box.differs ? differsMark : QString());
        const double markWidth = mark.isEmpty() ? 0 : markMetrics.horizontalAdvance(mark) + 1;
        if (!mark.isEmpty()) {
            painter.setFont(markFont);
            painter.setPen(brokenMarks.contains(box.room) ? broken : ink);
            drawText(painter, QPointF(inside.right() - markWidth, inside.top()), markWidth, mark,
                     mMarkCache);
            painter.setPen(ink);
        }
        const QString number = QString::number(box.room);
        if (!labelled) {
            // Alone in the middle of the box, below the marks' row.
            painter.setFont(numberFont);
            const double numberTop =
                center.y() - textSize(painter, side, number, mNumberCache).height() / 2;
            drawText(painter, QPointF(inside.left() + markWidth, numberTop),
                     inside.width() - 2 * markWidth, number, mNumberCache);
            continue;
        }
        // Measured only where a name shares the row: text shaping is the dearest part of a box.
        const NumberPlace place = placeNumber(
            QRectF(inside.topLeft(), QSizeF(inside.width(), head)), markWidth,
            numberMetrics.horizontalAdvance(number), markMetrics.horizontalAdvance(number));
        painter.setFont(place.small ? markFont : numberFont);
        drawText(painter, place.area.topLeft(), place.area.width(), number, mNumberCache);
        painter.setFont(descriptionFont);
        auto wrapped = mWrapped.constFind(box.label);
        if (wrapped == mWrapped.constEnd())
            wrapped =
                mWrapped.insert(box.label, wrapLabel(labelMetrics, inside.width(), box.label));
        double top = inside.top() + head;
        for (const QString &line : *wrapped) {
            drawText(painter, QPointF(inside.left(), top), inside.width(), line, mLabelCache);
            top += lineHeight;
        }
    }
}

void PlanDrawing::draw(QPainter &painter, const PlanScene &scene, const PlanViewport &viewport)
{
    // Laying text out is the dearest part of a repaint; it only changes with the zoom.
    if (mCachedScale != viewport.scale) {
        mNumberCache.clear();
        mLabelCache.clear();
        mMarkCache.clear();
        mStubCache.clear();
        mWrapped.clear();
        mCachedScale = viewport.scale;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QVector<PendingLabel> labels = drawLines(painter, scene, viewport);
    painter.setRenderHint(QPainter::Antialiasing, mText == Text::Outlined);
    drawBoxes(painter, scene, viewport);
    drawStubLabels(painter, labels, scene, viewport);
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
