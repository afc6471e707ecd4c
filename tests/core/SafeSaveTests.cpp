// Saving never damages the target: the file is written beside it and
// renamed over it only when complete; a failed save leaves the target and
// its folder as they were and the game still modified.
#include "CoreTestHelpers.h"

#include <algorithm>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

bool HasTempLeftovers(const fs::path& folder)
{
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().rfind("Orb", 0) == 0)
            return true;
    }
    return false;
}

// A loaded game with one pending edit.
struct EditedGame
{
    EditedGame() : desc(SmallGame()), file(desc)
    {
        EXPECT_TRUE(Loads(game, file.path));
        const auto id = desc.players[0].id;
        game.Player(id)->m_strFamilyName = "Renamed";
        game.MarkPlayerModified(id);
    }
    tg::GameDescription desc;
    GameOnDisk file;
    CGame game;
};

TEST(SafeSave, ASuccessfulSaveLeavesNoTemporaryFileBehind)
{
    EditedGame edited;
    ASSERT_TRUE(Saves(edited.game));
    EXPECT_EQ(edited.file.dir.FileNames(), std::vector<std::string>{"DATABASE.DB"});
    EXPECT_NE(edited.file.BytesNow(), edited.file.built.bytes);
    EXPECT_EQ(edited.game.m_bModified, 0u);
}

TEST(SafeSave, AReadOnlyTargetIsRefusedAndLeftAlone)
{
    EditedGame edited;
    fs::permissions(edited.file.path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto status = edited.game.SaveGameFile();
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "DATABASE.DB")) << status.message();
    EXPECT_EQ(edited.file.BytesNow(), edited.file.built.bytes);
    EXPECT_FALSE(HasTempLeftovers(edited.file.dir.Path()));
    EXPECT_EQ(edited.game.m_bModified, 1u);
}

TEST(SafeSave, AReadOnlyFolderFailsTheSaveAndLeavesTheTargetAlone)
{
#ifdef _WIN32
    GTEST_SKIP() << "folder permissions do not stop writes on Windows";
#else
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    EditedGame edited;
    fs::permissions(edited.file.dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    const auto status = edited.game.SaveGameFile();
    fs::permissions(edited.file.dir.Path(), fs::perms::owner_all);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "DATABASE.DB")) << status.message();
    EXPECT_EQ(edited.file.BytesNow(), edited.file.built.bytes);
    EXPECT_FALSE(HasTempLeftovers(edited.file.dir.Path()));
    EXPECT_EQ(edited.game.m_bModified, 1u);
#endif
}

TEST(SafeSave, SaveAsOntoAFolderFailsWithoutLeavingAnything)
{
    EditedGame edited;
    const auto folder = edited.file.dir / "TARGET.CAP";
    fs::create_directory(folder);
    tg::WriteFileBytes(folder / "inside.txt", {'k', 'e', 'e', 'p'});
    const auto status = edited.game.SaveGameFile(folder.string());
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "TARGET.CAP")) << status.message();
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(tg::ReadFileBytes(folder / "inside.txt"), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));
    EXPECT_FALSE(HasTempLeftovers(edited.file.dir.Path()));
    EXPECT_EQ(edited.game.m_strGameFile, edited.file.PathString());
    EXPECT_EQ(edited.game.m_bModified, 1u);
    EXPECT_EQ(edited.file.BytesNow(), edited.file.built.bytes);
}

TEST(SafeSave, SaveAsIntoAMissingFolderNamesTheFile)
{
    EditedGame edited;
    const auto target = edited.file.dir / "no-such-folder" / "NEW.CAP";
    const auto status = edited.game.SaveGameFile(target.string());
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "NEW.CAP")) << status.message();
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(edited.game.m_strGameFile, edited.file.PathString());
    EXPECT_EQ(edited.game.m_bModified, 1u);
}

TEST(SafeSave, ASourceThatVanishedNamesTheFile)
{
    EditedGame edited;
    fs::remove(edited.file.path);
    const auto status = edited.game.SaveGameFile();
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "DATABASE.DB")) << status.message();
    EXPECT_FALSE(fs::exists(edited.file.path));
    EXPECT_FALSE(HasTempLeftovers(edited.file.dir.Path()));
    EXPECT_EQ(edited.game.m_bModified, 1u);
}

