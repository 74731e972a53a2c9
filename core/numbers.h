// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace rumbario {

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
