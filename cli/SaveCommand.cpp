// save FILE -o OUT: load and save unchanged (as Save As does).
#include "Commands.h"
#include "GameSession.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace {

struct SaveOptions
{
    std::string file;
    std::string output;
};

} // namespace

void AddSaveCommand(CLI::App& app, CommandContext& ctx)
{
    auto options = std::make_shared<SaveOptions>();
    CLI::App* command = app.add_subcommand("save", "Load a game file and save it unchanged to OUT, as Save As does");
    command->add_option("FILE", options->file, "game file (DATABASE.DB or *.CAP)")->required();
    command->add_option("-o,--output", options->output, "file to write")->required();
    AddNoBackupOption(*command, ctx);
    command->callback([options, &ctx] {
        CGame game;
        if (GameSession::Load(game, options->file, ctx))
            GameSession::Save(game, options->output, ctx);
    });
}
