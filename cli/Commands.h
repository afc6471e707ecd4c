#pragma once

#include "CliContext.h"

#include <string>

namespace CLI {
class App;
}

// Each command family adds its subcommands to the application. The
// callbacks store their result in ctx.exitCode.
void AddInfoCommand(CLI::App& app, CommandContext& ctx);
void AddListCommands(CLI::App& app, CommandContext& ctx);     // players, player, teams, team
void AddEditCommands(CLI::App& app, CommandContext& ctx);     // set, move, team-set
void AddExportCommand(CLI::App& app, CommandContext& ctx);
void AddImportCommand(CLI::App& app, CommandContext& ctx);
void AddSaveCommand(CLI::App& app, CommandContext& ctx);
void AddValidateCommand(CLI::App& app, CommandContext& ctx);
void AddDiffCommand(CLI::App& app, CommandContext& ctx);
void AddBackupsCommand(CLI::App& app, CommandContext& ctx);

// The -o option of the editing commands: write to OUT as Save As does;
// with --no-backup (AddNoBackupOption) as well.
void AddSaveAsOption(CLI::App& command, std::string& output, CommandContext& ctx);
// --no-backup of every command that saves.
void AddNoBackupOption(CLI::App& command, CommandContext& ctx);
