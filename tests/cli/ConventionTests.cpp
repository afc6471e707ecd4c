// The tool's conventions: help, version, usage errors and the demo game.
#include "CliApp.h"
#include "CliTestSupport.h"

#include <filesystem>

namespace {

TEST(Conventions, VersionAndHelpForTheToolAndEachCommandExitZero)
{
    const CliRun version = RunExe({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    // The version CMake gives the project, which the package carries too.
    EXPECT_EQ(version.out, "orbek-cli " ORBEK_PROJECT_VERSION "\n");
    const CliRun run = RunExe({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    // A command line naming a command sets up only that command's family.
    const std::vector<std::string> commands = {"info", "players", "player", "teams", "team", "set", "move",
        "team-set", "export", "import", "save", "validate", "diff", "backups"};
    EXPECT_EQ(CommandNames(), commands);
    for (const auto& command : commands) {
        EXPECT_TRUE(Contains(run.out, command)) << command;
        const CliRun help = RunExe({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(Contains(help.out, std::string("orbek-cli ") + command)) << help.out;
    }
}

TEST(Conventions, WrongUsageExitsTwoWithAMessageOnStandardError)
{
    GameFile file(StandardGame());
    const std::vector<std::vector<std::string>> usages = {{}, {"frobnicate"}, {"info"}, {"info", file.Path(), "extra"},
        {"info", file.Path(), "--format", "xml"}, {"players", file.Path(), "--bogus"}, {"save", file.Path()},
        {"validate", file.Path(), "--format", "csv"}};
    for (const auto& args : usages) {
        const CliRun run = RunExe(args);
        EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_FALSE(run.err.empty()) << ::testing::PrintToString(args);
        EXPECT_TRUE(run.out.empty()) << ::testing::PrintToString(args);
    }
}

TEST(SaveCommand, WritesAnIdenticalCopyLeavesTheSourceAndFailsOnAnUnwritablePlace)
{
    GameFile file(StandardGame());
    const auto before = file.Bytes();
    ASSERT_EQ(RunExe({"save", file.Path(), "-o", file.Sibling("COPY.CAP")}).exitCode, 0);
    EXPECT_EQ(tg::ReadFileBytes(file.Sibling("COPY.CAP")), before);
    EXPECT_EQ(file.Bytes(), before);
    const CliRun failed = RunExe({"save", file.Path(), "-o", file.Sibling("no/such/folder/OUT.CAP")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_FALSE(failed.err.empty());
}

// Every command on a copy of the demo game the build writes.
TEST(DemoGame, EveryCommandWorksOnIt)
{
    const std::filesystem::path demo = ORBEK_DEMO_GAME;
    if (!std::filesystem::exists(demo))
        GTEST_SKIP() << "no demo game at " << demo;
    tg::TempDir dir;
    const std::string game = (dir / "DATABASE.DB").string(), csv = (dir / "players.csv").string(),
                      copy = (dir / "COPY.DB").string();
    std::filesystem::copy_file(demo, game);
    const auto original = tg::ReadFileBytes(game);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"info", game},
             {"players", game, "--format", "json"}, {"player", game, "1"}, {"teams", game, "--format", "csv"},
             {"team", game, "1", "--format", "json"}, {"validate", game}, {"export", game, "-o", csv},
             {"import", game, csv}, {"save", game, "-o", copy}, {"backups", game}})
        EXPECT_EQ(RunExe(args).exitCode, 0) << ::testing::PrintToString(args);
    EXPECT_EQ(tg::ReadFileBytes(game), original) << "export then import of the unchanged CSV";
    EXPECT_EQ(tg::ReadFileBytes(copy), original);

    ASSERT_EQ(RunExe({"set", game, "1", "salary=1234", "footwork=front"}).exitCode, 0);
    ASSERT_EQ(RunExe({"move", game, "1", "2"}).exitCode, 0);
    ASSERT_EQ(RunExe({"team-set", game, "2", "budget=123456"}).exitCode, 0);
    const CliRun diff = RunExe({"diff", copy, game});
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_TRUE(Contains(diff.out, "player 1 (") && Contains(diff.out, ") salary:")) << diff.out;
    EXPECT_TRUE(Contains(diff.out, "team 2 budget:")) << diff.out;
    EXPECT_EQ(RunExe({"validate", game}).exitCode, 0);
}

} // namespace
