// The tool's conventions: help, version, usage errors, save.
#include "CliApp.h"
#include "CliTestSupport.h"

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

} // namespace
