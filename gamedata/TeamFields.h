#pragma once

#include "CTeam.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// A team's fields by name, as the tool shows them and the comparison of two
// games lists them.
using TeamValue = std::variant<std::int64_t, std::string, std::vector<std::uint32_t>>;

namespace TeamFields {

// Every key in output order.
const std::vector<std::string>& Keys();

// Strings come out as UTF-8; squad and first_xi as id lists.
TeamValue Get(const CTeam& team, const std::string& key);
// A value as a table cell: lists comma-separated.
std::string ToText(const TeamValue& value);

} // namespace TeamFields
