#pragma once

#include <cstddef>
#include <cstdint>

// Byte offsets of the fields the editor names inside the game's fixed
// records. Every other byte is opaque and kept as read.
namespace PlayerLayout {
inline constexpr std::size_t kSize = 1290;
inline constexpr std::size_t nBirthCode = 8;
inline constexpr std::size_t wTeam = 12;
inline constexpr std::size_t wOrigin = 14;
inline constexpr std::size_t nContract = 32;
inline constexpr std::size_t nSalaryCode = 36;
inline constexpr std::size_t nType = 792;
inline constexpr std::size_t bVsPace = 975;
inline constexpr std::size_t bFootwork = 983;
inline constexpr std::size_t bSide = 995;
inline constexpr std::size_t nBatsRight = 1000;
inline constexpr std::size_t nKeeper = 1004;
inline constexpr std::size_t nPartTimeKeeper = 1024;
inline constexpr std::size_t nBowlStyle = 1072;
inline constexpr std::size_t nBowlArm = 1248;
inline constexpr std::size_t wNextTag = 1274;

// The 500-byte ability area that presets and Copy From overwrite.
inline constexpr std::size_t kAbilityStart = 772;
inline constexpr std::size_t kAbilitySize = 500;

inline constexpr std::uint16_t kNextTagMore = 0x8001;
} // namespace PlayerLayout

namespace TeamLayout {
inline constexpr std::size_t kSize = 282;
inline constexpr std::size_t nCaptain = 16;
inline constexpr std::size_t nKeeper = 20;
inline constexpr std::size_t nOpenBowler1 = 24;
inline constexpr std::size_t nOpenBowler2 = 28;
inline constexpr std::size_t nBudget = 32;

inline constexpr std::size_t kMaxSquad = 256;
inline constexpr std::size_t kFirstXI = 11;
inline constexpr std::size_t kXISpare = 9;
inline constexpr int kMaxBudget = 1000000000;
} // namespace TeamLayout

inline constexpr std::uint16_t kNoTeam = 0xFFFF;
inline constexpr int kGameTeamCount = 18; // team records in a game file
