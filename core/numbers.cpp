// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include "runtimeerror.h"

#include <cmath>
#include <limits>

namespace rumbario {

namespace {

qint16 narrowChecked(int value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RuntimeError::overflow();
    return static_cast<qint16>(value);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDecimalPoint(QChar c)
{
    return c == u'.' || c == u',';
}

QStringView trimmedBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return QStringView(text).mid(begin, end - begin);
}

} // namespace

qint16 checkedAdd(qint16 a, qint16 b)
{
    return narrowChecked(int(a) + int(b));
}

qint16 checkedSubtract(qint16 a, qint16 b)
{
    return narrowChecked(int(a) - int(b));
}

bool isNumeric(const QString &text)
{
    const QStringView number = trimmedBlanks(text);
    qsizetype i = 0;
    if (i < number.size() && (number.at(i) == u'+' || number.at(i) == u'-'))
        ++i;
    bool digitSeen = false;
    bool pointSeen = false;
    for (; i < number.size(); ++i) {
        const QChar c = number.at(i);
        if (c >= u'0' && c <= u'9') {
            digitSeen = true;
        } else if (isDecimalPoint(c) && !pointSeen) {
            pointSeen = true;
        } else {
            return false;
        }
    }
    return digitSeen;
}

double numericValue(const QString &text)
{
    QString number = trimmedBlanks(text).toString();
    number.replace(u',', u'.');
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // Only a value too large for a double gets here; it is out of range all the same.
    return number.startsWith(u'-') ? -HUGE_VAL : HUGE_VAL;
}

qint16 toInteger16(double value)
{
    // nearbyint honours the default rounding mode, round-half-to-even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<qint16>::min() &&
          rounded <= std::numeric_limits<qint16>::max()))
        throw RuntimeError::overflow();
    return static_cast<qint16>(rounded);
}

std::optional<qint16> typedInteger16(const QString &answer)
{
    if (!isNumeric(answer))
        return std::nullopt;
    return toInteger16(numericValue(answer));
}

} // namespace rumbario
