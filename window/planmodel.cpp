// SPDX-License-Identifier: GPL-3.0-or-later
#include "planmodel.h"

#include "editor.h"
#include "roomview.h"
#include "useraction.h"

#include <algorithm>
#include <cmath>

#include <QSet>

namespace rumbario {

namespace {

constexpr int chunkSide = 8;
/** The farthest the view zooms out, in rooms across, so a repaint stays bounded. */
constexpr double widestView = 256.0;

ShownPosition shownPositionOf(const MapStore &store, int room)
{
    const Coordinates &stored = store.coordinates()[room - 1];
    return {stored[0] + store.coordinateBase()[0], stored[1] + store.coordinateBase()[1],
            stored[2] + store.coordinateBase()[2]};
}

int floorDiv(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

QPointF stepOf(int slot)
{
    return QPointF(directions[slot].dx, directions[slot].dy);
}

/** The name a box shows: the description up to its first full stop, blanks run together. */
QString labelOf(const Room &room)
{
    return room.description.textBeforeFullStop().simplified();
}

bool isCompass(int slot)
{
    return slot < Up;
}

} // namespace

PlanIndex::Cell PlanIndex::chunkOf(int level, QPoint drawn)
{
    return {level, floorDiv(drawn.x(), chunkSide), floorDiv(drawn.y(), chunkSide)};
}

void PlanIndex::rebuildChunks()
{
    mChunks.clear();
    for (int room = 1; room <= mShown.size(); ++room)
        mChunks[chunkOf(mShown[room - 1][2], drawnPosition(qint16(room)))].append(qint16(room));
}

void PlanIndex::readLevels(const MapStore &store, int rooms)
{
    mShown.resize(rooms);
    for (int room = 1; room <= rooms; ++room)
        mShown[room - 1] = shownPositionOf(store, room);
}

bool PlanIndex::update(const MapStore &store)
{
    if (store.journal().revision() == mRevision && mRevision != 0)
        return false;
    mRevision = store.journal().revision();
    const int rooms = std::min<int>(store.rooms().size(), store.coordinates().size());
    const int kept = std::min<int>(rooms, mCoordinates.size());
    const bool sameRooms = std::equal(mCoordinates.cbegin(), mCoordinates.cbegin() + kept,
                                      store.coordinates().cbegin());
    const bool sameBase = store.coordinateBase() == mBase;
    if (sameRooms && sameBase && rooms == mCoordinates.size() && !mShown.isEmpty() &&
        store.replacements() == mReplacements)
        return false;
    mBase = store.coordinateBase();
    const bool sameMap = sameRooms && !mShown.isEmpty() && store.replacements() == mReplacements;
    mReplacements = store.replacements();
    readLevels(store, rooms);
    QVector<int> levels(rooms);
    for (int room = 1; room <= rooms; ++room)
        levels[room - 1] = mShown[room - 1][2];
    if (sameMap) {
        // Rooms added or removed, as drawing and deleting do: the others stay where they are.
        mLayout.truncate(kept);
        for (int room = kept + 1; room <= rooms; ++room)
            mLayout.append(store, levels[room - 1]);
    } else {
        mLayout.layOut(store, levels);
    }
    mCoordinates =
        QVector<Coordinates>(store.coordinates().cbegin(), store.coordinates().cbegin() + rooms);
    rebuildChunks();
    return true;
}

QVector<qint16> PlanIndex::roomsIn(int level, const QRectF &area) const
{
    QVector<qint16> rooms;
    const QPoint bottomLeft(int(std::floor(area.left())), int(std::floor(area.top())));
    const QPoint topRight(int(std::ceil(area.right())), int(std::ceil(area.bottom())));
    const Cell first = chunkOf(level, bottomLeft);
    const Cell last = chunkOf(level, topRight);
    for (int cx = first.x; cx <= last.x; ++cx) {
        for (int cy = first.y; cy <= last.y; ++cy) {
            const auto chunk = mChunks.constFind(Cell{level, cx, cy});
            if (chunk == mChunks.constEnd())
                continue;
            for (qint16 room : *chunk) {
                const QPoint drawn = drawnPosition(room);
                if (drawn.x() >= area.left() && drawn.x() <= area.right() &&
                    drawn.y() >= area.top() && drawn.y() <= area.bottom())
                    rooms.append(room);
            }
        }
    }
    return rooms;
}

QPointF PlanViewport::toPixel(QPointF plan) const
{
    return QPointF(size.width() / 2 + (plan.x() - center.x()) * scale,
                   size.height() / 2 - (plan.y() - center.y()) * scale);
}

QPointF PlanViewport::toPlan(QPointF pixel) const
{
    return QPointF(center.x() + (pixel.x() - size.width() / 2) / scale,
                   center.y() - (pixel.y() - size.height() / 2) / scale);
}

QRectF PlanViewport::visibleArea() const
{
    const double halfWidth = size.width() / 2 / scale;
    const double halfHeight = size.height() / 2 / scale;
    return QRectF(center.x() - halfWidth, center.y() - halfHeight, 2 * halfWidth, 2 * halfHeight);
}

QRectF PlanViewport::openArea() const
{
    const QRectF whole(QPointF(0, 0), size);
    if (covered.isEmpty())
        return whole;
    const QRectF beside(covered.right(), 0, size.width() - covered.right(), size.height());
    const QRectF below(0, covered.bottom(), size.width(), size.height() - covered.bottom());
    const auto room = [](const QRectF &area) {
        return area.width() * area.height();
    };
    return room(beside) > room(below) ? beside : below;
}

void PlanViewport::zoomAround(QPointF pixel, double factor)
{
    const QPointF fixed = toPlan(pixel);
    const double narrowest = std::max(size.width(), size.height()) / widestView;
    scale = std::clamp(scale * factor, std::max(narrowest, 4.0), 400.0);
    // Move the centre so that the plan point stays under the pixel.
    center += fixed - toPlan(pixel);
}

void PlanViewport::fit(const QRectF &area)
{
    const QRectF open = openArea();
    const double narrowest = std::max(size.width(), size.height()) / widestView;
    const double fitting =
        std::min(open.width() / (area.width() + 1), open.height() / (area.height() + 1));
    scale = std::clamp(fitting, std::max(narrowest, 4.0), 400.0);
    showAt(area.center(), open.center());
}

void PlanViewport::showOpened(const QRectF &levelArea, QPointF current)
{
    scale = firstScale;
    const QRectF open = openArea();
    if ((levelArea.width() + 1) * scale <= open.width() &&
        (levelArea.height() + 1) * scale <= open.height()) {
        showAt(current, open.center());
        return;
    }
    fit(levelArea);
    // A level too large to fit with its numbers readable is shown around the current room.
    if (scale < smallestOpenedScale) {
        scale = smallestOpenedScale;
        showAt(current, open.center());
    }
}

void PlanViewport::showAt(QPointF plan, QPointF pixel)
{
    center = QPointF(plan.x() - (pixel.x() - size.width() / 2) / scale,
                     plan.y() + (pixel.y() - size.height() / 2) / scale);
}

void PlanViewport::panBy(QPointF pixelDelta)
{
    center -= QPointF(pixelDelta.x() / scale, -pixelDelta.y() / scale);
}

bool PlanViewport::keepInView(QPointF plan)
{
    const QRectF open = openArea();
    const double margin = planBoxHalf * scale;
    if (open.adjusted(margin, margin, -margin, -margin).contains(toPixel(plan)))
        return false;
    showAt(plan, open.center());
    return true;
}

PlanScene buildPlanScene(const MapStore &store, const PlanIndex &index,
                         const PlanViewport &viewport)
{
    if (store.currentRoom() < 1 || store.currentRoom() > index.roomCount())
        return PlanScene();
    return buildLevelScene(store, index, viewport, index.shownPosition(store.currentRoom())[2],
                           store.currentRoom());
}

PlanScene buildLevelScene(const MapStore &store, const PlanIndex &index,
                          const PlanViewport &viewport, int level, qint16 highlighted)
{
    PlanScene scene;
    const int rooms = index.roomCount();
    scene.level = level;
    // One room of margin, so that lines to rooms just outside still reach the edge.
    const QRectF area = viewport.visibleArea().adjusted(-1, -1, 1, 1);
    QVector<qint16> visible = index.roomsIn(scene.level, area);
    std::sort(visible.begin(), visible.end());
    scene.boxes.reserve(visible.size());
    // Most rooms of a plan have a line or two of their own: east and north in a grid.
    scene.lines.reserve(2 * visible.size());

    for (qint16 room : std::as_const(visible)) {
        scene.boxes.append({room, index.drawnPosition(room), labelOf(store.rooms()[room - 1]),
                            room == highlighted});
    }

    for (qint16 room : std::as_const(visible)) {
        const Room &record =
            room == store.currentRoom() ? store.workingCopy() : store.rooms()[room - 1];
        const QPointF center = index.drawnPosition(room);
        for (int slot = 0; slot < exitCount; ++slot) {
            const qint16 target = record.exits[slot];
            if (target <= 0 || target == room)
                continue;
            const bool missing = target > rooms;
            if (!isCompass(slot)) {
                scene.marks.append({room, slot, missing});
                continue;
            }
            const QPointF start = center + stepOf(slot) * planBoxHalf;
            if (missing) {
                scene.stubs.append({room, slot, start, start + stepOf(slot) * 0.25});
                continue;
            }
            const Room &other =
                target == store.currentRoom() ? store.workingCopy() : store.rooms()[target - 1];
            const bool oneWay = other.exits[directions[slot].opposite] != room;
            const ShownPosition &to = index.shownPosition(target);
            const bool otherLevel = to[2] != scene.level;
            // A two-way connection between two visible rooms is drawn once.
            if (!oneWay && !otherLevel && target < room &&
                std::binary_search(visible.begin(), visible.end(), target))
                continue;
            const QPointF end =
                otherLevel ? start + stepOf(slot) * 0.3
                           : QPointF(index.drawnPosition(target)) - stepOf(slot) * planBoxHalf;
            const QString label = otherLevel ? QStringLiteral("%1 a %2")
                                                   .arg(to[2] > scene.level ? QStringLiteral("▲")
                                                                            : QStringLiteral("▼"))
                                                   .arg(target)
                                             : QString();
            scene.lines.append({room, target, slot, start, end, oneWay, otherLevel, label});
        }
    }
    return scene;
}

void markWay(PlanScene &scene, const QVector<qint16> &way)
{
    QSet<QPair<qint16, qint16>> steps;
    for (qsizetype i = 1; i < way.size(); ++i) {
        steps.insert({way[i - 1], way[i]});
        steps.insert({way[i], way[i - 1]});
    }
    for (PlanScene::Line &line : scene.lines)
        line.onWay = steps.contains({line.from, line.to});
}

PlanScene buildShownPlanScene(const Editor &editor, const PlanIndex &index,
                              const PlanViewport &viewport)
{
    const MapStore &store = editor.store;
    PlanScene scene = buildPlanScene(store, index, viewport);
    const quint64 revision = store.journal().mapRevision();
    if (editor.shownWayRevision == revision)
        markWay(scene, editor.shownWay);
    if (editor.comparedMap && editor.comparisonRevision == revision) {
        for (PlanScene::Box &box : scene.boxes)
            box.differs = editor.comparison.rooms.contains(box.room);
        for (PlanScene::Line &line : scene.lines)
            line.differs = editor.comparison.exits.contains({line.from, line.slot});
    }
    return scene;
}

qint16 planRoomAt(const MapStore &store, const PlanIndex &index, const PlanViewport &viewport,
                  QPointF pixel)
{
    const PlanScene scene = buildPlanScene(store, index, viewport);
    const QPointF plan = viewport.toPlan(pixel);
    for (const PlanScene::Box &box : scene.boxes) {
        if (std::abs(plan.x() - box.center.x()) <= planBoxHalf &&
            std::abs(plan.y() - box.center.y()) <= planBoxHalf)
            return box.room;
    }
    return 0;
}

namespace {

struct Segment
{
    qint16 from;
    qint16 to;
    QPointF start;
    QPointF end;
};

double cross(QPointF a, QPointF b, QPointF c)
{
    return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
}

/** Two lines cross when each one's ends lie on both sides of the other; shared rooms never do. */
bool crosses(const Segment &a, const Segment &b)
{
    if (a.from == b.from || a.from == b.to || a.to == b.from || a.to == b.to)
        return false;
    const double d1 = cross(a.start, a.end, b.start);
    const double d2 = cross(a.start, a.end, b.end);
    const double d3 = cross(b.start, b.end, a.start);
    const double d4 = cross(b.start, b.end, a.end);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

/** Whether a line passes within half a box of a point. */
bool passesOver(const Segment &line, QPointF point)
{
    const QPointF along = line.end - line.start;
    const double length2 = QPointF::dotProduct(along, along);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(point - line.start, along) / length2, 0.0, 1.0)
                    : 0.0;
    const QPointF nearest = line.start + along * t;
    return std::abs(nearest.x() - point.x()) < planBoxHalf &&
           std::abs(nearest.y() - point.y()) < planBoxHalf;
}

} // namespace

namespace {

/** The unit squares a segment's bounding box covers, half a box wider on every side. */
template<typename Visit>
void visitCells(QPointF a, QPointF b, const Visit &visit)
{
    const int left = int(std::floor(std::min(a.x(), b.x()) - planBoxHalf));
    const int right = int(std::floor(std::max(a.x(), b.x()) + planBoxHalf));
    const int bottom = int(std::floor(std::min(a.y(), b.y()) - planBoxHalf));
    const int top = int(std::floor(std::max(a.y(), b.y()) + planBoxHalf));
    for (int x = left; x <= right; ++x) {
        for (int y = bottom; y <= top; ++y)
            visit(QPoint(x, y));
    }
}

QPoint cellOfPoint(QPointF point)
{
    return QPoint(int(std::floor(point.x())), int(std::floor(point.y())));
}

QPointF intersection(const Segment &a, const Segment &b)
{
    const double d1 = cross(b.start, b.end, a.start);
    const double d2 = cross(b.start, b.end, a.end);
    return a.start + (a.end - a.start) * (d1 / (d1 - d2));
}

} // namespace

PlanFigures planFigures(const PlanScene &scene)
{
    PlanFigures figures;
    figures.boxes = int(scene.boxes.size());
    QHash<qint16, QPointF> centres;
    // Boxes by the unit square their centre lies in: neighbours are looked for nearby only.
    QHash<QPoint, QVector<qint16>> boxesByCell;
    for (const PlanScene::Box &box : scene.boxes) {
        centres.insert(box.room, box.center);
        boxesByCell[cellOfPoint(box.center)].append(box.room);
    }
    for (const PlanScene::Box &box : scene.boxes) {
        bool overlaps = false;
        visitCells(box.center, box.center, [&](QPoint cell) {
            for (qint16 other : boxesByCell.value(cell)) {
                const QPointF apart = centres.value(other) - box.center;
                overlaps =
                    overlaps || (other != box.room && std::abs(apart.x()) < 2 * planBoxHalf &&
                                 std::abs(apart.y()) < 2 * planBoxHalf);
            }
        });
        figures.overlapping += overlaps;
    }
    QVector<Segment> segments;
    QSet<QPair<qint16, qint16>> drawn;
    for (const PlanScene::Line &line : scene.lines) {
        if (line.toOtherLevel || !centres.contains(line.to))
            continue;
        // A two-way connection drawn from each side is one line.
        const qint16 low = std::min(line.from, line.to);
        const qint16 high = std::max(line.from, line.to);
        if (drawn.contains({low, high}))
            continue;
        drawn.insert({low, high});
        segments.append({low, high, centres.value(low), centres.value(high)});
    }
    QHash<QPoint, QVector<int>> segmentsByCell;
    double total = 0;
    for (int i = 0; i < segments.size(); ++i) {
        const Segment &line = segments[i];
        const QPointF delta = line.end - line.start;
        total += std::hypot(delta.x(), delta.y());
        figures.onCompass += qFuzzyIsNull(delta.x()) || qFuzzyIsNull(delta.y()) ||
                             qFuzzyCompare(std::abs(delta.x()), std::abs(delta.y()));
        bool over = false;
        visitCells(line.start, line.end, [&](QPoint cell) {
            segmentsByCell[cell].append(i);
            for (qint16 room : boxesByCell.value(cell))
                over = over || (room != line.from && room != line.to &&
                                passesOver(line, centres.value(room)));
        });
        figures.throughRooms += over;
    }
    // Each crossing is counted in the one square where the two lines meet.
    for (auto cell = segmentsByCell.cbegin(); cell != segmentsByCell.cend(); ++cell) {
        const QVector<int> &here = cell.value();
        for (qsizetype i = 0; i < here.size(); ++i) {
            for (qsizetype j = i + 1; j < here.size(); ++j) {
                const Segment &a = segments[here[i]];
                const Segment &b = segments[here[j]];
                if (crosses(a, b) && cellOfPoint(intersection(a, b)) == cell.key())
                    ++figures.crossings;
            }
        }
    }
    figures.lines = int(segments.size());
    figures.meanLength = segments.isEmpty() ? 0 : total / double(segments.size());
    return figures;
}

QRectF levelArea(const MapStore &store, const PlanIndex &index, int level)
{
    // Rectangles of no size do not unite: the corners are kept by hand.
    int left = 0, right = 0, bottom = 0, top = 0;
    bool any = false;
    // An int: a 16-bit counter would wrap before passing the largest room number.
    for (int room = 1; room <= store.roomCount() && room <= index.roomCount(); ++room) {
        if (index.shownPosition(qint16(room))[2] != level)
            continue;
        const QPoint drawn = index.drawnPosition(qint16(room));
        left = any ? std::min(left, drawn.x()) : drawn.x();
        right = any ? std::max(right, drawn.x()) : drawn.x();
        bottom = any ? std::min(bottom, drawn.y()) : drawn.y();
        top = any ? std::max(top, drawn.y()) : drawn.y();
        any = true;
    }
    return QRectF(left, bottom, right - left, top - bottom);
}

QString planLegend(int level, bool creationMode)
{
    return QStringLiteral("Nivel %1 · %2")
        .arg(level)
        .arg(creationMode ? QStringLiteral("creación") : QStringLiteral("recorrido"));
}

void showRoomFromPlan(Editor &editor, qint16 room)
{
    // The text being typed and its room stay: only Enter ends a description.
    if (editor.typingDescription)
        return;
    runUserAction(editor, [&editor, room] {
        editor.store.selectRoom(room);
        showRoom(editor);
    });
}

} // namespace rumbario
