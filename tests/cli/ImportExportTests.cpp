// export and import: CSV out and back in, all or nothing.
#include "CliTestSupport.h"
#include "CsvFile.h"
#include "ImportRows.h"

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
    const std::pair<std::string, std::string> cases[]{// the CSV, and the position the message must name
        {"id,salary\n" + good + b + ",98304\n", "row 3, column 2 (salary)"},
        {"id,salary\n" + good + "4000,5\n", "row 3, column 1 (id)"},
        {"id,salary\n" + good + "x,5\n", "row 3, column 1 (id)"},
        {"id,salary,wage\n" + a + ",1,2\n", "row 1, column 3 (wage)"},
        {"salary\n5\n", "no id column"},
        {"id,id\n1,1\n", "row 1, column 2 (id)"},
        {"id,salary,display_name\n" + a + ",100,Somebody Else\n", "row 2, column 3 (display_name)"},
        {"id,birth\n" + a + ",1999-02-30\n", "row 2, column 2 (birth)"},
        {"id,team\n" + a + ",77\n", "row 2, column 2 (team)"},
        {"id,salary\n" + good + b + "\n", "row 3"},
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

TEST(ExportImport, AnErrorInTheLastRowRollsBackTheRowsBeforeItInTheModel)
{
    auto desc = StandardGame();
    const std::string a = std::to_string(desc.players[0].id), b = std::to_string(desc.players[1].id);
    GameFile file(desc);
    CGame game;
    ASSERT_TRUE(game.LoadGameFile(file.Path()).ok());
    int told = 0;
    game.AddObserver([&](const GameChange&) { ++told; });
    {
        GameEdit change(game);
        const auto status = ImportRows(change, ParseCsv("id,contract,salary\n" + a + ",7,100\n" + b + ",5,98304\n"));
        EXPECT_TRUE(Contains(status.message(), "row 3, column 3 (salary)")) << status.message();
    }
    EXPECT_EQ(told, 0);
    EXPECT_FALSE(game.IsModified() || game.Player(desc.players[0].id)->m_bModified);
    ASSERT_TRUE(game.SaveGameFile(file.Sibling("OUT.CAP")).ok());
    EXPECT_EQ(tg::ReadFileBytes(file.Sibling("OUT.CAP")), file.built.bytes);
}

} // namespace
