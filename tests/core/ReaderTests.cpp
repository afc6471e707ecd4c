// Reading game files: the model must say what the builder wrote.
#include "CoreTestHelpers.h"
#include "FieldCodes.h"

#include <algorithm>

namespace {

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t size)
{
    return std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                                     bytes.begin() + static_cast<std::ptrdiff_t>(offset + size));
}

TEST(Reader, TheModelHoldsEveryPlayerAsTheFileDescribesHim)
{
    auto desc = SmallGame();
    desc.players[0].SetNames("John Andrew", "Smith").SetBirth(1977, 5, 14).SetSalary(45000);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    EXPECT_EQ(game.m_strGameFile, file.PathString());
    EXPECT_EQ(game.m_bModified, 0u);
    EXPECT_EQ(game.m_nCurPlayer, -1);

    for (std::size_t i = 0; i < desc.players.size(); ++i) {
        const auto& expected = desc.players[i];
        const CPlayer* player = game.Player(expected.id);
        ASSERT_NE(player, nullptr) << "player " << expected.id;
        EXPECT_EQ(player->m_nId, expected.id);
        EXPECT_EQ(player->m_strGivenNames, expected.givenNames);
        EXPECT_EQ(player->m_strFamilyName, expected.familyName);
        EXPECT_EQ(player->m_strInitials, expected.initials);
        const auto record = Slice(file.built.bytes, file.built.players[i].record, tg::layout::kPlayerRecordSize);
        EXPECT_TRUE(std::equal(record.begin(), record.end(), player->m_playerRecord.begin())) << "player " << expected.id;
        EXPECT_EQ(player->m_bModified, 0u);
    }
    const CPlayer* smith = game.Player(desc.players[0].id);
    EXPECT_EQ(smith->m_dtBirth, (CDate{1977, 5, 14, true}));
    EXPECT_EQ(smith->m_nSalary, 45000);
    EXPECT_EQ(smith->GetDisplayName(), "Smith JA");
}

TEST(Reader, TheModelHoldsEveryTeamWithItsNamesSquadFirstXIAndRecord)
{
    const auto desc = SmallGame();
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));

    for (std::size_t i = 0; i < desc.header.ids.size(); ++i) {
        const auto id = desc.header.ids[i];
        EXPECT_EQ(game.TeamName(id), desc.header.names[0][i]);
        ASSERT_GT(game.m_teamShortNames.size(), id);
        EXPECT_EQ(game.m_teamShortNames[id], desc.header.names[1][i]);
        EXPECT_EQ(game.m_teamAbbrevs[id], desc.header.names[2][i]);
    }
    std::size_t entry = 0;
    for (const auto& e : desc.teamEntries) {
        const auto& built = file.built.teamEntries[entry++];
        const auto* expected = std::get_if<tg::TeamRecordDescription>(&e);
        if (!expected)
            continue;
        const CTeam* team = game.Team(expected->id);
        ASSERT_NE(team, nullptr) << "team " << expected->id;
        EXPECT_EQ(team->m_wId, expected->id);
        EXPECT_EQ(team->m_strName, game.TeamName(expected->id));
        EXPECT_EQ(SquadOf(*team), expected->squad);
        for (std::size_t s = team->m_wPlayerCount; s < team->m_squad.size(); ++s)
            ASSERT_EQ(team->m_squad[s], 0u);
        for (std::size_t x = 0; x < 11; ++x) {
            const std::uint32_t want = x < expected->firstXI.size() ? expected->firstXI[x] : 0;
            EXPECT_EQ(team->m_firstXI[x], want) << "team " << expected->id << " slot " << x;
        }
        for (auto spare : team->m_xiSpare)
            EXPECT_EQ(spare, 0u);
        const auto record = Slice(file.built.bytes, built.record, tg::layout::kTeamRecordSize);
        EXPECT_TRUE(std::equal(record.begin(), record.end(), team->m_teamRecord.begin()));
        EXPECT_EQ(team->Budget(), expected->GetI32(tg::layout::kBudget));
        EXPECT_EQ(team->Captain(), expected->GetI32(tg::layout::kCaptain));
        for (auto id : expected->squad)
            EXPECT_EQ(game.Player(id)->Team(), expected->id);
    }
}

TEST(Reader, AHiddenPlayerMarkerIsAnErrorReadingTheDatabase)
{
    for (std::size_t distance = 1; distance <= 7; ++distance) {
        auto desc = SmallGame();
        desc.HidePlayerMarker(distance);
        GameOnDisk file(desc);
        CGame game;
        const auto status = game.LoadGameFile(file.PathString());
        EXPECT_FALSE(status.ok()) << "distance " << distance;
        EXPECT_TRUE(Contains(status.message(), "Error reading database")) << status.message();
        EXPECT_TRUE(NothingLoaded(game));
    }
    auto desc = SmallGame();
    desc.beforePlayerMarker.assign(8, '-');
    desc.beforePlayerMarker[0] = 'C'; // eight bytes before: the scan sees the marker
    GameOnDisk file(desc);
    CGame game;
    EXPECT_TRUE(Loads(game, file.path));
}

