#pragma once

#include "CPlayer.h"
#include "CTeam.h"

#include <nlohmann/json.hpp>

// The JSON form of a player and of a team: one member per readable key in
// key order; a player's statistics nested by competition
// ("stats": {"first_class": {"runs": 400, ...}, ...}). Text is UTF-8.
namespace JsonOutput {

nlohmann::ordered_json Player(const CPlayer& player);
nlohmann::ordered_json Team(const CTeam& team);

// Pretty-printed, with bytes that are not UTF-8 replaced (game text is
// always converted first, so none are expected).
std::string Dump(const nlohmann::ordered_json& json);

} // namespace JsonOutput
