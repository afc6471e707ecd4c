#pragma once

#include <cstddef>
#include <cstdint>

// The layout of a game file, written down a second time on purpose: the
// test builder must not share a single constant with the code it checks.
namespace testgame::layout {

inline constexpr char kPlayerMarker[] = "CrBowler";
inline constexpr char kTeamMarker[] = "CrTeam";
inline constexpr std::size_t kPlayerMarkerTail = 14;

inline constexpr std::size_t kPlayerRecordSize = 1290;
inline constexpr std::size_t kBirthCode = 8;
inline constexpr std::size_t kTeam = 12;
inline constexpr std::size_t kOrigin = 14;
inline constexpr std::size_t kContract = 32;
inline constexpr std::size_t kSalaryCode = 36;
inline constexpr std::size_t kType = 792;
inline constexpr std::size_t kVsPace = 975;
inline constexpr std::size_t kFootwork = 983;
inline constexpr std::size_t kSide = 995;
inline constexpr std::size_t kBatsRight = 1000;
inline constexpr std::size_t kKeeper = 1004;
inline constexpr std::size_t kPartTimeKeeper = 1024;
inline constexpr std::size_t kBowlStyle = 1072;
inline constexpr std::size_t kBowlArm = 1248;
inline constexpr std::size_t kNextTag = 1274;
inline constexpr std::size_t kAbilityStart = 772;
inline constexpr std::size_t kAbilityEnd = 1272;
inline constexpr std::uint16_t kMorePlayers = 0x8001;
inline constexpr std::uint16_t kNoTeam = 0xFFFF;

inline constexpr std::size_t kTeamRecordSize = 282;
inline constexpr std::size_t kCaptain = 16;
inline constexpr std::size_t kKeeperPos = 20;
inline constexpr std::size_t kOpenBowler1 = 24;
inline constexpr std::size_t kOpenBowler2 = 28;
inline constexpr std::size_t kBudget = 32;
inline constexpr std::size_t kTeamOpaqueSize = 32;
inline constexpr std::uint16_t kTeamTag = 1;

inline constexpr int kGameTeams = 18;
inline constexpr int kMaxSalary = 98303;

} // namespace testgame::layout
