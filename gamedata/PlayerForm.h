#pragma once

#include "CPlayer.h"
#include "GameError.h"

#include <cstddef>
#include <string>

// The values the player form edits, and the rules by which they are filled
// from a player and stored back. The editor's form and the command-line
// tool's "set" share them, so both change a record the same way.
//
// List and radio values are indexes, -1 for "none selected".
struct PlayerFormValues
{
    std::string givenNames;
    std::string familyName;
    CDate birth;      // invalid: the date field is empty or not a date
    long long contract = 0;
    long long salary = 0;
    int team = -1;    // team list index = team id (1..18); 0 = the empty entry
    int origin = -1;  // origin list index = index into the team names
    int footwork = -1; // 0 "Back foot", 1 "Front foot"
    int batHand = -1;  // 0 "Lefthand Bat", 1 "Righthand Bat"
    int vsPace = -1;   // 0 "Fast Bowling", 1 "Spin Bowling"
    int side = -1;     // 0 "Leg side", 1 "Off side"
    int bowlStyle = -1; // 0..5
    int bowlArm = -1;  // 0 "Left Arm", 1 "Right Arm"
    int type = -1;     // 0..3
    bool keeper = false;
    int keeperTime = -1; // 0 "Fulltime", 1 "Parttime"
};

namespace PlayerForm {

inline constexpr const char* kInvalidBirth = "Invalid value in date of birth.";
inline constexpr const char* kNotAnInteger = "Please enter an integer.";
inline constexpr int kTeamListSize = 18; // the team list offers ids 1..18

// What the form shows for a player. originCount is the number of entries
// of the team-name list (the origin list offers indexes 0..originCount-1).
PlayerFormValues Fill(const CPlayer& player, std::size_t originCount);

// Writes the form into the player record. `shown` are the values filled
// when the player was shown (for the batting preferences, written only
// when their choice changed). Refuses an empty or impossible date of birth
// with the editor's message, a negative contract length and a salary the
// game cannot store; nothing is
// written then. Sets no modified flag: callers compare with their copy.
GameStatus Store(CPlayer& player, const PlayerFormValues& values, const PlayerFormValues& shown);

// True when the player differs from the copy taken when he was shown, in
// what a commit can change: id, names, salary, date, record bytes 12..1289.
bool DiffersFromCopy(const CPlayer& player, const CPlayer& copy);

// Refreshes the ability-related values after the record's ability area was
// replaced (Copy From): type, keeper, bowling, bat hand and the batting
// preferences, whose "shown" copies follow so the new bytes survive a commit.
void RefreshAbilities(const CPlayer& player, PlayerFormValues& values, PlayerFormValues& shown);

} // namespace PlayerForm
