#pragma once

#include <cstdint>
#include <string>

// The game's codings of a few record fields, worked out afresh from their
// formulas so tests can check the editor's codecs against them.
namespace testgame {

// The game's calendar: a leap year is divisible by 4 and not by 100.
bool GameLeapYear(int year);
int GameDaysInMonth(int year, int month);
// Day number N with 1 January 1970 = 1.
std::int64_t GameDayNumber(int year, int month, int day);
// nBirthCode: (N + 16999392) * 64 as an unsigned 32-bit number.
std::uint32_t BirthCode(int year, int month, int day);

// nSalaryCode of a salary 0..98303.
std::uint32_t SalaryCode(int salary);

// Windows-1252 upper case of one character.
char UpperCp1252(char c);
// The first character of the given names and every character after a
// space, upper-cased.
std::string GivenInitials(const std::string& givenNames);
// The initials field the game keeps: given initials + first letter of the
// family name, upper-cased.
std::string InitialsField(const std::string& givenNames, const std::string& familyName);
// "Family GI"; empty for an empty family name.
std::string DisplayName(const std::string& givenNames, const std::string& familyName);

} // namespace testgame
