// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace rumbario {

/** Windows-1252, one byte a character; a character the code page lacks becomes "?". */
QByteArray toWindows1252(QStringView text);
QString fromWindows1252(QByteArrayView bytes);

/**
 * Whether a file's bytes are UTF-8 rather than the code page: they start with a UTF-8
 * byte-order mark, or they are valid UTF-8 and hold at least one multi-byte sequence.
 */
bool isUtf8Text(QByteArrayView bytes);

} // namespace rumbario
