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

// The player keys compared, each with the raw key shown instead when the
// readable value is equal but the stored bytes are not.
struct ComparedKey
{
    const char* key;
    const char* rawKey; // nullptr: the readable value is the stored value
};

constexpr ComparedKey kPlayerKeys[] = {
    {"given_names", nullptr}, {"family_name", nullptr}, {"initials", nullptr}, {"team", nullptr},
    {"origin", nullptr}, {"birth", "birth_code"}, {"salary", "salary_code"}, {"contract", nullptr},
    {"type", nullptr}, {"keeper", nullptr}, {"part_time_keeper", nullptr}, {"bowl_style", nullptr},
    {"bowl_arm", nullptr}, {"bats_right", nullptr}, {"vs_pace", "vs_pace_byte"},
    {"footwork", "footwork_byte"}, {"side", "side_byte"}};

// Record bytes that the keys above and the statistics cover.
const std::set<std::size_t>& NamedPlayerBytes()
{
    static const std::set<std::size_t> named = [] {
        using namespace PlayerLayout;
        std::set<std::size_t> bytes;
        auto add = [&bytes](std::size_t offset, std::size_t size) {
            for (std::size_t i = 0; i < size; ++i)
                bytes.insert(offset + i);
        };
        add(nBirthCode, 4);
        add(wTeam, 2);
        add(wOrigin, 2);
        add(nContract, 4);
        add(nSalaryCode, 4);
        add(nType, 4);
        add(bVsPace, 1);
        add(bFootwork, 1);
        add(bSide, 1);
        add(nBatsRight, 4);
        add(nKeeper, 4);
        add(nPartTimeKeeper, 4);
        add(nBowlStyle, 4);
        add(nBowlArm, 4);
        for (const Competition competition : PlayerStats::kCompetitions)
            for (const Stat stat : PlayerKeys::StatOrder())
                add(PlayerStats::Offset(competition, stat), 4);
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
    auto compare = [&](const std::string& key) {
        const KeyValue a = PlayerKeys::Get(before, key);
        const KeyValue b = PlayerKeys::Get(after, key);
        if (a == b)
            return false;
        lines.push_back(prefix + key + ": " + Shown(a) + " -> " + Shown(b));
        return true;
    };
    for (const auto& [key, rawKey] : kPlayerKeys) {
        if (!compare(key) && rawKey)
            compare(rawKey);
    }
    for (const Competition competition : PlayerStats::kCompetitions)
        for (const Stat stat : PlayerKeys::StatOrder())
            compare(PlayerKeys::StatKeyName(competition, stat));

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
