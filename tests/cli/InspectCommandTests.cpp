// info, players, player, teams, team: what they report, checked against
// the description the test file was built from.
#include "CliTestSupport.h"
#include "FieldCodes.h"

#include <nlohmann/json.hpp>

namespace {

using nlohmann::json;
using tg::Competition;
using tg::Stat;

json ParseJson(const CliRun& run)
{
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out);
}

TEST(InfoCommand, CountsPlayersTeamsAndFreePlayersOfTheFile)
{
    GameFile file(StandardGame());
    std::size_t free = 0;
    for (const auto& player : file.description.players)
        free += player.U16(tg::layout::kTeam) == tg::layout::kNoTeam ? 1 : 0;
    const json info = ParseJson(RunExe({"info", file.Path(), "--format", "json"}));
    EXPECT_EQ(info, (json{{"players", file.description.players.size()}, {"teams", 18}, {"free_players", free},
                        {"bytes", file.built.bytes.size()}}));
    const CliRun text = RunExe({"info", file.Path()});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_TRUE(Contains(text.out, "free_players") && Contains(text.out, std::to_string(free))) << text.out;
}

TEST(InspectCommands, UnreadableFilesAndUnknownIdsFailWithExitStatusOne)
{
    GameFile file(StandardGame());
    WriteText(file.Sibling("EMPTY.CAP"), "no players here");
    const CliRun empty = RunExe({"info", file.Sibling("EMPTY.CAP")});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(Contains(empty.err, "Error reading database")) << empty.err;
    EXPECT_TRUE(empty.out.empty());
    const std::pair<std::vector<std::string>, std::string> failures[]{
        {{"info", file.Sibling("MISSING.CAP")}, "MISSING.CAP"}, {{"player", file.Path(), "4000"}, "4000"},
        {{"team", file.Path(), "19"}, "19"}};
    for (const auto& [args, named] : failures) {
        const CliRun run = RunExe(args);
        EXPECT_EQ(run.exitCode, 1) << named;
        EXPECT_TRUE(Contains(run.err, named)) << run.err;
    }
}

TEST(PlayerCommand, JsonHoldsTheRecordsValues)
{
    auto game = StandardGame();
    const std::uint16_t id = FirstFreePlayer(game);
    auto& p = *game.FindPlayer(id);
    p.SetNames("J\xF6rg", "M\xFCller");
    p.SetBirth(1975, 6, 15).SetSalary(40000).SetContract(3).SetOrigin(4);
    p.SetType(3).SetBowlStyle(0).SetBowlArm(0).SetKeeper(0).SetPartTimeKeeper(0).SetBatsRight(1);
    p.SetVsPace(0x3F).SetFootwork(0xC0).SetSide(0x55);
    p.SetStat(Competition::FirstClass, Stat::Runs, 400);
    p.SetStat(Competition::OneDay, Stat::BestBowling1, 5);
    p.SetStat(Competition::OneDay, Stat::BestBowling2, 21);
    p.SetStat(Competition::TestMatch, Stat::Catches, 0xFFFFFFFFu);
    GameFile file(game);
    const CliRun run = RunExe({"player", file.Path(), std::to_string(id), "--format", "json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto player = nlohmann::ordered_json::parse(run.out);

    const std::pair<const char*, json> values[]{{"id", id}, {"given_names", "J\xC3\xB6rg"},
        {"family_name", "M\xC3\xBCller"}, {"initials", "JM"}, {"display_name", "M\xC3\xBCller J"}, {"team", 65535},
        {"origin", 4}, {"birth", "1975-06-15"}, {"birth_code", tg::BirthCode(1975, 6, 15)}, {"salary", 40000},
        {"salary_code", tg::SalaryCode(40000)}, {"contract", 3}, {"type", 3}, {"type_abbrev", "SLA"},
        {"bats_right", 1}, {"vs_pace", "fast"}, {"vs_pace_byte", 0x3F}, {"footwork", "front"}, {"side", "off"},
        {"side_byte", 0x55}};
    for (const auto& [key, value] : values)
        EXPECT_EQ(player[key], value) << key;

    const json& stats = player["stats"];
    EXPECT_EQ(stats.size(), 4u);
    for (const char* competition : {"first_class", "test_match", "one_day_int", "one_day"})
        EXPECT_EQ(stats[competition].size(), 17u) << competition;
    EXPECT_EQ(stats["first_class"]["runs"], 400);
    EXPECT_EQ(stats["one_day"]["best_bowling_1"], 5);
    EXPECT_EQ(stats["one_day"]["best_bowling_2"], 21);
    EXPECT_EQ(stats["test_match"]["catches"], -1) << "statistics read as signed 32-bit numbers";
}

TEST(PlayersCommand, ListsEveryPlayerInIdOrderWithHisSquadsTeam)
{
    GameFile file(StandardGame());
    const json list = ParseJson(RunLib({"players", file.Path(), "--format", "json"}));
    ASSERT_EQ(list.size(), file.description.players.size());
    std::map<std::uint16_t, std::uint16_t> teamOf;
    for (auto* team : file.description.TeamRecords())
        for (auto id : team->squad)
            teamOf[id] = team->id;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::uint16_t id = file.description.players[i].id;
        EXPECT_EQ(list[i]["id"], id);
        EXPECT_EQ(list[i]["team"], teamOf.contains(id) ? teamOf[id] : 65535) << "player " << id;
    }
}

TEST(TeamCommands, ReportTheSquadsFirstXIRolesAndNamesOfTheFile)
{
    GameFile file(StandardGame());
    const json teams = ParseJson(RunLib({"teams", file.Path(), "--format", "json"}));
    const auto records = file.description.TeamRecords();
    const auto& names = file.description.header.names;
    ASSERT_EQ(teams.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& team = *records[i];
        const std::size_t slot = team.id - 1u;
        EXPECT_EQ(teams[i], (json{{"id", team.id}, {"name", Utf8(names[0][slot])},
                                {"short_name", Utf8(names[1][slot])}, {"abbrev", Utf8(names[2][slot])},
                                {"budget", team.GetI32(tg::layout::kBudget)}, {"player_count", team.squad.size()},
                                {"squad", team.squad}, {"first_xi", team.firstXI},
                                {"captain", team.GetI32(tg::layout::kCaptain)},
                                {"keeper", team.GetI32(tg::layout::kKeeperPos)},
                                {"open_bowler_1", team.GetI32(tg::layout::kOpenBowler1)},
                                {"open_bowler_2", team.GetI32(tg::layout::kOpenBowler2)}}));
    }
    EXPECT_EQ(ParseJson(RunLib({"team", file.Path(), "2", "--format", "json"})), teams[1]);
}

} // namespace
