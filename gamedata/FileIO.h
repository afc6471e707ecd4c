#pragma once

#include "ByteSink.h"
#include "GameError.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The small platform layer of the core: whole-file reading and the safe
// replacement of a file. Everything POSIX- or Windows-specific lives in
// FileIO.cpp behind these calls.
namespace FileIO {

// What identifies a file's contents without reading them: size, times and,
// where the system has them, the file's own number (a file replaced by
// another has a new one). Equal stamps mean untouched.
struct FileStamp
{
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds
    std::int64_t changed = 0;  // status change, nanoseconds (0 where unknown)
    std::uint64_t device = 0, file = 0;
    bool valid = false;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
FileStamp StampOf(const std::string& path);

// The path of a file named in UTF-8, as the programs pass names around. On
// Windows this is the wide name, so names outside the system's code page
// open too; give it to std::filesystem and the standard streams.
std::filesystem::path PathFromUtf8(const std::string& utf8);
// And back: a path as the UTF-8 name the programs pass around.
std::string Utf8FromPath(const std::filesystem::path& path);

// Reads the whole file in one go. Fails with a message naming the file.
GameStatus ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out);
// The same into the memory room(size) returns, which need not be zeroed
// first: a large game file's buffer is then written once, not twice.
using RoomFor = std::function<std::uint8_t*(std::size_t size)>;
GameStatus ReadWholeFile(const std::string& path, const RoomFor& room);

// Collects output and writes it in large blocks to a temporary file beside
// the target ("Orb" prefix); Commit flushes it to disk and renames it over
// the target in one step. Destroying an uncommitted writer deletes the
// temporary file, so a failed save never leaves anything behind.
// beforeReplace runs once the temporary file is complete and on disk, just
// before the rename (a backup of the old file goes there); its failure
// refuses the replacement.
class SafeFileWriter : public ByteSink
{
public:
    explicit SafeFileWriter(std::string targetPath);
    ~SafeFileWriter() override;
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    GameStatus Open();
    GameStatus Write(const void* data, std::size_t size) override;
    GameStatus Commit(const std::function<GameStatus()>& beforeReplace = {});
    const std::string& TempPath() const { return m_strTempPath; }

private:
    GameStatus FlushBuffer();
    GameStatus WriteRaw(const std::uint8_t* data, std::size_t size);
    void StartWriteback();
    void Discard();

    std::string m_strTarget;
    std::string m_strTempPath;
    std::intptr_t m_handle = -1;
    std::vector<std::uint8_t> m_buffer;
    bool m_bFailed = false;
    std::uint64_t m_nWritten = 0;
    std::uint64_t m_nWritebackFrom = 0;
};

// Copies the file at path into out, in blocks (a large file is never held
// whole). Fails with a message naming the file.
GameStatus StreamFileInto(const std::string& path, ByteSink& out);

// Replaces (or makes) the file at path with text, safely, as SafeFileWriter does.
GameStatus WriteWholeFile(const std::string& path, std::string_view text);

// Fails with a message when the file at path exists but may not be
// replaced (read-only, not a regular file, not writable by this user).
GameStatus CheckWritableTarget(const std::string& path);

// The reason of the last failed system call, in words ("No space left on
// device", "Permission denied").
std::string LastErrorText();

} // namespace FileIO
