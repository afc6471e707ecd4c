// Players as CSV: the export, a spreadsheet's rewrite of it read back, the
// import plan a preview shows and the errors that refuse it.
#include "CoreTestHelpers.h"
#include "CsvFile.h"
#include "PlayersCsv.h"

#include <cctype>

namespace {

// What a spreadsheet saves: ';' between fields, every field quoted, a byte
// order mark, CRLF line ends and an empty line at the end.
std::string AsSpreadsheetSaves(const std::vector<CsvRow>& rows)
{
    std::string text = "\xEF\xBB\xBF";
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            text += i > 0 ? "\";\"" : "\"";
            for (char c : row[i])
                text += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        text += "\"\r\n";
    }
    return text + "\r\n";
}

std::size_t Column(const CsvRow& header, const std::string& key)
{
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), key) - header.begin());
}

// Applies a plan in an edit of its own and saves the game beside the original.
std::vector<std::uint8_t> ImportedBytes(CGame& game, const PlayersCsv::ImportPlan& plan, const GameOnDisk& file)
{
    GameEdit change(game);
    const GameStatus status = PlayersCsv::Apply(change, plan);
    EXPECT_TRUE(status.ok()) << status.message();
    change.Commit("Import");
    const auto out = file.dir.Path() / "OUT.CAP";
    EXPECT_TRUE(Saves(game, out));
    return tg::ReadFileBytes(out);
}

TEST(PlayersCsv, ASpreadsheetRewriteOfTheExportChangesNothingAndAnEditedCellExactlyThat)
{
    auto desc = SmallGame();
    const std::uint16_t id = desc.players[1].id;
    desc.FindPlayer(id)->SetNames("Ren\xE9", "O'Brien, \"Jr\"");
    const GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));

    auto rows = ParseCsv(PlayersCsv::Export(game)).rows;
    ASSERT_EQ(rows.size(), desc.players.size() + 1);
    const CsvRow& header = rows.front();
    CsvRow& row = rows[2];
    ASSERT_EQ(row[Column(header, "id")], std::to_string(id));
    EXPECT_EQ(row[Column(header, "given_names")], "Ren\xC3\xA9") << "names are exported in UTF-8";
    const std::uint32_t first = desc.players[0].id;
    EXPECT_EQ(ParseCsv(PlayersCsv::Export(game, {id, first, 60000})).rows, (std::vector{header, row, rows[1]}))
        << "the players asked for, in that order";

    const auto unchanged = PlayersCsv::Plan(game, AsSpreadsheetSaves(rows));
    ASSERT_TRUE(unchanged.ok()) << unchanged.errors.front().message;
    EXPECT_TRUE(unchanged.changes.empty() && unchanged.rows.empty());
    EXPECT_TRUE(SameBytes(ImportedBytes(game, unchanged, file), file.built.bytes));

    row[Column(header, "family_name")] = "M\xC3\xBCller";
    for (char& c : row[Column(header, "footwork")]) // the same choice in another case changes nothing
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const auto edited = PlayersCsv::Plan(game, AsSpreadsheetSaves(rows));
    ASSERT_TRUE(edited.ok()) << edited.errors.front().message;
    ASSERT_EQ(edited.changes.size(), 1u);
    const auto& change = edited.changes.front();
    EXPECT_EQ(std::tie(change.playerId, change.key, change.oldText, change.newText),
        std::tie(id, "family_name", "O'Brien, \"Jr\"", "M\xC3\xBCller"));
    desc.FindPlayer(id)->SetNames("Ren\xE9", "M\xFCller");
    EXPECT_TRUE(SameBytes(ImportedBytes(game, edited, file), tg::Build(desc).bytes));
}

TEST(PlayersCsv, EveryBadCellIsListedWithRowAndColumnAndThePlanIsRefused)
{
    const auto desc = SmallGame();
    const GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    const std::string a = std::to_string(desc.players[0].id), b = std::to_string(desc.players[1].id);
    using Where = std::pair<std::size_t, std::size_t>; // row, column
    const struct
    {
        std::string csv;
        std::vector<Where> errors;
        std::string firstMessage; // a part of the first error's message
    } cases[]{
        {"id;salary\n" + a + ";98304\n" + b + ";x\n", {{2, 2}, {3, 2}}, "row 2, column 2 (salary): invalid value"},
        {"id,family_name,given_names\n" + a + ",\xE2\x82\xAC\xE2\x84\x96,\xFF\n", {{2, 2}, {2, 3}},
            "the character \"\xE2\x84\x96\" cannot be stored"},
        {"id;salary\n" + a + ",5\n" + b + ";5\n", {{2, 0}}, "row 2 has 1 fields, the header 2"},
        {"id,salary\n" + a + ",1\n9999,1\nx,1\n" + a + ",2\n", {{3, 1}, {4, 1}, {5, 1}}, "no player with the id \"9999\""},
        {"id,birth,team\n" + a + ",1999-02-30,77\n", {{2, 2}, {2, 3}}, "row 2, column 2 (birth)"},
        {"id,display_name\n" + a + ",Somebody Else\n", {{2, 2}}, "read-only"},
        {"id,given_names\n" + a + ",\"open\n", {{2, 2}}, "row 2, column 2: a quoted field is not closed"},
        {"id;wage\n", {{1, 2}}, "row 1, column 2 (wage): unknown player key"},
        {"salary\n5\n", {{1, 0}}, "row 1: the header has no id column"},
        {"id,id\n", {{1, 2}}, "row 1, column 2 (id): the column is named twice"},
        {"", {{0, 0}}, "no header row"},
    };
    for (const auto& [csv, errors, firstMessage] : cases) {
        const auto plan = PlayersCsv::Plan(game, csv);
        std::vector<Where> found;
        for (const auto& error : plan.errors)
            found.emplace_back(error.row, error.column);
        EXPECT_EQ(found, errors) << csv;
        ASSERT_FALSE(plan.ok()) << csv;
        EXPECT_TRUE(Contains(plan.errors.front().message, firstMessage)) << plan.errors.front().message;

        GameEdit change(game);
        EXPECT_FALSE(PlayersCsv::Apply(change, plan).ok()) << csv;
    }
    EXPECT_FALSE(game.IsModified());
}

} // namespace
