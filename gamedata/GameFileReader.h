#pragma once

#include "GameFileLayout.h"

#include <cstdint>
#include <span>

class CGame;

// Builds the model from a parsed game file. The file itself is read and
// parsed by CGame::LoadGameFile; these fill the tables from the layout.
namespace GameFileReader {

// One CPlayer per player record, stored at its id.
void ReadPlayers(CGame& game, std::span<const std::uint8_t> data, const GameFileLayout& layout);

// The header's name lists and one CTeam per team record; the squads then
// decide each listed player's team.
void ReadTeams(CGame& game, std::span<const std::uint8_t> data, const GameFileLayout& layout);

} // namespace GameFileReader
