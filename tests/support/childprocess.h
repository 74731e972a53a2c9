// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace rumbario {

/**
 * Runs body in a forked copy of the test and returns the exit code it returned, or -1 when it
 * died of a signal. Limits, users and other process-wide settings that body changes leave the
 * test itself untouched, so a test can fill the disk or run out of memory without root.
 */
int runInChild(const std::function<int()> &body);

} // namespace rumbario
