#pragma once

#include "CGame.h"
#include "GameEdit.h"
#include "GameError.h"
#include "TeamEdit.h"
#include "TeamFields.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The names under which the tool shows and edits a team's fields (the
// core's TeamFields), and the team-set edit, which commits like the Team
// Properties dialog's OK.
namespace TeamKeys {

using TeamFields::Get;
using TeamFields::Keys;
using TeamFields::ToText;
bool IsWritable(const std::string& key);

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
