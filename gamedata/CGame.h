#pragma once

#include "CPlayer.h"
#include "CTeam.h"
#include "GameChange.h"
#include "GameError.h"
#include "SourceSnapshot.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class GameEdit;

// The one loaded game: the player and team tables, the team-name lists, the
// loaded file's path, the current player and the modified flag. The tables
// own their records; they are filled only by LoadGameFile and emptied by
// FreeGameData. Ids index the tables; empty slots are null. Every change of
// a loaded game goes through a GameEdit, which can roll it back and yields
// the undo record of it.
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

    std::uint32_t m_bModified = 0;
    std::string m_strGameFile;
    int m_nCurPlayer = -1;
    std::vector<std::unique_ptr<CTeam>> m_teams;
    std::vector<std::unique_ptr<CPlayer>> m_players;
    std::vector<std::string> m_teamNames;
    std::vector<std::string> m_teamShortNames;
    std::vector<std::string> m_teamAbbrevs;

    // Observers hear of every committed edit, undo and redo, and of loads,
    // FreeGameData and saves. The token removes the observer again.
    std::size_t AddObserver(GameObserver observer);
    void RemoveObserver(std::size_t token);

    // Which loaded game and which saved state of it the model holds: undo
    // records compare them with the ones they were made in.
    std::uint64_t LoadGeneration() const { return m_loadGeneration; }
    std::uint64_t SaveGeneration() const { return m_saveGeneration; }

    // Loads m_strGameFile. On failure nothing stays loaded, m_strGameFile is
    // empty and the status carries the message to show.
    GameStatus LoadGameFile();
    // Convenience: sets m_strGameFile, then loads.
    GameStatus LoadGameFile(const std::string& path);

    // Writes the model into m_strGameFile, or into newPath (which then
    // becomes m_strGameFile). Safe: the target is replaced in one step only
    // when the whole file was written; on failure it is untouched.
    GameStatus SaveGameFile(const std::string& newPath = {});

    void FreeGameData();

    // Marks a player (and the game) modified, as an edit of its own or
    // within the open one.
    void MarkPlayerModified(std::uint32_t playerId);

    // Table look-ups that tolerate any id: null for a missing record.
    CPlayer* Player(std::uint32_t id) const;
    CTeam* Team(std::uint32_t id) const;
    // The name at an index of a name list; empty outside the list.
    const std::string& TeamName(std::size_t id) const;
    // A team-name list: 0 full names, 1 short names, 2 abbreviations.
    const std::vector<std::string>& NameList(std::size_t list) const;

    bool IsLoaded() const { return !m_strGameFile.empty(); }

    // The player and team ids in file order, as loaded: the writer checks
    // the file on disk against them before it writes anything.
    std::vector<std::uint16_t> m_loadedPlayerOrder;
    std::vector<std::uint16_t> m_loadedTeamOrder;

    // The ids whose names the header's lists hold (full names, short names,
    // abbreviations), as loaded: the file has a place for these names only.
    std::array<std::vector<std::uint16_t>, 3> m_headerNameIds;
    bool HasNameSlot(std::size_t list, std::uint16_t id) const;

    // The label the tree shows for a player: display name, "*" if modified.
    std::string PlayerLabel(const CPlayer& player) const;

private:
    friend class GameEdit;
    friend class GameUndoRecord;

    void ClearTables();
    std::vector<std::string>& NameList(std::size_t list);
    void Notify(const GameChange& change);

    std::vector<std::pair<std::size_t, GameObserver>> m_observers;
    std::size_t m_nextObserverToken = 1;
    GameEdit* m_openEdit = nullptr;
    std::uint64_t m_loadGeneration = 0;
    std::uint64_t m_saveGeneration = 0;
    SourceSnapshot m_source; // what the file held when loaded or last saved
};
