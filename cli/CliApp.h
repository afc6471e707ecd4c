#pragma once

#include <ostream>
#include <string>
#include <vector>

// The whole command line of orbek-cli: parses args (without the program
// name), runs the chosen command and returns the exit status (0 success,
// 1 failed or refused, 2 wrong usage).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Every command's name, as help lists them.
std::vector<std::string> CommandNames();
