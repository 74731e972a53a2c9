// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>

/** Stops the fuzzer on a broken rule, so that it keeps the input that broke it. */
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}
