// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "child.h"

#include <support/clocks.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace report {
namespace {

class Pipe {
public:
    Pipe()
    {
        if (pipe2(m_fds, O_CLOEXEC) != 0)
            m_fds[0] = m_fds[1] = -1;
    }
    ~Pipe()
    {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool valid() const { return m_fds[0] >= 0; }
    int read() const { return m_fds[0]; }
    int write() const { return m_fds[1]; }
    void closeRead() { closeFd(m_fds[0]); }
    void closeWrite() { closeFd(m_fds[1]); }

private:
    static void closeFd(int& fd)
    {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
    int m_fds[2];
};

std::string describeStatus(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status) == 0 ? std::string()
                                        : "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("killed by signal ") + strsignal(WTERMSIG(status));
    return "ended oddly";
}

struct Spawned {
    pid_t pid = -1;
    std::string failure;
};

// `extraEnvironment` is added to this process's environment; the actions wire the descriptors.
Spawned spawn(const std::string& path, posix_spawn_file_actions_t& actions,
              const std::vector<std::string>& extraEnvironment)
{
    // An extra entry replaces this process's entry of the same name: the first one found wins.
    const auto overridden = [&extraEnvironment](const char* entry) {
        for (const std::string& extra : extraEnvironment) {
            const std::size_t name = extra.find('=') + 1;
            if (std::strncmp(entry, extra.c_str(), name) == 0)
                return true;
        }
        return false;
    };
    std::vector<char*> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!overridden(*entry))
            environment.push_back(*entry);
    }
    std::vector<std::string> extra = extraEnvironment;
    for (std::string& entry : extra)
        environment.push_back(entry.data());
    environment.push_back(nullptr);
    std::string program = path;
    char* arguments[] = {program.data(), nullptr};
    Spawned spawned;
    const int error =
        posix_spawn(&spawned.pid, path.c_str(), &actions, nullptr, arguments, environment.data());
    if (error != 0) {
        spawned.pid = -1;
        spawned.failure = "cannot start " + path + ": " + std::strerror(error);
    }
    return spawned;
}

// Waits for the child until the deadline on the monotonic clock; a child still running then
// is killed. Returns the status and fills `usage`.
std::string reap(pid_t pid, double deadlineMs, rusage& usage)
{
    int status = 0;
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            return describeStatus(status);
        if (done < 0 && errno != EINTR)
            return std::string("lost the child: ") + std::strerror(errno);
        if (bench::wallMs() > deadlineMs) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            return "timed out and was killed";
        }
        usleep(2000);
    }
}

// Waits until `fd` is readable or the deadline has passed; false on the deadline.
bool waitReadable(int fd, double deadlineMs)
{
    for (;;) {
        const double left = deadlineMs - bench::wallMs();
        if (left <= 0)
            return false;
        pollfd polled{fd, POLLIN, 0};
        const int ready = poll(&polled, 1, static_cast<int>(left) + 1);
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
}

} // namespace

Captured runCapturing(const std::string& path, std::chrono::seconds timeout,
                      const std::vector<std::string>& environment)
{
    Captured captured;
    Pipe out;
    if (!out.valid()) {
        captured.failure = "no pipe";
        return captured;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out.write(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out.write(), STDERR_FILENO);
    const Spawned child = spawn(path, actions, environment);
    posix_spawn_file_actions_destroy(&actions);
    out.closeWrite();
    if (child.pid < 0) {
        captured.failure = child.failure;
        return captured;
    }

    const double deadline = bench::wallMs() + 1e3 * static_cast<double>(timeout.count());
    char buffer[4096];
    while (waitReadable(out.read(), deadline)) {
        const ssize_t got = ::read(out.read(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        captured.output.append(buffer, static_cast<std::size_t>(got));
    }
    rusage usage{};
    captured.failure = reap(child.pid, deadline, usage);
    return captured;
}

Start timeStart(const std::string& path, std::chrono::seconds timeout,
                const std::vector<std::string>& environment)
{
    Start start;
    Pipe ready;
    // The child's copy of the write end must survive the exec.
    if (!ready.valid() || fcntl(ready.write(), F_SETFD, 0) != 0) {
        start.failure = "no pipe";
        return start;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, ready.read());
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const double spawnedAt = bench::wallMs();
    std::vector<std::string> childEnvironment = environment;
    childEnvironment.push_back("BENCH_READY_FD=" + std::to_string(ready.write()));
    const Spawned child = spawn(path, actions, childEnvironment);
    posix_spawn_file_actions_destroy(&actions);
    // Only the child holds the write end now: if it dies unpainted, the read sees the end.
    ready.closeWrite();
    if (child.pid < 0) {
        start.failure = child.failure;
        return start;
    }

    const double deadline = spawnedAt + 1e3 * static_cast<double>(timeout.count());
    char byte = 0;
    ssize_t got = -1;
    while (waitReadable(ready.read(), deadline)) {
        got = ::read(ready.read(), &byte, 1);
        if (!(got < 0 && errno == EINTR))
            break;
    }
    const double readyAt = bench::wallMs();
    rusage usage{};
    const std::string status = reap(child.pid, deadline, usage);
    start.peakBytes = 1024.0 * static_cast<double>(usage.ru_maxrss);
    if (got == 1)
        start.readyMs = readyAt - spawnedAt;
    if (!status.empty())
        start.failure = status;
    else if (got != 1)
        start.failure = "ended without painting a window";
    return start;
}

DisplayServer::DisplayServer()
{
    Pipe number;
    if (!number.valid() || fcntl(number.write(), F_SETFD, 0) != 0) {
        m_failure = "no pipe";
        return;
    }
    // The server picks a free display and writes its number to the descriptor given.
    std::string program = "Xvfb";
    std::string displayFd = std::to_string(number.write());
    std::vector<std::string> words = {program, "-displayfd", displayFd, "-screen", "0", "1280x1024x24",
                                      "-dpi", "96", "-nolisten", "tcp"};
    std::vector<char*> arguments;
    for (std::string& word : words)
        arguments.push_back(word.data());
    arguments.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, number.read());
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int error = posix_spawnp(&m_pid, program.c_str(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    number.closeWrite();
    if (error != 0) {
        m_pid = -1;
        m_failure = "cannot start Xvfb: " + std::string(std::strerror(error));
        return;
    }
    const double deadline = bench::wallMs() + 10e3;
    std::string digits;
    char byte = 0;
    while (waitReadable(number.read(), deadline) && ::read(number.read(), &byte, 1) == 1 && byte != '\n')
        digits += byte;
    if (byte != '\n' || digits.empty())
        m_failure = "Xvfb named no display";
    else
        m_display = ":" + digits;
}

DisplayServer::~DisplayServer()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
}

std::vector<std::string> DisplayServer::environment() const
{
    return {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + m_display, "BENCH_SERVER_PID=" + std::to_string(m_pid)};
}

} // namespace report
