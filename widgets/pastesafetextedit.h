// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace rumbario {

/**
 * A plain text box whose paste survives any clipboard. Qt 6.4's own paste reads the clipboard
 * without asking whether it holds anything, and an empty clipboard kills the program; a clipboard
 * of megabytes freezes it while one line of that length is laid out.
 */
class PasteSafeTextEdit : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

    /** What a paste takes of a longer text: far more than any box of the editor holds. */
    static constexpr qsizetype pasteLimit = 4096;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};

} // namespace rumbario
