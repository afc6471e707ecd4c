#pragma once

#include "CGame.h"
#include "GameEdit.h"
#include "GameError.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The changes the Team Properties dialog commits to a team, shared with the
// command-line tool: names (into the team and the team-name lists, so the
// writer replaces a changed full name through the file), budget, First XI
// and the four role positions. Each is an operation of a GameEdit; each
// checks first and changes nothing when it refuses.
namespace TeamEdit {

inline constexpr std::size_t kMaxNameLength = 255; // a length byte

struct TeamNames
{
    std::string name; // Windows-1252 bytes
    std::string shortName;
    std::string abbrev;
};

// The role positions, 0..10 in the First XI.
struct TeamRoles
{
    std::int32_t captain = 0;
    std::int32_t keeper = 0;
    std::int32_t openBowler1 = 0;
    std::int32_t openBowler2 = 0;
};

TeamNames GetNames(const CTeam& team);
TeamRoles GetRoles(const CTeam& team);

GameStatus SetNames(GameEdit& edit, std::uint16_t teamId, const TeamNames& names);

// 0..1000000000, as the dialog accepts.
GameStatus CheckBudget(long long budget);
GameStatus SetBudget(GameEdit& edit, std::uint16_t teamId, long long budget);

// Eleven distinct members of the team's squad, in batting order.
GameStatus SetFirstXI(GameEdit& edit, std::uint16_t teamId, const std::vector<std::uint32_t>& playerIds);

// Positions 0..10; the two opening bowlers on different positions.
GameStatus SetRoles(GameEdit& edit, std::uint16_t teamId, const TeamRoles& roles);

// SetNames inside the game's open edit, or as an edit of its own.
GameStatus SetNames(CGame& game, std::uint16_t teamId, const TeamNames& names);

} // namespace TeamEdit
