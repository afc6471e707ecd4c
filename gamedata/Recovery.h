#pragma once

#include "CGame.h"
#include "GameEdit.h"
#include "GameError.h"

#include <cstdint>
#include <span>
#include <string>

// Recovery copies: while a game has unsaved edits the editor writes the
// whole game now and then into the recovery folder, so a crash loses
// little. Beside each copy a description names the game file and the file
// on disk the copy was made from (its size and hash): the copy is a version
// of that file, and applies only while the file is still the same.
//   <recovery folder>/DATABASE <hash of the game's path>.DB
//   <recovery folder>/DATABASE <hash of the game's path>.DB.txt
// Copies are made only by the editor; every function here takes the folder
// so tests can use their own.
namespace Recovery {

// <data folder>/recovery (Backups::DataFolder()); empty when the system
// names no data folder.
std::string DefaultFolder();

struct Files
{
    std::string copy;
    std::string description;
};
// Where the copy of the game file at gamePath and its description go: one
// pair per game file, whatever path names it.
Files FilesFor(const std::string& gamePath, const std::string& folder);

// What identifies the file a copy was made from.
struct Base
{
    std::uint64_t size = 0;
    std::string hash;
    friend bool operator==(const Base&, const Base&) = default;
};
Base BaseOf(std::span<const std::uint8_t> bytes);

// Writes the copy of the loaded game and its description (both safely);
// the game itself is left as it is. Fails with a message naming the copy.
GameStatus Write(const CGame& game, const std::string& folder);

// Deletes the copy of the game file at gamePath and its description, if any.
void Discard(const std::string& gamePath, const std::string& folder);

enum class State
{
    None,       // no copy of this game file
    Applicable, // made from the file as it is on disk now
    Outdated,   // made from another version of it (or undescribed): never applied
};
struct Found
{
    State state = State::None;
    std::string copy; // the copy's path
};
Found Find(const std::string& gamePath, const std::string& folder);

// Renames an outdated copy (and its description) so that it is kept but no
// longer found for its game file. Returns its new path, or the old one when
// it cannot be renamed.
std::string SetAside(const Found& found);

// Makes the edit's game (the file on disk, just loaded) hold what the copy
// holds: every player, team and team name that differs is replaced through
// the edit and marked modified, so the differences show, can be undone and
// are saved over the real file. Refused, changing nothing, when the copy
// cannot be loaded or has other players or teams.
GameStatus Apply(GameEdit& edit, const std::string& copyPath);

} // namespace Recovery
