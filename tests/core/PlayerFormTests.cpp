// The form's commit rules, shared by the editor and the command-line tool.
#include "PlayerForm.h"

#include "FieldCodes.h"

#include <gtest/gtest.h>

namespace {

CPlayer MakePlayer()
{
    CPlayer player;
    player.m_nId = 12;
    player.m_strGivenNames = "John Andrew";
    player.m_strFamilyName = "Smith";
    player.m_strInitials = "JAS";
    player.SetU32(PlayerLayout::nBirthCode, testgame::BirthCode(1975, 6, 14));
    player.SetU32(PlayerLayout::nSalaryCode, testgame::SalaryCode(20000));
    player.SetTeam(4);
    player.SetU16(PlayerLayout::wOrigin, 2);
    player.SetU32(PlayerLayout::nType, 3);
    player.SetU32(PlayerLayout::nBowlStyle, 5);
    player.SetU32(PlayerLayout::nBowlArm, 1);
    player.SetU32(PlayerLayout::nBatsRight, 1);
    player.SetByte(PlayerLayout::bFootwork, 0x40);
    player.SetByte(PlayerLayout::bSide, 0x55);
    player.SetByte(PlayerLayout::bVsPace, 0x3F);
    player.DecodeBirthAndSalary();
    return player;
}

TEST(PlayerForm, FillingAndStoringUntouchedValuesChangesNothing)
{
    CPlayer player = MakePlayer();
    const CPlayer copy = player;
    const auto shown = PlayerForm::Fill(player, 19);
    ASSERT_TRUE(PlayerForm::Store(player, shown, shown));
    EXPECT_FALSE(PlayerForm::DiffersFromCopy(player, copy));
    EXPECT_EQ(player.m_playerRecord, copy.m_playerRecord);
}

TEST(PlayerForm, PreferenceBytesAreWrittenOnlyWhenTheirChoiceChanges)
{
    CPlayer player = MakePlayer();
    auto shown = PlayerForm::Fill(player, 19);
    EXPECT_EQ(shown.side, 1) << "0x55 shows the second choice";
    EXPECT_EQ(shown.vsPace, 0) << "0x3F shows the first choice, like 0x40";

    auto edited = shown;
    edited.footwork = 1;   // Back foot -> Front foot
    edited.vsPace = 1;     // Fast -> Spin
    ASSERT_TRUE(PlayerForm::Store(player, edited, shown));
    EXPECT_EQ(player.Byte(PlayerLayout::bFootwork), 0xC0);
    EXPECT_EQ(player.Byte(PlayerLayout::bVsPace), 0xC0);
    EXPECT_EQ(player.Byte(PlayerLayout::bSide), 0x55) << "an untouched choice keeps the game's byte";

    // Changing a choice and back before the commit writes nothing.
    CPlayer other = MakePlayer();
    ASSERT_TRUE(PlayerForm::Store(other, shown, shown));
    EXPECT_EQ(other.Byte(PlayerLayout::bVsPace), 0x3F);
}

TEST(PlayerForm, InitialsUpperCaseTheGivenNamesAndKeepTheFamilyLetter)
{
    CPlayer player = MakePlayer();
    auto values = PlayerForm::Fill(player, 19);
    values.givenNames = "john andrew";
    values.familyName = "smith";
    ASSERT_TRUE(PlayerForm::Store(player, values, values));
    EXPECT_EQ(player.m_strInitials, "JAs");
    EXPECT_EQ(player.GetDisplayName(), "smith JA");

    values.familyName.clear();
    ASSERT_TRUE(PlayerForm::Store(player, values, values));
    EXPECT_EQ(player.m_strInitials, "JA");
}

TEST(PlayerForm, AnInvalidDateOrUnstorableNumberWritesNothing)
{
    const CPlayer original = MakePlayer();
    const auto shown = PlayerForm::Fill(original, 19);

    auto values = shown;
    values.familyName = "Jones";
    values.birth = CDate{};
    CPlayer player = original;
    const auto status = PlayerForm::Store(player, values, shown);
    EXPECT_EQ(status.message(), "Invalid value in date of birth.");
    EXPECT_EQ(player.m_playerRecord, original.m_playerRecord);
    EXPECT_EQ(player.m_strFamilyName, "Smith");

    values = shown;
    values.salary = 98304; // would come back as another number
    EXPECT_FALSE(PlayerForm::Store(player, values, shown));
    values.salary = -1;
    EXPECT_FALSE(PlayerForm::Store(player, values, shown));
    values = shown;
    values.contract = -3;
    EXPECT_EQ(PlayerForm::Store(player, values, shown).message(), "Please enter an integer.");
    EXPECT_EQ(player.m_playerRecord, original.m_playerRecord);

    values = shown;
    values.salary = 98303;
    ASSERT_TRUE(PlayerForm::Store(player, values, shown));
    EXPECT_EQ(player.U32(PlayerLayout::nSalaryCode), testgame::SalaryCode(98303));
}

TEST(PlayerForm, KeeperTimeIsStoredOnlyForKeepers)
{
    CPlayer player = MakePlayer();
    player.SetU32(PlayerLayout::nKeeper, 1);
    player.SetU32(PlayerLayout::nPartTimeKeeper, 1);
    auto shown = PlayerForm::Fill(player, 19);
    EXPECT_EQ(shown.keeperTime, 1);

    auto values = shown;
    values.keeper = false; // made a non-keeper
    ASSERT_TRUE(PlayerForm::Store(player, values, shown));
    EXPECT_EQ(player.Keeper(), 0u);
    EXPECT_EQ(player.PartTimeKeeper(), 0u);

    // A newly made keeper with no time chosen is a full-time keeper.
    values.keeper = true;
    values.keeperTime = -1;
    ASSERT_TRUE(PlayerForm::Store(player, values, shown));
    EXPECT_EQ(player.PartTimeKeeper(), 0u);
    EXPECT_EQ(player.GetImageIndex(), 4);
}

TEST(PlayerForm, TheTeamListDecidesOnlyForTeamsItOffers)
{
    CPlayer player = MakePlayer();
    auto values = PlayerForm::Fill(player, 19);
    EXPECT_EQ(values.team, 4);
    values.team = 0; // the empty first entry
    ASSERT_TRUE(PlayerForm::Store(player, values, values));
    EXPECT_EQ(player.Team(), kNoTeam);

    // A team the list does not offer shows no selection and is kept.
    CPlayer outside = MakePlayer();
    outside.SetTeam(23);
    const auto shown = PlayerForm::Fill(outside, 19);
    EXPECT_EQ(shown.team, -1);
    ASSERT_TRUE(PlayerForm::Store(outside, shown, shown));
    EXPECT_EQ(outside.Team(), 23);
}

TEST(PlayerForm, TheComparisonIgnoresTheFirstTwelveRecordBytes)
{
    const CPlayer copy = MakePlayer();
    CPlayer player = copy;
    player.SetU32(4, 0xDEADBEEF);
    EXPECT_FALSE(PlayerForm::DiffersFromCopy(player, copy));
    player.SetByte(PlayerLayout::wTeam, 9);
    EXPECT_TRUE(PlayerForm::DiffersFromCopy(player, copy));
    player = copy;
    player.SetByte(PlayerLayout::kSize - 1, 1);
    EXPECT_TRUE(PlayerForm::DiffersFromCopy(player, copy));
    player = copy;
    player.m_strInitials = "JAs";
    EXPECT_TRUE(PlayerForm::DiffersFromCopy(player, copy));
}

} // namespace
