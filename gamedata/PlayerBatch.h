#pragma once

#include "GameEdit.h"
#include "GameError.h"
#include "PlayerFields.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Edits of many players at once (the players table's actions on its
// selection): one field set or counted with, an ability preset, a move to
// a team, out of one. Each is an operation of the caller's GameEdit and
// goes through the same code as the form and set (PlayerEditing::Apply,
// the "preset" field, GameEdit::MovePlayer). All or nothing: every new
// value is worked out and checked first, and a refusal changes nothing and
// says how many players it refuses and which.
//
// A player named twice counts once; ids without a player are refused.
namespace PlayerBatch {

enum class Operation { Set, Add, Subtract, MultiplyPercent };

// How many refused players a message names before "and N more".
inline constexpr std::size_t kNamedPlayers = 5;

// Whether a field is counted with (Add, Subtract, MultiplyPercent as well
// as Set): a writable number that names nothing.
bool Counts(const PlayerField& field);

// The value an operation gives; a percentage is rounded to the nearest
// whole number, halves away from zero (15 x 10 % = 2, -15 x 10 % = -2).
std::int64_t Compute(Operation operation, std::int64_t value, std::int32_t operand);

// Gives the writable field `key` (a number or a choice; a choice takes
// the index of its word, Set only) a new value for every player, stored as
// the form stores it. Refused for the team (MoveToTeam moves players), for
// a value outside the field's range and for what the form refuses (a date
// of birth that is not a date).
GameStatus SetField(GameEdit& edit, const std::vector<std::uint32_t>& playerIds, std::string_view key,
    Operation operation, std::int32_t operand);

// Applies a level as the form's buttons do, each player by his own type:
// preset indexes the "preset" field's choices (0 Average, 1 Good,
// 2 Excellent, 3 the super player).
GameStatus ApplyPreset(GameEdit& edit, const std::vector<std::uint32_t>& playerIds, int preset);

// Moves the players into a team's squad; those already in it stay as they
// are. Refused as a whole when the squad cannot take them all.
GameStatus MoveToTeam(GameEdit& edit, const std::vector<std::uint32_t>& playerIds, std::uint16_t teamId);

// Takes the players out of their teams (players without one stay as they are).
GameStatus TakeOut(GameEdit& edit, const std::vector<std::uint32_t>& playerIds);

} // namespace PlayerBatch
