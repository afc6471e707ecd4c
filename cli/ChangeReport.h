#pragma once

#include "GameUndoRecord.h"

#include <string>
#include <vector>

// What an editing command tells about its committed edit: one line per
// changed field, from the before- and after-images of the records the edit
// touched (players in id order, then teams).
namespace ChangeReport {

std::vector<std::string> Lines(const GameUndoRecord& record);

// "2 players changed, 5 fields": the players with a changed field and all
// the lines, the teams' included.
std::string Summary(const GameUndoRecord& record);

} // namespace ChangeReport
