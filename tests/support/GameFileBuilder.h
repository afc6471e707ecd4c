#pragma once

#include "GameDescription.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testgame {

// Where one player entry landed in the built file.
struct BuiltPlayer
{
    std::size_t offset = 0; // of the id
    std::size_t givenNames = 0, familyName = 0, initials = 0; // length bytes
    std::size_t record = 0;
    std::size_t end = 0;
};

// Where one team entry landed.
struct BuiltTeamEntry
{
    bool isTeam = false;
    std::size_t offset = 0; // of the tag
    std::size_t squadCount = 0;
    std::size_t xiCount = 0;
    std::size_t opaque = 0;
    std::size_t record = 0;
    std::size_t endWord = 0;
    std::size_t end = 0;
};

// The bytes of a described game file and the offset of every item in it.
struct BuiltGame
{
    std::vector<std::uint8_t> bytes;
    std::array<std::vector<std::size_t>, 3> nameOffsets; // length bytes
    std::size_t headerEnd = 0;
    std::size_t playerMarker = 0;
    std::size_t playersStart = 0;
    std::vector<BuiltPlayer> players;
    std::size_t playersEnd = 0;
    std::size_t teamMarker = 0;
    std::vector<BuiltTeamEntry> teamEntries;
    std::size_t restStart = 0;
    std::vector<std::size_t> restItems; // offset of each rest item

    std::uint16_t U16At(std::size_t offset) const;
    std::uint32_t U32At(std::size_t offset) const;
};

// Writes a game file byte by byte from its description. It shares no code
// with the editor's reader or writer, so tests compare the editor against an
// independent account of the format.
BuiltGame Build(const GameDescription& game);

// A game string: length byte, then the bytes (at most 255).
std::vector<std::uint8_t> GameString(const std::string& bytes);

void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

// Builds the game and writes it to path.
BuiltGame WriteGame(const GameDescription& game, const std::filesystem::path& path);

} // namespace testgame
