#pragma once

#include "GameDescription.h"
#include "TempDir.h"

#include <QString>

#include <cstdint>

// Game files for the player tests, written by the synthetic builder (never
// by the editor's own writer).
namespace playertest {

// A believable game of 18 teams, the same every run.
testgame::GameDescription MakeGame(int playerCount = 60);

// Writes the game into `dir` as DATABASE.DB and returns its path.
QString WriteGame(const testgame::GameDescription& game, const testgame::TempDir& dir);

// The first player (by id) of the described game who is in a team, or who
// is in none.
std::uint16_t PlayerInATeam(const testgame::GameDescription& game);
std::uint16_t PlayerWithoutTeam(const testgame::GameDescription& game);

// Writes a 24-bit bitmap file of the given size and returns its path.
QString WriteBitmap(const testgame::TempDir& dir, const QString& name, int width, int height);

} // namespace playertest

class CGame;

namespace playertest {

// Writes the game into `dir` and loads it into `game`; false when loading failed.
bool LoadGame(CGame& game, const testgame::GameDescription& description, const testgame::TempDir& dir);

} // namespace playertest
