// diff and validate on files built to differ or to break one rule.
#include "CliTestSupport.h"

namespace {

namespace layout = tg::layout;

TEST(DiffCommand, IdenticalFilesGiveNoOutputAndOneChangedFieldExactlyOneLine)
{
    auto game = StandardGame();
    const std::uint16_t id = game.players[11].id;
    game.FindPlayer(id)->SetNames("Tom", "Smith");
    auto changed = game;
    changed.FindPlayer(id)->familyName = "Smyth"; // the initials field stays "TS"
    GameFile a(game), same(game), b(changed);
    const CliRun none = RunExe({"diff", a.Path(), same.Path()});
    EXPECT_EQ(none.exitCode, 0) << none.err;
    EXPECT_EQ(none.out, "");
    const CliRun run = RunExe({"diff", a.Path(), b.Path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Lines(run.out),
        std::vector<std::string>{"player " + std::to_string(id) + " (Smith T) family_name: \"Smith\" -> \"Smyth\""});

    const CliRun unreadable = RunExe({"diff", a.Path(), a.Sibling("NONE.CAP")});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(Contains(unreadable.err, "NONE.CAP")) << unreadable.err;
    EXPECT_EQ(RunExe({"diff", a.Path()}).exitCode, 2);
}

TEST(DiffCommand, NamesTeamFieldsStatisticsUnnamedRecordOffsetsAndTheRestOfTheFile)
{
    auto game = StandardGame();
    const std::uint16_t id = game.players[3].id;
    game.FindPlayer(id)->SetNames("Ann", "Lee");
    const auto wickets = game.FindPlayer(id)->GetStat(tg::Competition::OneDayInt, tg::Stat::Wickets);
    const auto budget = game.FindTeam(7)->GetI32(layout::kBudget);
    auto changed = game;
    auto& p = *changed.FindPlayer(id);
    p.SetStat(tg::Competition::OneDayInt, tg::Stat::Wickets, wickets + 3);
    p.record[900] ^= 0xFF;
    p.record[901] ^= 0xFF;
    p.record[1280] ^= 0x01;
    changed.FindTeam(7)->SetBudget(budget + 1000);
    changed.FindTeam(7)->record[100] ^= 0x10;
    changed.AddRestBytes("extra");
    GameFile a(game), b(changed);
    const CliRun run = RunExe({"diff", a.Path(), b.Path()});
    EXPECT_EQ(run.exitCode, 1);
    const std::string prefix = "player " + std::to_string(id) + " (Lee A) ";
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{
        prefix + "stats.one_day_int.wickets: " + std::to_string(wickets) + " -> " + std::to_string(wickets + 3),
        prefix + "record bytes at offsets 900-901, 1280 differ",
        "team 7 budget: " + std::to_string(budget) + " -> " + std::to_string(budget + 1000),
        "team 7 record bytes at offsets 100 differ",
        "file: bytes differ in the rest of the file after the team list"}));
}

// A sound file's report is in CliAdditionsTests.cpp.
TEST(ValidateCommand, EveryBrokenInvariantIsReported)
{
    auto game = StandardGame();
    const std::uint16_t free = FirstFreePlayer(game), twice = SquadMember(game, 1, 0),
                        mislabelled = SquadMember(game, 2, 1);
    std::uint16_t outsider = 0;
    for (const auto& p : game.players)
        if (p.id != free && p.U16(layout::kTeam) == layout::kNoTeam)
            outsider = p.id;
    game.FindPlayer(free)->SetTeam(9);        // free player with a team id
    game.FindTeam(3)->squad.push_back(twice); // listed by two teams
    game.FindPlayer(mislabelled)->SetTeam(4); // record disagrees with its squad
    game.FindTeam(5)->firstXI[4] = outsider;  // First XI place held by a non-member
    game.FindTeam(6)->SetCaptain(11);
    game.FindTeam(8)->SetOpenBowler2(-1);
    GameFile file(game);
    const CliRun run = RunExe({"validate", file.Path()});
    EXPECT_EQ(run.exitCode, 1);
    const auto lines = Lines(run.out);
    const std::pair<std::string, std::string> problems[]{
        {"player " + std::to_string(free) + ":", "no squad"},
        {"player " + std::to_string(twice) + ":", "several teams (1, 3)"},
        {"player " + std::to_string(mislabelled) + ":", "squad of team 2"},
        {"team 5:", "player " + std::to_string(outsider)}, {"team 6:", "captain position 11"},
        {"team 8:", "open_bowler_2 position -1"}};
    for (const auto& [who, what] : problems)
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
            [&](const std::string& line) { return Contains(line, who) && Contains(line, what); })) << who << what << "\n" << run.out;
    EXPECT_EQ(lines.size(), 6u) << run.out;
}

TEST(ValidateCommand, ReportsStructuralProblems)
{
    auto noTeams = StandardGame(), shortList = StandardGame();
    noTeams.writeTeamMarker = false;
    shortList.header.names[1].pop_back();
    GameFile withoutTeams(noTeams), fewNames(shortList);
    WriteText(fewNames.Sibling("X.CAP"), "nothing");
    const std::pair<std::string, std::string> cases[]{{withoutTeams.Path(), "CrTeam"},
        {fewNames.Path(), "short team names holds 17 names for 18 team ids"},
        {fewNames.Sibling("X.CAP"), "Error reading database"}};
    for (const auto& [path, problem] : cases) {
        const CliRun run = RunExe({"validate", path});
        EXPECT_EQ(run.exitCode, 1) << path;
        EXPECT_TRUE(Contains(run.out, problem)) << run.out;
    }
}

} // namespace
