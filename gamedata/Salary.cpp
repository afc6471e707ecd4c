#include "Salary.h"

namespace Salary {

std::int32_t Decode(std::uint32_t code)
{
    if (code >= 0x47000000u)
        return static_cast<std::int32_t>(((code >> 8) & 0xFFFFu) + 32768u);
    return static_cast<std::int32_t>((code >> 9) & 0x7FFFu);
}

std::uint32_t Encode(std::int32_t salary)
{
    const auto s = static_cast<std::uint32_t>(salary);
    if (salary < 32768)
        return (s << 9) | 0x46000000u;
    return ((s - 32768u) << 8) | 0x47000000u;
}

} // namespace Salary
