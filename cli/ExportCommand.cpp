// export FILE [-o CSV]: every player as CSV, one column per player key.
#include "Commands.h"
#include "FileIO.h"
#include "GameSession.h"
#include "PlayersCsv.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace {

struct ExportOptions
{
    std::string file;
    std::string output;
};

void RunExport(const ExportOptions& options, CommandContext& ctx)
{
    CGame game;
    if (!GameSession::Load(game, options.file, ctx))
        return;
    const std::string text = PlayersCsv::Export(game);
    if (options.output.empty()) {
        ctx.out << text;
        return;
    }
    // Written whole and then put in place, so a failed write leaves an
    // earlier export as it was.
    const GameStatus written = FileIO::WriteWholeFile(options.output, text);
    if (!written)
        ctx.Fail(written.message());
}

} // namespace

void AddExportCommand(CLI::App& app, CommandContext& ctx)
{
    auto options = std::make_shared<ExportOptions>();
    CLI::App* command = app.add_subcommand("export", "Write every player as CSV, one column per player key");
    command->add_option("FILE", options->file, "game file (DATABASE.DB or *.CAP)")->required();
    command->add_option("-o,--output", options->output, "CSV file to write (default: standard output)");
    command->callback([options, &ctx] { RunExport(*options, ctx); });
}
