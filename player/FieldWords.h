#pragma once

#include <QStringList>

#include <string_view>

// The player form's words for the stored values of its choice fields
// ("type", "bowl_style", "bowl_arm", "bats_right"), by stored value; empty
// for any other key. The Set Field dialog, the players table and its
// filter name the values as the form does.
QStringList FormWords(std::string_view key);
