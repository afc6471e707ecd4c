// validate's warnings and --strict, the filters of players, import's
// summary and the role players of team.
#include "CliTestSupport.h"
#include "FieldCodes.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace {

using nlohmann::json;

std::vector<std::uint32_t> Ids(const json& list)
{
    std::vector<std::uint32_t> ids;
    for (const auto& player : list)
        ids.push_back(player["id"].get<std::uint32_t>());
    return ids;
}

TEST(ValidateCommand, WarningsKeepExitZeroUnlessStrictAndStayApartFromProblemsInJson)
{
    auto sound = StandardGame(), warned = StandardGame(), broken = StandardGame();
    const std::uint16_t id = warned.players[5].id;
    warned.FindPlayer(id)->SetContract(100);
    broken.FindPlayer(id)->SetContract(100);
    broken.FindTeam(6)->SetCaptain(11);
    GameFile soundFile(sound), warnedFile(warned), brokenFile(broken);
    const std::string warning = "player " + std::to_string(id) + ": a contract of 100 years";
    const struct
    {
        const GameFile& file;
        std::vector<std::string> options;
        int exitCode;
        std::vector<std::string> lineStarts; // of every line printed, in order
    } cases[]{
        {soundFile, {"--strict"}, 0, {soundFile.Path() + ": no problems found"}},
        {warnedFile, {}, 0, {"warning: " + warning, warnedFile.Path() + ": no problems found, 1 warning"}},
        {warnedFile, {"--strict"}, 1, {"warning: " + warning, warnedFile.Path() + ": no problems found, 1 warning"}},
        {brokenFile, {}, 1, {"team 6: the captain position 11", "warning: " + warning}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"validate", c.file.Path()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun run = RunExe(args);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.out;
        const auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), c.lineStarts.size()) << run.out;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].rfind(c.lineStarts[i], 0), 0u) << lines[i];
    }

    const CliRun run = RunExe({"validate", brokenFile.Path(), "--format", "json"});
    EXPECT_EQ(run.exitCode, 1);
    const json report = json::parse(run.out);
    ASSERT_EQ(report["problems"].size(), 1u);
    ASSERT_EQ(report["warnings"].size(), 1u);
    EXPECT_EQ(report["warnings"][0].get<std::string>().rfind(warning, 0), 0u) << run.out;
}

