#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Runs a program in a child process (fork + exec) under the conditions a
// fault test needs: a file-size limit with SIGXFSZ ignored (so writes fail
// with an error instead of killing it) or another user. Its standard input
// is a pipe; its output and error are collected.
struct ChildOptions
{
    std::vector<std::string> argv; // argv[0] is the program's path
    std::optional<std::uint64_t> fileSizeLimit = {};
    std::optional<uid_t> runAsUser = {};
    std::optional<gid_t> runAsGroup = {};
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

    // The child's standard output up to the next newline; empty when it closed it first.
    std::string ReadLine();
    void WriteLine(const std::string& line);
    void Kill(int signal);
    bool HasEnded(); // reaps a child that has ended
    ChildResult Wait();

private:
    // One read from the stream into the sink; closes the stream at its end.
    void ReadSome(int& fd, std::string& sink);

    pid_t m_pid = -1;
    int m_stdin = -1;
    int m_stdout = -1;
    int m_stderr = -1;
    bool m_reaped = false;
    int m_waitStatus = 0;
    ChildResult m_result;
    std::size_t m_lineStart = 0;
};

// The result's exit status and output, for failure messages.
std::string Describe(const ChildResult& result);
