#include "FileIO.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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

#ifdef _WIN32
// The system's own words for a Windows error code ("Access is denied").
std::string WindowsErrorText(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words = length ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L'.' || words.back() == L' '))
        words.pop_back();
    if (words.empty())
        return "Windows error " + std::to_string(code);
    const auto utf8 = fs::path(words).u8string();
    return std::string(utf8.begin(), utf8.end());
}
#endif

} // namespace

namespace FileIO {

std::filesystem::path PathFromUtf8(const std::string& utf8)
{
    return PathOf(utf8);
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string LastErrorText()
{
    return std::generic_category().message(errno);
}

FileStamp StampOf(const std::string& path)
{
    FileStamp stamp;
#ifdef _WIN32
    // std::filesystem gives MinGW whole seconds, which misses a rewrite in the
    // same second; the handle has 100 ns times, the status-change time and
    // the file's own number.
    const HANDLE file = CreateFileW(PathOf(path).c_str(), FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return stamp;
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO times{};
    if (GetFileInformationByHandle(file, &info) && GetFileInformationByHandleEx(file, FileBasicInfo, &times, sizeof times)) {
        // 100 ns steps since 1601 to nanoseconds since 1970, as on POSIX.
        constexpr std::int64_t kSince1601 = 116444736000000000;
        stamp.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
        stamp.modified = (times.LastWriteTime.QuadPart - kSince1601) * 100;
        stamp.changed = (times.ChangeTime.QuadPart - kSince1601) * 100;
        stamp.device = info.dwVolumeSerialNumber;
        stamp.file = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
        stamp.valid = true;
    }
    CloseHandle(file);
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
    auto status = ReadWholeFile(path, [&](std::size_t size) {
        out.resize(size);
        return out.data();
    });
    if (!status)
        out.clear();
    return status;
}

GameStatus ReadWholeFile(const std::string& path, const RoomFor& room)
{
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
        std::uint8_t* data = nullptr;
        try {
            data = room(static_cast<std::size_t>(size));
        } catch (const std::bad_alloc&) {
            std::fclose(file);
            return GameStatus::Failure(GameMessages::kOutOfMemory);
        }
        const std::size_t got = size == 0 ? 0 : std::fread(data, 1, static_cast<std::size_t>(size), file);
        // A file that grows while it is read keeps its first `size` bytes.
        if (got != size)
            status = GameStatus::Failure("Cannot read " + Quote(path) + ": " + (std::ferror(file) ? LastErrorText() : std::string("the file became shorter while it was read")) + ".");
    }
    std::fclose(file);
    return status;
}

GameStatus StreamFileInto(const std::string& path, ByteSink& out)
{
    std::FILE* file = OpenStdio(path, "rb");
    if (!file)
        return GameStatus::Failure("Cannot open " + Quote(path) + ": " + LastErrorText() + ".");
    std::vector<std::uint8_t> block(kWriteBlock);
    GameStatus status;
    while (status) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file);
        if (got > 0)
            status = out.Write(block.data(), got);
        if (got < block.size()) {
            if (std::ferror(file))
                status = GameStatus::Failure("Cannot read " + Quote(path) + ": " + LastErrorText() + ".");
            break;
        }
    }
    std::fclose(file);
    return status;
}

GameStatus WriteWholeFile(const std::string& path, std::string_view text)
{
    SafeFileWriter out(path);
    if (auto status = out.Open(); !status)
        return status;
    if (auto status = out.Write(text.data(), text.size()); !status)
        return status;
    return out.Commit();
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

GameStatus SafeFileWriter::Commit(const std::function<GameStatus()>& beforeReplace)
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
    if (beforeReplace) {
        if (auto status = beforeReplace(); !status) {
            m_bFailed = true;
            return status;
        }
    }
#ifdef _WIN32
    const bool replaced = MoveFileExW(PathOf(m_strTempPath).c_str(), PathOf(m_strTarget).c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    const std::string reason = replaced ? std::string() : WindowsErrorText(GetLastError());
#else
    const bool replaced = ::rename(m_strTempPath.c_str(), m_strTarget.c_str()) == 0;
    const std::string reason = replaced ? std::string() : LastErrorText();
#endif
    if (!replaced) {
        m_bFailed = true;
        return GameStatus::Failure("Cannot save " + Quote(m_strTarget) + ": the finished file could not replace it ("
            + reason + ").");
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
