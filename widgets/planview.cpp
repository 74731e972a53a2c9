// SPDX-License-Identifier: GPL-3.0-or-later
#include "planview.h"

#include "window/editor.h"
#include "window/useraction.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace rumbario {

namespace {

const QColor paper(246, 242, 230);
constexpr double dragThreshold = 4.0;

} // namespace

PlanView::PlanView(Editor &editor, QWidget *parent)
    : QWidget(parent)
    , mEditor(editor)
    , mDrawing(font(), PlanDrawing::Text::Cached)
    , mShownReplacements(editor.store.replacements())
{
    setObjectName(QStringLiteral("PlanView"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::OpenHandCursor);
}

QPointF PlanView::currentRoomCenter() const
{
    const MapStore &store = mEditor.store;
    if (store.currentRoom() < 1 || store.currentRoom() > mEditor.plan.roomCount())
        return mViewport.center;
    return mEditor.plan.drawnPosition(store.currentRoom());
}

void PlanView::refresh()
{
    mEditor.plan.update(mEditor.store);
    const MapStore &store = mEditor.store;
    if (store.replacements() != mShownReplacements && !mViewport.size.isEmpty() &&
        store.currentRoom() >= 1 && store.currentRoom() <= mEditor.plan.roomCount()) {
        // Another map: its own zoom, not the last one's.
        mShownReplacements = store.replacements();
        mViewport.showOpened(
            levelArea(store, mEditor.plan, mEditor.plan.shownPosition(store.currentRoom())[2]),
            currentRoomCenter());
    }
    mViewport.keepInView(currentRoomCenter());
    update();
}

void PlanView::zoomBy(double factor)
{
    // Around the current room, so that it stays where the eye is.
    const QPointF room = mViewport.toPixel(currentRoomCenter());
    mViewport.zoomAround(room, factor);
    update();
}

void PlanView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    mViewport.size = size();
}

void PlanView::paintEvent(QPaintEvent *)
{
    // Something may have changed the map without a room view since the last refresh.
    mEditor.plan.update(mEditor.store);
    const PlanScene scene = buildShownPlanScene(mEditor, mEditor.plan, mViewport);
    QPainter painter(this);
    painter.fillRect(rect(), paper);
    mDrawing.draw(painter, scene, mViewport);
    mDrawing.drawHeading(painter, mViewport.openArea(), legend());
}

QString PlanView::legend() const
{
    const qint16 current = mEditor.store.currentRoom();
    const bool indexed = current >= 1 && current <= mEditor.plan.roomCount();
    return planLegend(indexed ? mEditor.plan.shownPosition(current)[2] : 0, mCreationMode) +
           mStatus;
}

void PlanView::setCovered(const QRectF &covered)
{
    mViewport.covered = covered;
    refresh();
}

QFont PlanView::labelFont() const
{
    return mDrawing.labelFont(mViewport.scale);
}

void PlanView::fitToLevel()
{
    mEditor.plan.update(mEditor.store);
    const qint16 current = mEditor.store.currentRoom();
    if (current < 1 || current > mEditor.plan.roomCount())
        return;
    mViewport.fit(levelArea(mEditor.store, mEditor.plan, mEditor.plan.shownPosition(current)[2]));
    update();
}

void PlanView::setScale(double scale)
{
    mViewport.zoomAround(QPointF(width() / 2.0, height() / 2.0), scale / mViewport.scale);
    update();
}

void PlanView::wheelEvent(QWheelEvent *event)
{
    const double steps = event->angleDelta().y() / 120.0;
    mViewport.zoomAround(event->position(), std::pow(planZoomStep, steps));
    update();
    event->accept();
}

void PlanView::mousePressEvent(QMouseEvent *event)
{
    mPressedAt = event->position();
    mLastDragPoint = event->position();
    mDragging = false;
    // The keyboard goes back to the key surface, unless a description is being typed.
    if (!mEditor.typingDescription)
        mEditor.services.giveFocus(Control::KeySurface);
}

void PlanView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if (!mDragging && QLineF(mPressedAt, event->position()).length() < dragThreshold)
        return;
    mDragging = true;
    setCursor(Qt::ClosedHandCursor);
    mViewport.panBy(event->position() - mLastDragPoint);
    mLastDragPoint = event->position();
    update();
}

void PlanView::mouseReleaseEvent(QMouseEvent *event)
{
    setCursor(Qt::OpenHandCursor);
    if (mDragging || event->button() != Qt::LeftButton)
        return;
    runUserAction(mEditor, [this, event] {
        const qint16 room = planRoomAt(mEditor.store, mEditor.plan, mViewport, event->position());
        if (room > 0)
            showRoomFromPlan(mEditor, room);
    });
}

} // namespace rumbario
