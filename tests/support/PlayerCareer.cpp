#include "PlayerCareer.h"

#include "FieldCodes.h"

#include <algorithm>

namespace testgame {
namespace {

constexpr int kSeasonYear = 2003; // the season the invented careers lead up to

std::uint32_t U(int value)
{
    return static_cast<std::uint32_t>(std::max(0, value));
}

void AddCompetition(PlayerDescription& p, Rng& rng, Competition c, int matches, int birthYear)
{
    if (matches <= 0)
        return;
    const auto type = p.U32(layout::kType);
    const bool keeper = p.U32(layout::kKeeper) == 1;
    const bool limitedOvers = c == Competition::OneDayInt || c == Competition::OneDay;

    const int innings = limitedOvers ? matches * rng.Between(70, 100) / 100 : matches * rng.Between(120, 190) / 100;
    const int notOuts = innings * rng.Between(5, 25) / 100;
    static const int kAverage[4][2] = {{28, 48}, {24, 45}, {16, 34}, {4, 16}};
    const int average = rng.Between(kAverage[type][0], kAverage[type][1]);
    const int runs = std::max(0, innings - notOuts) * average;
    const int highScore = runs == 0 ? 0 : std::min(runs, average * rng.Between(2, limitedOvers ? 4 : 6) + rng.Between(0, 30));
    const int hundreds = highScore >= 100 ? runs / rng.Between(700, 2500) : 0;
    const int fifties = highScore >= 50 ? runs / rng.Between(250, 700) : 0;

    const int kBallsPerMatch[4][2] = {{0, 6}, {0, 18}, {60, 150}, {120, 260}};
    int balls = matches * rng.Between(kBallsPerMatch[type][0], std::max(kBallsPerMatch[type][0], kBallsPerMatch[type][1]));
    if (type == 3 && limitedOvers)
        balls = matches * rng.Between(36, 60);
    const int conceded = balls * rng.Between(limitedOvers ? 65 : 45, limitedOvers ? 95 : 65) / 100;
    const int wickets = balls / rng.Between(type == 3 ? 45 : 90, type == 3 ? 80 : 200);
    const int best1 = wickets == 0 ? 0 : rng.Between(1, std::min(wickets, limitedOvers ? 6 : 9));
    const int best2 = wickets == 0 ? 0 : best1 * rng.Between(5, 15) + rng.Between(0, 20);
    const int fiveWkts = limitedOvers || best1 < 5 ? 0 : std::max(1, wickets / rng.Between(15, 30));
    const int tenWkts = fiveWkts / 4;
    const int catches = keeper ? matches * rng.Between(15, 30) / 10 : matches * rng.Between(1, 7) / 10;
    const int stumpings = keeper ? matches * rng.Between(1, 4) / 10 : 0;

    p.SetStat(c, Stat::Debut, U(birthYear + rng.Between(18, 23)));
    p.SetStat(c, Stat::Matches, U(matches)).SetStat(c, Stat::Innings, U(innings)).SetStat(c, Stat::NotOuts, U(notOuts));
    p.SetStat(c, Stat::Runs, U(runs)).SetStat(c, Stat::HighScore, U(highScore));
    p.SetStat(c, Stat::Hundreds, U(hundreds)).SetStat(c, Stat::Fifties, U(fifties));
    p.SetStat(c, Stat::Balls, U(balls)).SetStat(c, Stat::RunsConceded, U(conceded)).SetStat(c, Stat::Wickets, U(wickets));
    p.SetStat(c, Stat::BestBowling1, U(best1)).SetStat(c, Stat::BestBowling2, U(best2));
    p.SetStat(c, Stat::FiveWkts, U(fiveWkts)).SetStat(c, Stat::TenWkts, U(tenWkts));
    p.SetStat(c, Stat::Catches, U(catches)).SetStat(c, Stat::Stumpings, U(stumpings));
}

std::uint8_t PreferenceByte(Rng& rng)
{
    // Mostly the two values the editor writes, now and then another value
    // the game uses, which must survive untouched.
    const int roll = rng.Between(0, 99);
    if (roll < 45)
        return 0x40;
    if (roll < 90)
        return 0xC0;
    return roll < 95 ? 0x3F : static_cast<std::uint8_t>(rng.Between(0x41, 0xBF));
}

// Squad players earn a professional wage, a few stars far more; players
// without a team earn little or nothing.
int Salary(Rng& rng, bool inSquad)
{
    if (!inSquad)
        return rng.Chance(30) ? 0 : rng.Between(1000, 12000);
    const int roll = rng.Between(0, 99);
    if (roll < 85)
        return rng.Between(8000, 40000);
    return roll < 97 ? rng.Between(40000, 70000) : rng.Between(70000, layout::kMaxSalary);
}

} // namespace

PlayerDescription MakeCareer(Rng& rng, NameGenerator& names, std::uint16_t id, std::uint16_t team,
                             int teamCount, bool keeper)
{
    PlayerDescription p;
    p.id = id;
    for (auto& b : p.record)
        b = rng.Byte();
    for (std::size_t at = 40; at < layout::kAbilityStart; at += 4)
        p.SetU32(at, 0); // statistics and their neighbours start clean
    for (std::size_t at = layout::kAbilityStart; at + 4 <= layout::kAbilityEnd; at += 4)
        p.SetU32(at, U(rng.Between(10, 99)));
    p.SetNames(names.GivenNames(), names.FamilyName());

    const int year = rng.Between(1966, 1985);
    const int month = rng.Between(1, 12);
    p.SetBirth(year, month, rng.Between(1, GameDaysInMonth(year, month)));
    p.SetTeam(team);
    const auto origin = team != layout::kNoTeam && rng.Chance(85) ? team : rng.Between(0, teamCount);
    p.SetOrigin(static_cast<std::uint16_t>(origin));
    p.SetContract(U(rng.Between(0, 5)));
    p.SetSalary(Salary(rng, team != layout::kNoTeam));

    const int type = keeper ? rng.Between(0, 1) : rng.Between(0, 99) < 15 ? 0 : rng.Between(1, 3);
    p.SetType(U(type));
    p.SetVsPace(PreferenceByte(rng)).SetFootwork(PreferenceByte(rng)).SetSide(PreferenceByte(rng));
    p.SetBatsRight(rng.Chance(75) ? 1 : 0);
    const bool partTimeKeeper = !keeper && rng.Chance(4);
    p.SetKeeper(keeper || partTimeKeeper ? 1 : 0);
    p.SetPartTimeKeeper(partTimeKeeper ? 1 : 0);
    p.SetBowlStyle(U(rng.Chance(35) ? rng.Between(0, 1) : rng.Between(2, 5)));
    p.SetBowlArm(rng.Chance(80) ? 1 : 0);

    const int seasons = std::max(0, kSeasonYear - year - 18);
    AddCompetition(p, rng, Competition::FirstClass, seasons * rng.Between(0, 10), year);
    AddCompetition(p, rng, Competition::TestMatch, rng.Chance(30) ? seasons * rng.Between(0, 8) : 0, year);
    AddCompetition(p, rng, Competition::OneDayInt, rng.Chance(40) ? seasons * rng.Between(0, 12) : 0, year);
    AddCompetition(p, rng, Competition::OneDay, seasons * rng.Between(0, 12), year);
    return p;
}

} // namespace testgame
