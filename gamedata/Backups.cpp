#include "Backups.h"

#include "ContentHash.h"
#include "FileIO.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const kOriginFile = "original folder.txt";
constexpr int kMaxCopiesPerSecond = 999;

using FileIO::Utf8FromPath;

std::string Quote(const std::string& text)
{
    return "\"" + text + "\"";
}

int Keep(const Backups::Settings& settings)
{
    return std::clamp(settings.keep, Backups::kMinKeep, Backups::kMaxKeep);
}

// The folder of the game file, absolute and with links resolved, so one
// folder reached by two paths has one subfolder.
fs::path OriginalFolder(const std::string& gamePath)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(FileIO::PathFromUtf8(gamePath), error);
    const fs::path folder = (error ? FileIO::PathFromUtf8(gamePath) : absolute).parent_path();
    const fs::path canonical = fs::weakly_canonical(folder, error);
    return error ? folder.lexically_normal() : canonical;
}

// "2026-12-07 04-35-40": the local time now, as backup names carry it.
std::string LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H-%M-%S", &local);
    return text;
}

// Whether text is a time as BackupName writes it: "dddd-dd-dd dd-dd-dd".
bool IsNameTime(const std::string& text)
{
    static const std::string kPattern = "dddd-dd-dd dd-dd-dd";
    if (text.size() != kPattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i])
            return false;
    }
    return true;
}

