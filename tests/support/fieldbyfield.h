// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace rumbario {

/**
 * The same plan file with a blank in front of every line that follows a line end. Blanks before
 * a field are skipped, so the file reads the same; but no record is any longer in the exact form
 * the editor writes, so a read of it goes field by field. Comparing the two reads checks the
 * whole-record shortcut against the field rules.
 */
inline QByteArray withBlankAtLineStarts(QByteArrayView bytes)
{
    QByteArray result;
    result.reserve(bytes.size() + bytes.size() / 8);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        result += bytes[i];
        const bool crBeforeLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        const bool lineEnd = (bytes[i] == '\r' && !crBeforeLf) || bytes[i] == '\n';
        if (lineEnd && i + 1 < bytes.size())
            result += ' ';
    }
    return result;
}

} // namespace rumbario
