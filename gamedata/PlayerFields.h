#pragma once

#include "CPlayer.h"
#include "GameError.h"
#include "PlayerForm.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class CGame;

// A player's fields under the names users read and edit them by
// ("family_name", "salary", "stats.first_class.runs" ...): one row each
// with what it holds, what it accepts, how it is read from a record and how
// an edit stores it. The command-line keys, the CSV columns, diff, the
// checks and the form's ranges all come from this table.

// A value as users see it: a number, a text (UTF-8) or nothing (a date of
// birth that the record does not give as a date).
using FieldValue = std::variant<std::monostate, std::int64_t, std::string>;

enum class FieldKind { Number, Text, Date, Choice };
enum class FieldAccess { ReadOnly, ReadWrite, WriteOnly };
// Value: compared by diff. Shown: the id, or what follows from other
// fields. Code: the stored bytes behind the Value row just above it, shown
// by diff when that row's value is equal but the bytes are not.
enum class FieldRole { Value, Shown, Code };
// A number naming something of the file; team and origin also take "none".
enum class FieldRef { None, Team, TeamName, Player };

// The record bytes a field reads: `size` bytes at `offset`, read as a
// number (a signed one for 4 bytes when isSigned).
struct FieldBytes
{
    std::size_t offset = 0;
    std::size_t size = 0; // 0: the field is not a record number
    bool isSigned = false;
};

// Where an edit's values go: the form's values, which the form's commit
// (PlayerForm::Store) then writes under its rules, and the record itself
// for what the form does not hold (figures, abilities).
struct PlayerFieldTarget
{
    const CGame& game; // the source of abilities_from
    CPlayer& player;
    PlayerFormValues& values;
    PlayerFormValues& shown;
};

struct PlayerField
{
    std::string key{};
    FieldKind kind = FieldKind::Number;
    FieldAccess access = FieldAccess::ReadOnly;
    FieldRole role = FieldRole::Value;
    std::int64_t min = 0, max = 0;    // Number: accepted range; Text: max = most bytes
    std::vector<std::string> choices{}; // Choice: the words, by stored value
    FieldRef ref = FieldRef::None;
    std::string note{};               // why the range ends there, given with a refusal
    FieldBytes bytes{};
    int column = 0;                   // its place among the players table's columns (from 1); 0: none
    std::function<FieldValue(const CPlayer&)> get{}; // unset: read from `bytes`
    // Stores a value Parse accepted; Choice values arrive as their index.
    std::function<void(PlayerFieldTarget&, const FieldValue&)> set{};

    bool Readable() const { return access != FieldAccess::WriteOnly; }
    bool Writable() const { return access != FieldAccess::ReadOnly; }
};

namespace PlayerFields {

// The contract arrows of the form offer 0..99 years; a longer contract is
// stored as it is, and validate warns about it.
inline constexpr int kMaxOfferedContract = 99;

// Every field. Readable ones in output order (the export's columns), and
// edits apply in table order: abilities_from first, as Copy From replaces
// the abilities the other fields then override; preset after type, whose
// image it takes.
const std::vector<PlayerField>& All();
const PlayerField* Find(std::string_view key);
// A field the code names; it must exist.
const PlayerField& Field(std::string_view key);
const std::vector<std::string>& ReadableKeys();

// The value of a readable field (nothing for an unknown key).
FieldValue Get(const CPlayer& player, const PlayerField& field);
FieldValue Get(const CPlayer& player, std::string_view key);

// Checks a value (UTF-8 text) for a writable field against what the file
// can hold; refuses with a message naming the key, the value and why.
// value receives it as the field reads back ("none" for a team: 65535).
GameStatus Parse(const CGame& game, const PlayerField& field, const std::string& text, FieldValue& value);
// Stores a value Parse gave into the target.
void Set(PlayerFieldTarget& target, const PlayerField& field, const FieldValue& value);

// A value as a table cell or CSV field ("" for none).
std::string ToText(const FieldValue& value);
// "YYYY-MM-DD", or "" for an invalid date.
std::string DateText(const CDate& date);
// How many stored values a list or radio field offers (type: 4).
std::uint32_t Count(const PlayerField& field);

// The statistics in the order they are listed, and the key of each.
const std::vector<Stat>& StatOrder();
std::string StatKeyName(Competition competition, Stat stat);

} // namespace PlayerFields
