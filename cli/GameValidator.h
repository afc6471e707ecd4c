#pragma once

#include <string>
#include <vector>

// Checks a game file: its structure as the editor reads it and the
// invariants the editing operations keep (each player in exactly the squad
// of his team, free players with team 0xFFFF, First XIs of squad members,
// role positions 0..10, ids within 16 bits). Returns one line per problem;
// none for a sound file.
namespace GameValidator {

std::vector<std::string> Check(const std::string& path);

} // namespace GameValidator
