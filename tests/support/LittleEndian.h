#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Numbers in a byte buffer, little-endian as game files and bitmaps hold them.
namespace testgame::le {

template <typename T, typename Bytes>
T Get(const Bytes& bytes, std::size_t offset)
{
    std::uint64_t value = 0;
    for (std::size_t i = sizeof(T); i-- > 0;)
        value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
    return static_cast<T>(value);
}

template <typename T, typename Bytes>
void Put(Bytes& bytes, std::size_t offset, T value)
{
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i));
}

template <typename T>
void Append(std::vector<std::uint8_t>& out, T value)
{
    out.resize(out.size() + sizeof(T));
    Put(out, out.size() - sizeof(T), value);
}

} // namespace testgame::le
