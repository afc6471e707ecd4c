#pragma once

#include "FileBytes.h"
#include "GameFileLayout.h"

#include <cstdint>
#include <memory>
#include <span>

class CGame;

// Builds the model from a parsed game file. The file itself is read and
// parsed by CGame::LoadGameFile; these fill the tables from the layout. A
// class only so that CGame can let it, and no one else, fill its tables.
class GameFileReader
{
public:
    GameFileReader() = delete;

    // The CPlayer of one player entry, stored at its id; its record stays in
    // `bytes` until edited. Called for each entry in file order.
    static void ReadPlayer(CGame& game, const std::shared_ptr<const FileBytes>& bytes, const PlayerEntryLayout& entry);

    // The header's name lists and one CTeam per team record; the squads then
    // decide each listed player's team.
    static void ReadTeams(CGame& game, std::span<const std::uint8_t> data, const GameFileLayout& layout);
};
