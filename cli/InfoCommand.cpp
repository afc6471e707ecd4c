// info FILE: how many players and teams a game file holds.
#include "Commands.h"
#include "CsvFile.h"
#include "FileIO.h"
#include "GameSession.h"
#include "OutputFormat.h"
#include "TextTable.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <memory>

namespace {

struct InfoOptions
{
    std::string file;
    OutputFormat format = OutputFormat::Text;
};

void RunInfo(const InfoOptions& options, CommandContext& ctx)
{
    CGame game;
    if (!GameSession::Load(game, options.file, ctx))
        return;

    std::uint64_t players = 0;
    std::uint64_t freePlayers = 0;
    for (const CPlayer* player : game.Players()) {
        ++players;
        if (player->Team() == kNoTeam)
            ++freePlayers;
    }
    const auto teams = static_cast<std::uint64_t>(std::ranges::distance(game.Teams()));
    std::error_code error;
    const std::uint64_t bytes = std::filesystem::file_size(FileIO::PathFromUtf8(options.file), error);

    const std::vector<std::pair<std::string, std::uint64_t>> fields = {
        {"players", players}, {"teams", teams}, {"free_players", freePlayers}, {"bytes", bytes}};
    switch (options.format) {
    case OutputFormat::Json: {
        nlohmann::ordered_json json = nlohmann::ordered_json::object();
        for (const auto& [key, value] : fields)
            json[key] = value;
        ctx.out << json.dump(2) << "\n";
        break;
    }
    case OutputFormat::Csv: {
        CsvWriter csv(ctx.out);
        std::vector<std::string> header, row;
        for (const auto& [key, value] : fields) {
            header.push_back(key);
            row.push_back(std::to_string(value));
        }
        csv.WriteRow(header);
        csv.WriteRow(row);
        break;
    }
    case OutputFormat::Text: {
        TextTable table({"field", "value"});
        for (const auto& [key, value] : fields)
            table.AddRow({key, std::to_string(value)});
        table.Print(ctx.out);
        break;
    }
    }
}

} // namespace

void AddInfoCommand(CLI::App& app, CommandContext& ctx)
{
    auto options = std::make_shared<InfoOptions>();
    CLI::App* command = app.add_subcommand("info", "Count the players, the teams and the players without a team");
    command->add_option("FILE", options->file, "game file (DATABASE.DB or *.CAP)")->required();
    AddFormatOption(*command, options->format);
    command->callback([options, &ctx] { RunInfo(*options, ctx); });
}
