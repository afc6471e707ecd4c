#pragma once

#include "CsvFile.h"
#include "GameEdit.h"
#include "GameError.h"

// The rows of an import CSV (header first) applied to the game through the
// caller's edit. A failure names the row and column; the caller then drops
// the edit, which rolls back the rows already applied.
GameStatus ImportRows(GameEdit& change, const CsvParseResult& csv);
