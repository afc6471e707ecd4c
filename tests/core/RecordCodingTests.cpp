// The codings inside a player record and the small operations on a player:
// dates of birth, salaries, display names, type abbreviations, tree images
// and Windows-1252 text.
#include "CPlayer.h"
#include "Cp1252.h"
#include "FieldCodes.h"
#include "GameDate.h"
#include "RealisticGame.h"
#include "Salary.h"

#include <gtest/gtest.h>

#include <bit>

namespace {

CDate Date(int year, int month, int day)
{
    return CDate{year, month, day, true};
}

TEST(BirthDate, FirstOfJanuary1970IsCode1087961152BothWays)
{
    EXPECT_EQ(GameDate::DecodeBirth(1087961152u), Date(1970, 1, 1));
    EXPECT_EQ(GameDate::EncodeBirth(Date(1970, 1, 1)), 1087961152u);
}

TEST(BirthDate, LeapDay1996AndFirstOfMarchAreConsecutiveDays)
{
    const auto leapDay = GameDate::EncodeBirth(Date(1996, 2, 29));
    const auto march = GameDate::EncodeBirth(Date(1996, 3, 1));
    EXPECT_EQ(march - leapDay, 64u);
    EXPECT_EQ(GameDate::DecodeBirth(leapDay), Date(1996, 2, 29));
    EXPECT_EQ(GameDate::DecodeBirth(march), Date(1996, 3, 1));
    EXPECT_EQ(GameDate::DecodeBirth(GameDate::EncodeBirth(Date(1996, 12, 31))), Date(1996, 12, 31));
}

TEST(BirthDate, TheGameCalendarHasNoLeapDayIn2000)
{
    EXPECT_FALSE(GameDate::MakeDate(2000, 2, 29).has_value());
    const auto feb28 = GameDate::EncodeBirth(Date(2000, 2, 28));
    EXPECT_EQ(GameDate::EncodeBirth(Date(2000, 3, 1)) - feb28, 64u);
    EXPECT_EQ(GameDate::DecodeBirth(feb28 + 64), Date(2000, 3, 1));
}

TEST(BirthDate, EveryDayFrom1900To2030MatchesTheGameFormulaAndDecodesBack)
{
    for (int year = 1900; year <= 2030; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= testgame::GameDaysInMonth(year, month); ++day) {
                const auto expected = testgame::BirthCode(year, month, day);
                ASSERT_EQ(GameDate::EncodeBirth(Date(year, month, day)), expected) << year << "-" << month << "-" << day;
                ASSERT_EQ(GameDate::DecodeBirth(expected), Date(year, month, day)) << year << "-" << month << "-" << day;
            }
        }
    }
}

TEST(BirthDate, CodesThatAreNotWholeDaysTruncateTowardZero)
{
    // The day number is (code - 1087961088) / 64 in signed arithmetic.
    EXPECT_EQ(GameDate::DecodeBirth(1087961152u + 63u), Date(1970, 1, 1));
    EXPECT_EQ(GameDate::DecodeBirth(1087961088u - 1u), Date(1969, 12, 31));
}

TEST(SalaryCode, KnownSalariesHaveTheGamesPatterns)
{
    EXPECT_EQ(Salary::Encode(20000), 0x469C4000u);
    EXPECT_EQ(Salary::Encode(40000), 0x471C4000u);
    EXPECT_EQ(Salary::Encode(10000), 0x464E2000u);
    EXPECT_EQ(Salary::Decode(0x469C4000u), 20000);
    EXPECT_EQ(Salary::Decode(0x471C4000u), 40000);
    EXPECT_EQ(Salary::Decode(0x464E2000u), 10000);
}

TEST(SalaryCode, EverySalaryUpTo98303RoundTripsAndMatchesTheFormula)
{
    for (int salary = 0; salary <= 98303; ++salary) {
        const auto code = Salary::Encode(salary);
        ASSERT_EQ(code, testgame::SalaryCode(salary)) << salary;
        ASSERT_EQ(Salary::Decode(code), salary) << salary;
        if (salary >= 16384 && salary <= 65535) {
            ASSERT_EQ(code, std::bit_cast<std::uint32_t>(static_cast<float>(salary))) << salary;
        }
    }
    EXPECT_FALSE(Salary::IsStorable(98304));
    EXPECT_FALSE(Salary::IsStorable(-1));
}

CPlayer Named(const std::string& given, const std::string& family)
{
    CPlayer player;
    player.m_strGivenNames = given;
    player.m_strFamilyName = family;
    return player;
}

