#pragma once

#include "CGame.h"
#include "GameUndoRecord.h"
#include "Rng.h" // the synthetic builder's: the same seed, the same edits everywhere

#include <cstdint>
#include <string>
#include <vector>

// A few of the edits a user makes, chosen at random: player names of every
// length a length byte allows (long ones of 128 to 255 bytes included),
// moves between teams and out of any team, team renames, and changes of
// record bytes the editor owns. Only teams listed in the file's header are
// renamed (a team without a header entry has no name to store).
// Each edit is a GameEdit of its own; its undo record is kept (empty when
// the edit was refused or changed nothing).
struct RandomEdit
{
    std::string what; // one line for the crash report
    GameUndoRecord record;
};
std::vector<RandomEdit> ApplyRandomEdits(CGame& game, const std::vector<std::uint16_t>& headerIds, testgame::Rng& rng);
