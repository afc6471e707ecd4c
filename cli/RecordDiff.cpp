#include "RecordDiff.h"

#include "PlayerKeys.h"
#include "RecordLayout.h"
#include "TeamKeys.h"

#include <nlohmann/json.hpp>

#include <set>

namespace {

std::string Shown(const KeyValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return nlohmann::json(*text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    if (std::holds_alternative<std::monostate>(value))
        return "none";
    return PlayerKeys::ToText(value);
}

std::string Shown(const TeamValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return nlohmann::json(*text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    if (std::holds_alternative<std::vector<std::uint32_t>>(value))
        return "[" + TeamKeys::ToText(value) + "]";
    return TeamKeys::ToText(value);
}

// Record bytes that the player fields name.
const std::set<std::size_t>& NamedPlayerBytes()
{
    static const std::set<std::size_t> named = [] {
        std::set<std::size_t> bytes;
        for (const PlayerField& field : PlayerFields::All())
            for (std::size_t i = 0; i < field.bytes.size; ++i)
                bytes.insert(field.bytes.offset + i);
        return bytes;
    }();
    return named;
}

template <std::size_t N>
std::vector<std::size_t> UnnamedDifferences(const std::array<std::uint8_t, N>& a, const std::array<std::uint8_t, N>& b,
    const std::set<std::size_t>& named)
{
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < N; ++i) {
        if (a[i] != b[i] && !named.count(i))
            offsets.push_back(i);
    }
    return offsets;
}

} // namespace

namespace RecordDiff {

std::string OffsetRanges(const std::vector<std::size_t>& offsets)
{
    std::string text;
    for (std::size_t i = 0; i < offsets.size();) {
        std::size_t j = i;
        while (j + 1 < offsets.size() && offsets[j + 1] == offsets[j] + 1)
            ++j;
        if (!text.empty())
            text += ", ";
        text += std::to_string(offsets[i]);
        if (j > i)
            text += "-" + std::to_string(offsets[j]);
        i = j + 1;
    }
    return text;
}

std::vector<std::string> Players(const CPlayer& before, const CPlayer& after)
{
    std::vector<std::string> lines;
    const std::string prefix = "player " + PlayerKeys::IdAndName(before) + " ";
    auto compare = [&](const PlayerField& field) {
        const KeyValue a = PlayerFields::Get(before, field);
        const KeyValue b = PlayerFields::Get(after, field);
        if (a == b)
            return false;
        lines.push_back(prefix + field.key + ": " + Shown(a) + " -> " + Shown(b));
        return true;
    };
    // A Code row shows the stored bytes when the value above it is equal.
    const auto& fields = PlayerFields::All();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].role != FieldRole::Value || !fields[i].Readable())
            continue;
        if (!compare(fields[i]) && i + 1 < fields.size() && fields[i + 1].role == FieldRole::Code)
            compare(fields[i + 1]);
    }

    const auto offsets = UnnamedDifferences(before.CopyRecord(), after.CopyRecord(), NamedPlayerBytes());
    if (!offsets.empty())
        lines.push_back(prefix + "record bytes at offsets " + OffsetRanges(offsets) + " differ");
    return lines;
}

std::vector<std::string> Teams(const CTeam& before, const CTeam& after)
{
    std::vector<std::string> lines;
    const std::string prefix = "team " + std::to_string(after.m_wId) + " ";
    for (const auto& key : TeamKeys::Keys()) {
        const TeamValue a = TeamKeys::Get(before, key);
        const TeamValue b = TeamKeys::Get(after, key);
        if (a != b)
            lines.push_back(prefix + key + ": " + Shown(a) + " -> " + Shown(b));
    }
    std::set<std::size_t> named;
    for (std::size_t i = TeamLayout::nCaptain; i < TeamLayout::nBudget + 4; ++i)
        named.insert(i);
    const auto offsets = UnnamedDifferences(before.m_teamRecord, after.m_teamRecord, named);
    if (!offsets.empty())
        lines.push_back(prefix + "record bytes at offsets " + OffsetRanges(offsets) + " differ");
    return lines;
}

} // namespace RecordDiff
