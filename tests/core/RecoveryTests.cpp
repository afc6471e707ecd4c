// Recovery copies: a copy of a game with unsaved edits, written beside a
// description of the file it was made from, brings the edits back onto that
// file (marked, undoable, saved as the lost session would have saved them)
// and is never applied to a file that changed since.
#include "CoreTestHelpers.h"
#include "GameEdit.h"
#include "Recovery.h"

#include <fstream>

namespace {

namespace fs = std::filesystem;

// A game on disk, loaded and edited three ways (a team renamed, a player's
// record changed, a player moved), with a recovery folder of its own.
struct RecoveryScene
{
    RecoveryScene() : desc(SmallGame()), file(desc, "GAME.CAP"), folder((recovery / "recovery").string())
    {
        EXPECT_TRUE(Loads(edited, file.path));
        renamedTeam = desc.TeamRecords().at(0)->id;
        changedPlayer = SquadOf(*edited.Team(desc.TeamRecords().at(1)->id)).at(0);
        movedPlayer = FreePlayers(desc).at(0);
        RenameTeam(edited, renamedTeam, "Recovered XI");
        ChangePlayer(edited, changedPlayer, [](CPlayer& player) {
            player.SetStat(Competition::TestMatch, Stat::Catches, player.GetStat(Competition::TestMatch, Stat::Catches) + 7);
            player.m_strGivenNames += " Recovered";
        });
        GameEdit::Within(edited, [&](GameEdit& edit) { return edit.MovePlayer(movedPlayer, renamedTeam); });
    }
    Recovery::Found Find() const { return Recovery::Find(file.PathString(), folder); }

