#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// FNV-1a, 64 bits: a hash that is the same on every system and build, so a
// name or a note made from it still matches after an update. Not for
// secrets: it tells contents apart, it does not protect them.
class ContentHash
{
public:
    void Add(std::span<const std::uint8_t> bytes)
    {
        for (const std::uint8_t byte : bytes) {
            m_hash ^= byte;
            m_hash *= 0x100000001b3ULL;
        }
    }
    void Add(std::string_view text)
    {
        Add(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    }

    // 16 lower-case hex digits.
    std::string Hex() const
    {
        static constexpr char kHex[] = "0123456789abcdef";
        std::string hex(16, '0');
        std::uint64_t hash = m_hash;
        for (std::size_t i = 16; i-- > 0; hash >>= 4)
            hex[i] = kHex[hash & 0xF];
        return hex;
    }

    static std::string HexOf(std::string_view text)
    {
        ContentHash hash;
        hash.Add(text);
        return hash.Hex();
    }

private:
    std::uint64_t m_hash = 0xcbf29ce484222325ULL;
};
