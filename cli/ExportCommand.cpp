// export FILE [-o CSV]: every player as CSV, one column per player key.
#include "Commands.h"
#include "CsvFile.h"
#include "FileIO.h"
#include "GameSession.h"
#include "PlayerKeys.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

struct ExportOptions
{
    std::string file;
    std::string output;
};

void WritePlayersCsv(const CGame& game, std::ostream& out)
{
    CsvWriter csv(out);
    const auto& keys = PlayerKeys::ReadableKeys();
    csv.WriteRow(keys);
    for (const CPlayer* player : game.Players()) {
        std::vector<std::string> row;
        row.reserve(keys.size());
        for (const auto& key : keys)
            row.push_back(PlayerKeys::GetText(*player, key));
        csv.WriteRow(row);
    }
}

void RunExport(const ExportOptions& options, CommandContext& ctx)
{
    CGame game;
    if (!GameSession::Load(game, options.file, ctx))
        return;
    if (options.output.empty()) {
        WritePlayersCsv(game, ctx.out);
        return;
    }
    std::ostringstream text;
    WritePlayersCsv(game, text);
    std::ofstream file(FileIO::PathFromUtf8(options.output), std::ios::binary | std::ios::trunc);
    file << text.str();
    file.close();
    if (!file)
        ctx.Fail("Cannot write \"" + options.output + "\".");
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
