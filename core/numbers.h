// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace rumbario {

/**
 * A 16-bit flag: True is -1 (all bits set), False is 0, and inverting flips every bit, so a
 * flag always holds exactly one of the two values.
 */
class Flag
{
public:
    static constexpr qint16 True = -1;
    static constexpr qint16 False = 0;

    constexpr Flag(bool on = false)
        : mValue(on ? True : False)
    {}

    constexpr operator bool() const { return mValue != False; }
    constexpr qint16 value() const { return mValue; }
    void invert() { mValue = static_cast<qint16>(~mValue); }

private:
    qint16 mValue;
};

/** Sum and difference of 16-bit values; a result outside -32768..32767 raises error 6. */
qint16 checkedAdd(qint16 a, qint16 b);
qint16 checkedSubtract(qint16 a, qint16 b);

/**
 * Whether a typed answer reads as a decimal number: blanks around it, an optional sign, digits
 * with an optional fractional part after "." or ",". Exponents, thousands separators and
 * anything else fail, and so does the empty text.
 */
bool isNumeric(const QString &text);

/** The value of a text that passes isNumeric(). */
double numericValue(const QString &text);

/** Rounds to the nearest integer, halves to the even neighbour; outside 16 bits raises error 6. */
qint16 toInteger16(double value);

/**
 * A typed answer as a 16-bit integer: nothing when it is not a number (the empty answer of a
 * cancelled box included); a number outside 16 bits raises error 6.
 */
std::optional<qint16> typedInteger16(const QString &answer);

} // namespace rumbario
