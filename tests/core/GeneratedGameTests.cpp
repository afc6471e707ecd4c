// Whole generated games: benchmarks, fuzzing and the demo game start from
// them, so they must be repeatable and consistent (the largest goes through
// the editor unchanged in WriterTests).
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
    const auto teams = desc.TeamRecords();
    ASSERT_EQ(teams.size(), 18u);
    EXPECT_EQ(std::set<std::string>(desc.header.fullNames().begin(), desc.header.fullNames().end()).size(), 18u);
    std::map<std::uint16_t, std::uint16_t> teamOf;
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
    for (const auto& p : desc.players) {
        const auto it = teamOf.find(p.id);
        EXPECT_EQ(p.U16(tg::layout::kTeam), it == teamOf.end() ? tg::layout::kNoTeam : it->second);
        EXPECT_LE(p.U32(tg::layout::kType), 3u);
        EXPECT_LE(p.U32(tg::layout::kBowlStyle), 5u);
    }
    EXPECT_FALSE(FreePlayers(desc).empty());
}

} // namespace
