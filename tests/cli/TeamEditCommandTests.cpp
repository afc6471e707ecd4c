// move and team-set: squads, names, budget, First XI and roles, checked
// against the description changed as the editor would change it.
#include "CliTestSupport.h"

namespace {

std::string Joined(const std::vector<std::uint16_t>& ids)
{
    std::string list;
    for (auto id : ids)
        list += (list.empty() ? "" : ",") + std::to_string(id);
    return list;
}

TEST(MoveCommand, MovesOnlyThroughTheSquadsAndRefusesUnknownTeamsOrPlayers)
{
    auto game = StandardGame();
    const std::uint16_t id = FirstFreePlayer(game), member = SquadMember(game, 4, 0);
    game.FindPlayer(id)->initials = "XYZ"; // a commit would rebuild these; a move does not
    GameFile file(game);
    const CliRun run = RunExe({"move", file.Path(), std::to_string(id), "5"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto expected = game;
    expected.FindPlayer(id)->SetTeam(5);
    expected.FindTeam(5)->squad.push_back(id);
    EXPECT_EQ(file.Bytes(), tg::Build(expected).bytes);
    EXPECT_TRUE(Contains(run.out, "team 5 player_count")) << run.out;
    ASSERT_EQ(RunExe({"move", file.Path(), std::to_string(id), "none"}).exitCode, 0);
    const auto before = tg::Build(game).bytes;
    EXPECT_EQ(file.Bytes(), before);

    const CliRun unknownTeam = RunExe({"move", file.Path(), std::to_string(member), "19"});
    EXPECT_EQ(unknownTeam.exitCode, 1);
    EXPECT_TRUE(Contains(unknownTeam.err, "19")) << unknownTeam.err;
    EXPECT_EQ(RunExe({"move", file.Path(), "4000", "3"}).exitCode, 1);
    EXPECT_EQ(RunExe({"move", file.Path(), std::to_string(member)}).exitCode, 2);
    EXPECT_EQ(RunExe({"move", file.Path(), std::to_string(member), "4"}).exitCode, 0); // his own team
    EXPECT_EQ(file.Bytes(), before);
}

TEST(TeamSetCommand, FullNameGoesIntoTheHeaderAndReplacesEqualStringsInTheRest)
{
    auto game = StandardGame();
    const std::string oldName = game.header.names[0][2];
    game.AddRestString(oldName);
    game.AddRestString(oldName + " Reserves"); // merely contains it: left alone
    GameFile file(game);
    const CliRun run = RunExe({"team-set", file.Path(), "3", "name=Caf\xC3\xA9 Eleven", "short_name=Caf\xC3\xA9",
        "abbrev=CAF"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto expected = game;
    expected.header.names[0][2] = "Caf\xE9 Eleven";
    expected.header.names[1][2] = "Caf\xE9";
    expected.header.names[2][2] = "CAF";
    for (auto& item : expected.rest)
        if (item.isString && item.bytes == oldName)
            item.bytes = "Caf\xE9 Eleven";
    EXPECT_EQ(file.Bytes(), tg::Build(expected).bytes);
}

TEST(TeamSetCommand, BudgetFirstXIAndRolesAreStoredInTheTeamRecord)
{
    auto game = StandardGame();
    const auto& squad = game.FindTeam(6)->squad;
    ASSERT_GE(squad.size(), 12u);
    GameFile file(game);
    const std::vector<std::uint16_t> xi(squad.rbegin(), squad.rbegin() + 11); // the last eleven, reversed
    const CliRun run = RunLib({"team-set", file.Path(), "6", "budget=1000000000", "first_xi=" + Joined(xi),
        "captain=3", "keeper=4", "open_bowler_1=10", "open_bowler_2=0"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto expected = game;
    auto* changed = expected.FindTeam(6);
    changed->firstXI = xi;
    changed->SetBudget(1000000000).SetCaptain(3).SetKeeper(4).SetOpenBowler1(10).SetOpenBowler2(0);
    EXPECT_EQ(file.Bytes(), tg::Build(expected).bytes);
}

TEST(TeamSetCommand, RefusedValuesLeaveTheFileUnchanged)
{
    auto game = StandardGame();
    const auto* team = game.FindTeam(6);
    std::vector<std::uint16_t> eleven(team->squad.begin(), team->squad.begin() + 11);
    auto withOutsider = eleven, withTwice = eleven;
    withOutsider[5] = FirstFreePlayer(game);
    withTwice[5] = eleven[0];
    const std::int32_t open2 = team->GetI32(tg::layout::kOpenBowler2);
    GameFile file(game);
    const auto before = file.Bytes();
    const std::vector<std::string> refused = {"budget=1000000001", "budget=-1", "budget=lots",
        "first_xi=" + Joined({eleven.begin(), eleven.end() - 1}), "first_xi=" + Joined(withOutsider),
        "first_xi=" + Joined(withTwice), "first_xi=" + Joined(eleven) + ",x", "captain=11", "keeper=-1",
        "open_bowler_1=" + std::to_string(open2), "name=" + std::string(256, 'n'), "abbrev=\xE2\x98\x83"};
    for (const auto& assignment : refused) {
        const CliRun run = RunLib({"team-set", file.Path(), "6", "budget=5", assignment});
        EXPECT_EQ(run.exitCode, 1) << assignment << ": " << run.err;
        EXPECT_FALSE(run.err.empty()) << assignment;
        EXPECT_EQ(file.Bytes(), before) << assignment;
    }
    EXPECT_EQ(RunLib({"team-set", file.Path(), "19", "budget=5"}).exitCode, 1);
    EXPECT_EQ(RunExe({"team-set", file.Path(), "6", "squad=1,2"}).exitCode, 2);
    EXPECT_EQ(RunExe({"team-set", file.Path(), "6", "colour=red"}).exitCode, 2);
    EXPECT_EQ(file.Bytes(), before);
}

} // namespace
