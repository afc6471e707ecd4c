#pragma once

#include "CGame.h"
#include "GameEdit.h"
#include "GameError.h"
#include "TeamEdit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The names under which the tool shows and edits a team's fields, and the
// team-set edit, which commits like the Team Properties dialog's OK.
using TeamValue = std::variant<std::int64_t, std::string, std::vector<std::uint32_t>>;

namespace TeamKeys {

// Every key in output order.
const std::vector<std::string>& Keys();
bool IsWritable(const std::string& key);

// Strings come out as UTF-8; squad and first_xi as id lists.
TeamValue Get(const CTeam& team, const std::string& key);
// A value as a table cell: lists comma-separated.
std::string ToText(const TeamValue& value);

} // namespace TeamKeys

// The values given to team-set, checked against the file.
struct TeamEditRequest
{
    std::optional<std::string> name; // Windows-1252 bytes
    std::optional<std::string> shortName;
    std::optional<std::string> abbrev;
    std::optional<long long> budget;
    std::optional<std::vector<std::uint32_t>> firstXI;
    std::optional<std::int32_t> captain, keeper, openBowler1, openBowler2;
};

namespace TeamEditing {

GameStatus Parse(const std::string& key, const std::string& value, TeamEditRequest& request);

// Applies the values through the caller's edit, which rolls them all back
// when one is refused; names go into the team and the name lists.
GameStatus Apply(GameEdit& edit, std::uint16_t teamId, const TeamEditRequest& request);

} // namespace TeamEditing
