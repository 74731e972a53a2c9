// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace rumbario {

/**
 * Bytes 0x80..0x9F of Windows-1252. The five bytes the code page leaves unassigned map to the
 * control characters of the same value, so that they survive a round trip.
 */
inline constexpr char16_t windows1252HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

/** Windows-1252, one byte a character; a character the code page lacks becomes "?". */
char toWindows1252(QChar character);
QByteArray toWindows1252(QStringView text);

inline QChar fromWindows1252(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    return (code >= 0x80 && code < 0xA0) ? QChar(windows1252HighControls[code - 0x80])
                                         : QChar(code);
}

/**
 * Whether a file's bytes are UTF-8 rather than the code page: they start with a UTF-8
 * byte-order mark, or they are valid UTF-8 and hold at least one multi-byte sequence.
 */
bool isUtf8Text(QByteArrayView bytes);

} // namespace rumbario
