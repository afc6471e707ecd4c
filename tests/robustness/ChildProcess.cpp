#include "ChildProcess.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <system_error>

namespace {

void Pipe(int fds[2])
{
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw std::system_error(errno, std::generic_category(), "pipe");
}

// Between fork and exec only async-signal-safe calls are allowed; a
// failure ends the child with status 127 before the program runs.
[[noreturn]] void ExecChild(const ChildOptions& options, char* const* argv, int in, int out, int err)
{
    if (::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
        ::_exit(127);
    if (options.fileSizeLimit) {
        ::signal(SIGXFSZ, SIG_IGN); // stays ignored across exec
        const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(127);
    }
    if (options.runAsUser) {
        if (::setgroups(0, nullptr) != 0 || (options.runAsGroup && ::setgid(*options.runAsGroup) != 0)
            || ::setuid(*options.runAsUser) != 0)
            ::_exit(127);
    }
    ::execv(argv[0], argv);
    ::_exit(127);
}

} // namespace

ChildProcess::ChildProcess(const ChildOptions& options)
{
    std::vector<char*> argv;
    for (const auto& arg : options.argv)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    int in[2], out[2], err[2];
    Pipe(in);
    Pipe(out);
    Pipe(err);
    m_pid = ::fork();
    if (m_pid < 0)
        throw std::system_error(errno, std::generic_category(), "fork");
    if (m_pid == 0)
        ExecChild(options, argv.data(), in[0], out[1], err[1]);
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    m_stdin = in[1];
    m_stdout = out[0];
    m_stderr = err[0];
}

ChildProcess::~ChildProcess()
{
    if (!m_reaped) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    for (int fd : {m_stdin, m_stdout, m_stderr})
        if (fd >= 0)
            ::close(fd);
}

void ChildProcess::ReadSome(int& fd, std::string& sink)
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

std::string ChildProcess::ReadLine()
{
    while (true) {
        const auto newline = m_result.out.find('\n', m_lineStart);
        if (newline != std::string::npos) {
            std::string line = m_result.out.substr(m_lineStart, newline - m_lineStart);
            m_lineStart = newline + 1;
            return line;
        }
        if (m_stdout < 0)
            return {};
        ReadSome(m_stdout, m_result.out); // blocks until the child writes or closes
    }
}

void ChildProcess::WriteLine(const std::string& line)
{
    const std::string text = line + "\n";
    if (::write(m_stdin, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        throw std::system_error(errno, std::generic_category(), "write to child");
}

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
    if (m_stdin >= 0) {
        ::close(m_stdin);
        m_stdin = -1;
    }
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
    m_result.exited = WIFEXITED(m_waitStatus);
    m_result.exitStatus = m_result.exited ? WEXITSTATUS(m_waitStatus) : -1;
    m_result.signal = WIFSIGNALED(m_waitStatus) ? WTERMSIG(m_waitStatus) : 0;
    return m_result;
}

std::string Describe(const ChildResult& result)
{
    std::string text = result.exited ? "exit status " + std::to_string(result.exitStatus)
                                     : "killed by signal " + std::to_string(result.signal);
    return text + "; stdout: \"" + result.out + "\"; stderr: \"" + result.err + "\"";
}
