#include "Recovery.h"

#include "Backups.h"
#include "ByteSink.h"
#include "ContentHash.h"
#include "FileIO.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const char* const kFirstLine = "Orbek recovery copy";
const char* const kGameKey = "game: ";
const char* const kSizeKey = "size: ";
const char* const kHashKey = "hash: ";
const char* const kDescriptionExtension = ".txt";
constexpr int kMaxKeptCopies = 999;

std::string Quote(const std::string& text)
{
    return "\"" + text + "\"";
}

// The game file's path, absolute and with links resolved, so every path
// that names one file names one copy.
std::string CanonicalPath(const std::string& gamePath)
{
    std::error_code error;
    fs::path path = fs::absolute(FileIO::PathFromUtf8(gamePath), error);
    if (error)
        path = FileIO::PathFromUtf8(gamePath);
    const fs::path canonical = fs::weakly_canonical(path, error);
    return FileIO::Utf8FromPath(error ? path.lexically_normal() : canonical);
}

// Counts and hashes what a file holds, block by block.
class BaseSink : public ByteSink
{
public:
    GameStatus Write(const void* data, std::size_t size) override
    {
        m_hash.Add(std::span(static_cast<const std::uint8_t*>(data), size));
        m_size += size;
        return {};
    }
    Recovery::Base Base() const { return {m_size, m_hash.Hex()}; }

private:
    ContentHash m_hash;
    std::uint64_t m_size = 0;
};

struct Description
{
    std::string game;
    Recovery::Base base;
};

std::string DescriptionText(const std::string& gamePath, const Recovery::Base& base)
{
    return std::string(kFirstLine) + "\n" + kGameKey + CanonicalPath(gamePath) + "\n" + kSizeKey
        + std::to_string(base.size) + "\n" + kHashKey + base.hash + "\n";
}

// False for a description that is missing or not one Write made.
bool ReadDescription(const std::string& path, Description& description)
{
    std::ifstream in(FileIO::PathFromUtf8(path), std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line) || line != kFirstLine)
        return false;
    bool haveGame = false, haveSize = false, haveHash = false;
    while (std::getline(in, line)) {
        if (line.starts_with(kGameKey)) {
            description.game = line.substr(std::string(kGameKey).size());
            haveGame = true;
        } else if (line.starts_with(kSizeKey)) {
            std::istringstream number(line.substr(std::string(kSizeKey).size()));
            haveSize = static_cast<bool>(number >> description.base.size) && number.eof();
        } else if (line.starts_with(kHashKey)) {
            description.base.hash = line.substr(std::string(kHashKey).size());
            haveHash = description.base.hash.size() == 16;
        }
    }
    return haveGame && haveSize && haveHash;
}

// Whether two games have the same players and teams by id: a copy of the
// same file does; anything else is not applied.
bool SameRecords(const CGame& a, const CGame& b)
{
    if (a.PlayerCount() != b.PlayerCount() || a.TeamCount() != b.TeamCount())
        return false;
    for (std::uint32_t id = 0; id < a.PlayerCount(); ++id)
        if ((a.Player(id) == nullptr) != (b.Player(id) == nullptr))
            return false;
    for (std::uint32_t id = 0; id < a.TeamCount(); ++id)
        if ((a.Team(id) == nullptr) != (b.Team(id) == nullptr))
            return false;
    return true;
}

} // namespace

