// The game file removed or replaced by another game between load and save
// (the game itself or a copy running while the editor holds the file): the
// save must notice and refuse, leaving whatever is on disk now untouched.
#include "SaveFaultHelpers.h"

#include <functional>

namespace fs = std::filesystem;

namespace {

// Runs the driver up to the point where it has loaded the file, lets the
// test change the disk, then lets it save.
ChildResult SaveAfter(std::vector<std::string> args, const std::function<void()>& changeDisk)
{
    args.insert(args.begin() + 1, "--wait");
    ChildProcess child({.argv = std::move(args)});
    const std::string line = child.ReadLine();
    if (line == "loaded")
        changeDisk();
    else
        ADD_FAILURE() << "the driver did not load the file: \"" << line << "\"";
    child.WriteLine("save");
    return child.Wait();
}

TEST(SourceChangedTest, saveOverARemovedFileFailsAndCreatesNothing)
{
    SaveScene scene(GameOfPlayers(1500));
    const auto result = SaveAfter(SaveArgs(scene.path), [&] { fs::remove(scene.path); });

    EXPECT_TRUE(FailedWith(result, scene.path.string(), "No such file or directory"));
    EXPECT_FALSE(fs::exists(scene.path));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

TEST(SourceChangedTest, saveAsFromARemovedFileFailsAndCreatesNothing)
{
    SaveScene scene(GameOfPlayers(1500));
    const auto target = scene.folder / "COPY.CAP";
    const auto result = SaveAfter(SaveArgs(scene.path, target), [&] { fs::remove(scene.path); });

    EXPECT_TRUE(FailedWith(result, scene.path.string(), "No such file or directory"));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

// Another game: fewer players, so the file on disk is plainly not the one
// that was loaded.
tg::GameDescription AnotherGame()
{
    return GameOfPlayers(1400, 99);
}

TEST(SourceChangedTest, saveOverAFileReplacedByAnotherGameIsRefusedAndKeepsTheOtherGame)
{
    SaveScene scene(GameOfPlayers(1500));
    std::vector<std::uint8_t> replacement;
    const auto result = SaveAfter(SaveArgs(scene.path), [&] { replacement = tg::WriteGame(AnotherGame(), scene.path).bytes; });

    EXPECT_TRUE(FailedWith(result, scene.path.string(), "changed on disk since it was loaded"));
    EXPECT_TRUE(HoldsBytes(scene.path, replacement));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

TEST(SourceChangedTest, saveAsFromAFileReplacedByAnotherGameIsRefusedAndCreatesNothing)
{
    SaveScene scene(GameOfPlayers(1500));
    const auto target = scene.folder / "COPY.CAP";
    std::vector<std::uint8_t> replacement;
    const auto result
        = SaveAfter(SaveArgs(scene.path, target), [&] { replacement = tg::WriteGame(AnotherGame(), scene.path).bytes; });

    // The message names the file that changed, the one the game was loaded from.
    EXPECT_TRUE(FailedWith(result, scene.path.string(), "changed on disk since it was loaded"));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(HoldsBytes(scene.path, replacement));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

// Another game whose players and teams carry the same ids in the same order
// (every save game of one database does): writing the model's players and
// teams into it would mix two games.
TEST(SourceChangedTest, saveOverAnotherGameWithTheSameIdsIsRefused)
{
    SaveScene scene(GameOfPlayers(1500));
    std::vector<std::uint8_t> replacement;
    const auto result
        = SaveAfter(SaveArgs(scene.path), [&] { replacement = tg::WriteGame(GameOfPlayers(1500, 99), scene.path).bytes; });

    EXPECT_TRUE(FailedWith(result, scene.path.string(), "changed on disk since it was loaded"));
    EXPECT_TRUE(HoldsBytes(scene.path, replacement));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

} // namespace
