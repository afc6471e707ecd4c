#include "PlayerKeys.h"


#include <utility>

namespace {

bool IsStat(const PlayerField& field)
{
    return field.key.rfind("stats.", 0) == 0;
}

// What a writable field takes, as the help says it ("0..5", "fast/spin").
std::string Takes(const PlayerField& field)
{
    switch (field.ref) {
    case FieldRef::Team: return "id or none";
    case FieldRef::TeamName: return "index or none";
    case FieldRef::Player: return "player id";
    case FieldRef::None: break;
    }
    std::string words;
    switch (field.kind) {
    case FieldKind::Number: return std::to_string(field.min) + ".." + std::to_string(field.max);
    case FieldKind::Date: return "YYYY-MM-DD";
    case FieldKind::Choice:
        for (const auto& word : field.choices)
            words += (words.empty() ? "" : "/") + word;
        break;
    case FieldKind::Text: break;
    }
    return words;
}

// "key (what it takes)" per writable key; the statistics as one pattern.
std::vector<std::string> HelpItems()
{
    std::vector<std::string> items;
    bool statsListed = false;
    for (const PlayerField& field : PlayerFields::All()) {
        if (!field.Writable() || (IsStat(field) && std::exchange(statsListed, true)))
            continue;
        std::string key = field.key, takes = Takes(field);
        if (IsStat(field)) {
            key = "stats.COMPETITION.STAT";
            takes += "; COMPETITION:";
            for (const Competition competition : PlayerStats::kCompetitions)
                takes += std::string(competition == PlayerStats::kCompetitions.front() ? " " : ", ")
                    + PlayerStats::CompetitionKey(competition);
        }
        items.push_back(takes.empty() ? key : key + " (" + takes + ")");
    }
    return items;
}

} // namespace

namespace PlayerKeys {

bool IsReadable(const std::string& key)
{
    const PlayerField* field = PlayerFields::Find(key);
    return field && field->Readable();
}

bool IsWritable(const std::string& key)
{
    const PlayerField* field = PlayerFields::Find(key);
    return field && field->Writable();
}

bool IsWriteOnly(const std::string& key)
{
    const PlayerField* field = PlayerFields::Find(key);
    return field && field->access == FieldAccess::WriteOnly;
}

std::string WritableKeysHelp()
{
    constexpr std::size_t kWidth = 110;
    const auto items = HelpItems();
    std::string text = "Writable keys:";
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = items[i] + (i + 1 < items.size() ? "," : ".");
        if (text.size() - lineStart + 1 + item.size() > kWidth) {
            text += "\n";
            lineStart = text.size();
        } else {
            text += " ";
        }
        text += item;
    }
    return text;
}

} // namespace PlayerKeys
