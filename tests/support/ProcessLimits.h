// Faults a test makes happen to a save: a process killed at a moment of its work, and a limit on
// the size of the files it may write.
#pragma once

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs the work over and over in a child process and kills the child after the delay, wherever
// the work is then. True when the kill ended it; false when the work failed by itself.
inline bool KillDuringWork(const std::function<void()>& work, useconds_t delay)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        try {
            for (;;)
                work();
        } catch (...) {
            _exit(1);
        }
    }
    usleep(delay);
    kill(child, SIGKILL);
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFSIGNALED(status);
}

// While it lives, files grow no larger than the limit: a write past it fails (EFBIG) instead of
// raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    void (*m_handler)(int);
    rlimit m_saved{};
};
