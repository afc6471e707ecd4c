#pragma once

#include "CGame.h"
#include "GameEdit.h"
#include "GameError.h"
#include "PlayerFields.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// One player edit of set or of an import row: the values given for the
// writable keys, checked against what the game file can hold. Applying it
// goes through the player form's rules (PlayerForm::Fill / Store) and
// CGame::MovePlayer, so it changes a record exactly as the editor does.
struct PlayerEdit
{
    // Rows of PlayerFields::All(), so ordered as the table: edits apply in its order.
    std::map<const PlayerField*, FieldValue> values;

    bool Empty() const { return values.empty(); }
    // The team given (kNoTeam = none).
    std::optional<std::uint16_t> Team() const;
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
// dialog sets them. Everything goes through the caller's edit, which rolls
// back whatever a failing edit changed.
GameStatus Apply(GameEdit& change, std::uint32_t playerId, const PlayerEdit& edit);

} // namespace PlayerEditing
