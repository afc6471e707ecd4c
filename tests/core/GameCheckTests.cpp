// The checks of a game: each career rule broken gives one warning on its
// player, problems stay apart from warnings, and a game that breaks the
// rules still loads and saves as it is.
#include "CoreTestHelpers.h"
#include "GameCheck.h"

#include <map>
#include <utility>

namespace {

using tg::Competition;
using tg::Stat;

// One player's figures, set to break one rule or to just keep it.
struct CareerCase
{
    Competition competition;
    std::vector<std::pair<Stat, std::int32_t>> figures;
    const char* warning; // nullptr: none expected
    std::int32_t contract = 3;
};

const CareerCase kCases[] = {
    {Competition::FirstClass, {{Stat::Innings, 10}, {Stat::NotOuts, 11}}, "First Class: 11 not outs in 10 innings"},
    {Competition::FirstClass, {{Stat::Innings, 10}, {Stat::NotOuts, 10}}, nullptr},
    {Competition::TestMatch, {{Stat::Runs, 50}, {Stat::HighScore, 51}}, "Test Match: a high score of 51 but 50 runs"},
    {Competition::TestMatch, {{Stat::Runs, 50}, {Stat::HighScore, 50}}, nullptr},
    {Competition::OneDayInt, {{Stat::Innings, 3}, {Stat::Hundreds, 2}, {Stat::Fifties, 2}},
        "One Day Int.: 4 hundreds and fifties in 3 innings"},
    {Competition::OneDay, {{Stat::Balls, 5}, {Stat::Wickets, 6}}, "One day: 6 wickets from 5 balls"},
    {Competition::FirstClass, {{Stat::Balls, 9000}, {Stat::Wickets, 60}, {Stat::BestBowling1, 11}, {Stat::BestBowling2, 40}},
        "First Class: a best bowling of 11 wickets: an innings has only 10 wickets"},
    {Competition::FirstClass, {{Stat::Balls, 9000}, {Stat::Wickets, 60}, {Stat::BestBowling1, 10}, {Stat::BestBowling2, 99}},
        nullptr},
    {Competition::TestMatch, {{Stat::Balls, 600}, {Stat::Wickets, 3}, {Stat::BestBowling1, 4}, {Stat::BestBowling2, 3}},
        "Test Match: a best bowling of 4 wickets but 3 wickets in all"},
    {Competition::FirstClass, {{Stat::Matches, 2}, {Stat::Balls, 900}, {Stat::Wickets, 20}, {Stat::BestBowling1, 6},
        {Stat::FiveWkts, 3}}, "First Class: 3 five-wicket innings but only 2 matches"},
    {Competition::OneDay, {{Stat::Matches, 3}, {Stat::TenWkts, 4}}, "One day: 4 ten-wicket matches but only 3 matches"},
    {Competition::OneDay, {{Stat::Matches, 5}, {Stat::Debut, 1989}}, "One day: a debut in 1989"}, // born 1980
    {Competition::OneDay, {{Stat::Matches, 5}, {Stat::Debut, 1990}}, nullptr},
    {Competition::OneDay, {}, "a contract of 100 years", 100},
    {Competition::OneDay, {}, nullptr, 99},
    {Competition::OneDay, {}, "a contract of -1 years", -1},
};

TEST(GameCheck, EachBrokenCareerRuleIsOneWarningOnItsPlayerAndTheGameStillSavesAsItIs)
{
    auto desc = tg::MakeRealisticGame(41, 80);
    ASSERT_GE(desc.players.size(), std::size(kCases));
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        auto& player = desc.players[i];
        for (int c = 0; c < 4; ++c)
            for (int s = 0; s < 17; ++s)
                player.SetStat(static_cast<Competition>(c), static_cast<Stat>(s), 0);
        player.SetBirth(1980, 5, 1).SetContract(static_cast<std::uint32_t>(kCases[i].contract));
        for (const auto& [stat, value] : kCases[i].figures)
            player.SetStat(kCases[i].competition, stat, static_cast<std::uint32_t>(value));
    }
    desc.FindTeam(3)->SetCaptain(11);
    GameOnDisk file(desc);

    const auto findings = GameCheck::CheckFile(file.PathString());
    std::map<std::uint32_t, std::vector<GameCheck::Finding>> warnings;
    std::vector<GameCheck::Finding> problems;
    for (const auto& finding : findings)
        (finding.severity == GameCheck::Severity::Warning ? warnings[finding.id] : problems).push_back(finding);
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const auto& found = warnings[desc.players[i].id];
        if (!kCases[i].warning) {
            EXPECT_TRUE(found.empty()) << "case " << i << ": " << found.front().text;
            continue;
        }
        ASSERT_EQ(found.size(), 1u) << "case " << i << ": " << kCases[i].warning;
        EXPECT_EQ(found[0].subject, GameCheck::Subject::Player);
        EXPECT_TRUE(Contains(found[0].text, kCases[i].warning)) << found[0].text;
        EXPECT_TRUE(Contains(found[0].text, ". Correct the") || Contains(found[0].text, ". Give him")) << found[0].text;
    }
    EXPECT_EQ(warnings.size(), std::size(kCases)) << "only the players of the cases have warnings";
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].subject, GameCheck::Subject::Team);
    EXPECT_EQ(problems[0].id, 3u);
    EXPECT_EQ(GameCheck::Line(problems[0]).rfind("team 3: the captain position 11 is not a First XI place", 0), 0u)
        << GameCheck::Line(problems[0]);

    // The loaded model gives the same findings, and saving keeps every figure.
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    std::vector<std::string> fromFile, fromModel;
    for (const auto& finding : findings)
        fromFile.push_back(GameCheck::Line(finding));
    for (const auto& finding : GameCheck::CheckGame(game))
        fromModel.push_back(GameCheck::Line(finding));
    EXPECT_EQ(fromModel, fromFile);
    ASSERT_TRUE(Saves(game, file.dir / "COPY.DB"));
    EXPECT_TRUE(SameBytes(tg::ReadFileBytes(file.dir / "COPY.DB"), file.built.bytes));
}

TEST(GameCheck, TheLoadedModelShowsAPlayerWhoseTeamNoSquadListsAsAProblem)
{
    auto desc = SmallGame();
    const auto free = FreePlayers(desc).front();
    desc.FindPlayer(free)->SetTeam(4);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    const auto findings = GameCheck::CheckGame(game);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].severity, GameCheck::Severity::Problem);
    EXPECT_EQ(GameCheck::Line(findings[0]).rfind("player " + std::to_string(free) + ": his record gives team 4, but no squad", 0), 0u)
        << findings[0].text;
}

} // namespace
