#pragma once

#include "CGame.h"
#include "GameError.h"
#include "GameUndoRecord.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The one door through which a loaded game changes: a transaction. It hands
// out write access to players, teams and team-name list entries and keeps a
// before-image of each (and of the modified flags) the first time it is
// touched. Commit() keeps the changes, tells the game's observers and yields
// the undo record; an edit destroyed without Commit() (abandoned, or left
// by a caller whose operation failed) rolls everything back: all or nothing.
// Operations that refuse change nothing and leave the edit open, so a
// dialog can show the refusal and go on; the caller decides to give up.
//
// One edit at a time per game.
class GameEdit
{
public:
    explicit GameEdit(CGame& game);
    ~GameEdit();
    GameEdit(const GameEdit&) = delete;
    GameEdit& operator=(const GameEdit&) = delete;

    // Runs op inside the game's open edit, or else in an edit of its own
    // that is committed when op succeeds (no undo step is kept).
    static GameStatus Within(CGame& game, const std::function<GameStatus(GameEdit&)>& op);

    const CGame& Game() const { return m_game; }

    // Write access; null for a missing record.
    CPlayer* Player(std::uint32_t id);
    CTeam* Team(std::uint32_t id);
    // An entry of a team-name list (0 full names, 1 short names, 2
    // abbreviations); the list grows to hold it.
    void SetTeamName(std::size_t list, std::uint16_t id, const std::string& name);

    // Moves a player from oldTeam's squad to newTeam's (kNoTeam = none),
    // refilling any First XI place he leaves, and marks him and the game
    // modified. Refused, changing nothing, when the new squad is full.
    GameStatus MovePlayer(std::uint32_t playerId, std::uint16_t oldTeam, std::uint16_t newTeam);
    GameStatus MovePlayer(std::uint32_t playerId, std::uint16_t newTeam);

    // Modified flags ("*" in the tree); each marks the game as well.
    void MarkPlayerModified(std::uint32_t playerId);
    void MarkTeamModified(std::uint16_t teamId);
    // Marks every touched record whose content differs from its before-image.
    void MarkChangedModified();

    bool IsOpen() const { return m_open; }
    // Keeps the changes and returns their record (empty when nothing
    // changed; observers then hear nothing). The edit is closed afterwards.
    GameUndoRecord Commit(std::string name = {});
    // Restores every before-image and closes the edit.
    void Rollback();

private:
    void TouchNames();
    void Close();

    CGame& m_game;
    bool m_open = true;
    std::uint32_t m_gameModifiedBefore = 0;
    // Before-images in touch order, and per table id the image's index + 1.
    std::vector<GameUndoRecord::PlayerImage> m_players;
    std::vector<GameUndoRecord::TeamImage> m_teams;
    std::vector<GameUndoRecord::NameImage> m_names;
    std::vector<std::uint32_t> m_playerSlot;
    std::vector<std::uint32_t> m_teamSlot;
    bool m_namesTouched = false;
    std::array<std::size_t, 3> m_listSizeBefore{};
};
