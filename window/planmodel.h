// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>

#include "core/mapstore.h"
#include "core/planlayout.h"

#include <array>
#include <optional>

namespace rumbario {

struct Editor;
class MapStore;

/** A room's position as the view line shows it: stored coordinates plus the display base. */
using ShownPosition = std::array<int, 3>;

/**
 * Where the rooms are drawn, by level and by square chunks of the plan, so that a repaint visits
 * only the rooms near the visible rectangle. It reads the store and is brought up to date by
 * update(). A room's level is the one its coordinates show; its square on the level is the
 * plan's layout, worked out from the exits (see PlanLayout). Rooms added to the map are placed
 * without moving the others, and so are rooms removed; only a map replaced is laid out anew.
 */
class PlanIndex
{
public:
    /** Returns whether anything changed since the last update. */
    bool update(const MapStore &store);

    int roomCount() const { return int(mShown.size()); }
    const ShownPosition &shownPosition(qint16 room) const { return mShown[room - 1]; }
    /** Where the room's box is drawn on its level. */
    QPoint drawnPosition(qint16 room) const { return mLayout.square(room); }
    /** Rooms of one level whose box lies inside the rectangle, in no particular order. */
    QVector<qint16> roomsIn(int level, const QRectF &area) const;

private:
    using Cell = PlanSquare;

    static Cell chunkOf(int level, QPoint drawn);
    void rebuildChunks();
    /** The levels of the rooms as the coordinates and their base show them. */
    void readLevels(const MapStore &store, int rooms);

    QVector<ShownPosition> mShown;
    PlanLayout mLayout;
    QHash<Cell, QVector<qint16>> mChunks;
    /** The coordinates the layout was made from: a room keeps its square while they stay. */
    QVector<Coordinates> mCoordinates;
    quint64 mRevision = 0;
    quint64 mReplacements = 0;
    std::array<qint16, 3> mBase{};
};

/** Maps plan units (one room a unit, Y growing upwards) to widget pixels and back. */
struct PlanViewport
{
    QPointF center;
    /** Large enough for the room number and three short lines of name in each box. */
    static constexpr double firstScale = 130.0;
    /** The least a map is opened at: room numbers still readable, a repaint still quick. */
    static constexpr double smallestOpenedScale = 30.0;
    double scale = firstScale;
    QSizeF size;
    /** Pixels the window's other controls cover, in the top-left corner; none when empty. */
    QRectF covered;

    QPointF toPixel(QPointF plan) const;
    QPointF toPlan(QPointF pixel) const;
    QRectF visibleArea() const;
    /**
     * The larger part of the view the controls leave free, in pixels: beside them or below
     * them. Rooms are kept and fitted there.
     */
    QRectF openArea() const;
    /** Zooms keeping the plan point under the pixel where it is. */
    void zoomAround(QPointF pixel, double factor);
    void panBy(QPointF pixelDelta);
    /** Centres an area of the plan and zooms to show all of it with half a room around. */
    void fit(const QRectF &area);
    /**
     * How a map just opened is shown: at the first zoom around its current room, or fitted when
     * its level is larger than the view. The zoom of the map before is not kept.
     */
    void showOpened(const QRectF &levelArea, QPointF current);
    /** Moves the view so that a point of the plan is drawn at a pixel. */
    void showAt(QPointF plan, QPointF pixel);
    /** Recentres on a position that is not comfortably inside the visible area. */
    bool keepInView(QPointF plan);
};

/** How much one turn of the wheel or one Ctrl++ zooms in. */
constexpr double planZoomStep = 1.2;

/** Half the side of a room's box, in plan units. */
constexpr double planBoxHalf = 0.3;

/** What the plan view draws, in plan units. */
struct PlanScene
{
    struct Box
    {
        qint16 room;
        QPointF center;
        QString label;
        bool current;
        /** The room differs from the map compared with. */
        bool differs = false;
    };
    struct Line
    {
        qint16 from;
        qint16 to;
        int slot;
        QPointF start;
        QPointF end;
        bool oneWay;
        bool toOtherLevel;
        /** A line to another level is a short stub with this label: "▲ a 23", "▼ a 5". */
        QString label;
        /** The line is a step of the way the user asked for. */
        bool onWay = false;
        /** The exit is not in the map compared with, or leads elsewhere there. */
        bool differs = false;
    };
    /** An exit to a room that does not exist. */
    struct Stub
    {
        qint16 from;
        int slot;
        QPointF start;
        QPointF end;
    };
    /** Up, down, in and out exits, drawn as marks on the box. */
    struct Mark
    {
        qint16 room;
        int slot;
        bool broken;
    };

    int level = 0;
    QVector<Box> boxes;
    QVector<Line> lines;
    QVector<Stub> stubs;
    QVector<Mark> marks;
};

/** How readable a drawn level is: what the plan's layout is judged by. */
struct PlanFigures
{
    int boxes = 0;
    int overlapping = 0;
    /** Lines between rooms of the level, a two-way connection counted once. */
    int lines = 0;
    int crossings = 0;
    /** Lines that pass over the box of a room they do not join. */
    int throughRooms = 0;
    /** Lines that run north-south, east-west or at 45 degrees. */
    int onCompass = 0;
    /** The lines' mean length, in rooms, centre to centre. */
    double meanLength = 0;
};

/** The figures of a scene: boxes, and the lines between boxes (not stubs, not other levels). */
PlanFigures planFigures(const PlanScene &scene);

/** The area the boxes of one level take on the plan. */
QRectF levelArea(const MapStore &store, const PlanIndex &index, int level);

/** The plan's legend: the level shown and the mode, which the described boxes show only briefly. */
QString planLegend(int level, bool creationMode);

/** The scene of one level within the viewport, with one room highlighted or none (0). */
PlanScene buildLevelScene(const MapStore &store, const PlanIndex &index,
                          const PlanViewport &viewport, int level, qint16 highlighted);

/** The scene of the current room's level within the viewport, the current room highlighted. */
PlanScene buildPlanScene(const MapStore &store, const PlanIndex &index,
                         const PlanViewport &viewport);

/** Marks the lines of a scene that join two rooms one after the other on a way. */
void markWay(PlanScene &scene, const QVector<qint16> &way);

struct Editor;

/**
 * The scene the plan view shows: the current room's level, with the way last asked for and the
 * differences of the last comparison marked while the map is as it was then.
 */
PlanScene buildShownPlanScene(const Editor &editor, const PlanIndex &index,
                              const PlanViewport &viewport);

/** The room whose box is under a pixel on the current level, or 0. */
qint16 planRoomAt(const MapStore &store, const PlanIndex &index, const PlanViewport &viewport,
                  QPointF pixel);

/**
 * Makes a room current as going to it by number does: select it and show the ordinary view.
 * While a description is typed it does nothing.
 */
void showRoomFromPlan(Editor &editor, qint16 room);

} // namespace rumbario
