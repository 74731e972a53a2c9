// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plandrawing.h"
#include "window/planmodel.h"

#include <QWidget>

namespace rumbario {

struct Editor;

/**
 * A live drawing of the current room's level: rooms as boxes at the coordinates the view line
 * shows, their exits as lines. It never keeps the keyboard: KeySurface does.
 */
class PlanView : public QWidget
{
    Q_OBJECT

public:
    PlanView(Editor &editor, QWidget *parent);

    /** Follows the map after the room view was drawn: indexes what changed, keeps the room in view.
     */
    void refresh();

    const PlanViewport &viewport() const { return mViewport; }
    /** The mode the legend shows beside the level. */
    void showMode(bool creation)
    {
        mCreationMode = creation;
        update();
    }
    /** The legend: the level of the current room, the mode and the status. */
    QString legend() const;
    /** What the legend says after the level and the mode. */
    void showStatus(const QString &status)
    {
        mStatus = status;
        update();
    }
    /** Where the window's controls lie over the plan: rooms are kept in view beside or below. */
    void setCovered(const QRectF &covered);
    /** The font of the descriptions in the boxes at the current zoom. */
    QFont labelFont() const;
    /** Shows every room of the current level, as large as the view allows. */
    void fitToLevel();
    /** Zooms to a scale, in pixels a room, kept within the plan's limits. */
    void setScale(double scale);
    /** Zooms in (a factor above 1) or out, around the current room. */
    void zoomBy(double factor);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF currentRoomCenter() const;

    Editor &mEditor;
    PlanViewport mViewport;
    QPointF mPressedAt;
    QPointF mLastDragPoint;
    bool mDragging = false;
    PlanDrawing mDrawing;
    bool mCreationMode = false;
    QString mStatus;
    /** The map shown: a map opened since is shown at its own zoom. */
    quint64 mShownReplacements;
};

} // namespace rumbario