namespace Recovery {

std::string DefaultFolder()
{
    const std::string data = Backups::DataFolder();
    return data.empty() ? data : FileIO::Utf8FromPath(FileIO::PathFromUtf8(data) / "recovery");
}

Files FilesFor(const std::string& gamePath, const std::string& folder)
{
    const fs::path name = FileIO::PathFromUtf8(gamePath).filename();
    const std::string copyName = FileIO::Utf8FromPath(name.stem()) + " " + ContentHash::HexOf(CanonicalPath(gamePath))
        + FileIO::Utf8FromPath(name.extension());
    const std::string copy = FileIO::Utf8FromPath(FileIO::PathFromUtf8(folder) / FileIO::PathFromUtf8(copyName));
    return {copy, copy + kDescriptionExtension};
}

Base BaseOf(std::span<const std::uint8_t> bytes)
{
    BaseSink sink;
    sink.Write(bytes.data(), bytes.size());
    return sink.Base();
}

GameStatus Write(const CGame& game, const std::string& folder)
{
    const std::string& gamePath = game.GameFile();
    if (folder.empty())
        return GameStatus::Failure("No recovery copy of " + Quote(gamePath)
            + " can be kept: the system names no folder for application data.");
    std::error_code error;
    fs::create_directories(FileIO::PathFromUtf8(folder), error);
    if (error)
        return GameStatus::Failure("No recovery copy of " + Quote(gamePath) + " can be kept in " + Quote(folder)
            + ": " + error.message() + ".");

    const Files files = FilesFor(gamePath, folder);
    Base base;
    if (auto status = game.WriteCopy(files.copy, [&](std::span<const std::uint8_t> bytes) { base = BaseOf(bytes); });
        !status)
        return status;
    // The copy first: a description always describes the copy beside it.
    if (auto status = FileIO::WriteWholeFile(files.description, DescriptionText(gamePath, base)); !status) {
        Discard(gamePath, folder);
        return status;
    }
    return {};
}

void Discard(const std::string& gamePath, const std::string& folder)
{
    const Files files = FilesFor(gamePath, folder);
    std::error_code ignored;
    fs::remove(FileIO::PathFromUtf8(files.copy), ignored);
    fs::remove(FileIO::PathFromUtf8(files.description), ignored);
}

Found Find(const std::string& gamePath, const std::string& folder)
{
    const Files files = FilesFor(gamePath, folder);
    std::error_code error;
    if (folder.empty() || !fs::is_regular_file(FileIO::PathFromUtf8(files.copy), error))
        return {};
    Description description;
    if (!ReadDescription(files.description, description))
        return {State::Outdated, files.copy};
    // Another file whose path has the same hash: not this one's copy.
    if (description.game != CanonicalPath(gamePath))
        return {};
    BaseSink disk;
    if (!FileIO::StreamFileInto(gamePath, disk) || !(disk.Base() == description.base))
        return {State::Outdated, files.copy};
    return {State::Applicable, files.copy};
}

std::string SetAside(const Found& found)
{
    const fs::path copy = FileIO::PathFromUtf8(found.copy);
    for (int kept = 1; kept <= kMaxKeptCopies; ++kept) {
        fs::path target = copy;
        target.replace_filename(FileIO::Utf8FromPath(copy.stem()) + " kept " + std::to_string(kept) + FileIO::Utf8FromPath(copy.extension()));
        std::error_code error;
        if (fs::exists(target, error))
            continue;
        fs::rename(copy, target, error);
        if (error)
            break;
        fs::rename(FileIO::PathFromUtf8(found.copy + kDescriptionExtension),
            FileIO::PathFromUtf8(FileIO::Utf8FromPath(target) + kDescriptionExtension), error);
        return FileIO::Utf8FromPath(target);
    }
    return found.copy;
}

GameStatus Apply(GameEdit& edit, const std::string& copyPath)
{
    CGame recovered;
    if (auto status = recovered.LoadGameFile(copyPath); !status) {
        const std::string& reason = status.message();
        return reason.find(Quote(copyPath)) != std::string::npos ? status
            : GameStatus::Failure("The recovery copy " + Quote(copyPath) + " cannot be read: " + reason + ".");
    }
    const CGame& game = edit.Game();
    if (!SameRecords(game, recovered))
        return GameStatus::Failure("The recovery copy " + Quote(copyPath) + " does not fit " + Quote(game.GameFile())
            + ": it has other players or teams.");

    for (const CPlayer* from : recovered.Players()) {
        if (game.Player(from->m_nId)->SameContent(*from))
            continue;
        CPlayer& player = *edit.Player(from->m_nId);
        player = *from;
        player.EditRecord(); // a record of its own, not one inside the copy's bytes
    }
    for (const CTeam* from : recovered.Teams()) {
        if (game.Team(from->m_wId)->SameContent(*from))
            continue;
        CTeam& team = *edit.Team(from->m_wId);
        const auto fileXICount = team.m_wFileXICount; // the layout of the file on disk stays
        team = *from;
        team.m_wFileXICount = fileXICount;
    }
    for (std::size_t list = 0; list < 3; ++list) {
        const auto& names = recovered.NameList(list);
        for (std::size_t id = 0; id < names.size(); ++id)
            if (id >= game.NameList(list).size() || game.NameList(list)[id] != names[id])
                edit.SetTeamName(list, static_cast<std::uint16_t>(id), names[id]);
    }
    edit.MarkChangedModified();
    return {};
}

} // namespace Recovery
