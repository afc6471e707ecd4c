#pragma once

#include "CGame.h"
#include "CliContext.h"

class ChangeTracker;

#include <string>

// Loading and saving a game file for one command, with the failure
// reported on the error stream in the editor's words.
namespace GameSession {

// The game one command works on. It maps the file rather than copying it
// (the command is over in moments, so nothing needs a private copy), and
// when it ends it fails the command if another program cut the file short
// meanwhile: what the command printed may then hold zeros for lost bytes.
// A save checks the file itself before anything replaces it.
class CommandGame : public CGame
{
public:
    explicit CommandGame(CommandContext& ctx);
    ~CommandGame();

private:
    CommandContext& m_ctx;
};

// Loads path into game. On failure reports the core's message (naming the
// file when the message does not) and returns false.
bool Load(CGame& game, const std::string& path, CommandContext& ctx);

// Writes the model as Save does (in place, safe replacement), or as Save
// As to outPath when it is not empty. Reports a failure and returns false.
bool Save(CGame& game, const std::string& outPath, CommandContext& ctx);

// Ends an editing command: prints what the tracker finds changed, then
// saves as Save above — unless nothing changed and no outPath was given,
// in which case the file is left as it is.
bool SaveChanges(CGame& game, const ChangeTracker& tracker, const std::string& file, const std::string& outPath,
    CommandContext& ctx);

// "FILE: message" unless the message names the file already.
std::string WithPath(const std::string& path, const std::string& message);

} // namespace GameSession
