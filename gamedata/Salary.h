#pragma once

#include <cstdint>

// The game stores a salary in a 32-bit pattern that equals its IEEE single
// value for salaries 16384..65535. Encoding and decoding undo each other for
// every salary from 0 to kMaxSalary; a larger salary would come back as
// another number, so callers must refuse it.
namespace Salary {

inline constexpr int kMaxSalary = 98303;

std::int32_t Decode(std::uint32_t code);
std::uint32_t Encode(std::int32_t salary); // salary must be 0..kMaxSalary
inline bool IsStorable(long long salary) { return salary >= 0 && salary <= kMaxSalary; }

} // namespace Salary
