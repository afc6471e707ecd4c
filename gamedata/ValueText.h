#pragma once

#include "GameError.h"

#include <optional>
#include <string>

// Reading the values users type after KEY=, shared by player and team keys.
namespace ValueText {

// A whole number in decimal ("+" allowed); nothing else, no blanks.
std::optional<long long> ParseInteger(const std::string& text);

// The refusal of a value, naming the key and why.
GameStatus Refuse(const std::string& key, const std::string& value, const std::string& why);

} // namespace ValueText