TEST(Reader, APlayerWhoseTagIsNot8001EndsThePlayerList)
{
    auto desc = TinyGame();
    ASSERT_GE(desc.players.size(), 4u);
    // Nobody may name the players after the early end in a squad.
    for (auto* team : desc.TeamRecords()) {
        team->squad.erase(std::remove_if(team->squad.begin(), team->squad.end(), [](std::uint16_t id) { return id > 2; }),
                          team->squad.end());
        team->firstXI = team->squad;
    }
    for (auto& player : desc.players)
        player.SetTeam(tg::layout::kNoTeam);
    desc.players[1].SetNextTag(0x0001);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    EXPECT_NE(game.Player(desc.players[0].id), nullptr);
    EXPECT_NE(game.Player(desc.players[1].id), nullptr);
    for (std::size_t i = 2; i < desc.players.size(); ++i)
        EXPECT_EQ(game.Player(desc.players[i].id), nullptr) << "player " << desc.players[i].id;
    EXPECT_EQ(game.Team(desc.TeamRecords()[0]->id)->m_wId, desc.TeamRecords()[0]->id);
}

TEST(Reader, SquadListsOverrideThePlayersOwnTeamIds)
{
    auto desc = SmallGame();
    auto* team = desc.TeamRecords()[1];
    const auto member = team->squad.front();
    desc.FindPlayer(member)->SetTeam(9); // the record disagrees with the squad
    std::uint16_t loner = 0;
    for (const auto& p : desc.players) {
        if (p.U16(tg::layout::kTeam) == tg::layout::kNoTeam) {
            loner = p.id;
            break;
        }
    }
    ASSERT_NE(loner, 0);
    desc.FindPlayer(loner)->SetTeam(7); // in no squad, but his record names team 7
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    EXPECT_EQ(game.Player(member)->Team(), team->id);
    EXPECT_EQ(game.Player(loner)->Team(), 7);
    EXPECT_FALSE(game.Team(7)->HasInSquad(loner));
}

TEST(Reader, NonTeamEntriesArePassedOverUpToThePreviousEndWord)
{
    auto desc = SmallGame();
    auto first = std::get<tg::TeamRecordDescription>(desc.teamEntries[0]);
    auto second = first;
    desc.teamEntries.clear();
    desc.rest.clear();
    first.endWord = 0x1234;
    second.id = 2;
    second.squad.clear();
    second.firstXI.clear();
    second.SetBudget(777777);
    second.endWord = 0x8002;
    desc.teamEntries.push_back(first);
    // The bodies hold the usual end word and a 1 that looks like a tag.
    desc.teamEntries.push_back(tg::OtherEntryDescription{5, {0x8002, 0x0001, 0x0002, 0xFFFF}, {}, true});
    desc.teamEntries.push_back(tg::OtherEntryDescription{7, {0x0001}, {}, true});
    desc.teamEntries.push_back(second);
    desc.teamEntries.push_back(tg::OtherEntryDescription{3, {0x1234, 0x0001}, {}, true});
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    ASSERT_NE(game.Team(1), nullptr);
    ASSERT_NE(game.Team(2), nullptr);
    EXPECT_EQ(SquadOf(*game.Team(1)), first.squad);
    EXPECT_EQ(game.Team(2)->m_wPlayerCount, 0);
    EXPECT_EQ(game.Team(2)->Budget(), 777777);
}

TEST(Reader, ANonTeamEntryBeforeTheFirstTeamRecordEndsAtWordZero)
{
    tg::RealisticOptions options;
    options.minSquad = 2;
    options.maxSquad = 3;
    options.otherEntryBeforeFirstTeam = true;
    auto desc = tg::MakeRealisticGame(11, 60, options);
    auto& entry = std::get<tg::OtherEntryDescription>(desc.teamEntries.front());
    entry.words = {0x8002, 0x0001, 0x0001, 0x1234}; // the usual end word does not end it
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    for (auto* team : desc.TeamRecords()) {
        ASSERT_NE(game.Team(team->id), nullptr) << "team " << team->id;
        EXPECT_EQ(SquadOf(*game.Team(team->id)), team->squad);
    }
}

TEST(Reader, AFileWithoutTeamMarkerLoadsItsPlayersAndNoTeams)
{
    auto desc = SmallGame();
    desc.writeTeamMarker = false;
    desc.teamEntries.clear();
    desc.rest.clear();
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    EXPECT_EQ(game.Player(desc.players.back().id)->m_strFamilyName, desc.players.back().familyName);
    for (const auto& team : game.m_teams)
        EXPECT_EQ(team, nullptr);
    // Without squads the players keep their own team ids.
    EXPECT_EQ(game.Player(desc.players[0].id)->Team(), desc.players[0].U16(tg::layout::kTeam));
}

