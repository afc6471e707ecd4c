// Writing game files: the file on disk must be what the builder writes for
// the edited description, byte for byte.
#include "CoreTestHelpers.h"

namespace {

void ExpectSameBytes(const std::vector<std::uint8_t>& actual, const std::vector<std::uint8_t>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "first difference at offset " << i;
}

TEST(Writer, AnUnchangedLoadAndSaveIsByteIdentical)
{
    tg::RealisticOptions withEarlyEntry;
    withEarlyEntry.otherEntryBeforeFirstTeam = true;
    const std::vector<tg::GameDescription> games = {
        SmallGame(), tg::MakeRealisticGame(2003, 3000), tg::MakeRealisticGame(8, 500, withEarlyEntry), TinyGame()};
    for (const auto& desc : games) {
        GameOnDisk file(desc);
        CGame game;
        ASSERT_TRUE(Loads(game, file.path));
        ASSERT_TRUE(Saves(game));
        ExpectSameBytes(file.BytesNow(), file.built.bytes);
        EXPECT_EQ(file.dir.FileNames(), std::vector<std::string>{"DATABASE.DB"});
    }
}

TEST(Writer, ANonTeamEntryBeforeTheFirstTeamRecordEndsAtWordZero)
{
    tg::RealisticOptions options;
    options.minSquad = 2;
    options.maxSquad = 3;
    options.otherEntryBeforeFirstTeam = true;
    auto desc = tg::MakeRealisticGame(12, 60, options);
    std::get<tg::OtherEntryDescription>(desc.teamEntries.front()).words = {0x8002, 0x0001, 0x0001, 0x1234};
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    auto* first = desc.TeamRecords()[0];
    game.Team(first->id)->SetI32(TeamLayout::nBudget, 4242);
    game.Team(first->id)->m_bModified = 1;
    game.m_bModified = 1;
    ASSERT_TRUE(Saves(game));
    first->SetBudget(4242);
    ExpectSameBytes(file.BytesNow(), tg::Build(desc).bytes);
}

TEST(Writer, ALengthenedFamilyNameShiftsEveryLaterByte)
{
    const auto desc = SmallGame();
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    const std::size_t k = 5;
    const auto& target = desc.players[k];
    const std::string longer = target.familyName + "-Smythe";
    game.Player(target.id)->m_strFamilyName = longer;
    game.MarkPlayerModified(target.id);
    ASSERT_TRUE(Saves(game));

    const auto at = file.built.players[k].familyName;
    const auto expected = Spliced(file.built.bytes, at, 1 + target.familyName.size(), tg::GameString(longer));
    ExpectSameBytes(file.BytesNow(), expected);
    EXPECT_EQ(file.BytesNow().size(), file.built.bytes.size() + 7);
    EXPECT_EQ(game.m_bModified, 0u);
    EXPECT_EQ(game.Player(target.id)->m_bModified, 0u);
}

TEST(Writer, EditedRecordsSquadsAndBudgetsAreWrittenInTheFilesLayout)
{
    auto desc = SmallGame();
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    auto* from = desc.TeamRecords()[2];
    auto* to = desc.TeamRecords()[4];
    const auto mover = from->squad.front();
    ASSERT_TRUE(game.MovePlayer(mover, from->id, to->id, false).ok());
    game.Team(to->id)->SetI32(TeamLayout::nBudget, 123456789);
    game.Player(desc.players[0].id)->SetU32(PlayerLayout::nContract, 4);
    game.MarkPlayerModified(desc.players[0].id);
    ASSERT_TRUE(Saves(game));

    // The same edits, made to the description.
    from->squad.erase(from->squad.begin());
    for (auto& id : from->firstXI) {
        if (id == mover)
            id = 0; // refilled below if anyone is free
    }
    for (auto id : from->squad) {
        if (std::find(from->firstXI.begin(), from->firstXI.end(), id) == from->firstXI.end()) {
            std::replace(from->firstXI.begin(), from->firstXI.end(), std::uint16_t{0}, id);
            break;
        }
    }
    std::replace(from->firstXI.begin(), from->firstXI.end(), std::uint16_t{0}, mover);
    to->squad.push_back(mover);
    to->SetBudget(123456789);
    desc.FindPlayer(mover)->SetTeam(to->id);
    desc.players[0].SetContract(4);
    ExpectSameBytes(file.BytesNow(), tg::Build(desc).bytes);
}

TEST(Writer, ARenameReplacesExactStringsOnlyOnceEach)
{
    auto desc = SmallGame();
    desc.rest.clear();
    const std::string old = desc.header.fullNames()[4];
    const std::string renamed = old + " Republic"; // contains the old name
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
    ExpectSameBytes(file.BytesNow(), tg::Build(desc).bytes);
}

TEST(Writer, AShorterNameShortensTheFileByTheDifferenceForEachString)
{
    auto desc = SmallGame();
    desc.rest.clear();
    const std::string old = desc.header.fullNames()[0];
    ASSERT_EQ(old, "Republic of Valdoria");
    for (int i = 0; i < 5; ++i) {
        desc.AddRestBytes("\x01\x02");
        desc.AddRestString(old);
    }
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    RenameTeam(game, 1, "Valdoria");
    ASSERT_TRUE(Saves(game));
    EXPECT_EQ(file.BytesNow().size(), file.built.bytes.size() - 6 * 12);
    desc.header.fullNames()[0] = "Valdoria";
    for (auto& item : desc.rest) {
        if (item.isString)
            item.bytes = "Valdoria";
    }
    ExpectSameBytes(file.BytesNow(), tg::Build(desc).bytes);
}

TEST(Writer, SwappingTwoTeamNamesSwapsEveryCopyOfBoth)
{
    auto desc = SmallGame();
    desc.rest.clear();
    const std::string a = desc.header.fullNames()[1];
    const std::string b = desc.header.fullNames()[2];
    for (const auto& name : {a, b, b, a, a + " A", b})
        desc.AddRestString(name);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    RenameTeam(game, 2, b);
    RenameTeam(game, 3, a);
    ASSERT_TRUE(Saves(game));

    desc.header.fullNames()[1] = b;
    desc.header.fullNames()[2] = a;
    for (auto& item : desc.rest)
        item.bytes = item.bytes == a ? b : item.bytes == b ? a : item.bytes;
    ExpectSameBytes(file.BytesNow(), tg::Build(desc).bytes);
}

TEST(Writer, HeaderNamesWithIdsOutOfOrderAreWrittenToTheirOwnPositions)
{
    auto desc = SmallGame();
    desc.header = {};
    desc.header.AddTeam(3, "Third Side", "Third", "THI");
    desc.header.AddTeam(1, "First Side", "First", "FIR");
    desc.header.AddTeam(2, "Second Side", "Second", "SEC");
    desc.rest.clear();
    desc.AddRestString("Third Side");
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    ASSERT_TRUE(Saves(game));
    ExpectSameBytes(file.BytesNow(), file.built.bytes);

    RenameTeam(game, 3, "Third Eleven");
    game.m_teamAbbrevs[1] = "1ST";
    ASSERT_TRUE(Saves(game));
    desc.header.fullNames()[0] = "Third Eleven";
    desc.header.names[2][1] = "1ST";
    desc.rest[0].bytes = "Third Eleven";
    ExpectSameBytes(file.BytesNow(), tg::Build(desc).bytes);
}

TEST(Writer, RenamingATeamWithAnIdAbove39ReplacesItsOldNameInTheRest)
{
    auto desc = SmallGame();
    for (std::uint16_t id = 19; id <= 45; ++id)
        desc.header.AddTeam(id, "Invitation XI " + std::to_string(id), "Inv " + std::to_string(id), "I" + std::to_string(id));
    desc.rest.clear();
    desc.AddRestString("Invitation XI 42");
    desc.AddRestString("Invitation XI 4");
    desc.AddRestString("Invitation XI 42");
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    RenameTeam(game, 42, "Wanderers");
    ASSERT_TRUE(Saves(game));
    desc.header.fullNames()[41] = "Wanderers";
    desc.rest[0].bytes = "Wanderers";
    desc.rest[2].bytes = "Wanderers";
    ExpectSameBytes(file.BytesNow(), tg::Build(desc).bytes);
}

TEST(Writer, SaveAsLeavesTheSourceAloneAndMakesTheNewPathCurrent)
{
    const auto desc = SmallGame();
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    const auto id = desc.players[3].id;
    game.Player(id)->m_strGivenNames = "Quentin";
    game.MarkPlayerModified(id);
    const auto copy = file.dir / "COPY.CAP";
    ASSERT_TRUE(Saves(game, copy));
    EXPECT_EQ(game.m_strGameFile, copy.string());
    ExpectSameBytes(file.BytesNow(), file.built.bytes);
    const auto afterSaveAs = tg::ReadFileBytes(copy);
    EXPECT_NE(afterSaveAs, file.built.bytes);

    // A later plain save goes to the new file too.
    game.Player(id)->m_strGivenNames = "Quentin Max";
    game.MarkPlayerModified(id);
    ASSERT_TRUE(Saves(game));
    ExpectSameBytes(file.BytesNow(), file.built.bytes);
    EXPECT_EQ(tg::ReadFileBytes(copy).size(), afterSaveAs.size() + 4);
}

TEST(Writer, PlayerStringsOf128To255CharactersRoundTripWithUnsignedLengths)
{
    auto desc = SmallGame();
    desc.players[0].givenNames = std::string(128, 'g');
    desc.players[1].familyName = std::string(255, '\xFC');
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    ASSERT_TRUE(Saves(game));
    ExpectSameBytes(file.BytesNow(), file.built.bytes);

    game.Player(desc.players[2].id)->m_strFamilyName = std::string(200, 'F');
    game.MarkPlayerModified(desc.players[2].id);
    ASSERT_TRUE(Saves(game));
    desc.players[2].familyName = std::string(200, 'F');
    ExpectSameBytes(file.BytesNow(), tg::Build(desc).bytes);
}

TEST(Writer, AShortFirstXIIsWrittenBackWithItsOwnCount)
{
    auto desc = SmallGame();
    auto* team = desc.TeamRecords()[0];
    team->firstXI = {team->squad[1]};
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    ASSERT_TRUE(Saves(game));
    ExpectSameBytes(file.BytesNow(), file.built.bytes);
}

TEST(Writer, AManyTimesCopiedNameIsReplacedEverywhereInOnePass)
{
    tg::RealisticOptions options;
    options.restTeamNameStrings = 3000;
    auto desc = tg::MakeRealisticGame(77, 1000, options);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    const std::string a = desc.header.fullNames()[0];
    const std::string b = desc.header.fullNames()[1];
    RenameTeam(game, 1, b);
    RenameTeam(game, 2, a);
    ASSERT_TRUE(Saves(game));
    desc.header.fullNames()[0] = b;
    desc.header.fullNames()[1] = a;
    for (auto& item : desc.rest) {
        if (item.isString)
            item.bytes = item.bytes == a ? b : item.bytes == b ? a : item.bytes;
    }
    ExpectSameBytes(file.BytesNow(), tg::Build(desc).bytes);
}

} // namespace
