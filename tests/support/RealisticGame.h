#pragma once

#include "GameDescription.h"

#include <cstdint>

namespace testgame {

struct RealisticOptions
{
    int teamCount = layout::kGameTeams; // team records (header names too)
    int minSquad = 15;
    int maxSquad = 30;
    // Non-team entries put between team records.
    int otherEntries = 4;
    // A non-team entry before the first team record (it ends at word 0).
    bool otherEntryBeforeFirstTeam = false;
    // Strings in the rest of the file (only with 18 or more teams) equal to
    // a team's full name; about a third as many again are longer names that
    // merely contain one.
    int restTeamNameStrings = 40;
};

// A believable whole game: invented teams and players with dates of birth,
// salaries, contracts, roles, batting and bowling styles, statistics in the
// four competitions, squads with a First XI and its roles, players without
// a team, non-team entries between the team records and copies of team
// names in the rest of the file. Player ids run from 1 to playerCount
// (at most 65535) in file order. The same seed always gives the same game;
// every player's own team id agrees with the squad lists.
GameDescription MakeRealisticGame(std::uint64_t seed, int playerCount, const RealisticOptions& options = {});

} // namespace testgame
