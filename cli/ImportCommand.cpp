// import FILE CSV [-o OUT]: a batch of player edits from CSV, all or
// nothing. The header names "id" and player keys; each row edits one player
// as set would, and a cell equal to the current value changes nothing.
// Read-only columns (as export writes them) are accepted while their cells
// still hold the file's values.
#include "ChangeReport.h"
#include "Commands.h"
#include "CsvFile.h"
#include "FileIO.h"
#include "GameSession.h"
#include "ImportRows.h"
#include "PlayerEdit.h"
#include "PlayerKeys.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

namespace {

struct ImportOptions
{
    std::string file;
    std::string csv;
    std::string output;
    bool quiet = false;
};

std::string Where(std::size_t row, std::size_t column, const std::string& key)
{
    return "row " + std::to_string(row) + ", column " + std::to_string(column) + " (" + key + ")";
}

std::optional<std::uint32_t> ParsePlayerId(const CGame& game, const std::string& cell)
{
    std::uint32_t id = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), id);
    if (error != std::errc() || end != cell.data() + cell.size() || cell.empty() || !game.Player(id))
        return std::nullopt;
    return id;
}

bool ReadText(const std::string& path, std::string& text)
{
    std::ifstream file(FileIO::PathFromUtf8(path), std::ios::binary);
    if (!file)
        return false;
    std::ostringstream buffer;
    buffer << file.rdbuf();
    text = buffer.str();
    return !file.bad();
}

// Checks the header; returns the index of the id column.
std::optional<std::size_t> CheckHeader(const CsvRow& header, std::string& error)
{
    std::optional<std::size_t> idColumn;
    std::set<std::string> seen;
    for (std::size_t c = 0; c < header.size(); ++c) {
        const std::string& key = header[c];
        if (!seen.insert(key).second) {
            error = Where(1, c + 1, key) + ": the column is named twice";
            return std::nullopt;
        }
        if (key == "id")
            idColumn = c;
        else if (!PlayerKeys::IsReadable(key) && !PlayerKeys::IsWritable(key)) {
            error = Where(1, c + 1, key) + ": unknown player key";
            return std::nullopt;
        }
    }
    if (!idColumn)
        error = "row 1: the header has no id column";
    return idColumn;
}

// The edit one row asks for; only cells that differ from the player's
// current values go into it.
bool ReadRow(const CGame& game, const CsvRow& header, const CsvRow& row, std::size_t rowNumber,
    const CPlayer& player, PlayerEdit& edit, std::string& error)
{
    for (std::size_t c = 0; c < header.size(); ++c) {
        const std::string& key = header[c];
        const std::string& cell = row[c];
        if (key == "id")
            continue;
        if (PlayerKeys::IsWriteOnly(key)) {
            if (cell.empty())
                continue;
        } else if (cell == PlayerKeys::GetText(player, key)) {
            continue;
        } else if (!PlayerKeys::IsWritable(key)) {
            error = Where(rowNumber, c + 1, key) + ": the key is read-only and the cell differs from the file's value \""
                + PlayerKeys::GetText(player, key) + "\"";
            return false;
        }
        PlayerEdit scratch;
        std::string canonical;
        if (GameStatus status = PlayerEditing::Parse(game, key, cell, scratch, &canonical); !status) {
            error = Where(rowNumber, c + 1, key) + ": " + status.message();
            return false;
        }
        if (!PlayerKeys::IsWriteOnly(key) && canonical == PlayerKeys::GetText(player, key))
            continue;
        PlayerEditing::Parse(game, key, cell, edit);
    }
    return true;
}

} // namespace

GameStatus ImportRows(GameEdit& change, const CsvParseResult& csv)
{
    const CGame& game = change.Game();
    if (csv.rows.empty())
        return GameStatus::Failure("the file has no header row");
    const CsvRow& header = csv.rows.front();
    std::string error;
    const auto idColumn = CheckHeader(header, error);
    if (!idColumn)
        return GameStatus::Failure(error);

    for (std::size_t r = 1; r < csv.rows.size(); ++r) {
        const CsvRow& row = csv.rows[r];
        const std::size_t rowNumber = r + 1;
        if (row.size() == 1 && row.front().empty())
            continue; // a blank line
        if (row.size() != header.size())
            return GameStatus::Failure("row " + std::to_string(rowNumber) + " has " + std::to_string(row.size())
                + " fields, the header " + std::to_string(header.size()));

        const std::string& idCell = row[*idColumn];
        const auto id = ParsePlayerId(game, idCell);
        if (!id)
            return GameStatus::Failure(Where(rowNumber, *idColumn + 1, "id") + ": the file has no player with the id \""
                + idCell + "\"");

        PlayerEdit edit;
        if (!ReadRow(game, header, row, rowNumber, *game.Player(*id), edit, error))
            return GameStatus::Failure(error);
        if (edit.Empty())
            continue;
        if (GameStatus status = PlayerEditing::Apply(change, *id, edit); !status)
            return GameStatus::Failure("row " + std::to_string(rowNumber) + ": " + status.message());
    }
    return {};
}

namespace {

void RunImport(const ImportOptions& options, CommandContext& ctx)
{
    CGame game;
    if (!GameSession::Load(game, options.file, ctx))
        return;
    const std::string nothing = "; nothing was written";
    std::string text;
    if (!ReadText(options.csv, text))
        return ctx.Fail("Cannot read \"" + options.csv + "\"" + nothing);
    const CsvParseResult csv = ParseCsv(text);
    if (!csv.ok())
        return ctx.Fail(options.csv + ": " + csv.error + nothing);

    GameEdit change(game);
    if (GameStatus status = ImportRows(change, csv); !status)
        return ctx.Fail(options.csv + ": " + status.message() + nothing);
    const GameUndoRecord record = GameSession::CommitChanges(change, "Import " + options.csv);

    // --quiet: the lines of the changed fields go nowhere, the summary still shows.
    std::ostream nowhere(nullptr);
    CommandContext saving{options.quiet ? nowhere : ctx.out, ctx.err};
    saving.noBackup = ctx.noBackup;
    const bool saved = GameSession::SaveChanges(game, record, options.file, options.output, saving);
    ctx.exitCode = saving.exitCode;
    if (saved)
        ctx.out << ChangeReport::Summary(record) << "\n";
}

} // namespace

void AddImportCommand(CLI::App& app, CommandContext& ctx)
{
    auto options = std::make_shared<ImportOptions>();
    CLI::App* command = app.add_subcommand("import",
        "Edit players from CSV (a header naming id and player keys; one row per player), all or nothing");
    command->add_option("FILE", options->file, "game file (DATABASE.DB or *.CAP)")->required();
    command->add_option("CSV", options->csv, "CSV file, UTF-8")->required();
    AddSaveAsOption(*command, options->output, ctx);
    command->add_flag("-q,--quiet", options->quiet, "print only the summary line, not each changed field");
    command->footer("Ends with a summary: \"N players changed, M fields\" (M counts every changed field printed,\n"
                    "the squads of the teams that moved players joined or left included).");
    command->callback([options, &ctx] { RunImport(*options, ctx); });
}
