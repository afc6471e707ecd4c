// What the POSIX and Windows children share; the rest is in
// ChildProcessPosix.cpp and ChildProcessWindows.cpp.
#include "ChildProcess.h"

ChildResult RunChild(const std::vector<std::string>& argv)
{
    return ChildProcess({.argv = argv}).Wait();
}

std::string Describe(const ChildResult& result)
{
    std::string text = !result.startError.empty() ? "could not start: " + result.startError
        : result.exited                            ? "exit status " + std::to_string(result.exitStatus)
                                                   : "killed by signal " + std::to_string(result.signal);
    return text + "; stdout: \"" + result.out + "\"; stderr: \"" + result.err + "\"";
}
