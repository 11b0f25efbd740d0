#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace vorbia {

constexpr int kChildKilled = -1;

// Runs `body` in a forked child and returns the exit status it returns, or kChildKilled when it
// crashed or outlived `seconds`. A child cannot take the test process down or hang it, and it
// may give up privileges that the test process keeps.
inline int RunInChild(const std::function<int()>& body, unsigned seconds = 20) {
    const pid_t child = ::fork();
    if (child < 0) return kChildKilled;
    if (child == 0) {
        ::alarm(seconds);
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return kChildKilled;
    return WIFEXITED(status) ? WEXITSTATUS(status) : kChildKilled;
}

}  // namespace vorbia
