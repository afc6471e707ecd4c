// File names outside ASCII, and outside any one Windows code page, reach
// the files through orbek-cli: it takes its arguments as UTF-8 (on Windows
// from the wide command line) and the core opens, creates and renames
// through wide paths there.
#include "CliTestSupport.h"

#include <nlohmann/json.hpp>

namespace fs = std::filesystem;

namespace {

// A path from UTF-8 (std::filesystem reads a plain string in the system's
// code page on Windows).
fs::path Utf8Path(const fs::path& folder, const std::string& name)
{
    return folder / fs::path(std::u8string(name.begin(), name.end()));
}

TEST(NonAsciiNames, AGameNamedOutsideAsciiIsReadAndSavedUnderAnotherSuchName)
{
    GameFile file(StandardGame());
    const std::string folder = file.dir.Path().string() + "/";
    const std::string source = "\xC3\x89quipe \xC3\xBC.DB";                                      // "Équipe ü.DB"
    const std::string target = "\xD0\x9A\xD0\xBE\xD0\xBC\xD0\xB0\xD0\xBD\xD0\xB4\xD0\xB0 \xE2\x84\x96" "2.CAP"; // "Команда №2.CAP"
    fs::copy_file(file.path, Utf8Path(file.dir.Path(), source));
    const std::uint16_t id = FirstFreePlayer(file.description);

    const CliRun info = RunExe({"info", folder + source, "--format", "json"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(nlohmann::json::parse(info.out).at("players"), file.description.players.size());

    const CliRun set = RunExe({"set", folder + source, std::to_string(id), "salary=777", "-o", folder + target});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const CliRun saved = RunExe({"player", folder + target, std::to_string(id), "--format", "json"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_EQ(nlohmann::json::parse(saved.out).at("salary"), 777);
    EXPECT_EQ(tg::ReadFileBytes(Utf8Path(file.dir.Path(), source)), file.built.bytes);
    EXPECT_EQ(file.dir.FileNames().size(), 3u) << "a temporary file was left behind";

    // A message names the file as it was given.
    const CliRun missing = RunExe({"info", folder + "Gel\xC3\xB6scht.DB"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(Contains(missing.err, "Gel\xC3\xB6scht.DB")) << missing.err;
}

} // namespace
