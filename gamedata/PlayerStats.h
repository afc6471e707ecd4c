#pragma once

#include <array>
#include <cstddef>

// Career statistics inside the player record: four competitions, each with
// the same seventeen figures, all 32-bit values at fixed offsets.
enum class Competition { FirstClass, TestMatch, OneDayInt, OneDay };
enum class Stat {
    Debut, Matches, Innings, NotOuts, Runs, HighScore, Hundreds, Fifties,
    Balls, RunsConceded, Wickets, BestBowling2, BestBowling1, FiveWkts, TenWkts,
    Catches, Stumpings
};

namespace PlayerStats {

inline constexpr std::size_t kCompetitionCount = 4;
inline constexpr std::size_t kStatCount = 17;

inline constexpr std::array<Competition, kCompetitionCount> kCompetitions = {
    Competition::FirstClass, Competition::TestMatch, Competition::OneDayInt, Competition::OneDay};

// Offset of one figure in the player record.
std::size_t Offset(Competition competition, Stat stat);

// Stable names, used by the command-line tool ("first_class", "runs", ...).
const char* CompetitionKey(Competition competition);
const char* StatKey(Stat stat);
// The name the statistics dialog gives a competition's rows ("First Class").
const char* CompetitionName(Competition competition);
Stat StatAt(std::size_t index); // 0..kStatCount-1 in the order of the enum

} // namespace PlayerStats
