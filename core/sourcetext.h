// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <QVector>

namespace rumbario {

/**
 * A game's source written straight into the bytes of its file, in the encoding its compiler
 * reads: a map's source is large, and a text built first and converted after costs twice.
 */
class SourceText
{
public:
    enum class Encoding { Utf8, Latin1, Windows1252WithCrLf };

    SourceText(Encoding encoding, qsizetype expectedBytes);

    SourceText &operator<<(QChar c)
    {
        // Most of a source comes a character at a time, and nearly all of it is Latin-1.
        if (mLimit - mEnd < 2 || !mHighSurrogate.isNull() || c == u'\n' || c.unicode() > 0x7FF)
            return appendCharacter(c);
        if (c.unicode() < 0x80) {
            put(char(c.unicode()));
        } else if (mEncoding == Encoding::Utf8) {
            putTwoByteUtf8(c.unicode());
        } else if (c.unicode() >= 0xA0 && c.unicode() <= 0xFF) {
            // Latin-1 and Windows-1252 agree from here on.
            put(char(c.unicode()));
        } else {
            return appendCharacter(c);
        }
        return *this;
    }
    SourceText &operator<<(QStringView text);
    SourceText &operator<<(const QString &text) { return *this << QStringView(text); }
    /** Text of the program's own, in ASCII. */
    SourceText &operator<<(QLatin1String ascii)
    {
        // The program's own words are short: copied a byte at a time, without a call.
        if (mEncoding == Encoding::Windows1252WithCrLf || mLimit - mEnd < ascii.size())
            return appendWithLineEnds(ascii);
        char *out = mEnd;
        for (char c : ascii)
            *out++ = c;
        mEnd = out;
        return *this;
    }
    SourceText &operator<<(const char *ascii) { return *this << QLatin1String(ascii); }
    SourceText &operator<<(int number);

    /** Bytes already in this text's encoding, such as a part of another SourceText. */
    SourceText &appendEncoded(QByteArrayView bytes);
    qsizetype size() const { return mEnd - mBytes.constData(); }
    QByteArrayView written() const { return QByteArrayView(mBytes.constData(), size()); }

    QByteArray take();

private:
    /** Makes room for a few more bytes: the bytes are written through a pointer, not appended. */
    void reserveMore(qsizetype bytes)
    {
        if (mLimit - mEnd < bytes)
            grow(bytes);
    }
    void put(char byte) { *mEnd++ = byte; }
    /** U+0080 to U+07FF as UTF-8: one writer, so that the quick path and the slow one agree. */
    void putTwoByteUtf8(char16_t code)
    {
        put(char(0xC0 | (code >> 6)));
        put(char(0x80 | (code & 0x3F)));
    }
    void grow(qsizetype bytes);
    SourceText &appendCharacter(QChar c);
    SourceText &appendWithLineEnds(QLatin1String ascii);
    void appendUtf8(QChar c);

    QByteArray mBytes;
    char *mEnd = nullptr;
    char *mLimit = nullptr;
    Encoding mEncoding;
    /** The first half of a character beyond the basic plane, until its second half comes. */
    QChar mHighSurrogate;
};

/**
 * Names a source repeats, one for each room, each encoded once and kept side by side: the
 * exits copy their bytes instead of encoding them again.
 */
class EncodedNames
{
public:
    EncodedNames(SourceText::Encoding encoding, qsizetype count);
    void append(QStringView name);
    /** The name of room number, counted from 1. */
    QByteArrayView operator[](qint16 number) const
    {
        return mText.written().sliced(mStarts[number - 1], mStarts[number] - mStarts[number - 1]);
    }

private:
    SourceText mText;
    QVector<qsizetype> mStarts;
};

} // namespace rumbario
