#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>

// The texts the statistics dialog works out from a player's figures, and
// the reading of a typed best-bowling figure. Derived texts are "%.2f" and
// empty when their divisor is 0; they are never stored.
namespace StatsFigures {

// runs / (innings - not outs); negative when not outs exceed innings.
QString BattingAverage(std::int32_t runs, std::int32_t innings, std::int32_t notOuts);
// runs conceded / wickets.
QString BowlingAverage(std::int32_t runsConceded, std::int32_t wickets);
// runs conceded / complete overs (balls / 6, truncated toward zero).
QString RunsPerOver(std::int32_t runsConceded, std::int32_t balls);

// "5-23": the first figure (wickets), a hyphen, the second (runs).
QString BestBowling(std::int32_t first, std::int32_t second);

// Splits a typed best bowling at its first "-" and reads each part as a
// C-style leading number ("7 " is 7, "b" is 0). Empty text gives 0-0.
// Nothing when a non-empty text has no "-".
std::optional<std::pair<std::int32_t, std::int32_t>> ParseBestBowling(const QString& text);

// Blanks, an optional sign, then the digits up to the first other
// character; 0 when there are none. Saturates at the 32-bit limits.
std::int32_t LeadingNumber(QStringView text);

} // namespace StatsFigures
