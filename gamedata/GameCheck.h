#pragma once

#include "CGame.h"

#include <cstdint>
#include <string>
#include <vector>

// The checks of a game: its structure as the editor reads it, the
// invariants the editing operations keep (each player in exactly the squad
// of his team, free players with team 0xFFFF, First XIs of squad members,
// role positions 0..10, ids within 16 bits), and career figures that cannot
// all be true. orbek-cli validate prints the findings; a window of the
// editor can list them by severity and subject.
namespace GameCheck {

enum class Severity {
    Problem, // breaks what the editor and the game rely on
    Warning, // figures that contradict each other; the file loads and saves as it is
};

// What a finding concerns.
enum class Subject { File, Player, Team };

struct Finding
{
    Severity severity = Severity::Problem;
    Subject subject = Subject::File;
    std::uint32_t id = 0; // the player or team id; 0 for the file
    std::string text;     // what is wrong and how to put it right
};

// Reads the file at path and checks its structure and the squads as its
// records give them, then the game it loads to. A file that cannot be read
// or loaded gives the reason as a problem of the file.
std::vector<Finding> CheckFile(const std::string& path);

// Checks a loaded game as it stands: squads, teams and careers.
std::vector<Finding> CheckGame(const CGame& game);

// The warnings about one player's career figures and contract.
std::vector<Finding> CheckCareer(const CPlayer& player);

// The findings of `now` that `before` does not hold (the same subject, id
// and text): the problems that edits made since `before` brought in.
std::vector<Finding> NewFindings(const std::vector<Finding>& before, const std::vector<Finding>& now);

// One line of text: "player 12: ...", "team 3: ...", "structure: ...".
std::string Line(const Finding& finding);

} // namespace GameCheck
