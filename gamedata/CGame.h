#pragma once

#include "Backups.h"
#include "CPlayer.h"
#include "CTeam.h"
#include "GameChange.h"
#include "GameError.h"
#include "RecordRange.h"
#include "SourceSnapshot.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class GameEdit;

// The one loaded game: the player and team tables, the team-name lists, the
// loaded file's path and the modified flag. The tables own their records;
// they are filled only by LoadGameFile and emptied by FreeGameData. Ids
// index the tables; empty slots are null. From outside the core all of it
// is read-only: every change of a loaded game goes through a GameEdit,
// which can roll it back and yields the undo record of it.
//
// Ownership:  CGame ──owns──> CPlayer / CTeam records
//               └──informs──> GameObservers (typed changes; any number)
class CGame
{
public:
    CGame();
    ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    // Observers hear of every committed edit, undo and redo, and of loads,
    // FreeGameData and saves. The token removes the observer again.
    std::size_t AddObserver(GameObserver observer);
    void RemoveObserver(std::size_t token);

    // Which loaded game and which saved state of it the model holds: undo
    // records compare them with the ones they were made in.
    std::uint64_t LoadGeneration() const { return m_loadGeneration; }
    std::uint64_t SaveGeneration() const { return m_saveGeneration; }

    // Loads the file at path, which becomes GameFile(). On failure nothing
    // stays loaded, GameFile() is empty and the status carries the message
    // to show.
    GameStatus LoadGameFile(const std::string& path);

    // Writes the model into GameFile(), or into newPath (which then becomes
    // GameFile()). Safe: the target is replaced in one step only
    // when the whole file was written; on failure it is untouched. With
    // backup settings, a target that exists and is not this game's own last
    // save (the first save since the load, a Save As over another file) is
    // copied into the backups folder before it is replaced; a backup that
    // cannot be written refuses the save. Old backups are pruned after it.
    GameStatus SaveGameFile(const std::string& newPath = {},
        const std::optional<Backups::Settings>& backups = std::nullopt);

    // Writes the model into path as a save would, safely, but leaves the
    // game as it is: GameFile(), the modified flags and the file the next
    // save checks stay (the recovery copy of unsaved edits). `base` sees the
    // bytes of the file on disk the copy was made from.
    using BaseReader = std::function<void(std::span<const std::uint8_t> base)>;
    GameStatus WriteCopy(const std::string& path, const BaseReader& base = {}) const;

    void FreeGameData();

    // Marks a player (and the game) modified, as an edit of its own or
    // within the open one.
    void MarkPlayerModified(std::uint32_t playerId);

    // Table look-ups that tolerate any id: null for a missing record.
    const CPlayer* Player(std::uint32_t id) const;
    const CTeam* Team(std::uint32_t id) const;
    // The table sizes, empty slots included: every id is below them.
    std::size_t PlayerCount() const { return m_players.size(); }
    std::size_t TeamCount() const { return m_teams.size(); }
    // The records present (empty slots skipped), in id order.
    RecordRange<CPlayer> Players() const { return RecordRange<CPlayer>(m_players); }
    RecordRange<CTeam> Teams() const { return RecordRange<CTeam>(m_teams); }
    // The name at an index of a name list; empty outside the list.
    const std::string& TeamName(std::size_t id) const;
    // A team-name list: 0 full names, 1 short names, 2 abbreviations.
    const std::vector<std::string>& NameList(std::size_t list) const;

    // The loaded file's path; empty when none is loaded.
    const std::string& GameFile() const { return m_strGameFile; }
    bool IsLoaded() const { return !m_strGameFile.empty(); }
    // Some record or name changed since the load or the last save.
    bool IsModified() const { return m_bModified != 0; }

    // The player and team ids in file order, as loaded: the writer checks
    // the file on disk against them before it writes anything.
    const std::vector<std::uint16_t>& LoadedPlayerOrder() const { return m_loadedPlayerOrder; }
    const std::vector<std::uint16_t>& LoadedTeamOrder() const { return m_loadedTeamOrder; }

    // The ids whose names a header list holds, as loaded: the file has a
    // place for these names only.
    const std::vector<std::uint16_t>& HeaderNameIds(std::size_t list) const { return m_headerNameIds.at(list); }
    bool HasNameSlot(std::size_t list, std::uint16_t id) const;

    // The label the tree shows for a player: display name, "*" if modified.
    std::string PlayerLabel(const CPlayer& player) const;

private:
    // The only writers: the edit transaction, its undo records and the reader.
    friend class GameEdit;
    friend class GameUndoRecord;
    friend class GameFileReader;

    // The writer's run shared by saves and copies: the model streamed over
    // the file it came from into target, replaced once beforeReplace agrees.
    GameStatus WriteModel(const std::string& target, const std::function<GameStatus()>& beforeReplace,
        const BaseReader& base) const;
    CPlayer* WritablePlayer(std::uint32_t id);
    CTeam* WritableTeam(std::uint32_t id);
    std::vector<std::string>& WritableNameList(std::size_t list);
    void ClearTables();
    void Notify(const GameChange& change);

    std::uint32_t m_bModified = 0;
    std::string m_strGameFile;
    std::vector<std::unique_ptr<CTeam>> m_teams;
    std::vector<std::unique_ptr<CPlayer>> m_players;
    std::vector<std::string> m_teamNames;
    std::vector<std::string> m_teamShortNames;
    std::vector<std::string> m_teamAbbrevs;
    std::vector<std::uint16_t> m_loadedPlayerOrder;
    std::vector<std::uint16_t> m_loadedTeamOrder;
    // Per list: full names, short names, abbreviations.
    std::array<std::vector<std::uint16_t>, 3> m_headerNameIds;

    std::vector<std::pair<std::size_t, GameObserver>> m_observers;
    std::size_t m_nextObserverToken = 1;
    GameEdit* m_openEdit = nullptr;
    std::uint64_t m_loadGeneration = 0;
    std::uint64_t m_saveGeneration = 0;
    SourceSnapshot m_source; // what the file held when loaded or last saved
};
