#pragma once

#include "CGame.h"
#include "CPlayer.h"
#include "CTeam.h"

#include <cstdint>
#include <string>
#include <vector>

// The fields in which two versions of a player or a team differ: as
// structure (Compare, for the editor's Compare window) and as one line each
// made from it: `player 12 (Smith T) family_name: "Smith" -> "Smyth"` (the
// player named as before the change); bytes of the record that the editor
// does not name are listed by offset. orbek-cli's diff and the reports of
// its edits use the lines, the editor's restore of a backup counts with it.
namespace RecordDiff {

// One named field that differs, its values as the lines show them.
struct FieldChange
{
    std::string name; // the field's key: "family_name"
    std::string before; // "\"Smith\"", "12", "none"
    std::string after;
};

enum class Status {
    Added,   // only in the second game (B)
    Removed, // only in the first game (A)
    Changed, // in both, differing
};

// A player or team that differs between two games.
struct Difference
{
    bool team = false;
    std::uint32_t id = 0;
    std::string name; // UTF-8: the player's display name (as in A when in both), the team's full name
    Status status = Status::Changed;
    std::vector<FieldChange> fields; // Changed: in the order of the fields
    std::string unnamedBytes; // Changed: offsets of differing bytes no field names ("800-803"); empty when none
};

// Every player, then every team, of two games by id that differs.
std::vector<Difference> Compare(const CGame& a, const CGame& b);
// The lines of one difference, as Games gives them.
std::vector<std::string> Lines(const Difference& difference);

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
