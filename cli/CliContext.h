#pragma once

#include <ostream>
#include <string>

// What every command gets: where results and errors go, and the exit
// status it leaves behind. Tests pass string streams; main passes the
// standard streams.
namespace ExitCode {
inline constexpr int kSuccess = 0;
inline constexpr int kFailed = 1; // the operation failed or was refused; the file is unchanged
inline constexpr int kUsage = 2;
} // namespace ExitCode

struct CommandContext
{
    std::ostream& out;
    std::ostream& err;
    int exitCode = ExitCode::kSuccess;
    bool noBackup = false; // --no-backup: saves copy no replaced file into the backups folder

    // Reports a failure on the error stream and sets exit status 1.
    void Fail(const std::string& message)
    {
        err << message << "\n";
        exitCode = ExitCode::kFailed;
    }

    // Reports a refused edit and that the file was left alone.
    void Refuse(const std::string& message, const std::string& file)
    {
        const bool sentence = !message.empty() && message.back() == '.';
        Fail(message + (sentence ? " " : "; ") + file + " was not changed" + (sentence ? "." : ""));
    }

    // Reports wrong usage found after parsing (a malformed KEY=VALUE, an
    // unknown key) and sets exit status 2.
    void Usage(const std::string& message)
    {
        err << "orbek-cli: " << message << "\nRun with --help for more information.\n";
        exitCode = ExitCode::kUsage;
    }
};
