#pragma once

#include "ByteSink.h"
#include "GameFileLayout.h"

#include <cstdint>
#include <span>

class CGame;

// Streams a game file: the file on disk (source) is copied through, and
// only what the editor owns is replaced — the header's team names, each
// player's strings and record, each team's squad, First XI and record, and
// the old full name of a renamed team wherever it stands as a string in the
// rest of the file.
namespace GameFileWriter {

// Refuses a source that no longer has the structure that was loaded (other
// player or team ids, other order) or a model the file's lists cannot hold.
GameStatus CheckSource(const CGame& game, const GameFileLayout& source);

// Writes the new file into out. CheckSource must have passed.
GameStatus Write(const CGame& game, std::span<const std::uint8_t> source, const GameFileLayout& layout, ByteSink& out);

} // namespace GameFileWriter
