// The game file removed or replaced by another game between load and save
// (the game itself or a copy running while the editor holds the file): the
// save must notice and refuse, leaving whatever is on disk now untouched,
// whether the loaded bytes are a copy (the editor) or the mapped file
// (orbek-cli).
#include "SaveFaultHelpers.h"

namespace fs = std::filesystem;

namespace {

TEST(SourceChangedTest, saveOrSaveAsAfterTheFileWasRemovedOrReplacedIsRefusedAndWritesNothing)
{
    struct Case
    {
        const char* change;
        int players; // 0: the file is removed
        bool saveAs;
        const char* reason;
    };
    // Fewer players is plainly another game; the same ids in the same order
    // (every save game of one database has them) must not be mixed either.
    const Case cases[] = {
        {"removed", 0, false, "No such file or directory"},
        {"removed", 0, true, "No such file or directory"},
        {"another game", 1400, false, "changed on disk since it was loaded"},
        {"another game", 1400, true, "changed on disk since it was loaded"},
        {"another game with the same ids", 1500, false, "changed on disk since it was loaded"},
    };
    for (const bool map : {false, true})
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.change) + (c.saveAs ? ", save as" : ", save") + (map ? ", mapped" : ", read"));
        SaveScene scene(GameOfPlayers(1500));
        const auto copy = scene.folder / "COPY.CAP";
        auto args = SaveArgs(scene.path, c.saveAs ? copy : fs::path());
        args.insert(args.begin() + 1, "--wait"); // the driver waits for a line between load and save
        if (map)
            args.insert(args.begin() + 1, "--map");
        ChildProcess child({.argv = args});
        ASSERT_EQ(child.ReadLine(), "loaded");
        std::vector<std::uint8_t> now;
        if (c.players == 0)
            fs::remove(scene.path);
        else
            now = tg::WriteGame(GameOfPlayers(c.players, 99), scene.path).bytes;
        child.WriteLine("save");

        // The message names the file that changed, the one the game was loaded from.
        EXPECT_TRUE(FailedWith(child.Wait(), scene.path.string(), c.reason));
        if (c.players == 0) {
            EXPECT_FALSE(fs::exists(scene.path));
        } else {
            EXPECT_TRUE(HoldsBytes(scene.path, now));
        }
        EXPECT_FALSE(fs::exists(copy));
        EXPECT_TRUE(NoTemporaryFiles(scene.folder));
    }
}

} // namespace
