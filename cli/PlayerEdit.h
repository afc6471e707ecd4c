#pragma once

#include "AbilityPresets.h"
#include "CGame.h"
#include "GameError.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

// One player edit of set or of an import row: the values given for the
// writable keys, checked against what the game file can hold. Applying it
// goes through the player form's rules (PlayerForm::Fill / Store) and
// CGame::MovePlayer, so it changes a record exactly as the editor does.
struct PlayerEdit
{
    enum class Preset { Average, Good, Excellent, Super };

    std::optional<std::string> givenNames; // Windows-1252 bytes
    std::optional<std::string> familyName;
    std::optional<std::uint16_t> team;     // kNoTeam = none
    std::optional<int> origin;             // -1 = none (stored as 0xFFFF)
    std::optional<CDate> birth;
    std::optional<long long> salary;
    std::optional<long long> contract;
    std::optional<int> type;
    std::optional<bool> keeper;
    std::optional<int> partTimeKeeper;
    std::optional<int> bowlStyle;
    std::optional<int> bowlArm;
    std::optional<int> batsRight;
    std::optional<int> vsPace;   // 0 fast, 1 spin
    std::optional<int> footwork; // 0 back, 1 front
    std::optional<int> side;     // 0 leg, 1 off
    std::map<std::pair<Competition, Stat>, std::int32_t> stats;
    std::optional<Preset> preset;
    std::optional<std::uint32_t> abilitiesFrom;

    bool Empty() const;
};

namespace PlayerEditing {

// Reads "KEY=VALUE" into key and value; false when there is no "=".
bool SplitAssignment(const std::string& assignment, std::string& key, std::string& value);

// Checks one value (UTF-8 text) for a writable key and records it in edit.
// Refuses, with a message naming the key and the value, what the game file
// cannot hold. canonical (if given) receives the value as the key reads
// back ("none" for a team gives "65535"), so callers can tell an unchanged
// value; it stays empty for the write-only keys.
GameStatus Parse(const CGame& game, const std::string& key, const std::string& value, PlayerEdit& edit,
    std::string* canonical = nullptr);

// Applies the edit to a player as the form would: abilities_from first,
// then the preset (chosen by the edit's type if given, else the player's),
// then the other values; the team changes through MovePlayer, then the
// form's commit stores the rest. Statistics are set as the statistics
// dialog sets them. On failure the model may be half changed: callers do
// not save it then.
GameStatus Apply(CGame& game, std::uint32_t playerId, const PlayerEdit& edit);

} // namespace PlayerEditing