TEST(DisplayName, IsFamilyNameSpaceAndGivenInitials)
{
    EXPECT_EQ(Named("John Andrew", "Smith").GetDisplayName(), "Smith JA");
    EXPECT_EQ(Named("John Andrew", "Smith").GetGivenInitials(), "JA");
    EXPECT_EQ(Named("john andrew", "Smith").GetGivenInitials(), "JA");
    EXPECT_EQ(Named("", "Smith").GetDisplayName(), "Smith ");
    EXPECT_EQ(Named("John", "").GetDisplayName(), "");
    EXPECT_EQ(Named("", "").GetGivenInitials(), "");
    // Accented Windows-1252 letters are upper-cased too: é -> É.
    EXPECT_EQ(Named("\xE9tienne", "Dubois").GetDisplayName(), "Dubois \xC9");
}

TEST(DisplayName, AgreesWithAnIndependentDerivationForGeneratedNames)
{
    const auto game = testgame::MakeRealisticGame(99, 400);
    for (const auto& desc : game.players) {
        const CPlayer player = Named(desc.givenNames, desc.familyName);
        ASSERT_EQ(player.GetDisplayName(), testgame::DisplayName(desc.givenNames, desc.familyName));
    }
}

CPlayer Role(std::uint32_t type, std::uint32_t batsRight, std::uint32_t style, std::uint32_t arm)
{
    CPlayer player;
    player.SetU32(testgame::layout::kType, type);
    player.SetU32(testgame::layout::kBatsRight, batsRight);
    player.SetU32(testgame::layout::kBowlStyle, style);
    player.SetU32(testgame::layout::kBowlArm, arm);
    return player;
}

TEST(TypeAbbreviation, BowlersByStyleOthersByBattingHand)
{
    EXPECT_EQ(Role(3, 1, 0, 1).GetTypeAbbrev(), "OS");
    EXPECT_EQ(Role(3, 1, 0, 0).GetTypeAbbrev(), "SLA");
    EXPECT_EQ(Role(3, 1, 1, 1).GetTypeAbbrev(), "LS");
    EXPECT_EQ(Role(3, 1, 2, 1).GetTypeAbbrev(), "M");
    EXPECT_EQ(Role(3, 1, 3, 1).GetTypeAbbrev(), "M-F");
    EXPECT_EQ(Role(3, 1, 4, 1).GetTypeAbbrev(), "F-M");
    EXPECT_EQ(Role(3, 1, 5, 1).GetTypeAbbrev(), "F");
    EXPECT_EQ(Role(3, 1, 6, 1).GetTypeAbbrev(), "");
    EXPECT_EQ(Role(0, 1, 5, 1).GetTypeAbbrev(), "RHB o");
    EXPECT_EQ(Role(0, 0, 5, 1).GetTypeAbbrev(), "LHB o");
    EXPECT_EQ(Role(1, 1, 0, 0).GetTypeAbbrev(), "RHB");
    EXPECT_EQ(Role(2, 0, 0, 0).GetTypeAbbrev(), "LHB");
}

TEST(TreeImage, KeepersPartTimersAndOthers)
{
    for (std::uint32_t type = 0; type <= 3; ++type) {
        CPlayer player = Role(type, 1, 0, 1);
        EXPECT_EQ(player.GetImageIndex(), static_cast<int>(type));
        player.SetU32(testgame::layout::kKeeper, 1);
        EXPECT_EQ(player.GetImageIndex(), 4);
        player.SetU32(testgame::layout::kPartTimeKeeper, 1);
        EXPECT_EQ(player.GetImageIndex(), static_cast<int>(type) + 5);
        player.SetU32(testgame::layout::kKeeper, 0);
        EXPECT_EQ(player.GetImageIndex(), static_cast<int>(type) + 5);
    }
}

TEST(Cp1252Text, EveryByteSurvivesARoundTripThroughUtf8)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const auto back = Cp1252::FromUtf8(Cp1252::ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252Text, ConvertsAccentsAndTheEuroSign)
{
    EXPECT_EQ(Cp1252::ToUtf8("Jos\xE9"), "Jos\xC3\xA9");
    EXPECT_EQ(Cp1252::ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(Cp1252::FromUtf8("\xE2\x82\xAC").value_or(""), "\x80");
}

TEST(Cp1252Text, RefusesCharactersItCannotHoldAndBrokenUtf8WithAReason)
{
    std::string error;
    EXPECT_FALSE(Cp1252::FromUtf8("\xE6\xBC\xA2", &error).has_value()); // a CJK character
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(Cp1252::FromUtf8("\xC3", &error).has_value()); // truncated sequence
    EXPECT_FALSE(error.empty());
}

} // namespace
