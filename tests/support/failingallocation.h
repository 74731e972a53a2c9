// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

/**
 * Makes one allocation made with new on this thread throw std::bad_alloc, as when memory runs
 * out: the one after the next count allocations succeed.
 */
void failAllocationAfter(long count);

/** Whether the armed failure has happened; disarms what is left. */
bool allocationFailed();

} // namespace rumbario
