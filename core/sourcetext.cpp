// SPDX-License-Identifier: GPL-3.0-or-later
#include "sourcetext.h"

#include "codepage.h"

#include <algorithm>
#include <cstring>

namespace rumbario {

SourceText::SourceText(Encoding encoding, qsizetype expectedBytes)
    : mEncoding(encoding)
{
    mBytes.resize(std::max<qsizetype>(expectedBytes, 64));
    mEnd = mBytes.data();
    mLimit = mEnd + mBytes.size();
}

void SourceText::grow(qsizetype bytes)
{
    const qsizetype used = mEnd - mBytes.data();
    mBytes.resize(std::max(2 * mBytes.size(), used + bytes));
    mEnd = mBytes.data() + used;
    mLimit = mBytes.data() + mBytes.size();
}

SourceText &SourceText::appendEncoded(QByteArrayView bytes)
{
    reserveMore(bytes.size());
    std::memcpy(mEnd, bytes.data(), size_t(bytes.size()));
    mEnd += bytes.size();
    return *this;
}

QByteArray SourceText::take()
{
    mBytes.truncate(mEnd - mBytes.data());
    mEnd = mLimit = nullptr;
    return std::move(mBytes);
}

void SourceText::appendUtf8(QChar c)
{
    const char16_t code = c.unicode();
    reserveMore(4);
    if (c.isHighSurrogate()) {
        mHighSurrogate = c;
        return;
    }
    if (c.isLowSurrogate() && !mHighSurrogate.isNull()) {
        const char32_t full = QChar::surrogateToUcs4(mHighSurrogate, c);
        mHighSurrogate = QChar();
        put(char(0xF0 | (full >> 18)));
        put(char(0x80 | ((full >> 12) & 0x3F)));
        put(char(0x80 | ((full >> 6) & 0x3F)));
        put(char(0x80 | (full & 0x3F)));
        return;
    }
    if (code < 0x80) {
        put(char(code));
    } else if (code < 0x800) {
        putTwoByteUtf8(code);
    } else if (c.isSurrogate()) {
        // A lone half: the replacement character.
        put(char(0xEF));
        put(char(0xBF));
        put(char(0xBD));
    } else {
        put(char(0xE0 | (code >> 12)));
        put(char(0x80 | ((code >> 6) & 0x3F)));
        put(char(0x80 | (code & 0x3F)));
    }
}

SourceText &SourceText::appendCharacter(QChar c)
{
    switch (mEncoding) {
    case Encoding::Utf8:
        appendUtf8(c);
        break;
    case Encoding::Latin1:
        reserveMore(1);
        put(c.unicode() > 0xFF ? '?' : char(c.unicode()));
        break;
    case Encoding::Windows1252WithCrLf:
        reserveMore(2);
        if (c == u'\n')
            put('\r');
        put(toWindows1252(c));
        break;
    }
    return *this;
}

SourceText &SourceText::operator<<(QStringView text)
{
    // Room for the longest encoding of every character, made once; ASCII goes straight in
    // through a local pointer, which the compiler can keep in a register.
    reserveMore(3 * text.size() + 4);
    char *out = mEnd;
    for (QChar c : text) {
        if (c.unicode() < 0x80 && c != u'\n' && mHighSurrogate.isNull()) {
            *out++ = char(c.unicode());
        } else {
            mEnd = out;
            *this << c;
            out = mEnd;
        }
    }
    mEnd = out;
    return *this;
}

SourceText &SourceText::appendWithLineEnds(QLatin1String ascii)
{
    if (mEncoding != Encoding::Windows1252WithCrLf)
        return appendEncoded(QByteArrayView(ascii.data(), ascii.size()));
    // ASCII is the same in Windows-1252; only the line ends grow.
    reserveMore(2 * ascii.size());
    char *out = mEnd;
    for (char c : ascii) {
        if (c == '\n')
            *out++ = '\r';
        *out++ = c;
    }
    mEnd = out;
    return *this;
}

SourceText &SourceText::operator<<(int number)
{
    // Digits written by hand: a source has one or two numbers a line, and printf is slow.
    char digits[12];
    char *end = digits + sizeof digits;
    char *first = end;
    unsigned magnitude = number < 0 ? 0u - unsigned(number) : unsigned(number);
    do {
        *--first = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (number < 0)
        *--first = '-';
    return *this << QLatin1String(first, end - first);
}

} // namespace rumbario

namespace rumbario {

EncodedNames::EncodedNames(SourceText::Encoding encoding, qsizetype count)
    : mText(encoding, count * 32)
{
    mStarts.reserve(count + 1);
    mStarts.append(0);
}

void EncodedNames::append(QStringView name)
{
    mText << name;
    mStarts.append(mText.size());
}

} // namespace rumbario
