#pragma once

#include "GameLayoutConstants.h"
#include "LittleEndian.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace testgame {

// The four competitions and seventeen figures of a player's career, in the
// order the game lays them out.
enum class Competition { FirstClass, TestMatch, OneDayInt, OneDay };
enum class Stat {
    Debut, Matches, Innings, NotOuts, Runs, HighScore, Hundreds, Fifties,
    Balls, RunsConceded, Wickets, BestBowling2, BestBowling1, FiveWkts, TenWkts,
    Catches, Stumpings
};
std::size_t StatOffset(Competition competition, Stat stat);

// One player entry of a game file: the id, the three strings (raw bytes,
// any length 0..255) and the 1290-byte record, with setters for the fields
// the editor names. Every other record byte is whatever the test puts there.
struct PlayerDescription
{
    using Record = std::array<std::uint8_t, layout::kPlayerRecordSize>;

    std::uint16_t id = 0;
    std::string givenNames;
    std::string familyName;
    std::string initials;
    Record record{};
    // The continuation tag written at 1274. Unset: 0x8001 on every record
    // but the last of the list, 0 on the last.
    std::optional<std::uint16_t> nextTag;

    std::uint32_t U32(std::size_t offset) const { return le::Get<std::uint32_t>(record, offset); }
    std::uint16_t U16(std::size_t offset) const { return le::Get<std::uint16_t>(record, offset); }
    PlayerDescription& SetU32(std::size_t offset, std::uint32_t value) { le::Put(record, offset, value); return *this; }
    PlayerDescription& SetU16(std::size_t offset, std::uint16_t value) { le::Put(record, offset, value); return *this; }

    PlayerDescription& SetBirthCode(std::uint32_t code) { return SetU32(layout::kBirthCode, code); }
    PlayerDescription& SetBirth(int year, int month, int day);
    PlayerDescription& SetTeam(std::uint16_t team) { return SetU16(layout::kTeam, team); }
    PlayerDescription& SetOrigin(std::uint16_t origin) { return SetU16(layout::kOrigin, origin); }
    PlayerDescription& SetContract(std::uint32_t years) { return SetU32(layout::kContract, years); }
    PlayerDescription& SetSalaryCode(std::uint32_t code) { return SetU32(layout::kSalaryCode, code); }
    PlayerDescription& SetSalary(int salary);
    PlayerDescription& SetType(std::uint32_t type) { return SetU32(layout::kType, type); }
    PlayerDescription& SetVsPace(std::uint8_t value) { record[layout::kVsPace] = value; return *this; }
    PlayerDescription& SetFootwork(std::uint8_t value) { record[layout::kFootwork] = value; return *this; }
    PlayerDescription& SetSide(std::uint8_t value) { record[layout::kSide] = value; return *this; }
    PlayerDescription& SetBatsRight(std::uint32_t value) { return SetU32(layout::kBatsRight, value); }
    PlayerDescription& SetKeeper(std::uint32_t value) { return SetU32(layout::kKeeper, value); }
    PlayerDescription& SetPartTimeKeeper(std::uint32_t value) { return SetU32(layout::kPartTimeKeeper, value); }
    PlayerDescription& SetBowlStyle(std::uint32_t value) { return SetU32(layout::kBowlStyle, value); }
    PlayerDescription& SetBowlArm(std::uint32_t value) { return SetU32(layout::kBowlArm, value); }
    PlayerDescription& SetStat(Competition competition, Stat stat, std::uint32_t value)
    {
        return SetU32(StatOffset(competition, stat), value);
    }
    std::uint32_t GetStat(Competition competition, Stat stat) const { return U32(StatOffset(competition, stat)); }
    PlayerDescription& SetNextTag(std::uint16_t tag) { nextTag = tag; return *this; }
    // Sets the three strings; the initials are derived as the game derives them.
    PlayerDescription& SetNames(std::string given, std::string family);
};

} // namespace testgame
