#pragma once

#include <string>
#include <utility>

// The result of a core operation that can fail. The core never shows
// messages itself: it hands the exact text to whoever called it (the
// editor's message box, the command-line tool's standard error).
class GameStatus
{
public:
    GameStatus() = default; // success
    static GameStatus Failure(std::string message) { return GameStatus(std::move(message)); }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return m_strMessage; }

private:
    explicit GameStatus(std::string message) : m_failed(true), m_strMessage(std::move(message)) {}

    bool m_failed = false;
    std::string m_strMessage;
};

// The messages the game data code reports word for word.
namespace GameMessages {
inline constexpr const char* kErrorReadingDatabase = "Error reading database";
inline constexpr const char* kFileCorrupted = "File appears to be corrupted";
inline constexpr const char* kOutOfMemory = "Error allocating memory!";
} // namespace GameMessages
