#pragma once

#ifndef _WIN32
#include <sys/types.h>
#endif

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Runs a program in a child process for the tests: fork + exec on POSIX,
// CreateProcessW on Windows. Its standard input is empty; its output and
// error are collected. The fault tests' extras (a file-size limit, another
// user, signals) exist on POSIX only.
struct ChildOptions
{
    std::vector<std::string> argv; // argv[0] is the program's path; all in UTF-8
#ifndef _WIN32
    // With SIGXFSZ ignored, so writes past the limit fail instead of killing the child.
    std::optional<std::uint64_t> fileSizeLimit = {};
    std::optional<uid_t> runAsUser = {};
    std::optional<gid_t> runAsGroup = {};
#endif
};

struct ChildResult
{
    bool exited = false; // ran and ended by exit(), not by a signal
    int exitStatus = -1;
    int signal = 0;
    std::string out;
    std::string err;
    std::string startError; // why the program could not be started; empty when it ran
};

class ChildProcess
{
public:
    explicit ChildProcess(const ChildOptions& options);
    ~ChildProcess(); // ends and reaps a child that is still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    ChildResult Wait();
#ifndef _WIN32
    bool HasEnded(); // reaps a child that has ended
    void Kill(int signal);
#endif

private:
#ifdef _WIN32
    void* m_process = nullptr;
    void* m_stdout = nullptr;
    void* m_stderr = nullptr;
#else
    pid_t m_pid = -1;
    int m_stdout = -1;
    int m_stderr = -1;
    int m_waitStatus = 0;
#endif
    bool m_reaped = false;
    ChildResult m_result;
};

// Starts the program and waits for its end.
ChildResult RunChild(const std::vector<std::string>& argv);

// The result's exit status and output, for failure messages.
std::string Describe(const ChildResult& result);
