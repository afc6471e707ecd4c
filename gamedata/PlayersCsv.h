#pragma once

#include "CGame.h"
#include "GameEdit.h"
#include "GameError.h"
#include "PlayerEdit.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The players as CSV: one column per readable player key (PlayerFields),
// one row per player, text in UTF-8 (the records' Windows-1252 converted).
// An import names "id" and any player keys in its header; each row edits
// one player as set would, a cell equal to the current value changes
// nothing, and read-only columns are accepted while their cells still hold
// the file's values. Files saved by a spreadsheet read as well: ',' or ';'
// as the separator, a byte order mark, CRLF or LF, quoted fields.
namespace PlayersCsv {

// The header and a row for each of the players named (all when none are).
std::string Export(const CGame& game, const std::vector<std::uint32_t>& playerIds = {});

// One changed value, as a preview lists it. A write-only key (preset,
// abilities_from) has no old text.
struct CellChange
{
    std::uint32_t playerId = 0;
    std::string key;
    std::string oldText, newText;
};

// Why the import cannot be done. row and column count from 1 (row 1 is the
// header); 0 when the problem is not one row's or one column's.
struct ImportError
{
    std::size_t row = 0, column = 0;
    std::string key;     // the column's name, when there is one
    std::string reason;
    std::string message; // the whole line: "row 3, column 2 (salary): ..."
};

// The edits an import asks for, checked against the game and not yet made.
struct ImportPlan
{
    struct PlayerRow
    {
        std::size_t row = 0;
        std::uint32_t playerId = 0;
        PlayerEdit edit;
    };
    std::vector<PlayerRow> rows;    // the players that change, in file order
    std::vector<CellChange> changes; // every changed cell, in file order
    std::vector<ImportError> errors; // in file order; header and CSV errors end the reading
    bool ok() const { return errors.empty(); }
};

// Reads the text and compares it with the game, which it leaves alone.
ImportPlan Plan(const CGame& game, std::string_view text);

// Makes a plan without errors through the caller's edit and marks the
// players it changed modified; on a failure the caller drops the edit,
// which rolls back the players already changed.
GameStatus Apply(GameEdit& change, const ImportPlan& plan);

} // namespace PlayersCsv
