// SPDX-License-Identifier: GPL-3.0-or-later
#include "codepage.h"

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

struct Utf8Count
{
    qsizetype sequences = 0;
    qsizetype strayBytes = 0;
};

Utf8Count countUtf8(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype sequences = 0;
    qsizetype strayBytes = 0;
    for (qsizetype i = 0; i < size;) {
        if (data[i] < 0x80) {
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
    return {sequences, strayBytes};
}

} // namespace

bool isMostlyUtf8(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    const Utf8Count count = countUtf8(bytes);
    return count.sequences > count.strayBytes;
}

bool isWhollyUtf8(QByteArrayView bytes)
{
    const Utf8Count count = countUtf8(bytes);
    return count.sequences > 0 && count.strayBytes == 0;
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

} // namespace rumbario
