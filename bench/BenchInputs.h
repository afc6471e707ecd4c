#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The game files the benchmarks run on, made by the synthetic builder:
// the demo game (about 3,000 players), the largest file the format allows
// (65,535 players) and a demo-sized game whose rest holds 10,000 strings of
// team names (the case a team rename has to rewrite).
namespace benchinputs {

struct Input
{
    std::string name; // file name, also the label in the results
    int players = 0;
    int restTeamNameStrings = 0;
};

const std::vector<Input>& All();

// Writes the input into folder unless a file of that name is already there;
// returns its path.
std::filesystem::path Write(const Input& input, const std::filesystem::path& folder);

} // namespace benchinputs
