#pragma once

#include "GameError.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

// Where the items the editor understands stand in a game file. The reader
// builds the model from it and the writer walks it to stream the file, so
// both process exactly the same entries.
struct StringSpan
{
    std::size_t offset = 0; // of the length byte
    std::size_t length = 0; // characters after it
    std::size_t End() const { return offset + 1 + length; }
};

struct HeaderLayout
{
    std::vector<std::uint16_t> ids;
    std::vector<StringSpan> names[3]; // full names, short names, abbreviations
    std::size_t end = 0;              // first byte after the header
    bool valid = false;
};

// Kept small (a large game has 65,535 of them): the strings follow the id
// back to back, so their lengths place everything.
struct PlayerEntryLayout
{
    std::size_t offset = 0; // of the id
    std::uint16_t id = 0;
    std::uint8_t lengths[3] = {}; // given names, family name, initials

    StringSpan Given() const { return {offset + 2, lengths[0]}; }
    StringSpan Family() const { return {Given().End(), lengths[1]}; }
    StringSpan Initials() const { return {Family().End(), lengths[2]}; }
    std::size_t RecordOffset() const { return Initials().End(); } // 1290-byte record
    std::size_t End() const;
};

struct TeamEntryLayout
{
    bool isTeam = false;
    std::size_t offset = 0; // of the tag
    std::size_t end = 0;    // first byte after the entry
    // Team records only:
    std::uint16_t id = 0;
    std::size_t squadCountOffset = 0;
    std::vector<std::uint16_t> squad;
    std::size_t xiCountOffset = 0;
    std::vector<std::uint16_t> firstXI;
    std::size_t opaqueOffset = 0; // 32 bytes, two 4-byte lists, two string lists
    std::size_t recordOffset = 0; // 282-byte record; the end word follows
    std::uint16_t endWord = 0;
};

struct GameFileLayout
{
    HeaderLayout header;
    std::size_t playerMarker = 0; // offset of "CrBowler"
    std::size_t playersStart = 0; // after the marker and its 14 bytes
    std::vector<PlayerEntryLayout> players;
    std::size_t playersEnd = 0;
    std::optional<std::size_t> teamMarker; // offset of "CrTeam"
    std::vector<TeamEntryLayout> teamEntries;
    std::size_t teamEntriesEnd = 0; // start of the rest of the file
};

namespace GameFileFormat {

inline constexpr std::size_t kPlayerMarkerTail = 14;
// The end word that ends a non-team entry met before any team record.
inline constexpr std::uint16_t kInitialEndWord = 0;

// The scan for "CrBowler": byte by byte; a "C" consumes the 7 bytes compared
// after it, so a marker starting inside them is not seen.
std::optional<std::size_t> ScanPlayerMarker(std::span<const std::uint8_t> data);

// First occurrence of text at or after start.
std::optional<std::size_t> FindText(std::span<const std::uint8_t> data, std::string_view text, std::size_t start);

// Called with each player entry as soon as it is read, while its bytes are
// still at hand: building the model then costs no second walk over a large
// file.
using PlayerVisitor = std::function<void(const PlayerEntryLayout&)>;

// Locates every item of a game file. Fails with the message to show when
// the file cannot be taken as a game file (no player marker, a file ending
// inside the players, lists the model cannot hold, duplicate ids ...); the
// visitor may have seen players by then.
GameStatus Parse(std::span<const std::uint8_t> data, GameFileLayout& layout, const PlayerVisitor& onPlayer = nullptr);

} // namespace GameFileFormat

// FindMarker as the editor's other code uses it: the offset of the first
// occurrence of text in the file at or after startOffset, or -1 (also when
// the file cannot be read).
long long FindMarker(const std::string& path, std::string_view text, long long startOffset);
