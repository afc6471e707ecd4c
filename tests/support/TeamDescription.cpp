#include "TeamDescription.h"

namespace testgame {

std::int32_t TeamRecordDescription::GetI32(std::size_t offset) const
{
    const std::uint32_t u = static_cast<std::uint32_t>(record[offset]) | static_cast<std::uint32_t>(record[offset + 1]) << 8
        | static_cast<std::uint32_t>(record[offset + 2]) << 16 | static_cast<std::uint32_t>(record[offset + 3]) << 24;
    return static_cast<std::int32_t>(u);
}

TeamRecordDescription& TeamRecordDescription::SetI32(std::size_t offset, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        record[offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
    return *this;
}

} // namespace testgame
