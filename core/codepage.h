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
 * A character as a byte of lower-case ASCII, anything beyond ASCII as 0x7F: words the program
 * knows, all ASCII, are then found among bytes, quicker than among characters without capitals.
 */
inline char lowerAsciiByte(QChar character)
{
    const char16_t c = character.unicode();
    return c >= u'A' && c <= u'Z' ? char(c - u'A' + 'a') : c < 0x80 ? char(c) : '\x7f';
}

/**
 * Whether a file's bytes are to be read as UTF-8 rather than the code page: they start with a
 * UTF-8 byte-order mark, or their valid multi-byte UTF-8 sequences outnumber the bytes above 0x7F
 * that belong to none. In a Windows-1252 text an accented letter is almost always followed by a
 * plain one, which UTF-8 never allows, so the rare pair that happens to be valid UTF-8 (a capital
 * "Í" before "»") never tips a whole file over.
 */
bool isMostlyUtf8(QByteArrayView bytes);

/**
 * Whether bytes hold UTF-8 letters beyond ASCII and no byte outside a UTF-8 sequence: a line of a
 * Windows-1252 file that some other editor wrote in UTF-8.
 */
bool isWhollyUtf8(QByteArrayView bytes);

/**
 * Text that is mostly UTF-8, in the code page: each valid multi-byte sequence is decoded as UTF-8
 * (a character the code page lacks becomes "?") and every other byte is kept as a byte of the code
 * page, so a stray Windows-1252 accent in a UTF-8 file keeps its meaning. Writes at most capacity
 * characters to out and returns how many it wrote.
 */
qsizetype utf8ToWindows1252(QByteArrayView text, char *out, qsizetype capacity);

/** The code a text's bytes are written in, as far as they tell. */
enum class TextCode {
    /** Nothing tells yet: ASCII, or only signs that every code may hold; read as Windows-1252. */
    Undecided,
    Utf8,
    Windows1252,
    /** MS-DOS's, as the sources that DAAD's and PAWS's DOS tools kept and DOS interpreters'
       transcripts are written in. */
    CodePage850,
};

/**
 * The code of a text: UTF-8 as isMostlyUtf8 tells; else code page 850 when its Spanish letters
 * (é á ó ú ñ ¿…, where Windows-1252 has rare signs) outnumber the letters that Windows-1252 has
 * from 0xC0 on (where code page 850 draws boxes), Windows-1252 when they do not; undecided when the
 * bytes hold neither.
 */
TextCode textCode(QByteArrayView bytes);

/** A text's bytes as characters, in the code given. */
QString decodedText(QByteArrayView bytes, TextCode code);

} // namespace rumbario
