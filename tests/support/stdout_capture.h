// For death tests, which match only standard error: the program's messages go to
// standard output, so the dying child sends its standard output there too.
#pragma once

#include <unistd.h>

#include <cstdio>

inline void StdoutToStderr() {
    std::fflush(stdout);
    dup2(STDERR_FILENO, STDOUT_FILENO);
}
