#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testgame {

// A small generator whose sequence is the same on every compiler and
// library (the standard distributions are not), so a seed always gives
// the same game file.
class Rng
{
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in lo..hi, both included.
    int Between(int lo, int hi)
    {
        const auto span = static_cast<std::uint64_t>(static_cast<long long>(hi) - lo + 1);
        return static_cast<int>(lo + static_cast<long long>(Next() % span));
    }
    bool Chance(int percent) { return Between(0, 99) < percent; }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Next()); }
    template <typename T>
    const T& Pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(Between(0, static_cast<int>(items.size()) - 1))];
    }

private:
    std::uint64_t m_state;
};

} // namespace testgame
