#include "FileIO.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kWriteBlock = 1 << 20;
// How much written data may wait before the disk is asked to start on it:
// every block, which measured best for small and large games alike.
constexpr std::uint64_t kWritebackStep = kWriteBlock;

fs::path PathOf(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Quote(const std::string& path)
{
    return "\"" + path + "\"";
}

std::FILE* OpenStdio(const std::string& path, const char* mode)
{
#ifdef _WIN32
    std::wstring wideMode(mode, mode + std::strlen(mode));
    return _wfopen(PathOf(path).c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

// Room for a whole file. Fresh memory is filled a 4 KiB page at a time, one
// page fault each, which for a large game file costs more than reading it:
// a large buffer asks for huge pages (advice only; ignored where missing).
void ReserveFileBuffer(std::vector<std::uint8_t>& buffer, std::size_t size)
{
    buffer.reserve(size);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    if (size < 4 * kHugePage)
        return;
    const auto first = reinterpret_cast<std::uintptr_t>(buffer.data());
    const auto start = (first + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (first + size) & ~(kHugePage - 1);
    if (end > start)
        (void)::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#endif
}

std::string RandomSuffix()
{
    static std::mt19937_64 generator{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string suffix;
    for (int i = 0; i < 8; ++i)
        suffix += kDigits[generator() % 36];
    return suffix;
}

// The folder a temporary file for `target` goes into.
std::string FolderOf(const std::string& target)
{
    const fs::path parent = PathOf(target).parent_path();
    const auto text = (parent.empty() ? fs::path(".") : parent).u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

namespace FileIO {

std::string LastErrorText()
{
    return std::generic_category().message(errno);
}

FileStamp StampOf(const std::string& path)
{
    FileStamp stamp;
#ifdef _WIN32
    std::error_code sizeError, timeError;
    stamp.size = fs::file_size(PathOf(path), sizeError);
    const auto time = fs::last_write_time(PathOf(path), timeError);
    stamp.modified = std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
    stamp.valid = !sizeError && !timeError;
#else
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return stamp;
    constexpr std::int64_t kBillion = 1000000000;
    stamp.size = static_cast<std::uint64_t>(info.st_size);
#ifdef __APPLE__
    stamp.modified = info.st_mtimespec.tv_sec * kBillion + info.st_mtimespec.tv_nsec;
    stamp.changed = info.st_ctimespec.tv_sec * kBillion + info.st_ctimespec.tv_nsec;
#else
    stamp.modified = info.st_mtim.tv_sec * kBillion + info.st_mtim.tv_nsec;
    stamp.changed = info.st_ctim.tv_sec * kBillion + info.st_ctim.tv_nsec;
#endif
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.file = static_cast<std::uint64_t>(info.st_ino);
    stamp.valid = true;
#endif
    return stamp;
}

GameStatus ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out)
{
    out.clear();
    std::error_code error;
    if (fs::is_directory(PathOf(path), error))
        return GameStatus::Failure("Cannot open " + Quote(path) + ": it is a folder, not a game file.");
    std::FILE* file = OpenStdio(path, "rb");
    if (!file)
        return GameStatus::Failure("Cannot open " + Quote(path) + ": " + LastErrorText() + ".");
    GameStatus status;
    const auto size = fs::file_size(PathOf(path), error);
    if (error) {
        status = GameStatus::Failure("Cannot read " + Quote(path) + ": " + error.message() + ".");
    } else {
        try {
            ReserveFileBuffer(out, static_cast<std::size_t>(size));
            out.resize(static_cast<std::size_t>(size));
        } catch (const std::bad_alloc&) {
            std::fclose(file);
            return GameStatus::Failure(GameMessages::kOutOfMemory);
        }
        const std::size_t got = out.empty() ? 0 : std::fread(out.data(), 1, out.size(), file);
        // A file that grows while it is read keeps its first `size` bytes.
        if (got != out.size())
            status = GameStatus::Failure("Cannot read " + Quote(path) + ": " + (std::ferror(file) ? LastErrorText() : std::string("the file became shorter while it was read")) + ".");
    }
    std::fclose(file);
    if (!status)
        out.clear();
    return status;
}

GameStatus CheckWritableTarget(const std::string& path)
{
    std::error_code error;
    const auto status = fs::status(PathOf(path), error);
    if (!fs::exists(status))
        return {};
    if (!fs::is_regular_file(status))
        return GameStatus::Failure("Cannot save " + Quote(path) + ": it is not a regular file.");
    constexpr auto kWriteBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & kWriteBits) == fs::perms::none)
        return GameStatus::Failure("Cannot save " + Quote(path) + ": the file is read-only.");
    // Opening for update (no truncation) asks the system whether this user may write it.
    std::FILE* file = OpenStdio(path, "r+b");
    if (!file)
        return GameStatus::Failure("Cannot save " + Quote(path) + ": " + LastErrorText() + ".");
    std::fclose(file);
    return {};
}

SafeFileWriter::SafeFileWriter(std::string targetPath) : m_strTarget(std::move(targetPath)) {}

SafeFileWriter::~SafeFileWriter()
{
    Discard();
}

GameStatus SafeFileWriter::Open()
{
    const std::string folder = FolderOf(m_strTarget);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = (PathOf(folder) / PathOf("Orb" + RandomSuffix() + ".tmp")).u8string();
        m_strTempPath.assign(candidate.begin(), candidate.end());
#ifdef _WIN32
        int fd = -1;
        _wsopen_s(&fd, PathOf(m_strTempPath).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYRW, _S_IREAD | _S_IWRITE);
#else
        const int fd = ::open(m_strTempPath.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
#endif
        if (fd >= 0) {
            m_handle = fd;
            m_buffer.reserve(kWriteBlock);
#ifndef _WIN32
            // The new file keeps the permissions of the one it replaces.
            struct stat info {};
            if (::stat(m_strTarget.c_str(), &info) == 0)
                (void)::fchmod(fd, info.st_mode & 07777);
#endif
            return {};
        }
        if (errno != EEXIST)
            break;
    }
    const std::string reason = LastErrorText();
    m_strTempPath.clear();
    return GameStatus::Failure("Cannot save " + Quote(m_strTarget) + ": no temporary file can be created in the folder "
        + Quote(folder) + " (" + reason + ").");
}

GameStatus SafeFileWriter::Write(const void* data, std::size_t size)
{
    if (m_bFailed || m_handle < 0)
        return GameStatus::Failure("Cannot save " + Quote(m_strTarget) + ": the temporary file is not open.");
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (m_buffer.size() + size > kWriteBlock) {
        if (auto status = FlushBuffer(); !status)
            return status;
    }
    if (size >= kWriteBlock)
        return WriteRaw(bytes, size);
    m_buffer.insert(m_buffer.end(), bytes, bytes + size);
    return {};
}

GameStatus SafeFileWriter::FlushBuffer()
{
    auto status = WriteRaw(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
    return status;
}

GameStatus SafeFileWriter::WriteRaw(const std::uint8_t* data, std::size_t size)
{
    const auto fd = static_cast<int>(m_handle);
    std::size_t done = 0;
    while (done < size) {
        const std::size_t chunk = std::min(size - done, kWriteBlock);
#ifdef _WIN32
        const int written = _write(fd, data + done, static_cast<unsigned>(chunk));
#else
        const ssize_t written = ::write(fd, data + done, chunk);
#endif
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_bFailed = true;
            if (written == 0)
                errno = ENOSPC;
            return GameStatus::Failure("Cannot save " + Quote(m_strTarget) + ": " + LastErrorText() + ".");
        }
        done += static_cast<std::size_t>(written);
        m_nWritten += static_cast<std::uint64_t>(written);
        StartWriteback();
    }
    return {};
}

// A large file is handed to the disk while the rest is still being written,
// so the final flush waits only for the last few blocks instead of all of
// them. Only a request: the flush in Commit still makes the file durable.
void SafeFileWriter::StartWriteback()
{
    if (m_nWritten - m_nWritebackFrom < kWritebackStep)
        return;
#if defined(__linux__) && defined(SYNC_FILE_RANGE_WRITE)
    (void)::sync_file_range(static_cast<int>(m_handle), static_cast<off_t>(m_nWritebackFrom),
        static_cast<off_t>(m_nWritten - m_nWritebackFrom), SYNC_FILE_RANGE_WRITE);
#endif
    m_nWritebackFrom = m_nWritten;
}

GameStatus SafeFileWriter::Commit()
{
    if (auto status = FlushBuffer(); !status)
        return status;
    const auto fd = static_cast<int>(m_handle);
#ifdef _WIN32
    const bool synced = _commit(fd) == 0;
    const bool closed = _close(fd) == 0;
#else
    const bool synced = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
#endif
    m_handle = -1;
    if (!synced || !closed) {
        m_bFailed = true;
        return GameStatus::Failure("Cannot save " + Quote(m_strTarget) + ": " + LastErrorText() + ".");
    }
#ifdef _WIN32
    const bool replaced = MoveFileExW(PathOf(m_strTempPath).c_str(), PathOf(m_strTarget).c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced)
        errno = EACCES;
#else
    const bool replaced = ::rename(m_strTempPath.c_str(), m_strTarget.c_str()) == 0;
#endif
    if (!replaced) {
        m_bFailed = true;
        return GameStatus::Failure("Cannot save " + Quote(m_strTarget) + ": the finished file could not replace it ("
            + LastErrorText() + ").");
    }
    m_strTempPath.clear();
#ifndef _WIN32
    // Make the rename itself durable.
    const int dir = ::open(FolderOf(m_strTarget).c_str(), O_RDONLY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
#endif
    return {};
}

void SafeFileWriter::Discard()
{
    if (m_handle >= 0) {
#ifdef _WIN32
        _close(static_cast<int>(m_handle));
#else
        ::close(static_cast<int>(m_handle));
#endif
        m_handle = -1;
    }
    if (!m_strTempPath.empty()) {
        std::error_code ignored;
        fs::remove(PathOf(m_strTempPath), ignored);
        m_strTempPath.clear();
    }
}

} // namespace FileIO
