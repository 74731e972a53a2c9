// SPDX-License-Identifier: GPL-3.0-or-later
#include "pastesafetextedit.h"

#include <QApplication>
#include <QMimeData>

namespace rumbario {

bool PasteSafeTextEdit::canInsertFromMimeData(const QMimeData *source) const
{
    return source && source->hasText();
}

void PasteSafeTextEdit::insertFromMimeData(const QMimeData *source)
{
    // A picture or nothing at all: there is no text to paste.
    if (!canInsertFromMimeData(source) || isReadOnly()) {
        QApplication::beep();
        return;
    }
    const QString text = source->text();
    if (text.size() > pasteLimit)
        QApplication::beep();
    insertPlainText(text.left(pasteLimit));
}

} // namespace rumbario
