// Files the model cannot hold are refused whole, with a message that names
// the file and the problem, and nothing of them stays loaded.
#include "CoreTestHelpers.h"

#include <algorithm>

namespace {

// Loads a good game first, so a refusal must also drop what was loaded.
GameStatus LoadAfterAGoodGame(CGame& game, const std::filesystem::path& path)
{
    static const tg::GameDescription good = SmallGame(1);
    GameOnDisk goodFile(good);
    EXPECT_TRUE(Loads(game, goodFile.path));
    return game.LoadGameFile(path.string());
}

void ExpectRefused(const tg::GameDescription& desc, const std::string& problemWord)
{
    GameOnDisk file(desc, "BROKEN.CAP");
    CGame game;
    const auto status = LoadAfterAGoodGame(game, file.path);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(ContainsNoCase(status.message(), problemWord)) << status.message();
    EXPECT_TRUE(NothingLoaded(game));
    EXPECT_EQ(game.m_bModified, 0u);
}

std::vector<std::uint16_t> FreePlayers(const tg::GameDescription& desc)
{
    std::vector<std::uint16_t> ids;
    for (const auto& p : desc.players) {
        if (p.U16(tg::layout::kTeam) == tg::layout::kNoTeam)
            ids.push_back(p.id);
    }
    return ids;
}

TEST(LoadRefusal, AFileEndingInsideThePlayerRecordsIsAnErrorReadingTheDatabase)
{
    const auto desc = SmallGame();
    const auto built = tg::Build(desc);
    const auto& second = built.players[1];
    const std::vector<std::size_t> cuts = {
        built.playersStart,         // right after the marker's 14 bytes: no record at all
        second.offset + 1,          // inside the id
        second.givenNames + 1,      // inside a string
        second.initials,            // at a length byte
        second.record + 100,        // inside the record
        second.end,                 // after a record whose tag says more follow
        built.players.back().end - 1,
    };
    for (auto cut : cuts) {
        tg::TempDir dir;
        const auto path = dir / "CUT.DB";
        tg::WriteFileBytes(path, std::vector<std::uint8_t>(built.bytes.begin(), built.bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
        CGame game;
        const auto status = LoadAfterAGoodGame(game, path);
        EXPECT_FALSE(status.ok()) << "cut at " << cut;
        EXPECT_TRUE(Contains(status.message(), "Error reading database")) << status.message();
        EXPECT_TRUE(NothingLoaded(game)) << "cut at " << cut;
    }
}

TEST(LoadRefusal, ASquadListOfMoreThan256Entries)
{
    auto desc = tg::MakeRealisticGame(5, 900);
    auto* team = desc.TeamRecords()[0];
    for (auto id : FreePlayers(desc)) {
        if (team->squad.size() == 257)
            break;
        team->squad.push_back(id);
        desc.FindPlayer(id)->SetTeam(team->id);
    }
    ASSERT_EQ(team->squad.size(), 257u);
    ExpectRefused(desc, "squad");
}

TEST(LoadRefusal, AFirstXIListOfMoreThanEleven)
{
    auto desc = tg::MakeRealisticGame(5, 600);
    auto* team = desc.TeamRecords()[3];
    ASSERT_GE(team->squad.size(), 12u);
    team->firstXI.assign(team->squad.begin(), team->squad.begin() + 12);
    ExpectRefused(desc, "XI");
}

TEST(LoadRefusal, ANameListLongerThanTheIdList)
{
    for (std::size_t list = 0; list < 3; ++list) {
        auto desc = SmallGame();
        desc.header.names[list].push_back("Extra Name");
        ExpectRefused(desc, "name");
    }
}

TEST(LoadRefusal, ASquadNamingAPlayerWithoutARecord)
{
    auto desc = SmallGame();
    desc.TeamRecords()[2]->squad.push_back(4321);
    ExpectRefused(desc, "4321");
}

TEST(LoadRefusal, TwoPlayerRecordsWithTheSameId)
{
    auto desc = SmallGame();
    desc.players[9].id = desc.players[4].id;
    desc.players[9].SetTeam(tg::layout::kNoTeam);
    for (auto* team : desc.TeamRecords()) {
        auto drop = [&](std::vector<std::uint16_t>& list) {
            list.erase(std::remove(list.begin(), list.end(), desc.players[4].id), list.end());
        };
        drop(team->squad);
        drop(team->firstXI);
    }
    ExpectRefused(desc, std::to_string(desc.players[4].id));
}

TEST(LoadRefusal, TwoTeamRecordsWithTheSameId)
{
    auto desc = SmallGame();
    auto* twin = desc.TeamRecords()[6];
    twin->id = desc.TeamRecords()[5]->id;
    for (auto id : twin->squad)
        desc.FindPlayer(id)->SetTeam(twin->id);
    ExpectRefused(desc, "team");
}

TEST(LoadRefusal, EveryFailedOpenNamesTheFileAndTheReason)
{
    tg::TempDir dir;
    CGame game;
    const auto missing = dir / "NOSUCH.DB";
    auto status = game.LoadGameFile(missing.string());
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "NOSUCH.DB")) << status.message();
    EXPECT_GT(status.message().size(), std::string("NOSUCH.DB").size() + 10) << status.message();
    EXPECT_TRUE(NothingLoaded(game));

    std::filesystem::create_directory(dir / "FOLDER.DB");
    status = game.LoadGameFile((dir / "FOLDER.DB").string());
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "FOLDER.DB")) << status.message();

    auto desc = SmallGame();
    desc.HidePlayerMarker(3);
    GameOnDisk hidden(desc, "HIDDEN.CAP");
    status = game.LoadGameFile(hidden.PathString());
    // The game's own message is shown word for word; the user has just picked the file.
    EXPECT_EQ(status.message(), "Error reading database");

    auto twins = SmallGame();
    twins.TeamRecords()[1]->id = twins.TeamRecords()[0]->id;
    twins.TeamRecords()[1]->squad.clear();
    twins.TeamRecords()[1]->firstXI.clear();
    GameOnDisk refused(twins, "TWINS.CAP");
    status = game.LoadGameFile(refused.PathString());
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(Contains(status.message(), "TWINS.CAP")) << status.message();
}

} // namespace
