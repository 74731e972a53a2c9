// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QWidget>

#include <functional>

namespace rumbario {

/**
 * The dark blue surface that holds the keyboard and hands every key to the key handler.
 *
 * For a screen reader it is also the place where the editor speaks: what each action changed is
 * added to its text, selected, as a terminal adds its output. A screen reader presents text
 * inserted into the control it is on when the insertion is selected, or when a command key
 * caused it; a change of the control's name it cannot read from the toolkit's event.
 */
class KeySurface : public QWidget
{
public:
    KeySurface(QWidget *parent, std::function<void(QKeyEvent *)> onKey);

    /** In creation mode a bright frame runs round the dark-blue surface. */
    void showMode(bool creation);
    bool creationShown() const { return mCreationMode; }

    /** Adds a saying to the text a screen reader reads, and tells it. */
    void say(const QString &saying);
    /** What was said, each saying followed by a blank; the newest one is the selection. */
    const QString &said() const { return mSaid; }
    int newestStart() const { return mNewestStart; }

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *event) override { mOnKey(event); }

private:
    std::function<void(QKeyEvent *)> mOnKey;
    bool mCreationMode = false;
    QString mSaid;
    int mNewestStart = 0;
};

/** The key surface as a screen reader sees it: a pane whose text is what was said. */
class KeySurfaceAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    KeySurfaceAccessible(KeySurface *surface, std::function<QString()> viewLine);

    void *interface_cast(QAccessible::InterfaceType type) override;
    /** The value is the view line, which a screen reader reads on request. */
    QString text(QAccessible::Text kind) const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    const KeySurface *surface() const { return static_cast<const KeySurface *>(widget()); }

    std::function<QString()> mViewLine;
};

} // namespace rumbario
