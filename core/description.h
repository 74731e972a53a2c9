// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>

namespace rumbario {

constexpr int descriptionLength = 100;

/**
 * A room's description: exactly 100 characters, one byte each in the code page of plan files.
 *
 * A character the code page lacks becomes "?" as soon as it enters the map rather than when the
 * map is saved, so the view never shows what a save would lose. The characters live inside the
 * room itself: a table of rooms is one block of memory, with nothing to allocate per room.
 */
class Description
{
public:
    /** 100 zero characters: the description of room 1 of a fresh map. */
    Description() = default;
    /** 100 blanks: the description of a newly created room. */
    static Description blanks();

    /** The text cut to its first 100 characters, or padded with blanks to 100. */
    void setText(QStringView text);
    /** The same from text already in the code page. */
    void setCodePageText(QByteArrayView text);
    /**
     * The same from a text of a UTF-8 file: read as UTF-8 with its stray bytes in the code page
     * when it is mostly UTF-8 itself, as the code page otherwise.
     */
    void setUtf8Text(QByteArrayView text);

    QString text() const;
    /** The text before its first zero character and its first full stop: a room's name. */
    QString textBeforeFullStop() const;
    /** The characters without the blanks (character 32 only) at either end, in the code page. */
    QByteArrayView trimmedCodePageText() const;

    bool operator==(const Description &other) const { return mCharacters == other.mCharacters; }
    bool operator!=(const Description &other) const { return !(*this == other); }

private:
    std::array<char, descriptionLength> mCharacters{};
};

} // namespace rumbario
