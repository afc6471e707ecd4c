#pragma once

#include "CPlayer.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// The names under which the tool shows and edits a player's fields
// ("family_name", "salary", "stats.first_class.runs" ...), and how each
// readable one is read from a record. Strings come out as UTF-8.
using KeyValue = std::variant<std::monostate, std::int64_t, std::string>;

namespace PlayerKeys {

// Every readable key in output order: the columns of export, the fields
// of "player" and of the JSON objects.
const std::vector<std::string>& ReadableKeys();

bool IsReadable(const std::string& key);
// Keys that set and import may change, the write-only ones included.
bool IsWritable(const std::string& key);
bool IsWriteOnly(const std::string& key); // preset, abilities_from

// The value of a readable key. No value (monostate) for a date of birth
// that the game's code does not give as a date.
KeyValue Get(const CPlayer& player, const std::string& key);

// A value as the text of a table cell or CSV field ("" for no value).
std::string ToText(const KeyValue& value);
inline std::string GetText(const CPlayer& player, const std::string& key) { return ToText(Get(player, key)); }

// "17 (Smith JA)": the id and the display name (UTF-8); the id alone when
// the player has no display name. The lines that name players use it.
std::string IdAndName(const CPlayer& player);

// "YYYY-MM-DD", or "" for an invalid date.
std::string DateText(const CDate& date);

// The statistics in the order the tool lists them, and the key of each
// ("stats.first_class.runs").
const std::vector<Stat>& StatOrder();
std::string StatKeyName(Competition competition, Stat stat);

} // namespace PlayerKeys
