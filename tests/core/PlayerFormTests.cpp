// The form's commit rules, shared by the editor and the command-line tool:
// the one table of what a commit refuses. The front ends check only that
// they route through it (tests/player, tests/cli/SetCommandTests.cpp).
#include "PlayerForm.h"

#include "FieldCodes.h"

#include <gtest/gtest.h>

#include <tuple>

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

TEST(PlayerForm, AValueTheGameCannotStoreRefusesTheWholeCommitWithItsMessage)
{
    const std::string date = "Invalid value in date of birth.", integer = "Please enter an integer.",
                      salary = "The salary must be a whole number from 0 to 98303: the game cannot store a larger one.";
    const struct
    {
        const char* what;
        bool dated;
        long long salary, contract;
        std::string message; // empty: stored
    } cases[] = {
        {"no date of birth", false, 20000, 3, date},
        {"a salary above 98303", true, 98304, 3, salary},
        {"a negative salary", true, -1, 3, salary},
        {"a negative contract", true, 20000, -1, integer},
        {"a contract beyond 32 bits", true, 20000, 2147483648LL, integer},
        {"the largest salary and contract", true, 98303, 2147483647LL, ""},
        {"the smallest", true, 0, 0, ""},
    };
    const CPlayer original = MakePlayer();
    const auto shown = PlayerForm::Fill(original, 19);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CPlayer player = original;
        auto values = shown;
        values.familyName = "Jones";
        values.birth = c.dated ? shown.birth : CDate{};
        values.salary = c.salary;
        values.contract = c.contract;
        const GameStatus status = PlayerForm::Store(player, values, shown);
        EXPECT_EQ(status.message(), c.message);
        if (!c.message.empty()) {
            EXPECT_EQ(player.CopyRecord(), original.CopyRecord());
            EXPECT_EQ(player.m_strFamilyName, "Smith");
            continue;
        }
        EXPECT_EQ(player.m_strFamilyName, "Jones");
        EXPECT_EQ(player.U32(PlayerLayout::nSalaryCode), testgame::SalaryCode(static_cast<int>(c.salary)));
        EXPECT_EQ(player.U32(PlayerLayout::nContract), static_cast<std::uint32_t>(c.contract));
    }
}

// What a commit derives: the initials from the names (given initials
// upper-cased, the family letter as typed, stale ones replaced); the keeper
// time, kept only for a keeper and full-time when none is chosen; and a
// batting preference byte (0x40 or 0xC0) only when its choice changed since
// the player was shown, so other values the game keeps there survive (0x3F
// shows as the first choice, 0x55 as the second).
TEST(PlayerForm, ACommitRebuildsInitialsKeeperTimeAndOnlyChangedPreferenceBytes)
{
    const struct
    {
        bool keeper;
        int time;
        std::uint32_t storedKeeper, storedTime;
    } cases[] = {{false, 1, 0, 0}, {true, -1, 1, 0}, {true, 1, 1, 1}, {true, 0, 1, 0}};
    CPlayer player = MakePlayer();
    player.m_strInitials = "XYZ";
    const auto shown = PlayerForm::Fill(player, 19);
    EXPECT_EQ(std::tuple(shown.footwork, shown.side, shown.vsPace), std::tuple(0, 1, 0));
    for (const auto& c : cases) {
        auto values = shown;
        values.givenNames = "john andrew";
        values.familyName = "smyth";
        values.keeper = c.keeper;
        values.keeperTime = c.time;
        values.footwork = 1;
        values.side = 0;
        ASSERT_TRUE(PlayerForm::Store(player, values, shown));
        EXPECT_EQ(player.m_strInitials, "JAs");
        EXPECT_EQ(std::pair(player.U32(PlayerLayout::nKeeper), player.U32(PlayerLayout::nPartTimeKeeper)),
            std::pair(c.storedKeeper, c.storedTime)) << c.keeper << " " << c.time;
        EXPECT_EQ(std::tuple(player.Byte(PlayerLayout::bFootwork), player.Byte(PlayerLayout::bSide),
                      player.Byte(PlayerLayout::bVsPace)),
            std::tuple(0xC0, 0x40, 0x3F));
    }
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
