#include "FieldCodes.h"

namespace testgame {

bool GameLeapYear(int year)
{
    return year % 4 == 0 && year % 100 != 0;
}

int GameDaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1] + (month == 2 && GameLeapYear(year) ? 1 : 0);
}

std::int64_t GameDayNumber(int year, int month, int day)
{
    const std::int64_t before = year - 1;
    const std::int64_t leapYears = year < 2 ? 0 : before / 4 - before / 100;
    std::int64_t dayOfYear = day;
    for (int m = 1; m < month; ++m)
        dayOfYear += GameDaysInMonth(year, m);
    return 365 * static_cast<std::int64_t>(year) + leapYears + dayOfYear - 719523;
}

std::uint32_t BirthCode(int year, int month, int day)
{
    return static_cast<std::uint32_t>((GameDayNumber(year, month, day) + 16999392) * 64);
}

std::uint32_t SalaryCode(int salary)
{
    const auto s = static_cast<std::uint32_t>(salary);
    if (salary < 32768)
        return (s << 9) | 0x46000000u;
    return ((s - 32768u) << 8) | 0x47000000u;
}

char UpperCp1252(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z')
        return static_cast<char>(u - 0x20);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<char>(u - 0x20);
    switch (u) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return c;
    }
}

std::string GivenInitials(const std::string& givenNames)
{
    std::string initials;
    for (std::size_t i = 0; i < givenNames.size(); ++i) {
        if (i == 0 || givenNames[i - 1] == ' ')
            initials += UpperCp1252(givenNames[i]);
    }
    return initials;
}

std::string InitialsField(const std::string& givenNames, const std::string& familyName)
{
    std::string initials = GivenInitials(givenNames);
    if (!familyName.empty())
        initials += UpperCp1252(familyName[0]);
    return initials;
}

std::string DisplayName(const std::string& givenNames, const std::string& familyName)
{
    if (familyName.empty())
        return {};
    return familyName + " " + GivenInitials(givenNames);
}

} // namespace testgame
