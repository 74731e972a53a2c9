// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace rumbario {

/**
 * Gives each key to the window it was typed for: the dialog open, or else the window last given
 * the keyboard, by the editor or by the user. Qt gives a key to the window that had the keyboard
 * when it was pressed, but a screen reader holds every key until it has looked at it: a key typed
 * just after one that opened a dialog or a report came to the window behind, which, behind a
 * dialog, even drops it.
 */
class KeyboardRouter : public QObject
{
public:
    /** Watches the keys of the whole application while it lives. */
    explicit KeyboardRouter(QObject *parent);

    /** Keys go to this window from now on, before it is told that it is active. */
    void giveKeyboardTo(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool passOn(QWindow *heldFor, QEvent *key);

    QPointer<QWidget> mOwner;
};

} // namespace rumbario
