// Writing game files: the file on disk must be what the builder writes for
// the edited description, byte for byte.
#include "CoreTestHelpers.h"
#include "TeamEdit.h"

namespace {

TEST(Writer, AnUnchangedLoadAndSaveIsByteIdentical)
{
    tg::RealisticOptions withEarlyEntry;
    withEarlyEntry.otherEntryBeforeFirstTeam = true;
    // Long strings (unsigned length byte) and a First XI of one, written with its own count.
    auto oddities = SmallGame();
    oddities.players[0].givenNames = std::string(128, 'g');
    oddities.players[1].familyName = std::string(255, '\xFC');
    oddities.TeamRecords()[0]->firstXI = {oddities.TeamRecords()[0]->squad[1]};
    tg::RealisticOptions manyNames;
    manyNames.restTeamNameStrings = 10000;
    const std::vector<tg::GameDescription> games = {SmallGame(), tg::MakeRealisticGame(8, 500, withEarlyEntry),
        TinyGame(), oddities, tg::MakeRealisticGame(65535, 65535, manyNames) /* the largest file */};
    for (std::size_t g = 0; g < games.size(); ++g) {
        SCOPED_TRACE("game " + std::to_string(g));
        GameOnDisk file(games[g]);
        CGame game;
        ASSERT_TRUE(Loads(game, file.path));
        ASSERT_TRUE(Saves(game));
        EXPECT_TRUE(SameBytes(file.BytesNow(), file.built.bytes));
        EXPECT_EQ(file.dir.FileNames(), std::vector<std::string>{"DATABASE.DB"});
    }
}

TEST(Writer, ARenameReplacesExactStringsOnlyOnceEachWithLongerOrShorterNames)
{
    const std::string old = SmallGame().header.fullNames()[4];
    // The longer name contains the old one: replacing it again would grow it twice.
    for (const std::string& renamed : {old + " Republic", std::string("Short")}) {
        SCOPED_TRACE(renamed);
        auto desc = SmallGame();
        desc.rest.clear();
        desc.AddRestBytes("xx");
        desc.AddRestString(old);
        desc.AddRestString(old + " A");
        desc.AddRestString("Greater " + old);
        desc.AddRestBytes(old); // the characters without a length byte
        desc.AddRestString(old);
        GameOnDisk file(desc);
        CGame game;
        ASSERT_TRUE(Loads(game, file.path));
        RenameTeam(game, desc.header.ids[4], renamed);
        ASSERT_TRUE(Saves(game));

        desc.header.fullNames()[4] = renamed;
        desc.rest[1].bytes = renamed;
        desc.rest[5].bytes = renamed;
        EXPECT_TRUE(SameBytes(file.BytesNow(), tg::Build(desc).bytes));
    }
}

TEST(Writer, SwappingTwoTeamNamesSwapsEveryCopyOfBothInOnePass)
{
    tg::RealisticOptions options;
    options.restTeamNameStrings = 3000;
    auto desc = tg::MakeRealisticGame(77, 1000, options);
    const std::string a = desc.header.fullNames()[0];
    const std::string b = desc.header.fullNames()[1];
    for (const auto& name : {a, b, b, a, a + " A", b})
        desc.AddRestString(name);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    RenameTeam(game, desc.header.ids[0], b);
    RenameTeam(game, desc.header.ids[1], a);
    ASSERT_TRUE(Saves(game));

    desc.header.fullNames()[0] = b;
    desc.header.fullNames()[1] = a;
    for (auto& item : desc.rest) {
        if (item.isString)
            item.bytes = item.bytes == a ? b : item.bytes == b ? a : item.bytes;
    }
    EXPECT_TRUE(SameBytes(file.BytesNow(), tg::Build(desc).bytes));
}

TEST(Writer, HeaderNamesBelongToTheirIdsInAnyOrderAndAbove39)
{
    auto desc = SmallGame();
    desc.header = {};
    desc.header.AddTeam(3, "Third Side", "Third", "THI");
    desc.header.AddTeam(1, "First Side", "First", "FIR");
    desc.header.AddTeam(2, "Second Side", "Second", "SEC");
    for (std::uint16_t id = 19; id <= 45; ++id)
        desc.header.AddTeam(id, "Invitation XI " + std::to_string(id), "Inv " + std::to_string(id), "I" + std::to_string(id));
    desc.rest.clear();
    for (const auto& name : {"Third Side", "Invitation XI 42", "Invitation XI 4", "Invitation XI 42"})
        desc.AddRestString(name);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    EXPECT_EQ(game.TeamName(42), "Invitation XI 42");
    EXPECT_EQ(game.Team(1)->m_strShortName, "First");
    ASSERT_TRUE(Saves(game));
    EXPECT_TRUE(SameBytes(file.BytesNow(), file.built.bytes));

    RenameTeam(game, 3, "Third Eleven");
    RenameTeam(game, 42, "Wanderers");
    GameEdit::Within(game, [](GameEdit& edit) {
        edit.SetTeamName(2, 1, "1ST");
        return GameStatus();
    });
    ASSERT_TRUE(Saves(game));
    desc.header.fullNames()[0] = "Third Eleven";
    desc.header.fullNames()[3 + 42 - 19] = "Wanderers";
    desc.header.names[2][1] = "1ST";
    desc.rest[0].bytes = "Third Eleven";
    desc.rest[1].bytes = desc.rest[3].bytes = "Wanderers";
    EXPECT_TRUE(SameBytes(file.BytesNow(), tg::Build(desc).bytes));
}

TEST(Writer, SaveAsLeavesTheSourceAloneAndMakesTheNewPathCurrent)
{
    auto desc = SmallGame();
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    const auto id = desc.players[3].id;
    const auto copy = file.dir / "COPY.CAP";
    for (const std::string& name : {std::string("Quentin"), std::string("Quentin Max")}) {
        // The second, plain save goes to the new file too.
        ChangePlayer(game, id, [&](CPlayer& p) { p.m_strGivenNames = desc.players[3].givenNames = name; });
        ASSERT_TRUE(Saves(game, name == "Quentin" ? copy : std::filesystem::path()));
        EXPECT_EQ(game.GameFile(), copy.string());
        EXPECT_TRUE(SameBytes(file.BytesNow(), file.built.bytes));
        EXPECT_TRUE(SameBytes(tg::ReadFileBytes(copy), tg::Build(desc).bytes));
    }
}

// Short-name and abbreviation lists that stop before the last team have no
// place for its names there: changing them is refused rather than lost.
TEST(Writer, TeamNamesTheHeaderHasNoPlaceForAreRefusedBeforeAnythingChanges)
{
    auto desc = SmallGame();
    const std::size_t last = desc.header.ids.size() - 1;
    const std::uint16_t id = desc.header.ids[last];
    desc.header.names[1].resize(last);
    desc.header.names[2].resize(last);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    ASSERT_NE(game.Team(id), nullptr);
    const auto before = TeamEdit::GetNames(*game.Team(id));

    for (const auto& [list, change] : {std::pair{"short names", &TeamEdit::TeamNames::shortName},
             std::pair{"abbreviations", &TeamEdit::TeamNames::abbrev}}) {
        auto names = before;
        names.name = "Renamed Too";
        names.*change = "NEW";
        const auto status = TeamEdit::SetNames(game, id, names);
        EXPECT_FALSE(status.ok()) << list;
        EXPECT_TRUE(Contains(status.message(), list)) << status.message();
        EXPECT_EQ(TeamEdit::GetNames(*game.Team(id)).name, before.name);
        EXPECT_EQ(game.TeamName(id), before.name);
    }

    auto renamed = before;
    renamed.name = "Renamed";
    ASSERT_TRUE(TeamEdit::SetNames(game, id, renamed).ok());
    ASSERT_TRUE(Saves(game));
    CGame reread;
    ASSERT_TRUE(Loads(reread, file.path));
    EXPECT_EQ(reread.TeamName(id), "Renamed");
    EXPECT_EQ(reread.HeaderNameIds(1).size(), last);
}

} // namespace
