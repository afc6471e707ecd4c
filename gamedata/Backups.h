#pragma once

#include "GameError.h"

#include <cstdint>
#include <string>
#include <vector>

// Copies of game files as they were before a save or a restore replaced
// them, kept in one backups folder that the editor and orbek-cli share:
//   <backups folder>/<original folder's name> <hash>/GAME 2026-12-07 04-35-40.CAP
// Each original folder has a subfolder of its own (its path is recorded in
// the subfolder's "original folder.txt"), so files of the same name from
// different folders are kept apart. A second backup within the same second
// gets " (2)", " (3)", ... before the extension.
namespace Backups {

// How many backups per file are kept: the default and the range a setting may take.
inline constexpr int kDefaultKeep = 20;
inline constexpr int kMinKeep = 0;
inline constexpr int kMaxKeep = 999;

struct Settings
{
    int keep = kDefaultKeep; // clamped to kMinKeep..kMaxKeep; 0 keeps none (and makes none)
    std::string folder;      // empty: DefaultFolder()
};

// Orbek's folder for its own data (backups, recovery copies):
// $XDG_DATA_HOME/Orbek (~/.local/share/Orbek when unset) on POSIX,
// %LOCALAPPDATA%\Orbek on Windows. UTF-8; empty when the system names no
// such place (no HOME, no LOCALAPPDATA).
std::string DataFolder();

// DataFolder()/backups; empty when DataFolder() is.
std::string DefaultFolder();

// The folder that holds the backups of the file at gamePath.
std::string FolderFor(const std::string& gamePath, const Settings& settings);

// "GAME 2026-12-07 04-35-40 (2).CAP" for "GAME.CAP", a local time given as
// "2026-12-07 04-35-40" and copy number 2 (1 has no suffix).
std::string BackupName(const std::string& gameFileName, const std::string& time, int copy);

struct Entry
{
    std::string path;      // UTF-8
    std::string time;      // local time of the backup, ISO 8601: 2026-12-07T04:35:40
    int copy = 1;          // 2, 3, ... for further backups within the same second
    std::uint64_t size = 0;
};

// The backups of the file at gamePath, newest first.
std::vector<Entry> List(const std::string& gamePath, const Settings& settings);

// Copies the file at gamePath, byte for byte and safely, into its backups
// folder. Fails with a message naming the file, the backups folder and the
// reason. With keep 0 nothing is copied.
GameStatus BackUp(const std::string& gamePath, const Settings& settings);

// Deletes all but the newest `keep` backups of the file at gamePath. A
// backup that cannot be deleted stays; the next prune tries again.
void Prune(const std::string& gamePath, const Settings& settings);

// Puts a backup back: the game file as it is now is backed up first (as a
// save does), then replaced safely by the backup's bytes; older backups are
// pruned. On failure the game file is untouched.
GameStatus Restore(const std::string& backupPath, const std::string& gamePath, const Settings& settings);

} // namespace Backups
