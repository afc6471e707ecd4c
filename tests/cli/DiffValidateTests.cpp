// diff and validate on files built to differ or to break one rule.
#include "CliTestSupport.h"

namespace {

namespace layout = tg::layout;

TEST(DiffCommand, IdenticalFilesGiveNoOutputAndExitZero)
{
    GameFile a(StandardGame());
    GameFile b(StandardGame());
    const CliRun run = RunExe({"diff", a.Path(), b.Path()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST(DiffCommand, OneChangedFieldGivesExactlyOneLine)
{
    auto game = StandardGame();
    const std::uint16_t id = game.players[11].id;
    game.FindPlayer(id)->SetNames("Tom", "Smith");
    auto changed = game;
    changed.FindPlayer(id)->familyName = "Smyth"; // the initials field stays "TS"
    GameFile a(game);
    GameFile b(changed);
    const CliRun run = RunExe({"diff", a.Path(), b.Path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Lines(run.out), std::vector<std::string>{"player " + std::to_string(id) + " family_name: \"Smith\" -> \"Smyth\""});
}

TEST(DiffCommand, NamesTeamFieldsStatisticsAndUnnamedRecordOffsets)
{
    auto game = StandardGame();
    const std::uint16_t id = game.players[3].id;
    auto changed = game;
    auto& p = *changed.FindPlayer(id);
    p.SetStat(tg::Competition::OneDayInt, tg::Stat::Wickets, p.GetStat(tg::Competition::OneDayInt, tg::Stat::Wickets) + 3);
    p.record[900] ^= 0xFF;
    p.record[901] ^= 0xFF;
    p.record[1280] ^= 0x01;
    changed.FindTeam(7)->SetBudget(changed.FindTeam(7)->GetI32(layout::kBudget) + 1000);
    changed.FindTeam(7)->record[100] ^= 0x10;
    GameFile a(game);
    GameFile b(changed);
    const CliRun run = RunExe({"diff", a.Path(), b.Path()});
    EXPECT_EQ(run.exitCode, 1);
    const auto lines = Lines(run.out);
    const std::string prefix = "player " + std::to_string(id) + " ";
    const auto wickets = std::to_string(game.FindPlayer(id)->GetStat(tg::Competition::OneDayInt, tg::Stat::Wickets));
    const auto budget = game.FindTeam(7)->GetI32(layout::kBudget);
    EXPECT_EQ(lines, (std::vector<std::string>{
        prefix + "stats.one_day_int.wickets: " + wickets + " -> " + std::to_string(std::stoll(wickets) + 3),
        prefix + "record bytes at offsets 900-901, 1280 differ",
        "team 7 budget: " + std::to_string(budget) + " -> " + std::to_string(budget + 1000),
        "team 7 record bytes at offsets 100 differ"}));
}

TEST(DiffCommand, ReportsBytesOutsideTheRecords)
{
    auto game = StandardGame();
    auto changed = game;
    changed.AddRestBytes("extra");
    GameFile a(game);
    GameFile b(changed);
    const CliRun run = RunExe({"diff", a.Path(), b.Path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Lines(run.out), std::vector<std::string>{"file: bytes differ in the rest of the file after the team list"});
}

TEST(DiffCommand, AFileThatCannotBeReadFailsWithItsName)
{
    GameFile a(StandardGame());
    const CliRun run = RunExe({"diff", a.Path(), a.Sibling("NONE.CAP")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "NONE.CAP")) << run.err;
    EXPECT_EQ(RunExe({"diff", a.Path()}).exitCode, 2);
}

TEST(ValidateCommand, ASoundFileHasNoProblems)
{
    GameFile file(StandardGame());
    const CliRun run = RunExe({"validate", file.Path()});
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(Contains(run.out, "no problems")) << run.out;
}

TEST(ValidateCommand, ReportsEveryBrokenInvariant)
{
    auto game = StandardGame();
    const std::uint16_t free = FirstFreePlayer(game);
    const std::uint16_t twice = SquadMember(game, 1, 0);
    const std::uint16_t mislabelled = SquadMember(game, 2, 1);
    std::uint16_t outsider = 0;
    for (const auto& p : game.players)
        if (p.id != free && p.U16(layout::kTeam) == layout::kNoTeam)
            outsider = p.id;
    game.FindPlayer(free)->SetTeam(9);           // free player with a team id
    game.FindTeam(3)->squad.push_back(twice);      // listed by two teams
    game.FindPlayer(mislabelled)->SetTeam(4);      // record disagrees with its squad
    game.FindTeam(5)->firstXI[4] = outsider;       // First XI place held by a non-member
    game.FindTeam(6)->SetCaptain(11);
    game.FindTeam(8)->SetOpenBowler2(-1);
    GameFile file(game);

    const CliRun run = RunExe({"validate", file.Path()});
    EXPECT_EQ(run.exitCode, 1);
    const auto lines = Lines(run.out);
    auto reported = [&](const std::string& a, const std::string& b) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return Contains(l, a) && Contains(l, b); });
    };
    EXPECT_TRUE(reported("player " + std::to_string(free) + ":", "no squad")) << run.out;
    EXPECT_TRUE(reported("player " + std::to_string(twice) + ":", "several teams (1, 3)")) << run.out;
    EXPECT_TRUE(reported("player " + std::to_string(mislabelled) + ":", "squad of team 2")) << run.out;
    EXPECT_TRUE(reported("team 5:", "player " + std::to_string(outsider))) << run.out;
    EXPECT_TRUE(reported("team 6:", "captain position 11")) << run.out;
    EXPECT_TRUE(reported("team 8:", "open_bowler_2 position -1")) << run.out;
    EXPECT_EQ(lines.size(), 6u) << run.out;
}

TEST(ValidateCommand, ReportsStructuralProblems)
{
    auto noTeams = StandardGame();
    noTeams.writeTeamMarker = false;
    GameFile withoutTeams(noTeams);
    const CliRun run = RunExe({"validate", withoutTeams.Path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.out, "CrTeam")) << run.out;

    auto shortList = StandardGame();
    shortList.header.names[1].pop_back();
    GameFile fewNames(shortList);
    const CliRun names = RunExe({"validate", fewNames.Path()});
    EXPECT_EQ(names.exitCode, 1);
    EXPECT_TRUE(Contains(names.out, "short team names holds 17 names for 18 team ids")) << names.out;

    tg::TempDir dir;
    WriteText((dir / "X.CAP").string(), "nothing");
    const CliRun unreadable = RunExe({"validate", (dir / "X.CAP").string()});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(Contains(unreadable.out, "Error reading database")) << unreadable.out;
}

} // namespace
