// players, player, teams, team: the records of a game file in id order.
#include "Commands.h"
#include "CsvFile.h"
#include "GameSession.h"
#include "JsonOutput.h"
#include "OutputFormat.h"
#include "PlayerFilter.h"
#include "PlayerKeys.h"
#include "TeamKeys.h"
#include "TextTable.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

namespace {

struct ListOptions
{
    std::string file;
    std::uint32_t id = 0;
    OutputFormat format = OutputFormat::Text;
    std::optional<std::string> team; // players: --team
    std::optional<std::string> type; // players: --type
};

// The columns of the players table; the other formats carry every key.
const std::vector<std::string> kPlayerTableColumns = [] {
    std::vector<std::string> keys;
    for (const PlayerField& field : PlayerFields::All()) {
        if (field.column > 0) {
            keys.resize(std::max(keys.size(), static_cast<std::size_t>(field.column)));
            keys[static_cast<std::size_t>(field.column - 1)] = field.key;
        }
    }
    return keys;
}();
const std::vector<std::string> kTeamTableColumns = {
    "id", "name", "short_name", "abbrev", "budget", "player_count", "captain", "keeper", "open_bowler_1", "open_bowler_2"};

// The records of a table (CGame::Players(), Teams()) to sort and filter.
template <std::ranges::input_range Records>
auto Collected(Records&& records)
{
    std::vector<std::ranges::range_value_t<Records>> list;
    std::ranges::copy(records, std::back_inserter(list));
    return list;
}

// How one kind of record is listed: its keys, the columns of the text
// table, a key's text and the record as JSON.
template <typename Record>
struct RecordView
{
    const std::vector<std::string>& keys;
    const std::vector<std::string>& tableColumns;
    std::string (*text)(const Record&, const std::string& key);
    nlohmann::ordered_json (*json)(const Record&);
};

template <typename Record>
std::vector<std::string> Row(const RecordView<Record>& view, const Record& record, const std::vector<std::string>& keys)
{
    std::vector<std::string> row;
    for (const auto& key : keys)
        row.push_back(view.text(record, key));
    return row;
}

template <typename Record>
void PrintRecords(const RecordView<Record>& view, const std::vector<const Record*>& records, OutputFormat format,
    bool single, std::ostream& out)
{
    switch (format) {
    case OutputFormat::Json: {
        if (single) {
            out << JsonOutput::Dump(view.json(*records.front())) << "\n";
            break;
        }
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Record* record : records)
            list.push_back(view.json(*record));
        out << JsonOutput::Dump(list) << "\n";
        break;
    }
    case OutputFormat::Csv: {
        CsvWriter csv(out);
        csv.WriteRow(view.keys);
        for (const Record* record : records)
            csv.WriteRow(Row(view, *record, view.keys));
        break;
    }
    case OutputFormat::Text: {
        if (single) {
            TextTable table({"key", "value"});
            for (const auto& key : view.keys)
                table.AddRow({key, view.text(*records.front(), key)});
            table.Print(out);
            break;
        }
        TextTable table(view.tableColumns);
        for (const Record* record : records)
            table.AddRow(Row(view, *record, view.tableColumns));
        table.Print(out);
        break;
    }
    }
}

const RecordView<CPlayer> kPlayerView{PlayerKeys::ReadableKeys(), kPlayerTableColumns,
    [](const CPlayer& player, const std::string& key) { return PlayerKeys::GetText(player, key); },
    [](const CPlayer& player) { return JsonOutput::Player(player); }};

// One team as a key/value table; beside each role position the player who
// holds the place ("4: 102 (Smith JA)").
void PrintTeamText(const CGame& game, const CTeam& team, std::ostream& out)
{
    static const std::vector<std::string> kRoleKeys = {"captain", "keeper", "open_bowler_1", "open_bowler_2"};
    TextTable table({"key", "value"});
    for (const auto& key : TeamKeys::Keys()) {
        const TeamValue value = TeamKeys::Get(team, key);
        std::string text = TeamKeys::ToText(value);
        if (std::find(kRoleKeys.begin(), kRoleKeys.end(), key) != kRoleKeys.end()) {
            const std::int64_t place = std::get<std::int64_t>(value);
            const bool inXI = place >= 0 && place < static_cast<std::int64_t>(team.m_firstXI.size());
            const std::uint32_t id = inXI ? team.m_firstXI[static_cast<std::size_t>(place)] : 0;
            if (const CPlayer* player = game.Player(id); player && id != 0)
                text += ": " + PlayerKeys::IdAndName(*player);
            else if (id != 0)
                text += ": " + std::to_string(id);
        }
        table.AddRow({key, text});
    }
    table.Print(out);
}

const RecordView<CTeam> kTeamView{TeamKeys::Keys(), kTeamTableColumns,
    [](const CTeam& team, const std::string& key) { return TeamKeys::ToText(TeamKeys::Get(team, key)); },
    [](const CTeam& team) { return JsonOutput::Team(team); }};

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
    CLI::App* playersCommand = AddListCommand(app, "players", "List the players in id order", players, false);
    playersCommand->add_option("--team", players->team, "only the players of team ID, or none for those without a team")
        ->type_name("ID|none");
    playersCommand->add_option("--type", players->type,
        "only the players of a type: " + PlayerFilter::TypeList() + " (any case); RHB and LHB take in the openers")
        ->type_name("ABBREV");
    playersCommand->callback([players, &ctx] {
        CGame game;
        if (!GameSession::Load(game, players->file, ctx))
            return;
        PlayerFilter filter;
        if (GameStatus status = filter.Set(game, players->team, players->type); !status)
            return ctx.Usage(status.message());
        std::vector<const CPlayer*> shown = Collected(game.Players());
        std::erase_if(shown, [&filter](const CPlayer* player) { return !filter.Accepts(*player); });
        PrintRecords(kPlayerView, shown, players->format, false, ctx.out);
    });

    auto player = std::make_shared<ListOptions>();
    AddListCommand(app, "player", "Show one player with every key", player, true)->callback([player, &ctx] {
        CGame game;
        if (!GameSession::Load(game, player->file, ctx))
            return;
        const CPlayer* record = game.Player(player->id);
        if (!record)
            return ctx.Fail(player->file + ": there is no player with the id " + std::to_string(player->id) + ".");
        PrintRecords(kPlayerView, {record}, player->format, true, ctx.out);
    });

    auto teams = std::make_shared<ListOptions>();
    AddListCommand(app, "teams", "List every team in id order", teams, false)->callback([teams, &ctx] {
        CGame game;
        if (GameSession::Load(game, teams->file, ctx))
            PrintRecords(kTeamView, Collected(game.Teams()), teams->format, false, ctx.out);
    });

    auto team = std::make_shared<ListOptions>();
    CLI::App* teamCommand = AddListCommand(app, "team", "Show one team with every key", team, true);
    teamCommand->footer("captain, keeper, open_bowler_1 and open_bowler_2 are places in the First XI (first_xi),\n"
                        "counted from 0; the text output shows the player in that place beside each: \"4: 102 (Smith JA)\".");
    teamCommand->callback([team, &ctx] {
        CGame game;
        if (!GameSession::Load(game, team->file, ctx))
            return;
        const CTeam* record = game.Team(team->id);
        if (!record)
            return ctx.Fail(team->file + ": there is no team with the id " + std::to_string(team->id) + ".");
        if (team->format == OutputFormat::Text)
            PrintTeamText(game, *record, ctx.out);
        else
            PrintRecords(kTeamView, {record}, team->format, true, ctx.out);
    });
}
