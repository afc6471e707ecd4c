// The form's commit rules, shared by the editor and the command-line tool.
// Initials, preference bytes and keeper time are checked byte for byte
// through the tool (tests/cli/SetCommandTests.cpp).
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

TEST(PlayerForm, StoringUntouchedValuesChangesNothingAndTheComparisonSkipsTheFirst12Bytes)
{
    const CPlayer copy = MakePlayer();
    CPlayer player = copy;
    const auto shown = PlayerForm::Fill(player, 19);
    ASSERT_TRUE(PlayerForm::Store(player, shown, shown));
    EXPECT_EQ(player.CopyRecord(), copy.CopyRecord());

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

TEST(PlayerForm, AnInvalidDateOrUnstorableNumberWritesNothing)
{
    const CPlayer original = MakePlayer();
    const auto shown = PlayerForm::Fill(original, 19);
    CPlayer player = original;

    auto values = shown;
    values.familyName = "Jones";
    values.birth = CDate{};
    EXPECT_EQ(PlayerForm::Store(player, values, shown).message(), "Invalid value in date of birth.");
    EXPECT_EQ(player.m_strFamilyName, "Smith");
    for (int salary : {98304 /* would come back as another number */, -1}) {
        values = shown;
        values.salary = salary;
        EXPECT_FALSE(PlayerForm::Store(player, values, shown)) << salary;
    }
    values = shown;
    values.contract = -3;
    EXPECT_EQ(PlayerForm::Store(player, values, shown).message(), "Please enter an integer.");
    EXPECT_EQ(player.CopyRecord(), original.CopyRecord());

    values = shown;
    values.salary = 98303;
    ASSERT_TRUE(PlayerForm::Store(player, values, shown));
    EXPECT_EQ(player.U32(PlayerLayout::nSalaryCode), testgame::SalaryCode(98303));
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

} // namespace
