// The tool's conventions: help, version, usage errors and the demo game.
#include "CliTestSupport.h"

#include <filesystem>

#include <unistd.h>

namespace {

TEST(Conventions, VersionPrintsTheProgramsVersionText)
{
    const CliRun run = RunExe({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "1.0b15 - Feb  3 1999\n");
}

TEST(Conventions, HelpForTheToolAndEachCommandExitsZero)
{
    const CliRun run = RunExe({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command : {"info", "players", "player", "teams", "team", "set", "move", "team-set", "export",
             "import", "save", "validate", "diff"}) {
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

TEST(SaveCommand, WritesAnIdenticalCopyAndLeavesTheSource)
{
    GameFile file(StandardGame());
    const auto before = file.Bytes();
    const std::string out = file.Sibling("COPY.CAP");
    ASSERT_EQ(RunExe({"save", file.Path(), "-o", out}).exitCode, 0);
    EXPECT_EQ(tg::ReadFileBytes(out), before);
    EXPECT_EQ(file.Bytes(), before);

    const CliRun failed = RunExe({"save", file.Path(), "-o", file.Sibling("no/such/folder/OUT.CAP")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_FALSE(failed.err.empty());
}

TEST(Conventions, AReadOnlyFileIsNotChangedAndTheEditFails)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write read-only files";
    GameFile file(StandardGame());
    const auto before = file.Bytes();
    std::filesystem::permissions(file.path, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    const CliRun run = RunExe({"set", file.Path(), std::to_string(file.description.players[0].id), "salary=1"});
    std::filesystem::permissions(file.path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(file.Bytes(), before);
}

// Every command on a copy of the demo game the build writes.
TEST(DemoGame, EveryCommandWorksOnIt)
{
    const std::filesystem::path demo = ORBEK_DEMO_GAME;
    if (!std::filesystem::exists(demo))
        GTEST_SKIP() << "no demo game at " << demo;
    tg::TempDir dir;
    const std::string game = (dir / "DATABASE.DB").string();
    std::filesystem::copy_file(demo, game);
    const auto original = tg::ReadFileBytes(game);

    EXPECT_EQ(RunExe({"info", game}).exitCode, 0);
    EXPECT_EQ(RunExe({"players", game, "--format", "json"}).exitCode, 0);
    EXPECT_EQ(RunExe({"player", game, "1"}).exitCode, 0);
    EXPECT_EQ(RunExe({"teams", game, "--format", "csv"}).exitCode, 0);
    EXPECT_EQ(RunExe({"team", game, "1", "--format", "json"}).exitCode, 0);
    EXPECT_EQ(RunExe({"validate", game}).exitCode, 0);
    const std::string csv = (dir / "players.csv").string();
    ASSERT_EQ(RunExe({"export", game, "-o", csv}).exitCode, 0);
    EXPECT_EQ(RunExe({"import", game, csv}).exitCode, 0);
    EXPECT_EQ(tg::ReadFileBytes(game), original) << "export then import of the unchanged CSV";
    const std::string copy = (dir / "COPY.DB").string();
    ASSERT_EQ(RunExe({"save", game, "-o", copy}).exitCode, 0);
    EXPECT_EQ(tg::ReadFileBytes(copy), original);

    ASSERT_EQ(RunExe({"set", game, "1", "salary=1234", "footwork=front"}).exitCode, 0);
    ASSERT_EQ(RunExe({"move", game, "1", "2"}).exitCode, 0);
    ASSERT_EQ(RunExe({"team-set", game, "2", "budget=123456"}).exitCode, 0);
    const CliRun diff = RunExe({"diff", copy, game});
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_TRUE(Contains(diff.out, "player 1 salary:")) << diff.out;
    EXPECT_TRUE(Contains(diff.out, "team 2 budget:")) << diff.out;
    EXPECT_EQ(RunExe({"validate", game}).exitCode, 0);
}

} // namespace
