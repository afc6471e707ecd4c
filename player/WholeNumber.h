#pragma once

#include <QString>

#include <optional>

// The message the editor shows for a field that must hold a whole number.
inline constexpr const char* kEnterAnInteger = "Please enter an integer.";

// A whole number typed into a field: an optional sign and decimal digits,
// blanks around them allowed. Empty, other characters or more than 18
// digits give nothing.
std::optional<long long> ParseWholeNumber(const QString& text);
