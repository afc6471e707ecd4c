// info, players, player, teams, team: what they report, checked against
// the description the test file was built from.
#include "CliTestSupport.h"
#include "FieldCodes.h"

#include <nlohmann/json.hpp>

#include <set>

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
    EXPECT_EQ(info["players"], file.description.players.size());
    EXPECT_EQ(info["teams"], 18);
    EXPECT_EQ(info["free_players"], free);
    EXPECT_EQ(info["bytes"], file.built.bytes.size());
    EXPECT_EQ(info.size(), 4u);

    const CliRun text = RunExe({"info", file.Path()});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_TRUE(Contains(text.out, "free_players")) << text.out;
    EXPECT_TRUE(Contains(text.out, std::to_string(free))) << text.out;
}

TEST(InfoCommand, ReportsTheEditorsMessageForAFileWithoutPlayers)
{
    tg::TempDir dir;
    const std::string path = (dir / "EMPTY.CAP").string();
    WriteText(path, "no players here");
    const CliRun run = RunExe({"info", path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "Error reading database")) << run.err;
    EXPECT_TRUE(run.out.empty());

    const CliRun missing = RunExe({"info", (dir / "MISSING.CAP").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(Contains(missing.err, "MISSING.CAP")) << missing.err;
}

tg::GameDescription GameWithKnownPlayer(std::uint16_t& id)
{
    auto game = StandardGame();
    id = FirstFreePlayer(game);
    auto& p = *game.FindPlayer(id);
    p.SetNames("J\xF6rg", "M\xFCller");
    p.SetBirth(1975, 6, 15).SetSalary(40000).SetContract(3).SetOrigin(4);
    p.SetType(3).SetBowlStyle(0).SetBowlArm(0).SetKeeper(0).SetPartTimeKeeper(0).SetBatsRight(1);
    p.SetVsPace(0x3F).SetFootwork(0xC0).SetSide(0x55);
    p.SetStat(Competition::FirstClass, Stat::Runs, 400);
    p.SetStat(Competition::OneDay, Stat::BestBowling1, 5);
    p.SetStat(Competition::OneDay, Stat::BestBowling2, 21);
    p.SetStat(Competition::TestMatch, Stat::Catches, 0xFFFFFFFFu);
    return game;
}

TEST(PlayerCommand, JsonHoldsEveryKeyWithTheRecordsValues)
{
    std::uint16_t id = 0;
    GameFile file(GameWithKnownPlayer(id));
    const CliRun run = RunExe({"player", file.Path(), std::to_string(id), "--format", "json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto p = nlohmann::ordered_json::parse(run.out);

    const std::vector<std::string> keys = {"id", "given_names", "family_name", "initials", "display_name", "team",
        "origin", "birth", "birth_code", "salary", "salary_code", "contract", "type", "type_abbrev", "image_index",
        "keeper", "part_time_keeper", "bowl_style", "bowl_arm", "bats_right", "vs_pace", "vs_pace_byte", "footwork",
        "footwork_byte", "side", "side_byte", "stats"};
    std::vector<std::string> actual;
    for (const auto& item : p.items())
        actual.push_back(item.key());
    EXPECT_EQ(actual, keys);

    EXPECT_EQ(p["id"], id);
    EXPECT_EQ(p["given_names"], "J\xC3\xB6rg");
    EXPECT_EQ(p["family_name"], "M\xC3\xBCller");
    EXPECT_EQ(p["initials"], "JM");
    EXPECT_EQ(p["display_name"], "M\xC3\xBCller J");
    EXPECT_EQ(p["team"], 65535);
    EXPECT_EQ(p["origin"], 4);
    EXPECT_EQ(p["birth"], "1975-06-15");
    EXPECT_EQ(p["birth_code"], tg::BirthCode(1975, 6, 15));
    EXPECT_EQ(p["salary"], 40000);
    EXPECT_EQ(p["salary_code"], tg::SalaryCode(40000));
    EXPECT_EQ(p["contract"], 3);
    EXPECT_EQ(p["type"], 3);
    EXPECT_EQ(p["type_abbrev"], "SLA");
    EXPECT_EQ(p["bats_right"], 1);
    EXPECT_EQ(p["vs_pace"], "fast");
    EXPECT_EQ(p["vs_pace_byte"], 0x3F);
    EXPECT_EQ(p["footwork"], "front");
    EXPECT_EQ(p["side"], "off");
    EXPECT_EQ(p["side_byte"], 0x55);

    const json& stats = p["stats"];
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
        const auto& described = file.description.players[i];
        EXPECT_EQ(list[i]["id"], described.id);
        const auto found = teamOf.find(described.id);
        EXPECT_EQ(list[i]["team"], found == teamOf.end() ? 65535 : found->second) << "player " << described.id;
    }
}

TEST(PlayersCommand, CsvHasAColumnForEveryReadableKey)
{
    GameFile file(StandardGame());
    const CliRun run = RunLib({"players", file.Path(), "--format", "csv"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), file.description.players.size() + 1);
    EXPECT_EQ(lines[0].rfind("id,given_names,family_name,initials,display_name,team,", 0), 0u) << lines[0];
    EXPECT_TRUE(Contains(lines[0], ",stats.first_class.debut,")) << lines[0];
    EXPECT_TRUE(Contains(lines[0], ",stats.one_day.stumpings")) << lines[0];
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ','), 26 + 4 * 17 - 1);
}

TEST(TeamCommands, ReportTheSquadsFirstXIRolesAndNamesOfTheFile)
{
    GameFile file(StandardGame());
    const json teams = ParseJson(RunLib({"teams", file.Path(), "--format", "json"}));
    const auto records = file.description.TeamRecords();
    ASSERT_EQ(teams.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& described = *records[i];
        const json& team = teams[i];
        EXPECT_EQ(team["id"], described.id);
        EXPECT_EQ(team["name"], Utf8(file.description.header.names[0][described.id - 1u]));
        EXPECT_EQ(team["short_name"], Utf8(file.description.header.names[1][described.id - 1u]));
        EXPECT_EQ(team["abbrev"], Utf8(file.description.header.names[2][described.id - 1u]));
        EXPECT_EQ(team["player_count"], described.squad.size());
        EXPECT_EQ(team["squad"], json(described.squad));
        EXPECT_EQ(team["first_xi"], json(described.firstXI));
        EXPECT_EQ(team["captain"], described.GetI32(tg::layout::kCaptain));
        EXPECT_EQ(team["keeper"], described.GetI32(tg::layout::kKeeperPos));
        EXPECT_EQ(team["open_bowler_1"], described.GetI32(tg::layout::kOpenBowler1));
        EXPECT_EQ(team["open_bowler_2"], described.GetI32(tg::layout::kOpenBowler2));
        EXPECT_EQ(team["budget"], described.GetI32(tg::layout::kBudget));
    }
    const json one = ParseJson(RunLib({"team", file.Path(), "2", "--format", "json"}));
    EXPECT_EQ(one, teams[1]);
}

TEST(InspectCommands, UnknownIdsFailWithExitStatusOne)
{
    GameFile file(StandardGame());
    const CliRun player = RunExe({"player", file.Path(), "4000"});
    EXPECT_EQ(player.exitCode, 1);
    EXPECT_TRUE(Contains(player.err, "4000")) << player.err;
    const CliRun team = RunExe({"team", file.Path(), "19"});
    EXPECT_EQ(team.exitCode, 1);
    EXPECT_TRUE(Contains(team.err, "19")) << team.err;
}

TEST(InspectCommands, TextOutputIsATableWithAHeaderRow)
{
    GameFile file(StandardGame());
    const CliRun run = RunLib({"players", file.Path()});
    ASSERT_EQ(run.exitCode, 0);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), file.description.players.size() + 1);
    EXPECT_EQ(lines[0].rfind("id", 0), 0u);
    EXPECT_TRUE(Contains(lines[0], "display_name"));
    const auto& first = file.description.players.front();
    EXPECT_EQ(lines[1].rfind(std::to_string(first.id) + " ", 0), 0u) << lines[1];
    EXPECT_TRUE(Contains(lines[1], Utf8(tg::DisplayName(first.givenNames, first.familyName)))) << lines[1];
}

} // namespace
