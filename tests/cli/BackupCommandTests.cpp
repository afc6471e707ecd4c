// Backups from the command line: the commands that save back up the file
// they replace (unless --no-backup), and backups lists the copies. The data
// folder is the test program's own (CliTestSupport).
#include "Backups.h"
#include "CliTestSupport.h"

#include <nlohmann/json.hpp>

namespace {

TEST(BackupCommand, SavesBackUpTheReplacedFileUnlessToldNotToAndBackupsListsThemNewestFirst)
{
    GameFile file(StandardGame());
    const auto original = file.Bytes();
    const std::string copy = file.Sibling("COPY.CAP");
    struct Step { std::vector<std::string> args; std::size_t backups; };
    const Step steps[] = {
        {{"set", file.Path(), "1", "salary=1001"}, 1},
        {{"set", file.Path(), "1", "salary=1002", "--no-backup"}, 1},
        {{"save", file.Path(), "-o", copy}, 1},
        {{"move", file.Path(), "1", "none", "-o", copy, "--no-backup"}, 1},
        {{"import", file.Path(), file.Sibling("edit.csv"), "--quiet"}, 2},
        {{"team-set", file.Path(), "1", "budget=5000"}, 3},
    };
    WriteText(file.Sibling("edit.csv"), "id,salary\n1,1003\n");
    for (const auto& step : steps) {
        SCOPED_TRACE(step.args[0] + " " + step.args.back());
        const CliRun run = RunLib(step.args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto json = nlohmann::json::parse(RunLib({"backups", file.Path(), "--format", "json"}).out);
        ASSERT_EQ(json.size(), step.backups);
        EXPECT_EQ(json.back()["size"], original.size());
        EXPECT_EQ(tg::ReadFileBytes(json.back()["path"].get<std::string>()), original);
        for (std::size_t i = 1; i < json.size(); ++i)
            EXPECT_GE(json[i - 1]["time"], json[i]["time"]);
        EXPECT_TRUE(Backups::List(copy, {}).empty()) << "a file written anew has no backup";
    }

    const CliRun text = RunExe({"backups", file.Path()});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    const auto lines = Lines(text.out);
    ASSERT_EQ(lines.size(), 4u) << text.out;
    EXPECT_TRUE(lines[0].starts_with("time ")) << lines[0];
    const auto newest = Backups::List(file.Path(), {}).front();
    EXPECT_TRUE(Contains(lines[1], newest.path) && Contains(lines[1], std::to_string(newest.size))) << lines[1];
    EXPECT_TRUE(Contains(RunLib({"backups", copy}).out, "no backups of " + copy));
}

} // namespace
