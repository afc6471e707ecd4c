#include "RecordDiff.h"

#include "Cp1252.h"
#include "PlayerFields.h"
#include "RecordLayout.h"
#include "TeamFields.h"

#include <algorithm>
#include <functional>
#include <set>

namespace {

// Text in double quotes with JSON's escapes (the text is UTF-8 already).
std::string Quoted(const std::string& text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\b': quoted += "\\b"; break;
        case '\f': quoted += "\\f"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (byte < 0x20)
                quoted += std::string("\\u00") + kHex[byte >> 4] + kHex[byte & 0xF];
            else
                quoted += c;
        }
    }
    return quoted + "\"";
}

std::string Shown(const FieldValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return Quoted(*text);
    if (std::holds_alternative<std::monostate>(value))
        return "none";
    return PlayerFields::ToText(value);
}

std::string Shown(const TeamValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return Quoted(*text);
    if (std::holds_alternative<std::vector<std::uint32_t>>(value))
        return "[" + TeamFields::ToText(value) + "]";
    return TeamFields::ToText(value);
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

// Calls `differs` with the lines of every player, then every team, present
// in either game that differs (records in one game only included).
void EachDifference(const CGame& a, const CGame& b, const std::function<void(bool team, std::vector<std::string>)>& differs)
{
    for (std::uint32_t id = 0; id < std::max(a.PlayerCount(), b.PlayerCount()); ++id) {
        const CPlayer* pa = a.Player(id);
        const CPlayer* pb = b.Player(id);
        if (pa && pb) {
            if (auto lines = RecordDiff::Players(*pa, *pb); !lines.empty())
                differs(false, std::move(lines));
        } else if (pa || pb) {
            differs(false, {"player " + RecordDiff::IdAndName(pa ? *pa : *pb) + ": only in " + (pa ? "A" : "B")});
        }
    }
    for (std::uint32_t id = 0; id < std::max(a.TeamCount(), b.TeamCount()); ++id) {
        const CTeam* ta = a.Team(id);
        const CTeam* tb = b.Team(id);
        if (ta && tb) {
            if (auto lines = RecordDiff::Teams(*ta, *tb); !lines.empty())
                differs(true, std::move(lines));
        } else if (ta || tb) {
            differs(true, {"team " + std::to_string(id) + ": only in " + (ta ? "A" : "B")});
        }
    }
}

} // namespace

namespace RecordDiff {

std::string IdAndName(const CPlayer& player)
{
    const std::string name = player.GetDisplayName();
    const std::string id = std::to_string(player.m_nId);
    return name.empty() ? id : id + " (" + Cp1252::ToUtf8(name) + ")";
}

std::vector<std::string> Games(const CGame& a, const CGame& b)
{
    std::vector<std::string> all;
    EachDifference(a, b, [&](bool, std::vector<std::string> lines) { all.insert(all.end(), lines.begin(), lines.end()); });
    return all;
}

Counts CountDifferences(const CGame& a, const CGame& b)
{
    Counts counts;
    EachDifference(a, b, [&](bool team, const std::vector<std::string>&) { ++(team ? counts.teams : counts.players); });
    return counts;
}

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
    const std::string prefix = "player " + IdAndName(before) + " ";
    auto compare = [&](const PlayerField& field) {
        const FieldValue a = PlayerFields::Get(before, field);
        const FieldValue b = PlayerFields::Get(after, field);
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
    for (const auto& key : TeamFields::Keys()) {
        const TeamValue a = TeamFields::Get(before, key);
        const TeamValue b = TeamFields::Get(after, key);
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
