#include "GameDate.h"

namespace {

constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::int64_t kEpochOffset = 719523; // days before 1 January 1970, counted the same way
constexpr std::uint32_t kCodeBase = 1087961088u; // 16999392 * 64

// Leap years from year 1 to year - 1.
std::int64_t LeapYearsBefore(std::int64_t year)
{
    if (year < 2)
        return 0;
    const std::int64_t y = year - 1;
    return y / 4 - y / 100;
}

// Day number of the day before 1 January of `year`.
std::int64_t YearBase(std::int64_t year)
{
    return 365 * year + LeapYearsBefore(year) - kEpochOffset;
}

int DayOfYear(int year, int month, int day)
{
    int days = day;
    for (int m = 1; m < month; ++m)
        days += kMonthDays[m - 1];
    if (month > 2 && GameDate::IsLeapYear(year))
        ++days;
    return days;
}

} // namespace

namespace GameDate {

bool IsLeapYear(int year)
{
    return year % 4 == 0 && year % 100 != 0;
}

int DaysInMonth(int year, int month)
{
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kMonthDays[month - 1];
}

std::optional<CDate> MakeDate(int year, int month, int day)
{
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    return CDate{year, month, day, true};
}

std::int32_t DayNumber(const CDate& date)
{
    return static_cast<std::int32_t>(YearBase(date.year) + DayOfYear(date.year, date.month, date.day));
}

CDate FromDayNumber(std::int32_t dayNumber)
{
    const std::int64_t n = dayNumber;
    if (n <= YearBase(kMinYear) || n > YearBase(kMaxYear + 1))
        return {};
    // Estimate the year, then step to the one whose days hold n.
    auto year = static_cast<int>((n + kEpochOffset) * 400 / 146000);
    if (year < kMinYear)
        year = kMinYear;
    if (year > kMaxYear)
        year = kMaxYear;
    while (year > kMinYear && n <= YearBase(year))
        --year;
    while (year < kMaxYear && n > YearBase(year + 1))
        ++year;
    int remaining = static_cast<int>(n - YearBase(year));
    int month = 1;
    while (remaining > DaysInMonth(year, month)) {
        remaining -= DaysInMonth(year, month);
        ++month;
    }
    return CDate{year, month, remaining, true};
}

std::uint32_t EncodeBirth(const CDate& date)
{
    const auto n = static_cast<std::uint32_t>(DayNumber(date));
    return (n + 16999392u) * 64u;
}

CDate DecodeBirth(std::uint32_t code)
{
    const auto diff = static_cast<std::int32_t>(code - kCodeBase);
    return FromDayNumber(diff / 64);
}

} // namespace GameDate
