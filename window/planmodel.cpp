// SPDX-License-Identifier: GPL-3.0-or-later
#include "planmodel.h"

#include "editor.h"
#include "roomview.h"
#include "useraction.h"

#include <algorithm>
#include <cmath>

namespace rumbario {

namespace {

constexpr int chunkSide = 8;
/** The farthest the view zooms out, in rooms across, so a repaint stays bounded. */
constexpr double widestView = 256.0;
constexpr int labelLength = 14;

size_t fingerprint(const MapStore &store, int rooms)
{
    return qHashBits(store.coordinates.constData(), size_t(rooms) * sizeof(Coordinates));
}

ShownPosition shownPositionOf(const MapStore &store, int room)
{
    const Coordinates &stored = store.coordinates[room - 1];
    return {stored[0] + store.coordinateBase[0], stored[1] + store.coordinateBase[1],
            stored[2] + store.coordinateBase[2]};
}

int floorDiv(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

QPointF centerOf(const ShownPosition &position)
{
    return QPointF(position[0], position[1]);
}

QPointF stepOf(int slot)
{
    return QPointF(directions[slot].dx, directions[slot].dy);
}

QString labelOf(const Room &room)
{
    QString text = room.description.text();
    const qsizetype end = text.indexOf(QChar(0));
    if (end >= 0)
        text.truncate(end);
    return text.trimmed().left(labelLength);
}

/**
 * The squares around one, ring after ring: step 1 to 8 walk the first ring, 9 to 24 the second,
 * each ring along its top, right, bottom and left sides in turn.
 */
QPoint spiralOffset(int step)
{
    int ring = 1;
    while ((2 * ring + 1) * (2 * ring + 1) <= step)
        ++ring;
    const int along = step - (2 * ring - 1) * (2 * ring - 1);
    const int side = along / (2 * ring);
    const int offset = along % (2 * ring);
    switch (side) {
    case 0:
        return QPoint(-ring + 1 + offset, ring);
    case 1:
        return QPoint(ring, ring - 1 - offset);
    case 2:
        return QPoint(ring - 1 - offset, -ring);
    default:
        return QPoint(-ring, -ring + 1 + offset);
    }
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

PlanIndex::Cell PlanIndex::cellOf(const ShownPosition &position)
{
    return {position[2], position[0], position[1]};
}

bool PlanIndex::isFree(const Cell &cell) const
{
    return !mOwners.contains(cell) && !mLent.contains(cell);
}

QPoint PlanIndex::fanOut(qint16 room, const Cell &home)
{
    int &done = mSpiralDone[home];
    for (;;) {
        const QPoint offset = spiralOffset(++done);
        const Cell cell{home.level, home.x + offset.x(), home.y + offset.y()};
        if (isFree(cell)) {
            mLent.insert(cell, room);
            return QPoint(cell.x, cell.y);
        }
    }
}

void PlanIndex::place(qint16 room, QPoint drawn)
{
    mDrawn.append(drawn);
    mChunks[chunkOf(mShown[room - 1][2], drawn)].append(room);
}

bool PlanIndex::append(qint16 room, const ShownPosition &position)
{
    const Cell home = cellOf(position);
    // A square lent to a room fanned out would now be someone's own: every fan may move.
    if (mLent.contains(home))
        return false;
    mShown.append(position);
    const auto owner = mOwners.constFind(home);
    if (owner == mOwners.constEnd()) {
        mOwners.insert(home, room);
        place(room, QPoint(home.x, home.y));
    } else {
        place(room, fanOut(room, home));
    }
    return true;
}

void PlanIndex::rebuild(const MapStore &store)
{
    mShown.clear();
    mDrawn.clear();
    mOwners.clear();
    mLent.clear();
    mSpiralDone.clear();
    mChunks.clear();
    const int rooms = std::min<int>(store.Lista.size(), store.coordinates.size());
    mShown.reserve(rooms);
    mDrawn.reserve(rooms);
    // Every room's own square is known before any is lent.
    for (int room = 1; room <= rooms; ++room) {
        mShown.append(shownPositionOf(store, room));
        const Cell home = cellOf(mShown.last());
        if (!mOwners.contains(home))
            mOwners.insert(home, qint16(room));
    }
    for (int room = 1; room <= rooms; ++room) {
        const Cell home = cellOf(mShown[room - 1]);
        const bool owner = mOwners.value(home) == room;
        place(qint16(room), owner ? QPoint(home.x, home.y) : fanOut(qint16(room), home));
    }
}

bool PlanIndex::update(const MapStore &store)
{
    if (store.journal.revision() == mRevision && mRevision != 0)
        return false;
    mRevision = store.journal.revision();
    const int rooms = std::min<int>(store.Lista.size(), store.coordinates.size());
    const int indexed = int(mShown.size());
    const bool sameBase = store.coordinateBase == mBase;
    const bool unchangedPrefix =
        sameBase && rooms >= indexed && fingerprint(store, indexed) == mFingerprint;
    if (unchangedPrefix && rooms == indexed)
        return false;
    // Drawing a map mostly appends rooms: the rooms already indexed stay where they are.
    bool appended = unchangedPrefix;
    for (int room = indexed + 1; appended && room <= rooms; ++room)
        appended = append(qint16(room), shownPositionOf(store, room));
    if (!appended) {
        mBase = store.coordinateBase;
        rebuild(store);
    }
    mFingerprint = fingerprint(store, rooms);
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
    if (store.currentRoom < 1 || store.currentRoom > index.roomCount())
        return PlanScene();
    return buildLevelScene(store, index, viewport, index.shownPosition(store.currentRoom)[2],
                           store.currentRoom);
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

    for (qint16 room : std::as_const(visible)) {
        const QPointF drawn = index.drawnPosition(room);
        const QPointF own = centerOf(index.shownPosition(room));
        scene.boxes.append({room, drawn, labelOf(store.Lista[room - 1]), room == highlighted,
                            drawn == own ? std::nullopt : std::optional<QPointF>(own)});
    }

    for (qint16 room : std::as_const(visible)) {
        const Room &record =
            room == store.currentRoom ? store.currentRoomCopy : store.Lista[room - 1];
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
                target == store.currentRoom ? store.currentRoomCopy : store.Lista[target - 1];
            const bool oneWay = other.exits[directions[slot].opposite] != room;
            const ShownPosition &to = index.shownPosition(target);
            const bool otherLevel = to[2] != scene.level;
            // A two-way connection between two visible rooms is drawn once.
            if (!oneWay && !otherLevel && target < room &&
                std::binary_search(visible.begin(), visible.end(), target))
                continue;
            const QPointF end =
                otherLevel ? start + stepOf(slot) * 0.4
                           : QPointF(index.drawnPosition(target)) - stepOf(slot) * planBoxHalf;
            scene.lines.append({room, target, slot, start, end, oneWay, otherLevel});
        }
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

QRectF levelArea(const MapStore &store, const PlanIndex &index, int level)
{
    // Rectangles of no size do not unite: the corners are kept by hand.
    int left = 0, right = 0, bottom = 0, top = 0;
    bool any = false;
    // An int: a 16-bit counter would wrap before passing the largest room number.
    for (int room = 1; room <= store.roomCount && room <= index.roomCount(); ++room) {
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
