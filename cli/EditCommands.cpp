// set, move, team-set: edit one player or team and write the file in place
// (as Save does) or to -o OUT (as Save As does). Nothing is written when a
// value is refused; the lines printed say what changed.
#include "Commands.h"
#include "GameEdit.h"
#include "GameSession.h"
#include "PlayerEdit.h"
#include "PlayerKeys.h"
#include "TeamKeys.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>

namespace {

struct EditOptions
{
    std::string file;
    std::uint32_t id = 0;
    std::string team; // move: team id or "none"
    std::vector<std::string> assignments;
    std::string output;
};

// Prints the changes and saves. An edit that changed nothing leaves the
// file alone unless -o asks for a copy.
void RunSet(const EditOptions& options, CommandContext& ctx)
{
    CGame game;
    if (!GameSession::Load(game, options.file, ctx))
        return;
    PlayerEdit edit;
    for (const auto& assignment : options.assignments) {
        std::string key, value;
        if (!PlayerEditing::SplitAssignment(assignment, key, value))
            return ctx.Usage("\"" + assignment + "\" is not KEY=VALUE");
        if (!PlayerKeys::IsWritable(key))
            return ctx.Usage(PlayerKeys::IsReadable(key) ? "the player key " + key + " is read-only"
                                                         : "unknown player key \"" + key + "\"");
        if (GameStatus status = PlayerEditing::Parse(game, key, value, edit); !status)
            return ctx.Refuse(status.message(), options.file);
    }
    if (!game.Player(options.id))
        return ctx.Fail(options.file + ": there is no player with the id " + std::to_string(options.id) + ".");

    GameEdit change(game);
    if (GameStatus status = PlayerEditing::Apply(change, options.id, edit); !status)
        return ctx.Refuse(status.message(), options.file);
    const auto record = GameSession::CommitChanges(change, "Edit " + game.Player(options.id)->GetDisplayName());
    GameSession::SaveChanges(game, record, options.file, options.output, ctx);
}

void RunMove(const EditOptions& options, CommandContext& ctx)
{
    CGame game;
    if (!GameSession::Load(game, options.file, ctx))
        return;
    const CPlayer* player = game.Player(options.id);
    if (!player)
        return ctx.Fail(options.file + ": there is no player with the id " + std::to_string(options.id) + ".");
    PlayerEdit edit;
    if (GameStatus status = PlayerEditing::Parse(game, "team", options.team, edit); !status)
        return ctx.Refuse(status.message(), options.file);

    GameEdit change(game);
    if (GameStatus status = change.MovePlayer(options.id, *edit.Team()); !status)
        return ctx.Refuse(status.message(), options.file);
    const auto record = GameSession::CommitChanges(change, "Move " + player->GetDisplayName());
    GameSession::SaveChanges(game, record, options.file, options.output, ctx);
}

void RunTeamSet(const EditOptions& options, CommandContext& ctx)
{
    CGame game;
    if (!GameSession::Load(game, options.file, ctx))
        return;
    TeamEditRequest request;
    for (const auto& assignment : options.assignments) {
        std::string key, value;
        if (!PlayerEditing::SplitAssignment(assignment, key, value))
            return ctx.Usage("\"" + assignment + "\" is not KEY=VALUE");
        if (!TeamKeys::IsWritable(key)) {
            const auto& keys = TeamKeys::Keys();
            const bool known = std::find(keys.begin(), keys.end(), key) != keys.end();
            return ctx.Usage(known ? "the team key " + key + " is read-only" : "unknown team key \"" + key + "\"");
        }
        if (GameStatus status = TeamEditing::Parse(key, value, request); !status)
            return ctx.Refuse(status.message(), options.file);
    }
    if (options.id > 0xFFFF || !game.Team(options.id))
        return ctx.Fail(options.file + ": there is no team with the id " + std::to_string(options.id) + ".");

    GameEdit change(game);
    if (GameStatus status = TeamEditing::Apply(change, static_cast<std::uint16_t>(options.id), request); !status)
        return ctx.Refuse(status.message(), options.file);
    GameSession::SaveChanges(game, GameSession::CommitChanges(change, "Team Properties"), options.file, options.output, ctx);
}

} // namespace

void AddSaveAsOption(CLI::App& command, std::string& output, CommandContext& ctx)
{
    command.add_option("-o,--output", output, "write the result to OUT (as Save As does) and leave FILE untouched");
    AddNoBackupOption(command, ctx);
}

void AddNoBackupOption(CLI::App& command, CommandContext& ctx)
{
    command.add_flag("--no-backup", ctx.noBackup,
        "do not copy the file a save replaces into the backups folder (see the backups command)");
}

void AddEditCommands(CLI::App& app, CommandContext& ctx)
{
    auto set = std::make_shared<EditOptions>();
    CLI::App* setCommand = app.add_subcommand("set",
        "Edit one player as the player form does: set FILE ID KEY=VALUE... (see the keys with 'player FILE ID')");
    setCommand->add_option("FILE", set->file, "game file (DATABASE.DB or *.CAP)")->required();
    setCommand->add_option("ID", set->id, "player id")->required();
    setCommand->add_option("ASSIGNMENTS", set->assignments, "KEY=VALUE, one or more")->required();
    AddSaveAsOption(*setCommand, set->output, ctx);
    setCommand->footer(
        PlayerKeys::WritableKeysHelp()
        + "\nabilities_from is applied first, then preset (by the type given here, if any), then the rest.");
    setCommand->callback([set, &ctx] { RunSet(*set, ctx); });

    auto move = std::make_shared<EditOptions>();
    CLI::App* moveCommand = app.add_subcommand("move", "Move a player to a team, or out of his team with none");
    moveCommand->add_option("FILE", move->file, "game file (DATABASE.DB or *.CAP)")->required();
    moveCommand->add_option("ID", move->id, "player id")->required();
    moveCommand->add_option("TEAM", move->team, "team id, or none")->required();
    AddSaveAsOption(*moveCommand, move->output, ctx);
    moveCommand->callback([move, &ctx] { RunMove(*move, ctx); });

    auto teamSet = std::make_shared<EditOptions>();
    CLI::App* teamSetCommand = app.add_subcommand("team-set",
        "Edit one team as the Team Properties dialog's OK does: team-set FILE TEAM KEY=VALUE...");
    teamSetCommand->add_option("FILE", teamSet->file, "game file (DATABASE.DB or *.CAP)")->required();
    teamSetCommand->add_option("TEAM", teamSet->id, "team id")->required();
    teamSetCommand->add_option("ASSIGNMENTS", teamSet->assignments, "KEY=VALUE, one or more")->required();
    AddSaveAsOption(*teamSetCommand, teamSet->output, ctx);
    teamSetCommand->footer(
        "Writable keys: name, short_name, abbrev, budget (0..1000000000), first_xi (11 squad ids, comma-separated),\n"
        "captain, keeper, open_bowler_1, open_bowler_2 (First XI positions 0..10; the opening bowlers differ).");
    teamSetCommand->callback([teamSet, &ctx] { RunTeamSet(*teamSet, ctx); });
}
