#pragma once

// Runs a test case in a child process that an alarm ends after `seconds`, so
// that a case that blocks or never ends fails instead of hanging the run. The
// child fills a plain report and hands it back through a pipe.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <type_traits>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

template <typename Report>
::testing::AssertionResult RunInChild(unsigned seconds, const std::function<void(Report&)>& body, Report& report)
{
    static_assert(std::is_trivially_copyable_v<Report>, "the report crosses a pipe as bytes");
    int fds[2];
    if (::pipe(fds) != 0)
        return ::testing::AssertionFailure() << "pipe: " << std::strerror(errno);
    const pid_t child = ::fork();
    if (child < 0)
        return ::testing::AssertionFailure() << "fork: " << std::strerror(errno);
    if (child == 0) {
        ::close(fds[0]);
        ::alarm(seconds);
        Report result{};
        body(result);
        const bool written = ::write(fds[1], &result, sizeof result) == static_cast<ssize_t>(sizeof result);
        ::_exit(written ? 0 : 1);
    }
    ::close(fds[1]);
    std::size_t received = 0;
    auto* bytes = reinterpret_cast<char*>(&report);
    while (received < sizeof report) {
        const ssize_t count = ::read(fds[0], bytes + received, sizeof report - received);
        if (count <= 0)
            break;
        received += static_cast<std::size_t>(count);
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return ::testing::AssertionFailure() << "child killed by signal " << WTERMSIG(status)
                                             << (WTERMSIG(status) == SIGALRM ? " (it hung)" : "");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || received != sizeof report)
        return ::testing::AssertionFailure() << "child did not report its outcome";
    return ::testing::AssertionSuccess();
}
