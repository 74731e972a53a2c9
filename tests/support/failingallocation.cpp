// SPDX-License-Identifier: GPL-3.0-or-later
// Replaces the global operator new in the test programs that link this file, so that any one
// allocation made with new can be made to fail on purpose with std::bad_alloc, as the C++ runtime
// fails it when memory runs out.
#include "failingallocation.h"

#include <cstdlib>
#include <new>

namespace {

thread_local long allocationsBeforeFailure = -1;
thread_local bool failureHappened = false;

bool failsNow()
{
    if (allocationsBeforeFailure < 0 || allocationsBeforeFailure-- > 0)
        return false;
    failureHappened = true;
    return true;
}

void *allocate(std::size_t size)
{
    void *block = failsNow() ? nullptr : std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    return block;
}

} // namespace

void *operator new(std::size_t size)
{
    return allocate(size);
}

void *operator new[](std::size_t size)
{
    return allocate(size);
}

void operator delete(void *block) noexcept
{
    std::free(block);
}

void operator delete[](void *block) noexcept
{
    std::free(block);
}

void operator delete(void *block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void *block, std::size_t) noexcept
{
    std::free(block);
}

namespace rumbario {

void failAllocationAfter(long count)
{
    failureHappened = false;
    allocationsBeforeFailure = count;
}

bool allocationFailed()
{
    allocationsBeforeFailure = -1;
    return failureHappened;
}

} // namespace rumbario
