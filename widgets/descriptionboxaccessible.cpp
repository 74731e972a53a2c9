// SPDX-License-Identifier: GPL-3.0-or-later
#include "descriptionboxaccessible.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace rumbario {

DescriptionBoxAccessible::DescriptionBoxAccessible(QPlainTextEdit *box,
                                                   std::function<QString()> description)
    : QAccessibleWidget(box, QAccessible::EditableText)
    , mDescription(std::move(description))
{}

QPlainTextEdit *DescriptionBoxAccessible::box() const
{
    return static_cast<QPlainTextEdit *>(widget());
}

void *DescriptionBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State DescriptionBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString DescriptionBoxAccessible::text(QAccessible::Text kind) const
{
    switch (kind) {
    case QAccessible::Value:
        return box()->toPlainText();
    case QAccessible::Description:
        return mDescription();
    default:
        return QAccessibleWidget::text(kind);
    }
}

void DescriptionBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const QTextCursor cursor = box()->textCursor();
    const bool any = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = any ? cursor.selectionStart() : 0;
    *endOffset = any ? cursor.selectionEnd() : 0;
}

int DescriptionBoxAccessible::selectionCount() const
{
    return box()->textCursor().hasSelection() ? 1 : 0;
}

void DescriptionBoxAccessible::select(int startOffset, int endOffset)
{
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(qBound(0, startOffset, characterCount()));
    cursor.setPosition(qBound(0, endOffset, characterCount()), QTextCursor::KeepAnchor);
    box()->setTextCursor(cursor);
}

void DescriptionBoxAccessible::addSelection(int startOffset, int endOffset)
{
    select(startOffset, endOffset);
}

void DescriptionBoxAccessible::removeSelection(int)
{
    QTextCursor cursor = box()->textCursor();
    cursor.clearSelection();
    box()->setTextCursor(cursor);
}

void DescriptionBoxAccessible::setSelection(int, int startOffset, int endOffset)
{
    select(startOffset, endOffset);
}

int DescriptionBoxAccessible::cursorPosition() const
{
    return box()->textCursor().position();
}

void DescriptionBoxAccessible::setCursorPosition(int position)
{
    select(position, position);
}

QString DescriptionBoxAccessible::text(int startOffset, int endOffset) const
{
    return box()->toPlainText().mid(startOffset, endOffset - startOffset);
}

QString DescriptionBoxAccessible::textAtOffset(int offset,
                                               QAccessible::TextBoundaryType boundaryType,
                                               int *startOffset, int *endOffset) const
{
    QString found =
        QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    if (boundaryType != QAccessible::LineBoundary && boundaryType != QAccessible::ParagraphBoundary)
        return found;
    // A line is read as far as its last letter: the padding is no part of what the room says.
    while (!found.isEmpty() && found.back().isSpace()) {
        found.chop(1);
        --*endOffset;
    }
    return found;
}

int DescriptionBoxAccessible::characterCount() const
{
    return box()->document()->characterCount() - 1;
}

QRect DescriptionBoxAccessible::characterRect(int offset) const
{
    QTextCursor cursor(box()->document());
    cursor.setPosition(qBound(0, offset, characterCount()));
    const QRect rect = box()->cursorRect(cursor);
    return QRect(box()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int DescriptionBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
}

void DescriptionBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    select(startIndex, endIndex);
    box()->ensureCursorVisible();
}

QString DescriptionBoxAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void DescriptionBoxAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void DescriptionBoxAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void DescriptionBoxAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (box()->isReadOnly())
        return;
    select(startOffset, endOffset);
    box()->textCursor().insertText(text);
}

} // namespace rumbario
