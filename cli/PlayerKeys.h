#pragma once

#include "CPlayer.h"
#include "PlayerFields.h"
#include "RecordDiff.h"

#include <string>
#include <vector>

// The player fields (PlayerFields) as the tool names them: its keys, their
// values as text (UTF-8) and the help that lists the writable ones.
using KeyValue = FieldValue;

namespace PlayerKeys {

// Every readable key in output order: the columns of export, the fields
// of "player" and of the JSON objects.
inline const std::vector<std::string>& ReadableKeys() { return PlayerFields::ReadableKeys(); }

bool IsReadable(const std::string& key);
// Keys that set and import may change, the write-only ones included.
bool IsWritable(const std::string& key);
bool IsWriteOnly(const std::string& key); // preset, abilities_from

inline KeyValue Get(const CPlayer& player, const std::string& key) { return PlayerFields::Get(player, key); }
inline std::string ToText(const KeyValue& value) { return PlayerFields::ToText(value); }
inline std::string GetText(const CPlayer& player, const std::string& key) { return ToText(Get(player, key)); }

// "17 (Smith JA)": the id and the display name (UTF-8); the id alone when
// the player has no display name. The lines that name players use it.
inline std::string IdAndName(const CPlayer& player) { return RecordDiff::IdAndName(player); }

// The writable keys with what each takes, in lines for the help of set.
std::string WritableKeysHelp();

} // namespace PlayerKeys