    tg::GameDescription desc;
    GameOnDisk file;
    tg::TempDir recovery;
    std::string folder;
    CGame edited;
    std::uint16_t renamedTeam = 0;
    std::uint32_t changedPlayer = 0, movedPlayer = 0;
};

void Overwrite(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

TEST(RecoveryCopy, BringsTheEditsBackOntoTheFileMarkedUndoableAndSavedAsTheLostSessionWould)
{
    RecoveryScene scene;
    const auto before = scene.file.BytesNow();
    ASSERT_TRUE(Recovery::Write(scene.edited, scene.folder));
    // The copy leaves the game and its file alone.
    EXPECT_EQ(scene.edited.GameFile(), scene.file.PathString());
    EXPECT_TRUE(scene.edited.IsModified());
    EXPECT_TRUE(scene.edited.Player(scene.changedPlayer)->m_bModified);
    EXPECT_TRUE(SameBytes(scene.file.BytesNow(), before));
    const auto found = scene.Find();
    ASSERT_EQ(found.state, Recovery::State::Applicable);
    EXPECT_TRUE(fs::exists(found.copy + ".txt"));

    CGame recovered;
    ASSERT_TRUE(Loads(recovered, scene.file.path));
    GameEdit edit(recovered);
    ASSERT_TRUE(Recovery::Apply(edit, found.copy));
    const GameUndoRecord step = edit.Commit("Recover");
    EXPECT_TRUE(recovered.IsModified());
    for (const CPlayer* player : recovered.Players()) {
        const bool edited = player->m_nId == scene.changedPlayer || player->m_nId == scene.movedPlayer;
        EXPECT_EQ(player->m_bModified != 0, edited) << "player " << player->m_nId;
    }
    for (const CTeam* team : recovered.Teams())
        EXPECT_EQ(team->m_bModified != 0, team->m_wId == scene.renamedTeam) << "team " << team->m_wId;

    // Saved over the real file, the recovered game writes what the lost
    // session would have written.
    const fs::path expected = scene.file.dir / "EXPECTED.CAP";
    ASSERT_TRUE(Saves(scene.edited, expected));
    ASSERT_TRUE(Saves(recovered));
    EXPECT_TRUE(SameBytes(scene.file.BytesNow(), tg::ReadFileBytes(expected)));

    // Undone, the step leaves the file as it was loaded.
    ASSERT_TRUE(step.Undo(recovered));
    ASSERT_TRUE(Saves(recovered, scene.file.dir / "UNDONE.CAP"));
    EXPECT_TRUE(SameBytes(tg::ReadFileBytes(scene.file.dir / "UNDONE.CAP"), before));
}

TEST(RecoveryCopy, IsFoundOnlyForItsOwnUnchangedFileAndSetAsideOtherwise)
{
    RecoveryScene scene;
    ASSERT_TRUE(Recovery::Write(scene.edited, scene.folder));
    const Recovery::Files files = Recovery::FilesFor(scene.file.PathString(), scene.folder);
    // Another path to the same file finds the same copy; another file none.
    EXPECT_EQ(Recovery::FilesFor((scene.file.dir / "." / "GAME.CAP").string(), scene.folder).copy, files.copy);
    EXPECT_EQ(Recovery::Find((scene.file.dir / "OTHER.CAP").string(), scene.folder).state, Recovery::State::None);

    // A description that is not Orbek's makes the copy outdated, never applicable.
    const auto description = tg::ReadFileBytes(files.description);
    Overwrite(files.description, "game: " + scene.file.PathString() + "\n");
    EXPECT_EQ(scene.Find().state, Recovery::State::Outdated);
    Overwrite(files.description, std::string(description.begin(), description.end()));
    ASSERT_EQ(scene.Find().state, Recovery::State::Applicable);

    // The file changed on disk: the copy is outdated, and set aside it is
    // kept under a name of its own and no longer found.
    std::ofstream(scene.file.path, std::ios::binary | std::ios::app) << 'x';
    const auto outdated = scene.Find();
    ASSERT_EQ(outdated.state, Recovery::State::Outdated);
    const std::string kept = Recovery::SetAside(outdated);
    EXPECT_NE(kept, outdated.copy);
    EXPECT_TRUE(fs::exists(kept) && fs::exists(kept + ".txt"));
    EXPECT_EQ(scene.Find().state, Recovery::State::None);

    // A new copy, then Discard: nothing is left of it.
    CGame game;
    ASSERT_TRUE(Loads(game, scene.file.path));
    RenameTeam(game, scene.renamedTeam, "Again XI");
    ASSERT_TRUE(Recovery::Write(game, scene.folder));
    ASSERT_EQ(scene.Find().state, Recovery::State::Applicable);
    Recovery::Discard(scene.file.PathString(), scene.folder);
    EXPECT_FALSE(fs::exists(files.copy) || fs::exists(files.description));
    EXPECT_TRUE(fs::exists(kept));
}

TEST(RecoveryCopy, IsRefusedWhenItDoesNotFitAndTheRecoveredGameStillChecksTheRealFile)
{
    RecoveryScene scene;
    ASSERT_TRUE(Recovery::Write(scene.edited, scene.folder));
    const auto found = scene.Find();

    // A copy of another game (other players) or no game at all changes nothing.
    GameOnDisk other(TinyGame(), "OTHER.CAP");
    fs::path junk = scene.recovery / "JUNK.CAP";
    Overwrite(junk, "not a game");
    for (const fs::path& copy : {other.path, junk}) {
        CGame game;
        ASSERT_TRUE(Loads(game, scene.file.path));
        GameEdit edit(game);
        const GameStatus status = Recovery::Apply(edit, copy.string());
        EXPECT_FALSE(status) << copy;
        EXPECT_TRUE(Contains(status.message(), copy.filename().string())) << status.message();
        EXPECT_FALSE(game.IsModified());
    }

    // Recovered, the game is still the file on disk: replaced by another
    // program meanwhile, it is not saved over.
    CGame recovered;
    ASSERT_TRUE(Loads(recovered, scene.file.path));
    GameEdit edit(recovered);
    ASSERT_TRUE(Recovery::Apply(edit, found.copy));
    edit.Commit();
    const auto replacement = other.BytesNow();
    std::ofstream(scene.file.path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(replacement.data()), static_cast<std::streamsize>(replacement.size()));
    EXPECT_FALSE(recovered.SaveGameFile());
    EXPECT_TRUE(SameBytes(scene.file.BytesNow(), replacement));
}

} // namespace
