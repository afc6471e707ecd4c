#include "PlayerStats.h"

namespace {

// Offsets per statistic, one column per competition.
constexpr std::size_t kOffsets[PlayerStats::kStatCount][PlayerStats::kCompetitionCount] = {
    {48, 144, 240, 304},  // Debut
    {52, 148, 244, 308},  // Matches
    {56, 152, 248, 312},  // Innings
    {60, 156, 252, 316},  // NotOuts
    {64, 160, 256, 320},  // Runs
    {68, 164, 260, 324},  // HighScore
    {72, 168, 264, 328},  // Hundreds
    {76, 172, 268, 332},  // Fifties
    {372, 468, 564, 628}, // Balls
    {376, 472, 568, 632}, // RunsConceded
    {380, 476, 572, 636}, // Wickets
    {384, 480, 576, 640}, // BestBowling2
    {388, 484, 580, 644}, // BestBowling1
    {392, 488, 584, 648}, // FiveWkts
    {396, 492, 588, 652}, // TenWkts
    {696, 720, 736, 752}, // Catches
    {700, 724, 740, 756}, // Stumpings
};

constexpr const char* kStatKeys[PlayerStats::kStatCount] = {
    "debut", "matches", "innings", "not_outs", "runs", "high_score", "hundreds", "fifties",
    "balls", "runs_conceded", "wickets", "best_bowling_2", "best_bowling_1", "five_wkts", "ten_wkts",
    "catches", "stumpings"};

constexpr const char* kCompetitionKeys[PlayerStats::kCompetitionCount] = {
    "first_class", "test_match", "one_day_int", "one_day"};

constexpr const char* kCompetitionNames[PlayerStats::kCompetitionCount] = {
    "First Class", "Test Match", "One Day Int.", "One day"};

} // namespace

namespace PlayerStats {

std::size_t Offset(Competition competition, Stat stat)
{
    return kOffsets[static_cast<std::size_t>(stat)][static_cast<std::size_t>(competition)];
}

const char* CompetitionKey(Competition competition)
{
    return kCompetitionKeys[static_cast<std::size_t>(competition)];
}

const char* CompetitionName(Competition competition)
{
    return kCompetitionNames[static_cast<std::size_t>(competition)];
}

const char* StatKey(Stat stat)
{
    return kStatKeys[static_cast<std::size_t>(stat)];
}

Stat StatAt(std::size_t index)
{
    return static_cast<Stat>(index);
}

} // namespace PlayerStats
