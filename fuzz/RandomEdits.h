#pragma once

#include "CGame.h"
#include "Rng.h" // the synthetic builder's: the same seed, the same edits everywhere

#include <cstdint>
#include <string>
#include <vector>

// A few of the edits a user makes, chosen at random: player names of every
// length a length byte allows (long ones of 128 to 255 bytes included),
// moves between teams and out of any team, team renames, and changes of
// record bytes the editor owns. Only teams listed in the file's header are
// renamed (a team without a header entry has no name to store).
// Returns what was done, one line per edit, for the crash report.
std::vector<std::string> ApplyRandomEdits(CGame& game, const std::vector<std::uint16_t>& headerIds, testgame::Rng& rng);
