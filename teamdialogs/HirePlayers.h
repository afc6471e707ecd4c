#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CGame;

// The hire list's rows and the hiring itself, without the dialog.
namespace HirePlayers {

inline constexpr int kMaxSquadForHire = 40;

// One row of the List of Players: game text for its three columns.
struct Candidate
{
    std::uint32_t nId = 0;
    std::string strName;
    std::string strType;
    // The player's team, or his origin when he has none.
    std::string strTeamOrigin;
    int nImage = 0;
};

// Every player not in the team, in table order.
std::vector<Candidate> Candidates(const CGame& game, int teamId);

// Moves the players (in the given order) into the team. Refuses with
// "Too many players (max. 40)" and moves nobody when the squad would grow
// beyond 40. Returns the message, or an empty string.
std::string Hire(CGame& game, int teamId, const std::vector<std::uint32_t>& playerIds);

} // namespace HirePlayers
