#pragma once

#include "CGame.h"
#include "CliContext.h"
#include "GameEdit.h"
#include "GameUndoRecord.h"

#include <string>

// Loading and saving a game file for one command, with the failure
// reported on the error stream in the editor's words.
namespace GameSession {

// Loads path into game. On failure reports the core's message (naming the
// file when the message does not) and returns false.
bool Load(CGame& game, const std::string& path, CommandContext& ctx);

// Writes the model as Save does (in place, safe replacement), or as Save
// As to outPath when it is not empty. Reports a failure and returns false.
bool Save(CGame& game, const std::string& outPath, CommandContext& ctx);

// Commits an editing command's edit: the records it changed are marked
// modified, as the editor marks them.
GameUndoRecord CommitChanges(GameEdit& edit, std::string stepName);

// Ends an editing command: prints what its committed edit changed, then
// saves as Save above — unless nothing changed and no outPath was given,
// in which case the file is left as it is.
bool SaveChanges(CGame& game, const GameUndoRecord& record, const std::string& file, const std::string& outPath,
    CommandContext& ctx);

// "FILE: message" unless the message names the file already.
std::string WithPath(const std::string& path, const std::string& message);

} // namespace GameSession
