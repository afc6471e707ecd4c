#pragma once

#include "CGame.h"

#include <cstdint>
#include <string>
#include <vector>

// A small deterministic generator (SplitMix64): the same seed gives the same
// edits on every platform, so a kept input replays exactly.
class EditRng
{
public:
    explicit EditRng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next();
    // Uniform in [low, high].
    std::size_t Between(std::size_t low, std::size_t high);
    bool OneIn(std::size_t n) { return Between(1, n) == 1; }

private:
    std::uint64_t m_state;
};

// A few of the edits a user makes, chosen at random: player names of every
// length a length byte allows (long ones of 128 to 255 bytes included),
// moves between teams and out of any team, team renames, and changes of
// record bytes the editor owns. Only teams listed in the file's header are
// renamed (a team without a header entry has no name to store).
// Returns what was done, one line per edit, for the crash report.
std::vector<std::string> ApplyRandomEdits(CGame& game, const std::vector<std::uint16_t>& headerIds, EditRng& rng);
