// Saving never damages the target: the file is written beside it and
// renamed over it only when complete; a failed save names the file, leaves
// the folder as it was and the game still modified.
#include "CoreTestHelpers.h"

#include <functional>
#include <map>

namespace {

namespace fs = std::filesystem;

// A loaded game with one pending edit.
struct EditedGame
{
    EditedGame() : desc(SmallGame()), file(desc)
    {
        EXPECT_TRUE(Loads(game, file.path));
        ChangePlayer(game, desc.players[0].id, [](CPlayer& p) { p.m_strFamilyName = "Renamed"; });
    }
    tg::GameDescription desc;
    GameOnDisk file;
    CGame game;
};

// Every entry of the folder, with the bytes of each file.
std::map<std::string, std::vector<std::uint8_t>> Contents(const tg::TempDir& dir)
{
    std::map<std::string, std::vector<std::uint8_t>> entries;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        auto& bytes = entries[entry.path().filename().string()];
        if (entry.is_regular_file())
            bytes = tg::ReadFileBytes(entry.path());
    }
    return entries;
}

// The save fails naming `file` and changes no file: none written, none left behind.
void ExpectFailedSave(EditedGame& edited, const std::string& newPath, const std::string& file)
{
    const auto before = Contents(edited.file.dir);
    const auto status = edited.game.SaveGameFile(newPath);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), file)) << status.message();
    EXPECT_TRUE(Contents(edited.file.dir) == before) << "the folder changed";
    EXPECT_EQ(edited.game.GameFile(), edited.file.PathString());
    EXPECT_TRUE(edited.game.IsModified());
}

TEST(SafeSave, ASuccessfulSaveReplacesTheFileAndLeavesNoTemporaryFile)
{
    EditedGame edited;
    ASSERT_TRUE(Saves(edited.game));
    EXPECT_EQ(edited.file.dir.FileNames(), std::vector<std::string>{"DATABASE.DB"});
    EXPECT_NE(edited.file.BytesNow(), edited.file.built.bytes);
    EXPECT_FALSE(edited.game.IsModified());
}

TEST(SafeSave, AFailedSaveNamesTheFileAndChangesNothing)
{
    struct Case
    {
        const char* fault;
        std::function<std::string(EditedGame&)> arrange; // returns the Save As path, or empty
        std::string named;
    };
    const std::vector<Case> cases = {
        {"read-only target",
         [](EditedGame& e) {
             fs::permissions(e.file.path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
             return std::string();
         },
         "DATABASE.DB"},
        {"Save As onto a read-only file",
         [](EditedGame& e) {
             tg::WriteFileBytes(e.file.dir / "OTHER.CAP", {'o'});
             fs::permissions(e.file.dir / "OTHER.CAP", fs::perms::owner_read);
             return (e.file.dir / "OTHER.CAP").string();
         },
         "OTHER.CAP"},
        {"Save As onto a folder",
         [](EditedGame& e) {
             fs::create_directory(e.file.dir / "TARGET.CAP");
             tg::WriteFileBytes(e.file.dir / "TARGET.CAP" / "inside.txt", {'k'});
             return (e.file.dir / "TARGET.CAP").string();
         },
         "TARGET.CAP"},
        {"Save As into a missing folder",
         [](EditedGame& e) { return (e.file.dir / "no-such-folder" / "NEW.CAP").string(); }, "NEW.CAP"},
        {"source removed",
         [](EditedGame& e) {
             fs::remove(e.file.path);
             return std::string();
         },
         "DATABASE.DB"},
        {"source removed before a Save As",
         [](EditedGame& e) {
             fs::remove(e.file.path);
             return (e.file.dir / "NEW.CAP").string();
         },
         "DATABASE.DB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        EditedGame edited;
        ExpectFailedSave(edited, c.arrange(edited), c.named);
    }
}

TEST(SafeSave, AFileChangedOnDiskSinceTheLoadIsNotOverwritten)
{
    // The check compares content: one changed byte is caught as surely as
    // other players or teams would be.
    auto fewer = SmallGame();
    fewer.players.back().nextTag = 0;
    fewer.players.pop_back();
    tg::GameDescription garbage;
    garbage.writePlayerMarker = false;
    garbage.writeTeamMarker = false;
    garbage.beforePlayerMarker.assign(300, 'x');
    // Same players and teams, other bytes: another save of the same game.
    auto rewritten = tg::Build(SmallGame()).bytes;
    rewritten[tg::Build(SmallGame()).playerMarker - 1] ^= 0x55;

    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> replacements = {
        {"fewer players", tg::Build(fewer).bytes}, {"not a game file", tg::Build(garbage).bytes},
        {"same ids, other bytes", rewritten}};
    for (const auto& [what, bytes] : replacements)
    for (const std::string saveAs : {"", "COPY.CAP"}) {
        SCOPED_TRACE(std::string(what) + (saveAs.empty() ? ", save" : ", save as"));
        EditedGame edited;
        tg::WriteFileBytes(edited.file.path, bytes);
        const auto status = edited.game.SaveGameFile(saveAs.empty() ? saveAs : (edited.file.dir / saveAs).string());
        EXPECT_FALSE(status.ok());
        EXPECT_TRUE(Contains(status.message(), "DATABASE.DB")) << status.message();
        EXPECT_TRUE(Contains(status.message(), "changed on disk")) << status.message();
        EXPECT_EQ(edited.file.BytesNow(), bytes);
        EXPECT_EQ(edited.file.dir.FileNames(), std::vector<std::string>{"DATABASE.DB"});
        EXPECT_TRUE(edited.game.IsModified());
    }
}

TEST(SafeSave, TheCheckComparesContentNotTimeAndFollowsTheLastSave)
{
    EditedGame edited;
    // The same bytes written again (a new time stamp) are still the loaded game.
    tg::WriteFileBytes(edited.file.path, edited.file.built.bytes);
    ASSERT_TRUE(Saves(edited.game));
    RenameTeam(edited.game, 2, "Second Name");
    ASSERT_TRUE(Saves(edited.game)) << "our own first save is the loaded state now";

    auto written = edited.file.BytesNow();
    written.back() ^= 0x01;
    tg::WriteFileBytes(edited.file.path, written);
    RenameTeam(edited.game, 2, "Third Name");
    EXPECT_FALSE(edited.game.SaveGameFile().ok());
    EXPECT_EQ(edited.file.BytesNow(), written);
}

} // namespace
