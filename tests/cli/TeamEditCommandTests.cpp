// move and team-set: squads, names, budget, First XI and roles, checked
// against the description changed as the editor would change it.
#include "CliTestSupport.h"

namespace {

namespace layout = tg::layout;

TEST(MoveCommand, MovesOnlyThroughTheSquadsAndLeavesTheRestOfTheRecord)
{
    auto game = StandardGame();
    const std::uint16_t id = FirstFreePlayer(game);
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
    EXPECT_EQ(file.Bytes(), tg::Build(game).bytes);
}

TEST(MoveCommand, UnknownTeamOrPlayerFailsAndTheSameTeamChangesNothing)
{
    auto game = StandardGame();
    const std::uint16_t member = SquadMember(game, 4, 0);
    GameFile file(game);
    const auto before = file.Bytes();

    const CliRun unknownTeam = RunExe({"move", file.Path(), std::to_string(member), "19"});
    EXPECT_EQ(unknownTeam.exitCode, 1);
    EXPECT_TRUE(Contains(unknownTeam.err, "19")) << unknownTeam.err;
    EXPECT_EQ(RunExe({"move", file.Path(), "4000", "3"}).exitCode, 1);
    EXPECT_EQ(RunExe({"move", file.Path(), std::to_string(member)}).exitCode, 2);

    const CliRun same = RunExe({"move", file.Path(), std::to_string(member), "4"});
    EXPECT_EQ(same.exitCode, 0) << same.err;
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
    auto* team = game.FindTeam(6);
    ASSERT_GE(team->squad.size(), 12u);
    GameFile file(game);

    // The squad's last eleven, in reverse batting order.
    std::vector<std::uint16_t> xi(team->squad.rbegin(), team->squad.rbegin() + 11);
    std::string list;
    for (auto id : xi)
        list += (list.empty() ? "" : ",") + std::to_string(id);
    const CliRun run = RunLib({"team-set", file.Path(), "6", "budget=1000000000", "first_xi=" + list, "captain=3",
        "keeper=4", "open_bowler_1=10", "open_bowler_2=0"});
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
    auto* team = game.FindTeam(6);
    const std::uint16_t outsider = FirstFreePlayer(game);
    std::string eleven, ten, withOutsider, withTwice;
    for (std::size_t i = 0; i < 11; ++i) {
        const std::string id = std::to_string(team->squad[i]);
        eleven += (i ? "," : "") + id;
        if (i < 10)
            ten += (i ? "," : "") + id;
        withOutsider += (i ? "," : "") + (i == 5 ? std::to_string(outsider) : id);
        withTwice += (i ? "," : "") + (i == 5 ? std::to_string(team->squad[0]) : id);
    }
    const std::int32_t open2 = team->GetI32(layout::kOpenBowler2);
    GameFile file(game);
    const auto before = file.Bytes();

    const std::vector<std::string> refused = {"budget=1000000001", "budget=-1", "budget=lots", "first_xi=" + ten,
        "first_xi=" + withOutsider, "first_xi=" + withTwice, "first_xi=" + eleven + ",x", "captain=11",
        "keeper=-1", "open_bowler_1=" + std::to_string(open2), "name=" + std::string(256, 'n'), "abbrev=\xE2\x98\x83"};
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
