#pragma once

#include <cstdint>
#include <optional>

// A calendar date as the game counts it: leap years are those divisible by
// 4 and not by 100, so 2000 is a common year. The game stores a date of
// birth as a day number from 31 December 1969 (day 1 = 1 January 1970).
struct CDate
{
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    bool valid = false; // false: no date (an empty date field, an unusable code)

    friend bool operator==(const CDate&, const CDate&) = default;
};

namespace GameDate {

inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// A valid date within years 100..9999 (the range the editor accepts).
std::optional<CDate> MakeDate(int year, int month, int day);

// Day number of a date (1 January 1970 = 1). The date must be valid.
std::int32_t DayNumber(const CDate& date);

// The date of a day number; invalid when it falls outside years 100..9999.
CDate FromDayNumber(std::int32_t dayNumber);

// nBirthCode of a valid date, and back. Decoding never fails; a code whose
// date lies outside years 100..9999 gives an invalid date.
std::uint32_t EncodeBirth(const CDate& date);
CDate DecodeBirth(std::uint32_t code);

} // namespace GameDate
