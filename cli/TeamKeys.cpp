#include "TeamKeys.h"

#include "Cp1252.h"
#include "RecordLayout.h"
#include "ValueText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <set>

using ValueText::ParseInteger;
using ValueText::Refuse;

namespace TeamKeys {

bool IsWritable(const std::string& key)
{
    static const std::set<std::string> keys = {"name", "short_name", "abbrev", "budget", "first_xi", "captain",
        "keeper", "open_bowler_1", "open_bowler_2"};
    return keys.count(key) != 0;
}

} // namespace TeamKeys

namespace TeamEditing {

GameStatus Parse(const std::string& key, const std::string& value, TeamEditRequest& request)
{
    if (key == "name" || key == "short_name" || key == "abbrev") {
        std::string why;
        auto bytes = Cp1252::FromUtf8(value, &why);
        if (!bytes)
            return Refuse(key, value, "Windows-1252 cannot encode it" + (why.empty() ? std::string() : " (" + why + ")"));
        if (bytes->size() > TeamEdit::kMaxNameLength)
            return Refuse(key, value, "the game stores at most 255 characters");
        (key == "name" ? request.name : key == "short_name" ? request.shortName : request.abbrev) = std::move(*bytes);
        return {};
    }
    if (key == "budget") {
        const auto budget = ParseInteger(value);
        if (!budget || *budget < 0 || *budget > TeamLayout::kMaxBudget)
            return Refuse(key, value, "must be a whole number from 0 to 1000000000");
        request.budget = *budget;
        return {};
    }
    if (key == "first_xi") {
        std::vector<std::uint32_t> ids;
        std::size_t start = 0;
        while (start <= value.size()) {
            const auto comma = std::min(value.find(',', start), value.size());
            const auto id = ParseInteger(value.substr(start, comma - start));
            if (!id || *id < 0 || *id > 0xFFFF)
                return Refuse(key, value, "give 11 player ids separated by commas");
            ids.push_back(static_cast<std::uint32_t>(*id));
            start = comma + 1;
        }
        if (ids.size() != TeamLayout::kFirstXI)
            return Refuse(key, value, "there must be 11 players in the First XI");
        request.firstXI = std::move(ids);
        return {};
    }
    if (key == "captain" || key == "keeper" || key == "open_bowler_1" || key == "open_bowler_2") {
        const auto position = ParseInteger(value);
        if (!position || *position < 0 || *position > 10)
            return Refuse(key, value, "must be a position in the First XI, 0 to 10");
        auto& slot = key == "captain" ? request.captain : key == "keeper" ? request.keeper
            : key == "open_bowler_1" ? request.openBowler1 : request.openBowler2;
        slot = static_cast<std::int32_t>(*position);
        return {};
    }
    const auto& keys = TeamKeys::Keys();
    if (std::find(keys.begin(), keys.end(), key) != keys.end())
        return GameStatus::Failure("the key " + key + " is read-only");
    return GameStatus::Failure("unknown team key \"" + key + "\"");
}

GameStatus Apply(GameEdit& edit, std::uint16_t teamId, const TeamEditRequest& request)
{
    const CTeam* team = edit.Game().Team(teamId);
    if (!team)
        return GameStatus::Failure("the file has no team with the id " + std::to_string(teamId));

    if (request.budget) {
        if (GameStatus status = TeamEdit::SetBudget(edit, teamId, *request.budget); !status)
            return status;
    }
    if (request.firstXI) {
        if (GameStatus status = TeamEdit::SetFirstXI(edit, teamId, *request.firstXI); !status)
            return status;
    }
    if (request.captain || request.keeper || request.openBowler1 || request.openBowler2) {
        TeamEdit::TeamRoles roles = TeamEdit::GetRoles(*team);
        roles.captain = request.captain.value_or(roles.captain);
        roles.keeper = request.keeper.value_or(roles.keeper);
        roles.openBowler1 = request.openBowler1.value_or(roles.openBowler1);
        roles.openBowler2 = request.openBowler2.value_or(roles.openBowler2);
        if (GameStatus status = TeamEdit::SetRoles(edit, teamId, roles); !status)
            return status;
    }
    if (request.name || request.shortName || request.abbrev) {
        TeamEdit::TeamNames names = TeamEdit::GetNames(*team);
        names.name = request.name.value_or(names.name);
        names.shortName = request.shortName.value_or(names.shortName);
        names.abbrev = request.abbrev.value_or(names.abbrev);
        return TeamEdit::SetNames(edit, teamId, names);
    }
    return {};
}

} // namespace TeamEditing