TEST(Reader, ACapFileAndADatabaseWithTheSameBytesLoadAlike)
{
    const auto desc = SmallGame();
    GameOnDisk db(desc, "DATABASE.DB");
    GameOnDisk cap(desc, "SEASON1.CAP");
    CGame fromDb;
    CGame fromCap;
    ASSERT_TRUE(Loads(fromDb, db.path));
    ASSERT_TRUE(Loads(fromCap, cap.path));
    ASSERT_EQ(fromDb.m_players.size(), fromCap.m_players.size());
    for (std::size_t i = 0; i < fromDb.m_players.size(); ++i) {
        ASSERT_EQ(fromDb.m_players[i] == nullptr, fromCap.m_players[i] == nullptr);
        if (fromDb.m_players[i]) {
            EXPECT_EQ(fromDb.m_players[i]->m_playerRecord, fromCap.m_players[i]->m_playerRecord);
        }
    }
    ASSERT_EQ(fromDb.m_teams.size(), fromCap.m_teams.size());
    for (std::size_t i = 0; i < fromDb.m_teams.size(); ++i) {
        if (fromDb.m_teams[i]) {
            EXPECT_TRUE(fromDb.m_teams[i]->SameContent(*fromCap.m_teams[i]));
        }
    }
}

TEST(Reader, HeaderNamesGoToTheirIdsEvenWhenIdsAreNotInOrder)
{
    auto desc = SmallGame();
    desc.header = {};
    desc.header.AddTeam(3, "Third Side", "Third", "THI");
    desc.header.AddTeam(1, "First Side", "First", "FIR");
    desc.header.AddTeam(2, "Second Side", "Second", "SEC");
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    EXPECT_EQ(game.TeamName(1), "First Side");
    EXPECT_EQ(game.TeamName(2), "Second Side");
    EXPECT_EQ(game.TeamName(3), "Third Side");
    EXPECT_EQ(game.m_teamAbbrevs.at(3), "THI");
    EXPECT_EQ(game.Team(3)->m_strName, "Third Side");
    EXPECT_EQ(game.Team(1)->m_strShortName, "First");
}

TEST(Reader, PlayerStringsOf128To255CharactersAreReadWhole)
{
    auto desc = SmallGame();
    desc.players[0].givenNames = std::string(128, 'a');
    desc.players[1].familyName = std::string(200, '\xE9');
    desc.players[2].initials = std::string(255, 'Z');
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    EXPECT_EQ(game.Player(desc.players[0].id)->m_strGivenNames, desc.players[0].givenNames);
    EXPECT_EQ(game.Player(desc.players[1].id)->m_strFamilyName, desc.players[1].familyName);
    EXPECT_EQ(game.Player(desc.players[2].id)->m_strInitials, desc.players[2].initials);
    EXPECT_EQ(game.Player(desc.players[3].id)->m_strFamilyName, desc.players[3].familyName);
}

TEST(Reader, AShortFirstXIFillsTheRemainingSlotsWithZero)
{
    auto desc = SmallGame();
    auto* team = desc.TeamRecords()[0];
    team->firstXI = {team->squad[0], team->squad[1]};
    GameOnDisk file(desc);
    CGame game;
    // Load another game first so stale First XI values would show.
    GameOnDisk other(tg::MakeRealisticGame(3, 400));
    ASSERT_TRUE(Loads(game, other.path));
    ASSERT_TRUE(Loads(game, file.path));
    const CTeam* loaded = game.Team(team->id);
    EXPECT_EQ(loaded->m_firstXI[0], team->squad[0]);
    EXPECT_EQ(loaded->m_firstXI[1], team->squad[1]);
    for (std::size_t x = 2; x < 11; ++x)
        EXPECT_EQ(loaded->m_firstXI[x], 0u) << "slot " << x;
}

TEST(Reader, ARealisticGameLoadsWithEveryStatistic)
{
    const auto desc = tg::MakeRealisticGame(2024, 3000);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    for (const auto& expected : desc.players) {
        const CPlayer* player = game.Player(expected.id);
        ASSERT_NE(player, nullptr);
        for (int c = 0; c < 4; ++c) {
            for (int s = 0; s < 17; ++s) {
                const auto value = expected.GetStat(static_cast<tg::Competition>(c), static_cast<tg::Stat>(s));
                ASSERT_EQ(player->GetStat(static_cast<Competition>(c), static_cast<Stat>(s)), static_cast<std::int32_t>(value))
                    << "player " << expected.id << " competition " << c << " stat " << s;
            }
        }
        ASSERT_EQ(tg::SalaryCode(player->m_nSalary), expected.U32(tg::layout::kSalaryCode)) << "player " << expected.id;
        const CDate& birth = player->m_dtBirth;
        ASSERT_TRUE(birth.valid);
        ASSERT_EQ(tg::BirthCode(birth.year, birth.month, birth.day), expected.U32(tg::layout::kBirthCode));
    }
}

} // namespace
