#pragma once

#include "CGame.h"
#include "GameDescription.h"
#include "TempDir.h"

#include <cstdint>
#include <string>
#include <vector>

namespace teamstest {

// The game the team tests run on: 18 teams of a realistic game, set up so
// that expected results can be read off here.
// - kTestTeam "Aardvark Wanderers" is first by name (its id is not the
//   lowest). Squad (given name "John", shown "Alpha J"...): the First XI
//   Alpha..Kilo in batting order, then Lima, Mike, Xray, Yankee. Captain at
//   3, keeper at 6, opening bowlers at 9 and 10, budget 500000.
// - kTeamOf37 holds 37 players, kTeamOf38 38.
// - noOriginPlayer has no team and no origin; originPlayer no team and the
//   origin kOriginTeam ("Surrey"), whose first First XI player is
//   otherTeamXIPlayer.
inline constexpr std::uint16_t kTestTeam = 7;
inline constexpr std::uint16_t kTeamOf37 = 8;
inline constexpr std::uint16_t kTeamOf38 = 9;
inline constexpr std::uint16_t kOriginTeam = 3;
extern const char* const kTestTeamName;

struct TeamsGame
{
    testgame::GameDescription description;
    std::uint16_t noOriginPlayer = 0;
    std::uint16_t originPlayer = 0;
    std::uint16_t otherTeamXIPlayer = 0;
    std::vector<std::uint16_t> testSquad; // ids in squad order
};

TeamsGame MakeTeamsGame();

// The game written into a folder of its own (the file name decides whether
// the master database "DATABASE.DB" is open) and loaded.
class LoadedGame
{
public:
    explicit LoadedGame(const std::string& fileName = "LEAGUE.CAP");

    CGame game;
    TeamsGame built;
    testgame::TempDir dir;

    CTeam& Team(std::uint16_t id) { return *game.Team(id); }
    CPlayer& Player(std::uint32_t id) { return *game.Player(id); }
    // The test team's player with this family name.
    std::uint32_t IdOf(const std::string& familyName) const;
    // Family names of the team's stored First XI ("" for an empty place).
    std::vector<std::string> FirstXINames(std::uint16_t teamId);
};

} // namespace teamstest
