#include "PlayerDescription.h"

#include "FieldCodes.h"

namespace testgame {

std::size_t StatOffset(Competition competition, Stat stat)
{
    // Batting figures, bowling figures and catches/stumpings each start at
    // a different place per competition; within a block the figures are
    // consecutive 32-bit words.
    static const std::size_t kBatting[4] = {48, 144, 240, 304};
    static const std::size_t kBowling[4] = {372, 468, 564, 628};
    static const std::size_t kFielding[4] = {696, 720, 736, 752};
    const auto c = static_cast<std::size_t>(competition);
    const auto s = static_cast<std::size_t>(stat);
    if (stat <= Stat::Fifties)
        return kBatting[c] + 4 * s;
    if (stat <= Stat::TenWkts)
        return kBowling[c] + 4 * (s - static_cast<std::size_t>(Stat::Balls));
    return kFielding[c] + 4 * (s - static_cast<std::size_t>(Stat::Catches));
}

PlayerDescription& PlayerDescription::SetBirth(int year, int month, int day)
{
    return SetBirthCode(BirthCode(year, month, day));
}

PlayerDescription& PlayerDescription::SetSalary(int salary)
{
    return SetSalaryCode(SalaryCode(salary));
}

PlayerDescription& PlayerDescription::SetNames(std::string given, std::string family)
{
    initials = InitialsField(given, family);
    givenNames = std::move(given);
    familyName = std::move(family);
    return *this;
}

} // namespace testgame
