// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardrouter.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace rumbario {

KeyboardRouter::KeyboardRouter(QObject *parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

void KeyboardRouter::giveKeyboardTo(QWidget *window)
{
    mOwner = window;
}

bool KeyboardRouter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        // The user may choose a window too.
        if (auto *window = qobject_cast<QWidget *>(watched); window && window->isWindow())
            mOwner = window;
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return watched->isWindowType() && passOn(static_cast<QWindow *>(watched), event);
    default:
        return false;
    }
}

bool KeyboardRouter::passOn(QWindow *heldFor, QEvent *key)
{
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = mOwner;
    if (!owner || owner->windowHandle() == heldFor)
        return false;
    QCoreApplication::sendEvent(owner->windowHandle(), key);
    return true;
}

} // namespace rumbario
