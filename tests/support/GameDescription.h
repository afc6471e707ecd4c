#pragma once

#include "PlayerDescription.h"
#include "TeamDescription.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace testgame {

// The header: N and the ids, then three name lists (full, short,
// abbreviation). Each list is written with its own count, which a test may
// make differ from N; names are raw bytes.
struct HeaderDescription
{
    std::vector<std::uint16_t> ids;
    std::array<std::vector<std::string>, 3> names;

    std::vector<std::string>& fullNames() { return names[0]; }
    const std::vector<std::string>& fullNames() const { return names[0]; }
    // Appends a team id with its three names.
    void AddTeam(std::uint16_t id, std::string full, std::string shortName, std::string abbrev);
};

// One piece of the rest of the file: either a game string (length byte and
// bytes) or raw bytes.
struct RestItem
{
    bool isString = false;
    std::string bytes;
};

// Everything a game file holds, section by section, in file order.
struct GameDescription
{
    HeaderDescription header;
    std::vector<std::uint8_t> beforePlayerMarker;
    bool writePlayerMarker = true;
    std::array<std::uint8_t, layout::kPlayerMarkerTail> playerMarkerTail{};
    std::vector<PlayerDescription> players;
    std::vector<std::uint8_t> beforeTeamMarker;
    bool writeTeamMarker = true;
    std::vector<TeamEntryDescription> teamEntries;
    std::vector<RestItem> rest;

    // Puts a "C" `distance` (1..7) bytes before the player marker, which
    // hides the marker from the game's scan.
    void HidePlayerMarker(std::size_t distance);

    PlayerDescription* FindPlayer(std::uint16_t id);
    TeamRecordDescription* FindTeam(std::uint16_t id);
    std::vector<TeamRecordDescription*> TeamRecords();
    const PlayerDescription* FindPlayer(std::uint16_t id) const { return const_cast<GameDescription*>(this)->FindPlayer(id); }
    std::vector<const TeamRecordDescription*> TeamRecords() const
    {
        const auto teams = const_cast<GameDescription*>(this)->TeamRecords();
        return {teams.begin(), teams.end()};
    }

    void AddRestString(std::string bytes) { rest.push_back({true, std::move(bytes)}); }
    void AddRestBytes(std::string bytes) { rest.push_back({false, std::move(bytes)}); }
};

} // namespace testgame
