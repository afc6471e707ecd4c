#pragma once

#include "CPlayer.h"
#include "CTeam.h"

#include <string>
#include <vector>

// The fields in which two versions of a player or a team differ, one line
// each: `player 12 (Smith T) family_name: "Smith" -> "Smyth"` (the player
// named as before the change); bytes of the record
// that the editor does not name are listed by offset. Used by diff and to
// show what set, move, team-set and import changed.
namespace RecordDiff {

std::vector<std::string> Players(const CPlayer& before, const CPlayer& after);
std::vector<std::string> Teams(const CTeam& before, const CTeam& after);

// "800-803, 900": the offsets of a sorted list, runs joined.
std::string OffsetRanges(const std::vector<std::size_t>& offsets);

} // namespace RecordDiff