void ExpectReplacedFileRefused(const tg::GameDescription& other, bool wantFileName = false)
{
    EditedGame edited;
    const auto otherBytes = tg::Build(other).bytes;
    tg::WriteFileBytes(edited.file.path, otherBytes);
    const auto status = edited.game.SaveGameFile();
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().empty());
    if (wantFileName) {
        EXPECT_TRUE(Contains(status.message(), "DATABASE.DB")) << status.message();
    }
    EXPECT_EQ(edited.file.BytesNow(), otherBytes);
    EXPECT_FALSE(HasTempLeftovers(edited.file.dir.Path()));
    EXPECT_EQ(edited.game.m_bModified, 1u);
}

tg::GameDescription WithOtherPlayerIds()
{
    auto other = SmallGame();
    for (auto& p : other.players)
        p.id = static_cast<std::uint16_t>(p.id + 1000);
    for (auto* team : other.TeamRecords()) {
        for (auto& id : team->squad)
            id = static_cast<std::uint16_t>(id + 1000);
        for (auto& id : team->firstXI)
            id = static_cast<std::uint16_t>(id + 1000);
    }
    return other;
}

TEST(SafeSave, AFileReplacedByAnotherGameIsNotOverwritten)
{
    ExpectReplacedFileRefused(WithOtherPlayerIds());
    // Fewer players.
    auto fewer = SmallGame();
    fewer.players.back().nextTag = 0;
    fewer.players.pop_back();
    ExpectReplacedFileRefused(fewer);
    // Team records in another order.
    auto reordered = SmallGame();
    std::swap(reordered.TeamRecords()[0]->id, reordered.TeamRecords()[1]->id);
    for (auto* team : reordered.TeamRecords()) {
        for (auto id : team->squad)
            reordered.FindPlayer(id)->SetTeam(team->id);
    }
    ExpectReplacedFileRefused(reordered);
    // Not a game file at all.
    tg::GameDescription garbage;
    garbage.writePlayerMarker = false;
    garbage.writeTeamMarker = false;
    garbage.beforePlayerMarker.assign(300, 'x');
    ExpectReplacedFileRefused(garbage);
}

TEST(SafeSave, TheRefusalOfAReplacedFileNamesTheFile)
{
    ExpectReplacedFileRefused(WithOtherPlayerIds(), true);
}

TEST(SafeSave, AFileAnotherProgramRewroteIsNotMergedWithTheLoadedGame)
{
    // Same players and teams, other bytes: another save of the same game,
    // or the game itself writing. Saving over it would mix stale records
    // with the new file, so the save is refused and nothing is written.
    EditedGame edited;
    auto changed = edited.file.built.bytes;
    changed[edited.file.built.playerMarker - 1] ^= 0x55;
    tg::WriteFileBytes(edited.file.path, changed);
    const auto status = edited.game.SaveGameFile();
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "changed on disk")) << status.message();
    EXPECT_TRUE(Contains(status.message(), edited.file.path.filename().string())) << status.message();
    EXPECT_EQ(edited.file.BytesNow(), changed);
    EXPECT_TRUE(edited.game.m_bModified);

    // The same bytes written again (a new time stamp) are still the loaded game.
    tg::WriteFileBytes(edited.file.path, edited.file.built.bytes);
    EXPECT_TRUE(Saves(edited.game));
}

TEST(SafeSave, ASecondSaveChecksAgainstWhatTheFirstOneWrote)
{
    EditedGame edited;
    ASSERT_TRUE(Saves(edited.game));
    auto written = edited.file.BytesNow();
    RenameTeam(edited.game, 2, "Second Name");
    ASSERT_TRUE(Saves(edited.game)) << "our own first save is the loaded state now";

    written = edited.file.BytesNow();
    written.back() ^= 0x01;
    tg::WriteFileBytes(edited.file.path, written);
    RenameTeam(edited.game, 2, "Third Name");
    EXPECT_FALSE(edited.game.SaveGameFile().ok());
    EXPECT_EQ(edited.file.BytesNow(), written);
}

} // namespace
