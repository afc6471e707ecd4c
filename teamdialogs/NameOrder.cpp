#include "teamdialogs/NameOrder.h"

#include "Cp1252.h"

#include <algorithm>

bool NameLess(const std::string& a, const std::string& b)
{
    const auto upperLess = [](char x, char y) {
        return static_cast<unsigned char>(Cp1252::ToUpper(x)) < static_cast<unsigned char>(Cp1252::ToUpper(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), upperLess))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), upperLess))
        return false;
    const auto byteLess = [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byteLess);
}
