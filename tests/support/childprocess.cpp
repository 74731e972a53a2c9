// SPDX-License-Identifier: GPL-3.0-or-later
#include "childprocess.h"

#include <cstdio>

#include <sys/wait.h>
#include <unistd.h>

namespace rumbario {

int runInChild(const std::function<int()> &body)
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        int code = 125;
        try {
            code = body();
        } catch (...) {
            code = 126;
        }
        // No destructors and no exit handlers: they belong to the parent.
        _exit(code);
    }
    if (child < 0)
        return -2;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace rumbario
