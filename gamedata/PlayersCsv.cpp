#include "PlayersCsv.h"

#include "CsvFile.h"
#include "PlayerFields.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace {

using PlayersCsv::ImportError;
using PlayersCsv::ImportPlan;

const std::string kIdKey = "id";

ImportError CellError(std::size_t row, std::size_t column, const std::string& key, const std::string& reason)
{
    return {row, column, key, reason,
        "row " + std::to_string(row) + ", column " + std::to_string(column) + " (" + key + "): " + reason};
}

bool KnownColumn(const std::string& name)
{
    return name == kIdKey || PlayerFields::Find(name);
}

std::size_t KnownColumns(const CsvParseResult& csv)
{
    if (csv.rows.empty())
        return 0;
    const CsvRow& header = csv.rows.front();
    return static_cast<std::size_t>(std::count_if(header.begin(), header.end(), KnownColumn));
}

// A spreadsheet saves with ',' or ';': the separator is the one that splits
// the header into more known column names (',' on a tie), so a header with
// one unknown name is still split where its author meant.
CsvParseResult ReadCsv(std::string_view text)
{
    CsvParseResult comma = ParseCsv(text, ',');
    CsvParseResult semicolon = ParseCsv(text, ';');
    return KnownColumns(semicolon) > KnownColumns(comma) ? semicolon : comma;
}

// Checks the header; returns the index of the id column.
std::optional<std::size_t> CheckHeader(const CsvRow& header, std::vector<ImportError>& errors)
{
    std::optional<std::size_t> idColumn;
    std::set<std::string> seen;
    for (std::size_t c = 0; c < header.size(); ++c) {
        const std::string& key = header[c];
        if (!seen.insert(key).second) {
            errors.push_back(CellError(1, c + 1, key, "the column is named twice"));
            return std::nullopt;
        }
        if (key == kIdKey)
            idColumn = c;
        else if (!KnownColumn(key)) {
            errors.push_back(CellError(1, c + 1, key, "unknown player key"));
            return std::nullopt;
        }
    }
    if (!idColumn)
        errors.push_back({1, 0, {}, "the header has no id column", "row 1: the header has no id column"});
    return idColumn;
}

std::optional<std::uint32_t> PlayerIdOf(const CGame& game, const std::string& cell)
{
    std::uint32_t id = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), id);
    if (error != std::errc() || end != cell.data() + cell.size() || cell.empty() || !game.Player(id))
        return std::nullopt;
    return id;
}

// The cells of one row that differ from the player's values go into its
// edit and the plan's changes; a cell the file cannot take is an error.
void ReadRow(const CGame& game, const CsvRow& header, const CsvRow& row, ImportPlan::PlayerRow& target,
    ImportPlan& plan)
{
    const CPlayer& player = *game.Player(target.playerId);
    for (std::size_t c = 0; c < header.size(); ++c) {
        const std::string& key = header[c];
        const std::string& cell = row[c];
        if (key == kIdKey)
            continue;
        const PlayerField& field = *PlayerFields::Find(key);
        const std::string current = field.Readable() ? PlayerFields::ToText(PlayerFields::Get(player, field)) : "";
        if (field.Readable() ? cell == current : cell.empty())
            continue;
        if (!field.Writable()) {
            plan.errors.push_back(CellError(target.row, c + 1, key,
                "the key is read-only and the cell differs from the file's value \"" + current + "\""));
            continue;
        }
        FieldValue value;
        if (GameStatus status = PlayerFields::Parse(game, field, cell, value); !status) {
            plan.errors.push_back(CellError(target.row, c + 1, key, status.message()));
            continue;
        }
        const std::string newText = field.Readable() ? PlayerFields::ToText(value) : cell;
        if (field.Readable() && newText == current)
            continue; // the same value written another way ("front" for "FRONT")
        target.edit.values[&field] = std::move(value);
        plan.changes.push_back({target.playerId, key, current, newText});
    }
}

} // namespace

namespace PlayersCsv {

std::string Export(const CGame& game, const std::vector<std::uint32_t>& playerIds)
{
    std::ostringstream text;
    CsvWriter csv(text);
    const auto& keys = PlayerFields::ReadableKeys();
    csv.WriteRow(keys);
    const auto writePlayer = [&](const CPlayer& player) {
        CsvRow row;
        row.reserve(keys.size());
        for (const auto& key : keys)
            row.push_back(PlayerFields::ToText(PlayerFields::Get(player, key)));
        csv.WriteRow(row);
    };
    if (playerIds.empty()) {
        for (const CPlayer* player : game.Players())
            writePlayer(*player);
    }
    for (const std::uint32_t id : playerIds)
        if (const CPlayer* player = game.Player(id))
            writePlayer(*player);
    return text.str();
}

ImportPlan Plan(const CGame& game, std::string_view text)
{
    ImportPlan plan;
    const CsvParseResult csv = ReadCsv(text);
    if (!csv.ok()) {
        plan.errors.push_back({csv.errorRow, csv.errorColumn, {}, csv.reason, csv.error()});
        return plan;
    }
    if (csv.rows.empty()) {
        plan.errors.push_back({0, 0, {}, "the file has no header row", "the file has no header row"});
        return plan;
    }
    const CsvRow& header = csv.rows.front();
    const auto idColumn = CheckHeader(header, plan.errors);
    if (!idColumn)
        return plan;

    std::map<std::uint32_t, std::size_t> rowOfPlayer;
    for (std::size_t r = 1; r < csv.rows.size(); ++r) {
        const CsvRow& row = csv.rows[r];
        const std::size_t rowNumber = r + 1;
        if (row.size() == 1 && row.front().empty())
            continue; // a blank line
        if (row.size() != header.size()) {
            const std::string reason = "has " + std::to_string(row.size()) + " fields, the header "
                + std::to_string(header.size());
            plan.errors.push_back({rowNumber, 0, {}, reason, "row " + std::to_string(rowNumber) + " " + reason});
            continue;
        }
        const std::string& idCell = row[*idColumn];
        const auto id = PlayerIdOf(game, idCell);
        if (!id) {
            plan.errors.push_back(CellError(rowNumber, *idColumn + 1, kIdKey,
                "the file has no player with the id \"" + idCell + "\""));
            continue;
        }
        if (const auto [earlier, added] = rowOfPlayer.emplace(*id, rowNumber); !added) {
            plan.errors.push_back(CellError(rowNumber, *idColumn + 1, kIdKey,
                "row " + std::to_string(earlier->second) + " edits this player already"));
            continue;
        }
        ImportPlan::PlayerRow playerRow{rowNumber, *id, {}};
        ReadRow(game, header, row, playerRow, plan);
        if (!playerRow.edit.Empty())
            plan.rows.push_back(std::move(playerRow));
    }
    return plan;
}

GameStatus Apply(GameEdit& change, const ImportPlan& plan)
{
    if (!plan.ok())
        return GameStatus::Failure(plan.errors.front().message);
    for (const auto& row : plan.rows) {
        if (GameStatus status = PlayerEditing::Apply(change, row.playerId, row.edit); !status)
            return GameStatus::Failure("row " + std::to_string(row.row) + ": " + status.message());
    }
    change.MarkChangedModified();
    return {};
}

} // namespace PlayersCsv
