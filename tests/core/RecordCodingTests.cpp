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
#include <tuple>

namespace {

CDate Date(int year, int month, int day)
{
    return CDate{year, month, day, true};
}

// The calendar every front end reads dates with: the game's leap years
// (no 29 February 2000) and years 100..9999.
TEST(BirthDate, OnlyDaysOfTheGamesCalendarInYears100To9999AreDates)
{
    const std::tuple<int, int, int, bool> cases[] = {{1996, 2, 29, true}, {2000, 2, 29, false}, {1999, 2, 31, false},
        {1999, 13, 1, false}, {1999, 0, 1, false}, {1999, 1, 0, false}, {100, 1, 1, true}, {99, 12, 31, false},
        {9999, 12, 31, true}, {10000, 1, 1, false}};
    for (const auto& [year, month, day, valid] : cases) {
        const auto date = GameDate::MakeDate(year, month, day);
        EXPECT_EQ(date.has_value(), valid) << year << "-" << month << "-" << day;
        if (date) {
            EXPECT_EQ(*date, Date(year, month, day));
        }
    }
}

TEST(BirthDate, EveryDayFrom1900To2030MatchesTheGameFormulaAndCodesBetweenDaysTruncate)
{
    EXPECT_EQ(GameDate::EncodeBirth(Date(1970, 1, 1)), 1087961152u); // one day is 64 in the code
    EXPECT_EQ(GameDate::DecodeBirth(1087961152u + 63u), Date(1970, 1, 1));
    EXPECT_EQ(GameDate::DecodeBirth(1087961088u - 1u), Date(1969, 12, 31));
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

TEST(SalaryCode, EverySalaryUpTo98303RoundTripsAndMidRangeOnesAreFloats)
{
    EXPECT_EQ(Salary::Encode(10000), 0x464E2000u);
    for (int salary = 0; salary <= 98303; ++salary) {
        const auto code = Salary::Encode(salary);
        ASSERT_EQ(code, testgame::SalaryCode(salary)) << salary;
        ASSERT_EQ(Salary::Decode(code), salary) << salary;
        if (salary >= 16384 && salary <= 65535) {
            ASSERT_EQ(code, std::bit_cast<std::uint32_t>(static_cast<float>(salary))) << salary;
        }
    }
}

CPlayer Named(const std::string& given, const std::string& family)
{
    CPlayer player;
    player.m_strGivenNames = given;
    player.m_strFamilyName = family;
    return player;
}

TEST(DisplayName, IsFamilyNameSpaceAndUpperCasedGivenInitials)
{
    const char* cases[][4] = {
        // given, family, display name, initials
        {"John Andrew", "Smith", "Smith JA", "JA"},
        {"john andrew", "Smith", "Smith JA", "JA"},
        {"", "Smith", "Smith ", ""},
        {"John", "", "", "J"},
        {"\xE9tienne", "Dubois", "Dubois \xC9", "\xC9"}, // Windows-1252 accents upper-case too
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Named(c[0], c[1]).GetDisplayName(), c[2]) << c[0];
        EXPECT_EQ(Named(c[0], c[1]).GetGivenInitials(), c[3]) << c[0];
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
    const struct
    {
        std::uint32_t type, batsRight, style, arm;
        const char* abbrev;
    } cases[] = {{3, 1, 0, 1, "OS"}, {3, 1, 0, 0, "SLA"}, {3, 1, 1, 1, "LS"},    {3, 1, 2, 1, "M"},
                 {3, 1, 3, 1, "M-F"}, {3, 1, 4, 1, "F-M"}, {3, 1, 5, 1, "F"},    {3, 1, 6, 1, ""},
                 {0, 1, 5, 1, "RHB o"}, {0, 0, 5, 1, "LHB o"}, {1, 1, 0, 0, "RHB"}, {2, 0, 0, 0, "LHB"}};
    for (const auto& c : cases)
        EXPECT_EQ(Role(c.type, c.batsRight, c.style, c.arm).GetTypeAbbrev(), c.abbrev)
            << c.type << " " << c.batsRight << " " << c.style << " " << c.arm;
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

TEST(Cp1252Text, EveryByteRoundTripsThroughUtf8AndWhatItCannotHoldIsRefusedWithAReason)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Cp1252::FromUtf8(Cp1252::ToUtf8(all)).value_or(""), all);
    EXPECT_EQ(Cp1252::ToUtf8("Jos\xE9\x80"), "Jos\xC3\xA9\xE2\x82\xAC");
    for (const char* refused : {"\xE6\xBC\xA2" /* a CJK character */, "\xC3" /* a cut sequence */}) {
        std::string error;
        EXPECT_FALSE(Cp1252::FromUtf8(refused, &error).has_value());
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
