#pragma once

#include "CGame.h"
#include "CPlayer.h"
#include "CTeam.h"

#include <string>
#include <vector>

// The fields in which two versions of a player or a team differ, one line
// each: `player 12 (Smith T) family_name: "Smith" -> "Smyth"` (the player
// named as before the change); bytes of the record
// that the editor does not name are listed by offset. orbek-cli's diff and
// the reports of its edits use it, the editor's restore of a backup counts
// with it.
namespace RecordDiff {

// "17 (Smith JA)": the id and the display name (UTF-8); the id alone when
// the player has no display name. The lines that name players use it.
std::string IdAndName(const CPlayer& player);

std::vector<std::string> Players(const CPlayer& before, const CPlayer& after);
std::vector<std::string> Teams(const CTeam& before, const CTeam& after);

// Every player and team of two games, by id: the lines of those that
// differ, and "player 17 (Smith JA): only in A" (or B) for those in one only.
std::vector<std::string> Games(const CGame& a, const CGame& b);

// How many players and teams differ between two games (by Games' rules).
struct Counts
{
    std::size_t players = 0;
    std::size_t teams = 0;
};
Counts CountDifferences(const CGame& a, const CGame& b);

// "800-803, 900": the offsets of a sorted list, runs joined.
std::string OffsetRanges(const std::vector<std::size_t>& offsets);

} // namespace RecordDiff
