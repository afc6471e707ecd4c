#include "CGame.h"

#include "FileIO.h"
#include "GameEdit.h"
#include "GameFileLayout.h"
#include "GameFileReader.h"
#include "GameFileWriter.h"

#include <algorithm>
#include <cctype>

namespace {

// The game's own fixed texts are shown as they are; every other failure
// says which file it concerns.
GameStatus NamingFile(const char* action, const std::string& path, GameStatus status)
{
    const std::string& text = status.message();
    if (status || text == GameMessages::kErrorReadingDatabase || text == GameMessages::kFileCorrupted
        || text == GameMessages::kOutOfMemory || text.find("\"" + path + "\"") != std::string::npos)
        return status;
    std::string message = text;
    if (!message.empty())
        message[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(message[0])));
    return GameStatus::Failure(std::string(action) + " \"" + path + "\": " + message);
}

} // namespace

CGame::CGame() = default;
CGame::~CGame() = default;

const CPlayer* CGame::Player(std::uint32_t id) const
{
    return id < m_players.size() ? m_players[id].get() : nullptr;
}

const CTeam* CGame::Team(std::uint32_t id) const
{
    return id < m_teams.size() ? m_teams[id].get() : nullptr;
}

CPlayer* CGame::WritablePlayer(std::uint32_t id)
{
    return id < m_players.size() ? m_players[id].get() : nullptr;
}

CTeam* CGame::WritableTeam(std::uint32_t id)
{
    return id < m_teams.size() ? m_teams[id].get() : nullptr;
}

bool CGame::HasNameSlot(std::size_t list, std::uint16_t id) const
{
    const auto& ids = m_headerNameIds.at(list);
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

const std::string& CGame::TeamName(std::size_t id) const
{
    static const std::string kEmpty;
    return id < m_teamNames.size() ? m_teamNames[id] : kEmpty;
}

const std::vector<std::string>& CGame::NameList(std::size_t list) const
{
    const std::array<const std::vector<std::string>*, 3> lists = {&m_teamNames, &m_teamShortNames, &m_teamAbbrevs};
    return *lists.at(list);
}

std::vector<std::string>& CGame::WritableNameList(std::size_t list)
{
    return const_cast<std::vector<std::string>&>(std::as_const(*this).NameList(list));
}

std::size_t CGame::AddObserver(GameObserver observer)
{
    m_observers.emplace_back(m_nextObserverToken, std::move(observer));
    return m_nextObserverToken++;
}

void CGame::RemoveObserver(std::size_t token)
{
    std::erase_if(m_observers, [token](const auto& entry) { return entry.first == token; });
}

void CGame::Notify(const GameChange& change)
{
    // A copy: an observer may add or remove observers while it is told.
    const auto observers = m_observers;
    for (const auto& [token, observer] : observers)
        observer(change);
}

void CGame::FreeGameData()
{
    ClearTables();
    Notify({.reset = true});
}

void CGame::ClearTables()
{
    ++m_loadGeneration;
    m_players.clear();
    m_teams.clear();
    m_loadedPlayerOrder.clear();
    m_loadedTeamOrder.clear();
    for (auto& ids : m_headerNameIds)
        ids.clear();
    m_source.Forget();
}

GameStatus CGame::LoadGameFile(const std::string& requestedPath)
{
    const std::string path = requestedPath; // a copy: it may be GameFile() itself
    ClearTables();
    m_bModified = 0;
    m_strGameFile = path;

    std::shared_ptr<const FileBytes> bytes;
    GameFileLayout layout;
    const auto stamp = FileIO::StampOf(path); // before reading: a later change shows as a new stamp
    GameStatus status = FileBytes::Load(path, bytes);
    if (status)
        status = NamingFile("Cannot load", path, GameFileFormat::Parse(bytes->Span(), layout,
            [&](const PlayerEntryLayout& entry) { GameFileReader::ReadPlayer(*this, bytes, entry); }));
    if (status)
        GameFileReader::ReadTeams(*this, bytes->Span(), layout);
    if (!status) {
        ClearTables();
        m_strGameFile.clear();
        for (auto* list : {&m_teamNames, &m_teamShortNames, &m_teamAbbrevs})
            list->clear();
    } else {
        m_source.Loaded(stamp, std::move(bytes), std::move(layout));
    }
    Notify({.reset = true});
    return status;
}

GameStatus CGame::SaveGameFile(const std::string& newPath, const std::optional<Backups::Settings>& backups)
{
    if (!IsLoaded())
        return GameStatus::Failure("No game file is loaded.");
    const std::string target = newPath.empty() ? m_strGameFile : newPath;
    // Decided before the rename: afterwards the target is the new file.
    const auto backUpOldFile = [&] {
        const bool backUp = backups && !m_source.HoldsLastSave(target) && FileIO::StampOf(target).valid;
        auto status = backUp ? Backups::BackUp(target, *backups) : GameStatus();
        return status ? status : GameStatus::Failure(status.message() + " Nothing was saved; the file is unchanged.");
    };
    if (auto status = WriteModel(target, backUpOldFile, {}); !status)
        return status;
    m_source.Saved(target);
    if (backups)
        Backups::Prune(target, *backups);

    m_strGameFile = target;
    for (auto& player : m_players)
        if (player)
            player->m_bModified = 0;
    for (auto& team : m_teams)
        if (team)
            team->m_bModified = 0;
    m_bModified = 0;
    ++m_saveGeneration;
    Notify({.saved = true});
    return {};
}

GameStatus CGame::WriteCopy(const std::string& path, const BaseReader& base) const
{
    if (!IsLoaded())
        return GameStatus::Failure("No game file is loaded.");
    return WriteModel(path, {}, base);
}

GameStatus CGame::WriteModel(const std::string& target, const std::function<GameStatus()>& beforeReplace,
    const BaseReader& base) const
{
    SourceSnapshot::Source from;
    GameFileLayout scratchLayout;
    if (auto status = m_source.Current(m_strGameFile, from, scratchLayout); !status)
        return status;
    if (auto status = GameFileWriter::CheckSource(*this, *from.layout); !status)
        return NamingFile("Cannot save", target, status);
    if (auto status = FileIO::CheckWritableTarget(target); !status)
        return status;

    FileIO::SafeFileWriter out(target);
    if (auto status = out.Open(); !status)
        return status;
    if (auto status = GameFileWriter::Write(*this, from.bytes->Span(), *from.layout, out); !status)
        return status;
    if (base)
        base(from.bytes->Span());
    return out.Commit(beforeReplace);
}

void CGame::MarkPlayerModified(std::uint32_t playerId)
{
    GameEdit::Within(*this, [playerId](GameEdit& edit) {
        edit.MarkPlayerModified(playerId);
        return GameStatus();
    });
}

std::string CGame::PlayerLabel(const CPlayer& player) const
{
    std::string label = player.GetDisplayName();
    if (player.m_bModified)
        label += "*";
    return label;
}