TEST(PlayersCommand, TeamAndTypeFiltersKeepTheMatchingPlayersAndRefuseUnknownValues)
{
    auto game = StandardGame();
    const std::uint16_t opener = SquadMember(game, 3, 0), bowler = FirstFreePlayer(game);
    game.FindPlayer(opener)->SetType(0).SetBatsRight(1);
    game.FindPlayer(bowler)->SetType(3).SetBowlStyle(0).SetBowlArm(1);
    GameFile file(game);
    const json all = json::parse(RunLib({"players", file.Path(), "--format", "json"}).out);
    auto expected = [&](auto keep) {
        std::vector<std::uint32_t> ids;
        for (const auto& player : all)
            if (keep(player))
                ids.push_back(player["id"].get<std::uint32_t>());
        return ids;
    };
    auto abbrevIn = [](std::vector<std::string> abbrevs) {
        return [abbrevs](const json& player) {
            return std::count(abbrevs.begin(), abbrevs.end(), player["type_abbrev"].get<std::string>()) > 0;
        };
    };
    auto team = [](int id) { return [id](const json& player) { return player["team"] == id; }; };
    const std::pair<std::vector<std::string>, std::vector<std::uint32_t>> cases[]{
        {{"--team", "3"}, expected(team(3))},
        {{"--team", "none"}, expected(team(65535))},
        {{"--type", "os"}, expected(abbrevIn({"OS"}))},
        {{"--type", "RHB"}, expected(abbrevIn({"RHB", "RHB o"}))},
        {{"--team", "3", "--type", "rhb o"}, expected([&](const json& p) { return team(3)(p) && p["type_abbrev"] == "RHB o"; })},
    };
    for (const auto& [options, ids] : cases) {
        std::vector<std::string> args{"players", file.Path(), "--format", "json"};
        args.insert(args.end(), options.begin(), options.end());
        const CliRun run = RunLib(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_FALSE(ids.empty()) << ::testing::PrintToString(options);
        EXPECT_EQ(Ids(json::parse(run.out)), ids) << ::testing::PrintToString(options);
    }
    EXPECT_TRUE(Contains(RunLib({"players", file.Path(), "--team", "3"}).out, std::to_string(opener)));

    const std::pair<std::vector<std::string>, std::string> refused[]{
        {{"--team", "19"}, "give a team id (1-18) or none"},
        {{"--type", "XX"}, "OS, SLA, LS, M, M-F, F-M, F, RHB, LHB, RHB o, LHB o"}};
    for (const auto& [options, accepted] : refused) {
        std::vector<std::string> args{"players", file.Path()};
        args.insert(args.end(), options.begin(), options.end());
        const CliRun run = RunExe(args);
        EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(options);
        EXPECT_TRUE(Contains(run.err, accepted)) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
}

TEST(ImportCommand, EndsWithASummaryLineThatQuietPrintsAlone)
{
    auto game = StandardGame();
    const std::uint16_t a = FirstFreePlayer(game), b = SquadMember(game, 2, 0);
    GameFile file(game);
    const std::string csv = file.Sibling("edit.csv"), copy = file.Sibling("COPY.CAP");
    WriteText(csv, "id,salary,contract\n" + std::to_string(a) + ",777,9\n" + std::to_string(b) + ",778,8\n");
    const CliRun full = RunLib({"import", file.Path(), csv, "-o", copy});
    ASSERT_EQ(full.exitCode, 0) << full.err;
    const auto lines = Lines(full.out);
    ASSERT_EQ(lines.size(), 5u) << full.out; // four fields, then the summary
    EXPECT_EQ(lines.back(), "2 players changed, 4 fields");
    const CliRun quiet = RunLib({"import", file.Path(), csv, "-o", copy, "--quiet"});
    EXPECT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_EQ(quiet.out, "2 players changed, 4 fields\n");

    WriteText(csv, "id,salary\n" + std::to_string(a) + ",777\n");
    EXPECT_EQ(RunLib({"import", copy, csv, "-q"}).out, "0 players changed, 0 fields\n");
    WriteText(csv, "id,team\n" + std::to_string(a) + ",4\n");
    EXPECT_EQ(RunLib({"import", copy, csv, "-q"}).out, "1 player changed, 3 fields\n")
        << "his team, then the squad and player count of team 4";
}

TEST(TeamCommand, ShowsThePlayerOfEachRolePlaceAndItsHelpCountsPlacesFromZero)
{
    auto game = StandardGame();
    auto& team = *game.FindTeam(4);
    team.SetCaptain(2);
    team.SetKeeper(0);
    const std::uint16_t captain = static_cast<std::uint16_t>(team.firstXI[2]);
    game.FindPlayer(captain)->SetNames("Ann", "Lee");
    GameFile file(game);
    const CliRun run = RunLib({"team", file.Path(), "4"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = Lines(run.out);
    auto row = [&](const std::string& key) {
        const auto found = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(key + " ", 0) == 0; });
        return found == lines.end() ? std::string() : *found;
    };
    EXPECT_TRUE(Contains(row("captain"), " 2: " + std::to_string(captain) + " (Lee A)")) << row("captain");
    const auto keeper = game.FindPlayer(static_cast<std::uint16_t>(team.firstXI[0]));
    EXPECT_TRUE(Contains(row("keeper"), " 0: " + std::to_string(keeper->id) + " (" + Utf8(tg::DisplayName(keeper->givenNames,
        keeper->familyName)) + ")")) << row("keeper");
    EXPECT_TRUE(Contains(RunLib({"team", "--help"}).out, "counted from 0"));
}

} // namespace
