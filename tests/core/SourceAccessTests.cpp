// Players read their records where the loaded copy of the file holds them
// until one is edited. Edits must reach the file through every save, and
// copies of a player must stay apart.
#include "CoreTestHelpers.h"

namespace {

TEST(SharedRecords, EditsReachTheFileThroughEverySave)
{
    auto desc = SmallGame();
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));

    // First save: from the bytes kept since the load.
    ChangePlayer(game, desc.players[0].id, [](CPlayer& p) { p.SetU32(PlayerLayout::nContract, 7); });
    ChangePlayer(game, desc.players[1].id, [](CPlayer& p) { p.m_strFamilyName = "Longer-Than-Before"; });
    desc.players[0].SetContract(7);
    desc.players[1].familyName = "Longer-Than-Before";
    ASSERT_TRUE(Saves(game));
    EXPECT_TRUE(SameBytes(file.BytesNow(), tg::Build(desc).bytes));

    // Second save: the file is read again while most players still hold
    // the first load's bytes.
    ChangePlayer(game, desc.players[2].id, [](CPlayer& p) { p.SetU32(PlayerLayout::nContract, 9); });
    desc.players[2].SetContract(9);
    const auto copy = file.dir / "COPY.DB";
    ASSERT_TRUE(Saves(game, copy));
    EXPECT_TRUE(SameBytes(tg::ReadFileBytes(copy), tg::Build(desc).bytes));
}

TEST(SharedRecords, ACopiedPlayerAndItsOriginalChangeApart)
{
    GameOnDisk file(SmallGame());
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    CPlayer original = *game.Player(game.LoadedPlayerOrder().at(0)); // shares the loaded bytes
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

} // namespace
