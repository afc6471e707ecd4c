#include "RecordDiff.h"

#include "Cp1252.h"
#include "PlayerFields.h"
#include "RecordLayout.h"
#include "TeamFields.h"

#include <algorithm>
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

using RecordDiff::Difference;

Difference PlayerDifference(const CPlayer& before, const CPlayer& after)
{
    Difference difference;
    difference.id = before.m_nId;
    difference.name = Cp1252::ToUtf8(before.GetDisplayName());
    auto compare = [&](const PlayerField& field) {
        const FieldValue a = PlayerFields::Get(before, field);
        const FieldValue b = PlayerFields::Get(after, field);
        if (a == b)
            return false;
        difference.fields.push_back({field.key, Shown(a), Shown(b)});
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
    difference.unnamedBytes = RecordDiff::OffsetRanges(
        UnnamedDifferences(before.CopyRecord(), after.CopyRecord(), NamedPlayerBytes()));
    return difference;
}

Difference TeamDifference(const CTeam& before, const CTeam& after)
{
    Difference difference;
    difference.team = true;
    difference.id = after.m_wId;
    difference.name = Cp1252::ToUtf8(before.m_strName);
    for (const auto& key : TeamFields::Keys()) {
        const TeamValue a = TeamFields::Get(before, key);
        const TeamValue b = TeamFields::Get(after, key);
        if (a != b)
            difference.fields.push_back({key, Shown(a), Shown(b)});
    }
    std::set<std::size_t> named;
    for (std::size_t i = TeamLayout::nCaptain; i < TeamLayout::nBudget + 4; ++i)
        named.insert(i);
    difference.unnamedBytes = RecordDiff::OffsetRanges(UnnamedDifferences(before.m_teamRecord, after.m_teamRecord, named));
    return difference;
}

bool Differs(const Difference& difference)
{
    return difference.status != RecordDiff::Status::Changed || !difference.fields.empty()
        || !difference.unnamedBytes.empty();
}

// A record in one game only: the one that holds it names it.
Difference OneSided(bool team, std::uint32_t id, const std::string& name, bool inA)
{
    Difference difference;
    difference.team = team;
    difference.id = id;
    difference.name = name;
    difference.status = inA ? RecordDiff::Status::Removed : RecordDiff::Status::Added;
    return difference;
}

} // namespace

namespace RecordDiff {

std::string IdAndName(const CPlayer& player)
{
    const std::string name = player.GetDisplayName();
    const std::string id = std::to_string(player.m_nId);
    return name.empty() ? id : id + " (" + Cp1252::ToUtf8(name) + ")";
}

std::vector<Difference> Compare(const CGame& a, const CGame& b)
{
    std::vector<Difference> all;
    for (std::uint32_t id = 0; id < std::max(a.PlayerCount(), b.PlayerCount()); ++id) {
        const CPlayer* pa = a.Player(id);
        const CPlayer* pb = b.Player(id);
        if (pa && pb) {
            if (Difference difference = PlayerDifference(*pa, *pb); Differs(difference))
                all.push_back(std::move(difference));
        } else if (pa || pb) {
            const CPlayer& only = pa ? *pa : *pb;
            all.push_back(OneSided(false, only.m_nId, Cp1252::ToUtf8(only.GetDisplayName()), pa != nullptr));
        }
    }
    for (std::uint32_t id = 0; id < std::max(a.TeamCount(), b.TeamCount()); ++id) {
        const CTeam* ta = a.Team(id);
        const CTeam* tb = b.Team(id);
        if (ta && tb) {
            if (Difference difference = TeamDifference(*ta, *tb); Differs(difference))
                all.push_back(std::move(difference));
        } else if (ta || tb) {
            all.push_back(OneSided(true, id, Cp1252::ToUtf8((ta ? ta : tb)->m_strName), ta != nullptr));
        }
    }
    return all;
}

std::vector<std::string> Lines(const Difference& difference)
{
    const std::string id = std::to_string(difference.id);
    // Players are named by id and name, teams by id alone.
    const std::string subject = (difference.team ? "team " : "player ")
        + (difference.team || difference.name.empty() ? id : id + " (" + difference.name + ")");
    if (difference.status != Status::Changed)
        return {subject + ": only in " + (difference.status == Status::Removed ? "A" : "B")};
    std::vector<std::string> lines;
    for (const FieldChange& field : difference.fields)
        lines.push_back(subject + " " + field.name + ": " + field.before + " -> " + field.after);
    if (!difference.unnamedBytes.empty())
        lines.push_back(subject + " record bytes at offsets " + difference.unnamedBytes + " differ");
    return lines;
}

std::vector<std::string> Games(const CGame& a, const CGame& b)
{
    std::vector<std::string> all;
    for (const Difference& difference : Compare(a, b)) {
        const auto lines = Lines(difference);
        all.insert(all.end(), lines.begin(), lines.end());
    }
    return all;
}

Counts CountDifferences(const CGame& a, const CGame& b)
{
    Counts counts;
    for (const Difference& difference : Compare(a, b))
        ++(difference.team ? counts.teams : counts.players);
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
    return Lines(PlayerDifference(before, after));
}

std::vector<std::string> Teams(const CTeam& before, const CTeam& after)
{
    return Lines(TeamDifference(before, after));
}

} // namespace RecordDiff