// The time and copy number of a backup of `stem``ext` from its file name;
// false for any other name.
bool ParseName(const std::string& name, const std::string& stem, const std::string& ext, Backups::Entry& entry)
{
    const std::string head = stem + " ";
    if (name.size() < head.size() + ext.size() || !name.starts_with(head) || !name.ends_with(ext))
        return false;
    const std::string middle = name.substr(head.size(), name.size() - head.size() - ext.size());
    const std::string time = middle.substr(0, std::min<std::size_t>(middle.size(), 19));
    if (!IsNameTime(time))
        return false;
    int copy = 1;
    if (middle.size() > time.size()) {
        const std::string suffix = middle.substr(time.size()); // " (2)"
        if (suffix.size() < 4 || !suffix.starts_with(" (") || suffix.back() != ')')
            return false;
        const std::string digits = suffix.substr(2, suffix.size() - 3);
        if (digits.empty() || digits.size() > 3 || digits[0] == '0'
            || !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            return false;
        copy = std::stoi(digits);
        if (copy < 2)
            return false;
    }
    entry.time = time.substr(0, 10) + "T" + time.substr(11, 2) + ":" + time.substr(14, 2) + ":" + time.substr(17, 2);
    entry.copy = copy;
    return true;
}

GameStatus CopyInto(const std::string& from, const std::string& to)
{
    FileIO::SafeFileWriter out(to);
    if (auto status = out.Open(); !status)
        return status;
    if (auto status = FileIO::StreamFileInto(from, out); !status)
        return status;
    return out.Commit();
}

// The reason in a SafeFileWriter's message about `path`, without the
// "Cannot save "path": " it starts with.
std::string ReasonOf(const GameStatus& status, const std::string& path)
{
    std::string text = status.message();
    const std::string prefix = "Cannot save " + Quote(path) + ": ";
    if (text.starts_with(prefix))
        text.erase(0, prefix.size());
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace

namespace Backups {

std::string DataFolder()
{
    fs::path base;
#ifdef _WIN32
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    if (!local || !*local)
        return {};
    base = fs::path(local);
#else
    // Relative paths in XDG_DATA_HOME are to be ignored.
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (data && data[0] == '/')
        base = fs::path(data);
    else if (home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        return {};
#endif
    return Utf8FromPath(base / "Orbek");
}

std::string DefaultFolder()
{
    const std::string data = DataFolder();
    return data.empty() ? data : Utf8FromPath(FileIO::PathFromUtf8(data) / "backups");
}

std::string FolderFor(const std::string& gamePath, const Settings& settings)
{
    const std::string root = settings.folder.empty() ? DefaultFolder() : settings.folder;
    if (root.empty())
        return {};
    const fs::path original = OriginalFolder(gamePath);
    std::string name = Utf8FromPath(original.filename());
    if (name.empty())
        name = "root";
    return Utf8FromPath(FileIO::PathFromUtf8(root) / FileIO::PathFromUtf8(name + " " + ContentHash::HexOf(Utf8FromPath(original))));
}

std::string BackupName(const std::string& gameFileName, const std::string& time, int copy)
{
    const fs::path name = FileIO::PathFromUtf8(gameFileName);
    return Utf8FromPath(name.stem()) + " " + time + (copy > 1 ? " (" + std::to_string(copy) + ")" : "") + Utf8FromPath(name.extension());
}

std::vector<Entry> List(const std::string& gamePath, const Settings& settings)
{
    std::vector<Entry> entries;
    const std::string folder = FolderFor(gamePath, settings);
    if (folder.empty())
        return entries;
    const fs::path game = FileIO::PathFromUtf8(gamePath).filename();
    const std::string stem = Utf8FromPath(game.stem());
    const std::string ext = Utf8FromPath(game.extension());
    std::error_code error;
    for (fs::directory_iterator it(FileIO::PathFromUtf8(folder), error), end; !error && it != end; it.increment(error)) {
        Entry entry;
        if (!it->is_regular_file(error) || !ParseName(Utf8FromPath(it->path().filename()), stem, ext, entry))
            continue;
        entry.path = Utf8FromPath(it->path());
        entry.size = it->file_size(error);
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
        [](const Entry& a, const Entry& b) { return a.time != b.time ? a.time > b.time : a.copy > b.copy; });
    return entries;
}

GameStatus BackUp(const std::string& gamePath, const Settings& settings)
{
    if (Keep(settings) == 0)
        return {};
    const std::string folder = FolderFor(gamePath, settings);
    auto refuse = [&](const std::string& reason) {
        return GameStatus::Failure("No backup of " + Quote(gamePath) + " could be written into the backups folder "
            + Quote(folder.empty() ? std::string("(none)") : folder) + ": " + reason + ".");
    };
    if (folder.empty())
        return refuse("the system names no folder for application data");
    const fs::path where = FileIO::PathFromUtf8(folder);
    std::error_code error;
    fs::create_directories(where, error);
    if (error)
        return refuse(error.message());
    if (!fs::is_directory(where, error))
        return refuse("it is not a folder");

    const std::string origin = Utf8FromPath(where / kOriginFile);
    if (!fs::exists(FileIO::PathFromUtf8(origin), error)) {
        if (auto status = FileIO::WriteWholeFile(origin, Utf8FromPath(OriginalFolder(gamePath)) + "\n"); !status)
            return refuse(ReasonOf(status, origin));
    }

    const std::string time = LocalTimeNow();
    const std::string fileName = Utf8FromPath(FileIO::PathFromUtf8(gamePath).filename());
    // The copy number follows the highest one of this second, not the first
    // gap a prune left: a lower number would list (and be pruned) as older.
    int copy = 1;
    for (int taken = 1; taken <= kMaxCopiesPerSecond; ++taken)
        if (fs::exists(where / FileIO::PathFromUtf8(BackupName(fileName, time, taken)), error))
            copy = taken + 1;
    if (copy > kMaxCopiesPerSecond)
        return refuse("too many backups within one second");
    const std::string target = Utf8FromPath(where / FileIO::PathFromUtf8(BackupName(fileName, time, copy)));
    if (auto status = CopyInto(gamePath, target); !status)
        return refuse(ReasonOf(status, target));
    return {};
}

void Prune(const std::string& gamePath, const Settings& settings)
{
    const auto entries = List(gamePath, settings);
    for (std::size_t i = static_cast<std::size_t>(Keep(settings)); i < entries.size(); ++i) {
        std::error_code ignored;
        fs::remove(FileIO::PathFromUtf8(entries[i].path), ignored);
    }
}

GameStatus Restore(const std::string& backupPath, const std::string& gamePath, const Settings& settings)
{
    std::error_code error;
    if (!fs::is_regular_file(FileIO::PathFromUtf8(backupPath), error))
        return GameStatus::Failure("Cannot restore " + Quote(gamePath) + ": the backup " + Quote(backupPath)
            + " is not there.");
    if (auto status = FileIO::CheckWritableTarget(gamePath); !status)
        return status;
    FileIO::SafeFileWriter out(gamePath);
    if (auto status = out.Open(); !status)
        return status;
    if (auto status = FileIO::StreamFileInto(backupPath, out); !status)
        return status;
    const bool exists = fs::exists(FileIO::PathFromUtf8(gamePath), error);
    if (auto status = out.Commit([&] { return exists ? BackUp(gamePath, settings) : GameStatus(); }); !status)
        return GameStatus::Failure(status.message() + " Nothing was restored.");
    Prune(gamePath, settings);
    return {};
}

} // namespace Backups
