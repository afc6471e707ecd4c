#pragma once

#include "CGame.h"
#include "GameDescription.h"
#include "TempDir.h"

#include <cstdint>
#include <string>
#include <vector>

namespace teamstest {

// The game the team tests run on: a realistic game of 18 teams whose names
// and one squad are set so that the expected results can be read off here.
//
// - Team kTestTeam "Aardvark Wanderers" is first by name (its id is not
//   the lowest). Squad: the First XI Alpha, Bravo, ..., Kilo (batting order),
//   then Lima, Mike, Xray, Yankee. Roles: captain at 3, keeper at 6, opening
//   bowlers at 9 and 10. Budget 500000.
// - Team kTeamOf37 holds 37 players, kTeamOf38 38.
// - Player kNoOriginPlayer has no team and no origin; kOriginPlayer has no
//   team and the origin kOriginTeam.
inline constexpr std::uint16_t kTestTeam = 7;
inline constexpr std::uint16_t kTeamOf37 = 8;
inline constexpr std::uint16_t kTeamOf38 = 9;
inline constexpr std::uint16_t kOriginTeam = 3;
extern const char* const kTestTeamName;

// Family names of the test team's squad in squad order (given name "John":
// display names "Alpha J" ...).
const std::vector<std::string>& TestSquadNames();

struct TeamsGame
{
    testgame::GameDescription description;
    std::uint16_t noOriginPlayer = 0;
    std::uint16_t originPlayer = 0;
    // A player of another team (kOriginTeam), who is in its First XI.
    std::uint16_t otherTeamXIPlayer = 0;
    std::vector<std::uint16_t> testSquad; // ids in squad order
};

TeamsGame MakeTeamsGame();

// The game written into a folder of its own and loaded.
class LoadedGame
{
public:
    // fileName decides whether the master database is open ("DATABASE.DB").
    explicit LoadedGame(const std::string& fileName = "LEAGUE.CAP");

    CGame game;
    TeamsGame built;
    testgame::TempDir dir;

    CTeam& Team(std::uint16_t id) { return *game.Team(id); }
    CPlayer& Player(std::uint32_t id) { return *game.Player(id); }
    // The test team's player with this family name.
    std::uint32_t IdOf(const std::string& familyName) const;
    // Family names of a list of ids ("" for 0).
    std::vector<std::string> Names(const std::vector<std::uint32_t>& ids);
    std::vector<std::string> FirstXINames(std::uint16_t teamId);
};

} // namespace teamstest
