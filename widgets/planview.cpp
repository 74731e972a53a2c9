// SPDX-License-Identifier: GPL-3.0-or-later
#include "planview.h"

#include "window/editor.h"
#include "window/useraction.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStaticText>
#include <QWheelEvent>

#include <cmath>

namespace rumbario {

namespace {

const QColor paper(246, 242, 230);
const QColor ink(60, 60, 70);
const QColor boxFill(255, 255, 255);
const QColor currentFill(255, 213, 79);
const QColor broken(200, 30, 30);
constexpr double dragThreshold = 4.0;

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

} // namespace

PlanView::PlanView(Editor &editor, QWidget *parent)
    : QWidget(parent)
    , mEditor(editor)
{
    setObjectName(QStringLiteral("PlanView"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::OpenHandCursor);
}

QPointF PlanView::currentRoomCenter() const
{
    const MapStore &store = mEditor.store;
    if (store.currentRoom < 1 || store.currentRoom > mIndex.roomCount())
        return mViewport.center;
    const ShownPosition &position = mIndex.shownPosition(store.currentRoom);
    return QPointF(position[0], position[1]);
}

void PlanView::refresh()
{
    mIndex.update(mEditor.store);
    mViewport.keepInView(currentRoomCenter());
    update();
}

void PlanView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    mViewport.size = size();
}

const QStaticText &PlanView::cachedText(TextCache &cache, const QString &text, double width)
{
    // Laying text out is the dearest part of a repaint; it only changes with the zoom.
    if (mCachedScale != mViewport.scale) {
        mNumberCache.clear();
        mLabelCache.clear();
        mCachedScale = mViewport.scale;
    }
    auto cached = cache.find(text);
    if (cached == cache.end()) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.setTextWidth(width);
        laidOut.setTextOption(QTextOption(Qt::AlignHCenter));
        cached = cache.insert(text, laidOut);
    }
    return *cached;
}

void PlanView::paintLines(QPainter &painter, const PlanScene &scene) const
{
    const double scale = mViewport.scale;
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const PlanScene::Line &line : scene.lines) {
        QPen pen(ink, std::max(1.0, scale / 30));
        if (line.toOtherLevel)
            pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        const QPointF start = mViewport.toPixel(line.start);
        const QPointF end = mViewport.toPixel(line.end);
        painter.drawLine(start, end);
        if (line.oneWay)
            drawArrowhead(painter, start, end);
    }
    painter.setPen(QPen(broken, std::max(2.0, scale / 20)));
    for (const PlanScene::Stub &stub : scene.stubs)
        painter.drawLine(mViewport.toPixel(stub.start), mViewport.toPixel(stub.end));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

QHash<qint16, QRectF> PlanView::paintBoxes(QPainter &painter, const PlanScene &scene)
{
    const double side = 2 * planBoxHalf * mViewport.scale;
    const bool roomForLabels = side >= 34;
    QFont numberFont = font();
    numberFont.setBold(true);
    numberFont.setPixelSize(std::max(7, int(side / 3.2)));
    const QFont descriptionFont = labelFont();
    QHash<qint16, QRectF> frames;
    for (const PlanScene::Box &box : scene.boxes) {
        const QPointF center = mViewport.toPixel(box.center);
        const QRectF frame(center.x() - side / 2, center.y() - side / 2, side, side);
        frames.insert(box.room, frame);
        painter.setPen(QPen(ink, box.current ? 2.5 : 1.2));
        painter.setBrush(box.current ? currentFill : boxFill);
        painter.drawRect(frame);
        const bool labelled = roomForLabels && !box.label.isEmpty();
        painter.setFont(numberFont);
        const QStaticText &number = cachedText(mNumberCache, QString::number(box.room), side);
        painter.drawStaticText(QPointF(frame.left(), labelled
                                                         ? frame.top() + 2
                                                         : center.y() - number.size().height() / 2),
                               number);
        painter.setFont(descriptionFont);
        if (labelled)
            painter.drawStaticText(QPointF(frame.left() + 2, center.y()),
                                   cachedText(mLabelCache, box.label, side - 4));
        if (box.stacked > 1)
            painter.drawText(frame.adjusted(0, -side / 4, side / 3, 0),
                             Qt::AlignRight | Qt::AlignTop, QStringLiteral("×%1").arg(box.stacked));
    }
    return frames;
}

void PlanView::paintMarks(QPainter &painter, const PlanScene &scene,
                          const QHash<qint16, QRectF> &frames) const
{
    QFont markFont = font();
    markFont.setPixelSize(std::max(6, int(2 * planBoxHalf * mViewport.scale / 4.5)));
    painter.setFont(markFont);
    for (const PlanScene::Mark &mark : scene.marks) {
        const auto frame = frames.constFind(mark.room);
        if (frame == frames.constEnd())
            continue;
        const Qt::Alignment corner =
            (mark.slot == Up || mark.slot == In ? Qt::AlignTop : Qt::AlignBottom) |
            (mark.slot == Up || mark.slot == Down ? Qt::AlignRight : Qt::AlignLeft);
        painter.setPen(mark.broken ? broken : ink);
        painter.drawText(frame->adjusted(2, 1, -2, -1), corner, markText(mark.slot));
    }
}

void PlanView::paintEvent(QPaintEvent *)
{
    // Something may have changed the map without a room view since the last refresh.
    mIndex.update(mEditor.store);
    const PlanScene scene = buildPlanScene(mEditor.store, mIndex, mViewport);
    QPainter painter(this);
    painter.fillRect(rect(), paper);
    paintLines(painter, scene);
    const QHash<qint16, QRectF> frames = paintBoxes(painter, scene);
    paintMarks(painter, scene, frames);
    painter.setPen(ink);
    painter.setFont(font());
    painter.drawText(mViewport.openArea().adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop,
                     planLegend(scene.level, mCreationMode));
}

void PlanView::setCovered(const QRectF &covered)
{
    mViewport.covered = covered;
    refresh();
}

QFont PlanView::labelFont() const
{
    QFont label = font();
    // A dozen characters of description a line, at the default zoom.
    label.setPixelSize(std::max(6, int(2 * planBoxHalf * mViewport.scale / 6.5)));
    return label;
}

void PlanView::fitToLevel()
{
    mIndex.update(mEditor.store);
    const qint16 current = mEditor.store.currentRoom;
    if (current < 1 || current > mIndex.roomCount())
        return;
    mViewport.fit(levelArea(mEditor.store, mIndex, mIndex.shownPosition(current)[2]));
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
    mViewport.zoomAround(event->position(), std::pow(1.2, steps));
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
        mEditor.services.giveFocus(Control::Picture1);
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
        const qint16 room = planRoomAt(mEditor.store, mIndex, mViewport, event->position());
        if (room > 0)
            showRoomFromPlan(mEditor, room);
    });
}

} // namespace rumbario
