// Players read their records where the loaded bytes hold them until one is
// edited; the bytes are a private copy or, for quick commands, the mapped
// file itself. Edits must reach the file through every save, copies of a
// player must stay apart, and a mapped file another program changes or cuts
// short must neither crash the process nor reach a saved file.
#include "CoreTestHelpers.h"

#include <chrono>
#include <fstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

const char* AccessName(FileBytes::Access access)
{
    return access == FileBytes::Access::Map ? "mapped" : "read";
}

TEST(SharedRecords, EditsReachTheFileThroughEverySaveWhetherTheBytesAreReadOrMapped)
{
    for (const auto access : {FileBytes::Access::Read, FileBytes::Access::Map}) {
        SCOPED_TRACE(AccessName(access));
        auto desc = SmallGame();
        GameOnDisk file(desc);
        CGame game;
        game.SetSourceAccess(access);
        ASSERT_TRUE(Loads(game, file.path));

        // First save: from the bytes kept since the load.
        game.Player(desc.players[0].id)->SetU32(PlayerLayout::nContract, 7);
        game.Player(desc.players[1].id)->m_strFamilyName = "Longer-Than-Before";
        desc.players[0].SetContract(7);
        desc.players[1].familyName = "Longer-Than-Before";
        ASSERT_TRUE(Saves(game));
        EXPECT_TRUE(SameBytes(file.BytesNow(), tg::Build(desc).bytes));

        // Second save: the file is read again while most players still hold
        // the first load's bytes.
        game.Player(desc.players[2].id)->SetU32(PlayerLayout::nContract, 9);
        desc.players[2].SetContract(9);
        const auto copy = file.dir / "COPY.DB";
        ASSERT_TRUE(Saves(game, copy));
        EXPECT_TRUE(SameBytes(tg::ReadFileBytes(copy), tg::Build(desc).bytes));
        EXPECT_FALSE(game.SourceCutShort());
    }
}

TEST(SharedRecords, ACopiedPlayerAndItsOriginalChangeApart)
{
    GameOnDisk file(SmallGame());
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    CPlayer& original = *game.Player(game.m_loadedPlayerOrder.at(0));
    const auto loaded = original.CopyRecord();

    CPlayer copy = original;
    copy.SetU32(PlayerLayout::nContract, original.U32(PlayerLayout::nContract) + 1);
    EXPECT_EQ(original.CopyRecord(), loaded);

    CPlayer second = original;
    original.SetByte(PlayerLayout::kAbilityStart, static_cast<std::uint8_t>(loaded[PlayerLayout::kAbilityStart] ^ 0xFF));
    EXPECT_EQ(second.CopyRecord(), loaded);
    second = copy;
    EXPECT_EQ(second.CopyRecord(), copy.CopyRecord());

    // A player made from nothing reads as zeros and takes edits.
    CPlayer blank;
    EXPECT_EQ(blank.CopyRecord(), CPlayer::Record{});
    blank.SetU16(PlayerLayout::wTeam, 3);
    EXPECT_EQ(blank.Team(), 3);
}

#ifndef _WIN32
// A mapped file cut short after the load: the lost bytes read as zeros, the
// game says so, and a save refuses rather than writing them.
TEST(MappedSource, AFileCutShortAfterTheLoadReadsAsZerosAndIsNotSaved)
{
    const auto desc = SmallGame();
    GameOnDisk file(desc);
    CGame game;
    game.SetSourceAccess(FileBytes::Access::Map);
    ASSERT_TRUE(Loads(game, file.path));
    const auto& last = desc.players.back();
    ASSERT_GT(file.built.players.back().record, 3 * 4096u) << "the game must span several pages";
    ASSERT_NE(game.Player(last.id)->CopyRecord(), CPlayer::Record{});

    fs::resize_file(file.path, 4096);
    EXPECT_EQ(game.Player(last.id)->CopyRecord(), CPlayer::Record{});
    EXPECT_TRUE(game.SourceCutShort());

    const auto copy = file.dir / "COPY.DB";
    const auto status = game.SaveGameFile(copy.string());
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "changed on disk")) << status.message();
    EXPECT_EQ(file.dir.FileNames(), std::vector<std::string>{"DATABASE.DB"});
    EXPECT_EQ(fs::file_size(file.path), 4096u);
}

// Mapped bytes are the file itself, so a change made in place cannot be
// told from the loaded state by its contents: the file's stamp decides.
TEST(MappedSource, AFileRewrittenInPlaceBetweenLoadAndSaveIsNotSaved)
{
    auto desc = SmallGame();
    GameOnDisk file(desc);
    CGame game;
    game.SetSourceAccess(FileBytes::Access::Map);
    ASSERT_TRUE(Loads(game, file.path));
    game.Player(desc.players[0].id)->m_strGivenNames = "Edited";

    // Past the coarsest clock a file system may stamp with.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    desc.players[3].SetContract(file.built.U32At(file.built.players[3].record + PlayerLayout::nContract) + 1);
    const auto rewritten = tg::Build(desc).bytes;
    ASSERT_EQ(rewritten.size(), file.built.bytes.size());
    {
        std::fstream out(file.path, std::ios::in | std::ios::out | std::ios::binary);
        out.write(reinterpret_cast<const char*>(rewritten.data()), static_cast<std::streamsize>(rewritten.size()));
    }

    const auto status = game.SaveGameFile();
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "changed on disk")) << status.message();
    EXPECT_EQ(file.BytesNow(), rewritten);
    EXPECT_EQ(file.dir.FileNames(), std::vector<std::string>{"DATABASE.DB"});
}
#endif

} // namespace
