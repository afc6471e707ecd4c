// export and import: CSV out and back in, all or nothing.
#include "CliTestSupport.h"
#include "CsvFile.h"

namespace {

std::size_t Column(const CsvRow& header, const std::string& key)
{
    const auto found = std::find(header.begin(), header.end(), key);
    EXPECT_NE(found, header.end()) << key;
    return static_cast<std::size_t>(found - header.begin());
}

TEST(ExportImport, ExportHasARowPerPlayerAndImportsUnchangedToAByteIdenticalFile)
{
    auto game = StandardGame();
    const std::uint16_t id = FirstFreePlayer(game);
    game.FindPlayer(id)->SetNames("Ren\xE9", "O'Brien, Jr").SetSalary(31000);
    GameFile file(game);
    const auto before = file.Bytes();
    const std::string csv = file.Sibling("players.csv");
    ASSERT_EQ(RunExe({"export", file.Path(), "-o", csv}).exitCode, 0);
    EXPECT_EQ(ReadText(csv), RunLib({"export", file.Path()}).out) << "-o writes what standard output shows";

    const auto rows = ParseCsv(ReadText(csv)).rows;
    ASSERT_EQ(rows.size(), game.players.size() + 1);
    const auto& header = rows.front();
    for (std::size_t i = 0; i < game.players.size(); ++i) {
        const auto& row = rows[i + 1];
        ASSERT_EQ(row.size(), header.size());
        EXPECT_EQ(row[Column(header, "id")], std::to_string(game.players[i].id));
        if (game.players[i].id == id) {
            EXPECT_EQ(row[Column(header, "given_names")], "Ren\xC3\xA9");
            EXPECT_EQ(row[Column(header, "family_name")], "O'Brien, Jr");
            EXPECT_EQ(row[Column(header, "salary")], "31000");
            EXPECT_EQ(row[Column(header, "team")], "65535");
        }
    }

    const CliRun run = RunExe({"import", file.Path(), csv});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(file.Bytes(), before);
    ASSERT_EQ(RunExe({"import", file.Path(), csv, "-o", file.Sibling("OUT.CAP")}).exitCode, 0);
    EXPECT_EQ(tg::ReadFileBytes(file.Sibling("OUT.CAP")), before);
}

TEST(ExportImport, ChangedCellsEditTheirPlayersAsSetWouldAndAShortCsvIsEnough)
{
    auto game = StandardGame();
    const std::uint16_t a = FirstFreePlayer(game), b = SquadMember(game, 2, 0);
    for (auto id : {a, b})
        game.FindPlayer(id)->SetNames("Sam", "Example").SetPartTimeKeeper(0).SetFootwork(0x40);
    GameFile file(game);
    auto rows = ParseCsv(RunLib({"export", file.Path()}).out).rows;
    const auto& header = rows.front();
    for (auto& row : rows) {
        if (row[0] == std::to_string(a)) {
            row[Column(header, "salary")] = "45000";
            row[Column(header, "team")] = "2";
        }
        if (row[0] == std::to_string(b))
            row[Column(header, "family_name")] = "Sample";
    }
    std::ostringstream edited;
    CsvWriter writer(edited);
    for (const auto& row : rows)
        writer.WriteRow(row);
    WriteText(file.Sibling("edit.csv"), edited.str());
    const CliRun run = RunExe({"import", file.Path(), file.Sibling("edit.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto expected = game;
    expected.FindPlayer(a)->SetSalary(45000).SetTeam(2);
    expected.FindTeam(2)->squad.push_back(a);
    expected.FindPlayer(b)->SetNames("Sam", "Sample");
    EXPECT_EQ(file.Bytes(), tg::Build(expected).bytes);

    // Columns in any order, choices in any case, an empty cell changes nothing.
    WriteText(file.Sibling("short.csv"), "salary,id,footwork,preset\n777," + std::to_string(a) + ",FRONT,\n");
    ASSERT_EQ(RunLib({"import", file.Path(), file.Sibling("short.csv")}).exitCode, 0);
    expected.FindPlayer(a)->SetSalary(777).SetFootwork(0xC0);
    EXPECT_EQ(file.Bytes(), tg::Build(expected).bytes);
}

TEST(ExportImport, TheFirstBadCellIsReportedWithRowAndColumnAndNothingIsWritten)
{
    auto game = StandardGame();
    const std::string a = std::to_string(game.players[0].id), b = std::to_string(game.players[1].id);
    GameFile file(game);
    const auto before = file.Bytes();
    const std::string good = a + ",100\n"; // a valid edit that must not survive a later bad row
    // The CSV, and the position the message must name: an error of the CSV, of
    // the header, of a cell (every kind of error is the core's to check).
    const std::pair<std::string, std::string> cases[]{
        {"id,salary\n" + good + b + ",98304\n", "row 3, column 2 (salary)"},
        {"id,salary,wage\n" + a + ",1,2\n", "row 1, column 3 (wage)"},
        {"id,given_names\n" + a + ",\"open\n", "row 2"},
    };
    for (const auto& [csv, where] : cases) {
        WriteText(file.Sibling("bad.csv"), csv);
        const CliRun run = RunExe({"import", file.Path(), file.Sibling("bad.csv")});
        EXPECT_EQ(run.exitCode, 1) << csv;
        EXPECT_TRUE(Contains(run.err, where)) << csv << "\n" << run.err;
        EXPECT_EQ(file.Bytes(), before) << csv;
    }
    EXPECT_EQ(RunExe({"import", file.Path(), file.Sibling("missing.csv")}).exitCode, 1);
    EXPECT_EQ(RunExe({"import", file.Path()}).exitCode, 2);
    EXPECT_EQ(file.Bytes(), before);
}

} // namespace
