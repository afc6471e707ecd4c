// Reading game files: the model must say what the builder wrote.
#include "CoreTestHelpers.h"
#include "FieldCodes.h"

#include <algorithm>
#include <tuple>

namespace {

bool SameRecord(const std::vector<std::uint8_t>& file, std::size_t offset, const auto& record)
{
    return std::equal(record.begin(), record.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
}

TEST(Reader, TheModelHoldsEveryPlayerWithHisStatisticsAndEveryTeamAsTheFileDescribesThem)
{
    auto desc = SmallGame();
    // Strings of 128..255 characters have an unsigned length byte.
    desc.players[0].givenNames = std::string(128, 'a');
    desc.players[1].familyName = std::string(200, '\xE9');
    desc.players[2].initials = std::string(255, 'Z');
    auto* shortXI = desc.TeamRecords()[0];
    shortXI->firstXI = {shortXI->squad[0], shortXI->squad[1]};
    GameOnDisk file(desc, "SEASON1.CAP");
    CGame game;
    // Another game first, so stale values would show.
    GameOnDisk other(tg::MakeRealisticGame(3, 400));
    ASSERT_TRUE(Loads(game, other.path));
    ASSERT_TRUE(Loads(game, file.path));
    EXPECT_EQ(game.GameFile(), file.PathString());
    EXPECT_FALSE(game.IsModified());

    for (std::size_t i = 0; i < desc.players.size(); ++i) {
        const auto& expected = desc.players[i];
        SCOPED_TRACE("player " + std::to_string(expected.id));
        const CPlayer* player = game.Player(expected.id);
        ASSERT_NE(player, nullptr);
        EXPECT_EQ(std::tie(player->m_strGivenNames, player->m_strFamilyName, player->m_strInitials),
            std::tie(expected.givenNames, expected.familyName, expected.initials));
        EXPECT_TRUE(SameRecord(file.built.bytes, file.built.players[i].record, player->CopyRecord()));
        EXPECT_EQ(player->m_bModified, 0u);
        for (int c = 0; c < 4; ++c) {
            for (int st = 0; st < 17; ++st) {
                const auto value = expected.GetStat(static_cast<tg::Competition>(c), static_cast<tg::Stat>(st));
                EXPECT_EQ(player->GetStat(static_cast<Competition>(c), static_cast<Stat>(st)), static_cast<std::int32_t>(value))
                    << "competition " << c << " stat " << st;
            }
        }
        EXPECT_EQ(tg::SalaryCode(player->m_nSalary), expected.U32(tg::layout::kSalaryCode));
        const CDate& birth = player->m_dtBirth;
        EXPECT_TRUE(birth.valid);
        EXPECT_EQ(tg::BirthCode(birth.year, birth.month, birth.day), expected.U32(tg::layout::kBirthCode));
    }
    for (std::size_t i = 0; i < desc.header.ids.size(); ++i) {
        const auto id = desc.header.ids[i];
        EXPECT_EQ(game.TeamName(id), desc.header.names[0][i]);
        ASSERT_GT(game.NameList(1).size(), id);
        EXPECT_EQ(game.NameList(1)[id], desc.header.names[1][i]);
        EXPECT_EQ(game.NameList(2)[id], desc.header.names[2][i]);
    }
    for (std::size_t e = 0; e < desc.teamEntries.size(); ++e) {
        const auto* expected = std::get_if<tg::TeamRecordDescription>(&desc.teamEntries[e]);
        if (!expected)
            continue;
        SCOPED_TRACE("team " + std::to_string(expected->id));
        const CTeam* team = game.Team(expected->id);
        ASSERT_NE(team, nullptr);
        EXPECT_EQ(team->m_strName, game.TeamName(expected->id));
        EXPECT_EQ(SquadOf(*team), expected->squad);
        for (std::size_t x = 0; x < 11; ++x)
            EXPECT_EQ(team->m_firstXI[x], x < expected->firstXI.size() ? expected->firstXI[x] : 0u) << "slot " << x;
        EXPECT_TRUE(SameRecord(file.built.bytes, file.built.teamEntries[e].record, team->m_teamRecord));
        EXPECT_EQ(team->Budget(), expected->GetI32(tg::layout::kBudget));
        EXPECT_EQ(team->Captain(), expected->GetI32(tg::layout::kCaptain));
        for (auto id : expected->squad)
            EXPECT_EQ(game.Player(id)->Team(), expected->id);
    }
}

TEST(Reader, AHiddenPlayerMarkerIsAnErrorReadingTheDatabase)
{
    // The game's scan skips 8 bytes after any "C": a stray "C" 1..7 bytes before hides the marker.
    for (std::size_t distance = 1; distance <= 8; ++distance) {
        auto desc = SmallGame();
        if (distance < 8)
            desc.HidePlayerMarker(distance);
        else
            desc.beforePlayerMarker = {'C', '-', '-', '-', '-', '-', '-', '-'};
        GameOnDisk file(desc);
        CGame game;
        const auto status = game.LoadGameFile(file.PathString());
        EXPECT_EQ(status.ok(), distance == 8) << "distance " << distance;
        if (distance < 8) {
            // The game's own message word for word: the user has just picked the file.
            EXPECT_EQ(status.message(), "Error reading database");
            EXPECT_TRUE(NothingLoaded(game));
        }
    }
}

TEST(Reader, APlayerWhoseTagIsNot8001EndsThePlayerList)
{
    auto desc = TinyGame();
    ASSERT_GE(desc.players.size(), 4u);
    // Nobody may name the players after the early end in a squad.
    for (auto* team : desc.TeamRecords()) {
        std::erase_if(team->squad, [](std::uint16_t id) { return id > 2; });
        team->firstXI = team->squad;
    }
    for (auto& player : desc.players)
        player.SetTeam(tg::layout::kNoTeam);
    desc.players[1].SetNextTag(0x0001);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    for (std::size_t i = 0; i < desc.players.size(); ++i)
        EXPECT_EQ(game.Player(desc.players[i].id) != nullptr, i < 2) << "player " << desc.players[i].id;
    EXPECT_NE(game.Team(desc.TeamRecords()[0]->id), nullptr);
}

TEST(Reader, SquadListsOverrideThePlayersOwnTeamIds)
{
    auto desc = SmallGame();
    auto* team = desc.TeamRecords()[1];
    const auto member = team->squad.front();
    desc.FindPlayer(member)->SetTeam(9); // the record disagrees with the squad
    const auto loner = FreePlayers(desc).at(0);
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
    // The bodies hold the usual end word and a 1 that looks like a tag.
    desc.teamEntries = {first, tg::OtherEntryDescription{5, {0x8002, 0x0001, 0x0002, 0xFFFF}, {}, true},
                        tg::OtherEntryDescription{7, {0x0001}, {}, true}, second,
                        tg::OtherEntryDescription{3, {0x1234, 0x0001}, {}, true}};
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    ASSERT_TRUE(game.Team(1) && game.Team(2));
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
    // The usual end word does not end it.
    std::get<tg::OtherEntryDescription>(desc.teamEntries.front()).words = {0x8002, 0x0001, 0x0001, 0x1234};
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
    EXPECT_EQ(std::ranges::distance(game.Teams()), 0);
    // Without squads the players keep their own team ids.
    EXPECT_EQ(game.Player(desc.players[0].id)->Team(), desc.players[0].U16(tg::layout::kTeam));
}

} // namespace
