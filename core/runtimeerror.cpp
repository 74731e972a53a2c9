// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtimeerror.h"

#include <utility>

namespace rumbario {

RuntimeError::RuntimeError(int number, QString description)
    : mNumber(number)
    , mDescription(std::move(description))
{}

RuntimeError RuntimeError::overflow()
{
    return RuntimeError(OverflowNumber, QStringLiteral("Desbordamiento"));
}

RuntimeError RuntimeError::subscriptOutOfRange()
{
    return RuntimeError(SubscriptOutOfRangeNumber,
                        QStringLiteral("El subíndice está fuera del intervalo"));
}

RuntimeError RuntimeError::outOfMemory()
{
    return RuntimeError(OutOfMemoryNumber, QStringLiteral("Memoria insuficiente"));
}

} // namespace rumbario
