#include "ValueText.h"

#include <charconv>

namespace ValueText {

std::optional<long long> ParseInteger(const std::string& text)
{
    long long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

GameStatus Refuse(const std::string& key, const std::string& value, const std::string& why)
{
    return GameStatus::Failure("invalid value \"" + value + "\" for " + key + ": " + why);
}

} // namespace ValueText
