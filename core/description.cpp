// SPDX-License-Identifier: GPL-3.0-or-later
#include "description.h"

#include "codepage.h"

#include <algorithm>
#include <cstring>

namespace rumbario {

Description Description::blanks()
{
    Description description;
    description.mCharacters.fill(' ');
    return description;
}

void Description::setText(QStringView text)
{
    const qsizetype kept = std::min<qsizetype>(text.size(), descriptionLength);
    for (qsizetype i = 0; i < kept; ++i)
        mCharacters[size_t(i)] = toWindows1252(text[i]);
    std::fill(mCharacters.begin() + kept, mCharacters.end(), ' ');
}

void Description::setCodePageText(QByteArrayView text)
{
    const qsizetype kept = std::min<qsizetype>(text.size(), descriptionLength);
    if (kept > 0)
        std::memcpy(mCharacters.data(), text.data(), size_t(kept));
    std::fill(mCharacters.begin() + kept, mCharacters.end(), ' ');
}

void Description::setUtf8Text(QByteArrayView text)
{
    // A room pasted in from a Windows-1252 file keeps that code page even when one of its pairs
    // happens to be valid UTF-8.
    if (!isMostlyUtf8(text)) {
        setCodePageText(text);
        return;
    }
    const qsizetype kept = utf8ToWindows1252(text, mCharacters.data(), descriptionLength);
    std::fill(mCharacters.begin() + kept, mCharacters.end(), ' ');
}

QString Description::text() const
{
    QString text(descriptionLength, Qt::Uninitialized);
    std::transform(mCharacters.begin(), mCharacters.end(), text.begin(), fromWindows1252);
    return text;
}

QString Description::textBeforeFullStop() const
{
    // Only the name is turned into text: a plan shows hundreds of boxes in each repaint.
    const auto end = std::find_if(mCharacters.begin(), mCharacters.end(), [](char character) {
        return character == 0 || character == '.';
    });
    QString text(end - mCharacters.begin(), Qt::Uninitialized);
    std::transform(mCharacters.begin(), end, text.begin(), fromWindows1252);
    return text;
}

QByteArrayView Description::trimmedCodePageText() const
{
    const char *begin = mCharacters.data();
    const char *end = begin + descriptionLength;
    while (begin < end && *begin == ' ')
        ++begin;
    while (end > begin && end[-1] == ' ')
        --end;
    return QByteArrayView(begin, end - begin);
}

} // namespace rumbario
