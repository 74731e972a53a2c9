// SPDX-License-Identifier: GPL-3.0-or-later
#include "keysurface.h"

#include <QPainter>

namespace rumbario {

namespace {

/** What a long session has said is forgotten beyond this. */
constexpr int saidLimit = 20000;

} // namespace

KeySurface::KeySurface(QWidget *parent, std::function<void(QKeyEvent *)> onKey)
    : QWidget(parent)
    , mOnKey(std::move(onKey))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void KeySurface::showMode(bool creation)
{
    mCreationMode = creation;
    update();
}

void KeySurface::say(const QString &saying)
{
    if (mSaid.size() > saidLimit) {
        QAccessibleTextRemoveEvent removed(this, 0, mSaid);
        mSaid.clear();
        QAccessible::updateAccessibility(&removed);
    }
    mNewestStart = int(mSaid.size());
    // One blank after each saying: a line break would be read out by some voices.
    const QString said = saying + u' ';
    mSaid += said;
    QAccessibleTextInsertEvent inserted(this, mNewestStart, said);
    QAccessible::updateAccessibility(&inserted);
}

void KeySurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 128));
    if (!mCreationMode)
        return;
    painter.setPen(QPen(QColor(255, 213, 79), 3));
    painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

KeySurfaceAccessible::KeySurfaceAccessible(KeySurface *surface, std::function<QString()> viewLine)
    : QAccessibleWidget(surface, QAccessible::Pane)
    , mViewLine(std::move(viewLine))
{}

void *KeySurfaceAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString KeySurfaceAccessible::text(QAccessible::Text kind) const
{
    return kind == QAccessible::Value ? mViewLine() : QAccessibleWidget::text(kind);
}

void KeySurfaceAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const bool any = selectionIndex == 0 && selectionCount() > 0;
    *startOffset = any ? surface()->newestStart() : 0;
    *endOffset = any ? characterCount() : 0;
}

int KeySurfaceAccessible::selectionCount() const
{
    return characterCount() > 0 ? 1 : 0;
}

int KeySurfaceAccessible::cursorPosition() const
{
    return characterCount();
}

QString KeySurfaceAccessible::text(int startOffset, int endOffset) const
{
    return surface()->said().mid(startOffset, endOffset - startOffset);
}

int KeySurfaceAccessible::characterCount() const
{
    return int(surface()->said().size());
}

QString KeySurfaceAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

} // namespace rumbario
