// The child process on POSIX: fork + exec, with the fault tests' extras
// (a file-size limit, another user, signals).
#include "ChildProcess.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <system_error>

namespace {

void Pipe(int fds[2])
{
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw std::system_error(errno, std::generic_category(), "pipe");
}

// What the child reports on its error pipe when it cannot start the program.
struct StartFailure
{
    int step; // index into kSteps
    int error;
};
constexpr const char* kSteps[] = {"redirecting the standard streams", "setting the file-size limit",
    "changing the user", "executing the program"};

// Between fork and exec only async-signal-safe calls are allowed. A failure
// is written to the error pipe (closed by a successful exec) and ends the
// child with status 127 before the program runs.
[[noreturn]] void FailStart(int errorPipe, int step)
{
    const StartFailure failure{step, errno};
    (void)!::write(errorPipe, &failure, sizeof failure);
    ::_exit(127);
}

[[noreturn]] void ExecChild(const ChildOptions& options, char* const* argv, const int streams[3], int errorPipe)
{
    for (int fd = 0; fd < 3; ++fd)
        if (::dup2(streams[fd], fd) < 0)
            FailStart(errorPipe, 0);
    if (options.fileSizeLimit) {
        ::signal(SIGXFSZ, SIG_IGN); // stays ignored across exec
        const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            FailStart(errorPipe, 1);
    }
    if (options.runAsUser) {
        if (::setgroups(0, nullptr) != 0 || (options.runAsGroup && ::setgid(*options.runAsGroup) != 0)
            || ::setuid(*options.runAsUser) != 0)
            FailStart(errorPipe, 2);
    }
    ::execv(argv[0], argv);
    FailStart(errorPipe, 3);
}

} // namespace

ChildProcess::ChildProcess(const ChildOptions& options)
{
    std::vector<char*> argv;
    for (const auto& arg : options.argv)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    int in[2], out[2], err[2], errorPipe[2];
    Pipe(in);
    Pipe(out);
    Pipe(err);
    Pipe(errorPipe);
    m_pid = ::fork();
    if (m_pid < 0)
        throw std::system_error(errno, std::generic_category(), "fork");
    if (m_pid == 0) {
        const int streams[3] = {in[0], out[1], err[1]};
        ExecChild(options, argv.data(), streams, errorPipe[1]);
    }
    // The child's input ends at once: the write end is closed.
    for (int fd : {in[0], in[1], out[1], err[1], errorPipe[1]})
        ::close(fd);
    m_stdout = out[0];
    m_stderr = err[0];

    StartFailure failure{};
    ssize_t got;
    while ((got = ::read(errorPipe[0], &failure, sizeof failure)) < 0 && errno == EINTR) {
    }
    ::close(errorPipe[0]);
    if (got == static_cast<ssize_t>(sizeof failure))
        m_result.startError = std::string(kSteps[failure.step]) + ": " + std::strerror(failure.error);
}

ChildProcess::~ChildProcess()
{
    if (!m_reaped) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    for (int fd : {m_stdout, m_stderr})
        if (fd >= 0)
            ::close(fd);
}

namespace {

// One read from the stream into the sink; closes the stream at its end.
void ReadSome(int& fd, std::string& sink)
{
    char buffer[4096];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
        sink.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
        ::close(fd);
        fd = -1;
    }
}

} // namespace

void ChildProcess::Kill(int signal)
{
    if (!m_reaped)
        ::kill(m_pid, signal);
}

bool ChildProcess::HasEnded()
{
    if (!m_reaped && ::waitpid(m_pid, &m_waitStatus, WNOHANG) == m_pid)
        m_reaped = true;
    return m_reaped;
}

ChildResult ChildProcess::Wait()
{
    // Both streams at once, so a child blocked on a full pipe cannot hang the test.
    while (m_stdout >= 0 || m_stderr >= 0) {
        pollfd fds[2] = {{m_stdout, POLLIN, 0}, {m_stderr, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            break;
        if (fds[0].revents)
            ReadSome(m_stdout, m_result.out);
        if (fds[1].revents)
            ReadSome(m_stderr, m_result.err);
    }
    while (!m_reaped) {
        if (::waitpid(m_pid, &m_waitStatus, 0) == m_pid)
            m_reaped = true;
        else if (errno != EINTR)
            throw std::system_error(errno, std::generic_category(), "waitpid");
    }
    m_result.exited = m_result.startError.empty() && WIFEXITED(m_waitStatus);
    m_result.exitStatus = m_result.exited ? WEXITSTATUS(m_waitStatus) : -1;
    m_result.signal = WIFSIGNALED(m_waitStatus) ? WTERMSIG(m_waitStatus) : 0;
    return m_result;
}
