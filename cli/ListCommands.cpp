// players, player, teams, team: the records of a game file in id order.
#include "Commands.h"
#include "CsvFile.h"
#include "GameSession.h"
#include "JsonOutput.h"
#include "OutputFormat.h"
#include "PlayerKeys.h"
#include "TeamKeys.h"
#include "TextTable.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace {

struct ListOptions
{
    std::string file;
    std::uint32_t id = 0;
    OutputFormat format = OutputFormat::Text;
};

// The columns of the players table; the other formats carry every key.
const std::vector<std::string> kPlayerTableColumns = {
    "id", "display_name", "team", "type_abbrev", "birth", "salary", "contract"};
const std::vector<std::string> kTeamTableColumns = {
    "id", "name", "short_name", "abbrev", "budget", "player_count", "captain", "keeper", "open_bowler_1", "open_bowler_2"};

std::vector<const CPlayer*> Players(const CGame& game)
{
    std::vector<const CPlayer*> players;
    for (const auto& player : game.m_players)
        if (player)
            players.push_back(player.get());
    return players;
}

std::vector<const CTeam*> Teams(const CGame& game)
{
    std::vector<const CTeam*> teams;
    for (const auto& team : game.m_teams)
        if (team)
            teams.push_back(team.get());
    return teams;
}

void PrintPlayers(const std::vector<const CPlayer*>& players, OutputFormat format, bool single, std::ostream& out)
{
    const auto& keys = PlayerKeys::ReadableKeys();
    switch (format) {
    case OutputFormat::Json: {
        if (single) {
            out << JsonOutput::Dump(JsonOutput::Player(*players.front())) << "\n";
            break;
        }
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const CPlayer* player : players)
            list.push_back(JsonOutput::Player(*player));
        out << JsonOutput::Dump(list) << "\n";
        break;
    }
    case OutputFormat::Csv: {
        CsvWriter csv(out);
        csv.WriteRow(keys);
        for (const CPlayer* player : players) {
            std::vector<std::string> row;
            for (const auto& key : keys)
                row.push_back(PlayerKeys::GetText(*player, key));
            csv.WriteRow(row);
        }
        break;
    }
    case OutputFormat::Text: {
        if (single) {
            TextTable table({"key", "value"});
            for (const auto& key : keys)
                table.AddRow({key, PlayerKeys::GetText(*players.front(), key)});
            table.Print(out);
            break;
        }
        TextTable table(kPlayerTableColumns);
        for (const CPlayer* player : players) {
            std::vector<std::string> row;
            for (const auto& key : kPlayerTableColumns)
                row.push_back(PlayerKeys::GetText(*player, key));
            table.AddRow(std::move(row));
        }
        table.Print(out);
        break;
    }
    }
}

void PrintTeams(const std::vector<const CTeam*>& teams, OutputFormat format, bool single, std::ostream& out)
{
    const auto& keys = TeamKeys::Keys();
    switch (format) {
    case OutputFormat::Json: {
        if (single) {
            out << JsonOutput::Dump(JsonOutput::Team(*teams.front())) << "\n";
            break;
        }
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const CTeam* team : teams)
            list.push_back(JsonOutput::Team(*team));
        out << JsonOutput::Dump(list) << "\n";
        break;
    }
    case OutputFormat::Csv: {
        CsvWriter csv(out);
        csv.WriteRow(keys);
        for (const CTeam* team : teams) {
            std::vector<std::string> row;
            for (const auto& key : keys)
                row.push_back(TeamKeys::ToText(TeamKeys::Get(*team, key)));
            csv.WriteRow(row);
        }
        break;
    }
    case OutputFormat::Text: {
        if (single) {
            TextTable table({"key", "value"});
            for (const auto& key : keys)
                table.AddRow({key, TeamKeys::ToText(TeamKeys::Get(*teams.front(), key))});
            table.Print(out);
            break;
        }
        TextTable table(kTeamTableColumns);
        for (const CTeam* team : teams) {
            std::vector<std::string> row;
            for (const auto& key : kTeamTableColumns)
                row.push_back(TeamKeys::ToText(TeamKeys::Get(*team, key)));
            table.AddRow(std::move(row));
        }
        table.Print(out);
        break;
    }
    }
}

CLI::App* AddListCommand(CLI::App& app, const std::string& name, const std::string& help,
    std::shared_ptr<ListOptions> options, bool withId)
{
    CLI::App* command = app.add_subcommand(name, help);
    command->add_option("FILE", options->file, "game file (DATABASE.DB or *.CAP)")->required();
    if (withId)
        command->add_option("ID", options->id, "id of the record")->required();
    AddFormatOption(*command, options->format);
    return command;
}

} // namespace

void AddListCommands(CLI::App& app, CommandContext& ctx)
{
    auto players = std::make_shared<ListOptions>();
    AddListCommand(app, "players", "List every player in id order", players, false)->callback([players, &ctx] {
        CGame game;
        if (GameSession::Load(game, players->file, ctx))
            PrintPlayers(Players(game), players->format, false, ctx.out);
    });

    auto player = std::make_shared<ListOptions>();
    AddListCommand(app, "player", "Show one player with every key", player, true)->callback([player, &ctx] {
        CGame game;
        if (!GameSession::Load(game, player->file, ctx))
            return;
        const CPlayer* record = game.Player(player->id);
        if (!record)
            return ctx.Fail(player->file + ": there is no player with the id " + std::to_string(player->id) + ".");
        PrintPlayers({record}, player->format, true, ctx.out);
    });

    auto teams = std::make_shared<ListOptions>();
    AddListCommand(app, "teams", "List every team in id order", teams, false)->callback([teams, &ctx] {
        CGame game;
        if (GameSession::Load(game, teams->file, ctx))
            PrintTeams(Teams(game), teams->format, false, ctx.out);
    });

    auto team = std::make_shared<ListOptions>();
    AddListCommand(app, "team", "Show one team with every key", team, true)->callback([team, &ctx] {
        CGame game;
        if (!GameSession::Load(game, team->file, ctx))
            return;
        const CTeam* record = game.Team(team->id);
        if (!record)
            return ctx.Fail(team->file + ": there is no team with the id " + std::to_string(team->id) + ".");
        PrintTeams({record}, team->format, true, ctx.out);
    });
}
