#pragma once

#include <string>

// The order of a sorted list or combo box of names: letters compare without
// regard to case (Windows-1252 letters included), then the bytes decide.
bool NameLess(const std::string& a, const std::string& b);
