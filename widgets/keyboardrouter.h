// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace rumbario {

/**
 * Gives each key to the window it was typed for. A screen reader holds every key until it has
 * looked at it; Qt then hands the key to the window that had the keyboard when it was pressed.
 * If a key before it opened a dialog or a report, that window is no longer the one typed for:
 * behind a dialog it even drops the key. Keys handed on so go to the dialog open, or else to
 * the window last given the keyboard.
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
