#pragma once

#include "GameDescription.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testgame {

// Where one player or team-list entry landed in the built file.
struct BuiltEntry
{
    std::size_t record = 0; // the fixed-size record (of a non-team entry: its end word)
    std::size_t end = 0;
};

// The bytes of a described game file and where its items are.
struct BuiltGame
{
    std::vector<std::uint8_t> bytes;
    std::size_t headerEnd = 0;
    std::size_t playerMarker = 0;
    std::size_t playersStart = 0;
    std::vector<BuiltEntry> players;
    std::size_t playersEnd = 0;
    std::size_t teamMarker = 0;
    std::vector<BuiltEntry> teamEntries;
    std::size_t restStart = 0;
};

// Writes a game file byte by byte from its description. It shares no code
// with the editor's reader or writer, so tests compare the editor against an
// independent account of the format.
BuiltGame Build(const GameDescription& game);

void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

// Builds the game and writes it to path.
BuiltGame WriteGame(const GameDescription& game, const std::filesystem::path& path);

} // namespace testgame
