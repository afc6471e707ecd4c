// Files the model cannot hold are refused whole, with a message that names
// the file and the problem, and nothing of them stays loaded.
#include "CoreTestHelpers.h"

#include <algorithm>
#include <functional>

namespace {

// Loads a good game first, so a refusal must also drop what was loaded.
GameStatus LoadAfterAGoodGame(CGame& game, const std::filesystem::path& path)
{
    static const tg::GameDescription good = SmallGame(1);
    GameOnDisk goodFile(good);
    EXPECT_TRUE(Loads(game, goodFile.path));
    return game.LoadGameFile(path.string());
}

TEST(LoadRefusal, ContentTheModelCannotHoldIsRefusedNamingTheProblem)
{
    struct Case
    {
        const char* what;
        std::function<void(tg::GameDescription&)> spoil;
        std::string problemWord;
        int players = 60;
    };
    const Case cases[] = {
        {"a squad of 257",
         [](tg::GameDescription& d) {
             auto* team = d.TeamRecords()[0];
             for (auto id : FreePlayers(d)) {
                 if (team->squad.size() == 257)
                     break;
                 team->squad.push_back(id);
                 d.FindPlayer(id)->SetTeam(team->id);
             }
             ASSERT_EQ(team->squad.size(), 257u);
         },
         "squad", 900},
        {"a First XI of 12",
         [](tg::GameDescription& d) {
             auto* team = d.TeamRecords()[3];
             ASSERT_GE(team->squad.size(), 12u);
             team->firstXI.assign(team->squad.begin(), team->squad.begin() + 12);
         },
         "XI", 600},
        {"a full-name list longer than the ids", [](tg::GameDescription& d) { d.header.names[0].push_back("Extra"); }, "name"},
        {"an abbreviation list longer than the ids", [](tg::GameDescription& d) { d.header.names[2].push_back("EXT"); }, "name"},
        {"a squad naming a player without a record", [](tg::GameDescription& d) { d.TeamRecords()[2]->squad.push_back(4321); },
         "4321"},
        {"two players with one id",
         [](tg::GameDescription& d) {
             const auto twin = d.players[4].id;
             d.players[9].id = twin;
             d.players[9].SetTeam(tg::layout::kNoTeam);
             for (auto* team : d.TeamRecords()) {
                 std::erase(team->squad, twin);
                 std::erase(team->firstXI, twin);
             }
         },
         "", 60},
        {"two teams with one id",
         [](tg::GameDescription& d) {
             auto* twin = d.TeamRecords()[6];
             twin->id = d.TeamRecords()[5]->id;
             for (auto id : twin->squad)
                 d.FindPlayer(id)->SetTeam(twin->id);
         },
         "team"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto desc = c.players == 60 ? SmallGame() : tg::MakeRealisticGame(5, c.players);
        c.spoil(desc);
        const auto word = c.problemWord.empty() ? std::to_string(desc.players[4].id) : c.problemWord;
        GameOnDisk file(desc, "BROKEN.CAP");
        CGame game;
        const auto status = LoadAfterAGoodGame(game, file.path);
        EXPECT_FALSE(status.ok());
        EXPECT_TRUE(ContainsNoCase(status.message(), word)) << status.message();
        EXPECT_TRUE(Contains(status.message(), "BROKEN.CAP")) << status.message();
        EXPECT_TRUE(NothingLoaded(game));
        EXPECT_FALSE(game.IsModified());
    }
}

TEST(LoadRefusal, AFailedOpenNamesTheFileAndTheReason)
{
    tg::TempDir dir;
    std::filesystem::create_directory(dir / "FOLDER.DB");
    CGame game;
    for (const std::string name : {"NOSUCH.DB", "FOLDER.DB"}) {
        const auto status = game.LoadGameFile((dir / name).string());
        EXPECT_FALSE(status.ok());
        EXPECT_TRUE(Contains(status.message(), name)) << status.message();
        EXPECT_GT(status.message().size(), name.size() + 10) << status.message();
        EXPECT_TRUE(NothingLoaded(game));
    }
}

} // namespace
