// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>

namespace rumbario {

/**
 * A run-time error of the editor: a number and its Spanish description.
 *
 * Thrown where the fault arises and caught in one place only, the key handler's recovery,
 * which reports it as "error N: description".
 */
class RuntimeError : public std::exception
{
public:
    RuntimeError(int number, QString description);

    int number() const { return mNumber; }
    const QString &description() const { return mDescription; }
    const char *what() const noexcept override { return "rumbario run-time error"; }

    static RuntimeError overflow();
    static RuntimeError subscriptOutOfRange();
    static RuntimeError outOfMemory();

    static constexpr int OverflowNumber = 6;
    static constexpr int OutOfMemoryNumber = 7;
    static constexpr int SubscriptOutOfRangeNumber = 9;

private:
    int mNumber;
    QString mDescription;
};

} // namespace rumbario
