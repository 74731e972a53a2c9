// SPDX-License-Identifier: GPL-3.0-or-later
#include "codepage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace rumbario {

namespace {

/** Length of the valid UTF-8 sequence at data[i], or 0 when it is not one. */
int utf8SequenceLength(QByteArrayView bytes, qsizetype i)
{
    const auto byte = [&](qsizetype at) {
        return static_cast<unsigned char>(bytes[at]);
    };
    const unsigned char lead = byte(i);
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

/** The character of the valid sequence of the given length at text[i]. */
char32_t utf8Character(QByteArrayView text, qsizetype i, int length)
{
    constexpr unsigned char leadBits[] = {0, 0, 0x1F, 0x0F, 0x07};
    char32_t character = static_cast<unsigned char>(text[i]) & leadBits[length];
    for (int k = 1; k < length; ++k)
        character = (character << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return character;
}

/** Where the run of ASCII bytes from data[i] ends, found eight bytes at a time. */
qsizetype endOfAscii(const unsigned char *data, qsizetype i, qsizetype size)
{
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, sizeof word);
        if ((word & 0x8080808080808080) != 0)
            break;
    }
    while (i < size && data[i] < 0x80)
        ++i;
    return i;
}

} // namespace

char toWindows1252(QChar character)
{
    const char16_t c = character.unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (windows1252HighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = toWindows1252(text[i]);
    return bytes;
}

namespace {

/**
 * Whether a text holds more UTF-8 sequences than high bytes outside one. The count stops once the
 * bytes left could no longer change the answer, each sequence taking two of them at least: a
 * Windows-1252 text full of accents is decided before its end. That is asked where plain text
 * starts again, not at every high byte.
 */
bool moreSequencesThanStrayBytes(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype sequences = 0;
    qsizetype strayBytes = 0;
    for (qsizetype i = 0; i < size;) {
        if (data[i] < 0x80) {
            if (2 * (strayBytes - sequences) >= size - i)
                return false;
            if (sequences - strayBytes > size - i)
                return true;
            i = endOfAscii(data, i, size);
        } else if (i + 1 == size || (data[i + 1] & 0xC0) != 0x80) {
            // Most high bytes of a Windows-1252 text end here: a plain letter follows an accent.
            ++strayBytes;
            ++i;
        } else if (const int length = utf8SequenceLength(bytes, i); length > 0) {
            ++sequences;
            i += length;
        } else {
            ++strayBytes;
            ++i;
        }
    }
    return sequences > strayBytes;
}

} // namespace

bool isMostlyUtf8(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    return moreSequencesThanStrayBytes(bytes);
}

bool isWhollyUtf8(QByteArrayView bytes)
{
    // Stops at the first byte outside a sequence: every line of a Windows-1252 file is asked.
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    bool sequenceSeen = false;
    for (qsizetype i = 0; i < bytes.size();) {
        if (data[i] < 0x80) {
            i = endOfAscii(data, i, bytes.size());
            continue;
        }
        const int length = utf8SequenceLength(bytes, i);
        if (length == 0)
            return false;
        sequenceSeen = true;
        i += length;
    }
    return sequenceSeen;
}

qsizetype utf8ToWindows1252(QByteArrayView text, char *out, qsizetype capacity)
{
    qsizetype written = 0;
    for (qsizetype i = 0; i < text.size() && written < capacity; ++written) {
        const int length =
            static_cast<unsigned char>(text[i]) < 0x80 ? 0 : utf8SequenceLength(text, i);
        if (length == 0) {
            out[written] = text[i++];
            continue;
        }
        const char32_t character = utf8Character(text, i, length);
        out[written] = character > 0xFFFF ? '?' : toWindows1252(QChar(char16_t(character)));
        i += length;
    }
    return written;
}

namespace {

/** Bytes 0x80..0xFF of code page 850. */
constexpr char16_t codePage850High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

} // namespace

TextCode textCode(QByteArrayView bytes)
{
    if (isMostlyUtf8(bytes))
        return TextCode::Utf8;
    // "¡" and "í" are left out: 0xA1 is one in each code, and 0xAD is a soft hyphen in the other.
    static constexpr unsigned char dosLetters[] = {0x81, 0x82, 0x90, 0xA0, 0xA2,
                                                   0xA3, 0xA4, 0xA5, 0xA8};
    qsizetype dos = 0;
    qsizetype windows = 0;
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    // Most bytes are ASCII, the same in every code, and passed in runs: this runs for every byte
    // of a source.
    for (qsizetype i = endOfAscii(data, 0, bytes.size()); i < bytes.size();
         i = endOfAscii(data, i + 1, bytes.size())) {
        const unsigned char code = data[i];
        if (code >= 0xC0)
            ++windows;
        else if (std::find(std::begin(dosLetters), std::end(dosLetters), code) !=
                 std::end(dosLetters))
            ++dos;
    }
    return dos > windows ? TextCode::CodePage850
           : windows > 0 ? TextCode::Windows1252
                         : TextCode::Undecided;
}

QString decodedText(QByteArrayView bytes, TextCode code)
{
    if (code == TextCode::Utf8)
        return QString::fromUtf8(bytes);
    // The ASCII that most sources open with, or are, is decoded at once; the rest through one
    // pointer: this runs for every byte of a source.
    const qsizetype ascii =
        endOfAscii(reinterpret_cast<const unsigned char *>(bytes.data()), 0, bytes.size());
    QString text = QString::fromLatin1(bytes.first(ascii));
    text.resize(bytes.size());
    QChar *out = text.data();
    for (qsizetype i = ascii; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = byte < 0x80                     ? QChar(byte)
                 : code == TextCode::CodePage850 ? QChar(codePage850High[byte - 0x80])
                                                 : fromWindows1252(bytes[i]);
    }
    return text;
}

} // namespace rumbario
