#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Runs a program in a child process (fork + exec) under the conditions a
// fault test needs: a file-size limit with SIGXFSZ ignored (so writes fail
// with an error instead of killing it), another user, and a pipe on its
// standard input. Standard output and error are collected.
struct ChildOptions
{
    std::vector<std::string> argv; // argv[0] is the program's path
    std::optional<std::uint64_t> fileSizeLimit = {};
    std::optional<uid_t> runAsUser = {};
    std::optional<gid_t> runAsGroup = {};
    bool captureOutput = true; // false: both streams go to /dev/null
};

struct ChildResult
{
    bool exited = false; // ended by exit(), not by a signal
    int exitStatus = -1;
    int signal = 0;
    std::string out;
    std::string err;
};

class ChildProcess
{
public:
    explicit ChildProcess(const ChildOptions& options);
    ~ChildProcess(); // kills and reaps a child that is still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return m_pid; }
    // Reads the child's standard output up to the next newline (collected
    // into the result as well). Empty when the child closed it first.
    std::string ReadLine();
    void WriteLine(const std::string& line);
    void Kill(int signal);
    // True when the child has already ended (it is then reaped).
    bool HasEnded();
    ChildResult Wait();

private:
    // Reads both output streams until the child closes them.
    void DrainOutput();

    pid_t m_pid = -1;
    int m_stdin = -1;
    int m_stdout = -1;
    int m_stderr = -1;
    bool m_reaped = false;
    int m_waitStatus = 0;
    ChildResult m_result;
    std::size_t m_lineStart = 0;
};

// The result's exit status as text for failure messages.
std::string Describe(const ChildResult& result);
