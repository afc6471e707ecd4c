// Whole generated games: the builder's realistic games are what benchmarks
// and fuzzing start from, so they must be repeatable, consistent, and go
// through the editor unchanged at every size up to the largest file.
#include "CoreTestHelpers.h"

#include <map>
#include <set>

namespace {

TEST(GeneratedGame, TheSameSeedGivesTheSameBytesAndAnotherSeedOthers)
{
    const auto a = tg::Build(tg::MakeRealisticGame(42, 700)).bytes;
    EXPECT_EQ(a, tg::Build(tg::MakeRealisticGame(42, 700)).bytes);
    EXPECT_NE(a, tg::Build(tg::MakeRealisticGame(43, 700)).bytes);
}

TEST(GeneratedGame, SquadsRolesAndTeamIdsAgree)
{
    const auto desc = tg::MakeRealisticGame(9, 3000);
    std::map<std::uint16_t, std::uint16_t> teamOf;
    const auto teams = desc.TeamRecords();
    ASSERT_EQ(teams.size(), 18u);
    std::set<std::string> names(desc.header.fullNames().begin(), desc.header.fullNames().end());
    EXPECT_EQ(names.size(), 18u);
    for (const auto* team : teams) {
        EXPECT_GE(team->squad.size(), 15u);
        EXPECT_LE(team->squad.size(), 30u);
        EXPECT_EQ(team->firstXI.size(), 11u);
        for (auto id : team->squad)
            EXPECT_TRUE(teamOf.emplace(id, team->id).second) << "player " << id << " in two squads";
        for (auto id : team->firstXI)
            EXPECT_EQ(teamOf[id], team->id);
        const auto keeper = team->firstXI[static_cast<std::size_t>(team->GetI32(tg::layout::kKeeperPos))];
        EXPECT_EQ(desc.FindPlayer(keeper)->U32(tg::layout::kKeeper), 1u);
    }
    std::size_t withoutTeam = 0;
    for (const auto& p : desc.players) {
        const auto it = teamOf.find(p.id);
        EXPECT_EQ(p.U16(tg::layout::kTeam), it == teamOf.end() ? tg::layout::kNoTeam : it->second);
        withoutTeam += it == teamOf.end();
        EXPECT_LE(p.U32(tg::layout::kType), 3u);
        EXPECT_LE(p.U32(tg::layout::kBowlStyle), 5u);
    }
    EXPECT_GT(withoutTeam, 0u);
}

TEST(GeneratedGame, AMaximumFileOf65535PlayersLoadsAndSavesUnchanged)
{
    tg::RealisticOptions options;
    options.restTeamNameStrings = 10000;
    const auto desc = tg::MakeRealisticGame(65535, 65535, options);
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    EXPECT_EQ(game.Player(65535)->m_strFamilyName, desc.players.back().familyName);
    ASSERT_TRUE(Saves(game));
    EXPECT_TRUE(file.BytesNow() == file.built.bytes);
}

} // namespace
