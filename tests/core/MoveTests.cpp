// Moving a player between squads, and what the view is told about it.
#include "CoreTestHelpers.h"
#include "FieldCodes.h"
#include "RecordingListener.h"

#include <algorithm>

namespace {

// Realistic squads of 15 to 30 with a First XI of eleven.
tg::GameDescription MoveGame()
{
    return tg::MakeRealisticGame(31, 600);
}

std::uint16_t FreePlayer(const tg::GameDescription& desc, std::size_t skip = 0)
{
    for (const auto& p : desc.players) {
        if (p.U16(tg::layout::kTeam) == tg::layout::kNoTeam && skip-- == 0)
            return p.id;
    }
    return 0;
}

std::vector<std::uint32_t> FirstXIOf(const CTeam& team)
{
    return std::vector<std::uint32_t>(team.m_firstXI.begin(), team.m_firstXI.end());
}

TEST(MovePlayer, LeavingTheFirstXIRefillsTheSlotWithTheFirstFreeSquadMember)
{
    auto desc = MoveGame();
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    const auto& from = *desc.TeamRecords()[0];
    const auto& to = *desc.TeamRecords()[1];
    const auto mover = from.firstXI[3];

    ASSERT_TRUE(game.MovePlayer(mover, from.id, to.id, false).ok());

    auto squad = from.squad;
    squad.erase(std::find(squad.begin(), squad.end(), mover));
    const CTeam& left = *game.Team(from.id);
    EXPECT_EQ(SquadOf(left), squad);
    EXPECT_EQ(left.m_squad[squad.size()], 0u);
    std::uint16_t refill = 0;
    for (auto id : squad) {
        if (std::find(from.firstXI.begin(), from.firstXI.end(), id) == from.firstXI.end()) {
            refill = id;
            break;
        }
    }
    ASSERT_NE(refill, 0);
    auto xi = std::vector<std::uint32_t>(from.firstXI.begin(), from.firstXI.end());
    xi[3] = refill;
    EXPECT_EQ(FirstXIOf(left), xi);

    auto joined = to.squad;
    joined.push_back(mover);
    EXPECT_EQ(SquadOf(*game.Team(to.id)), joined);
    EXPECT_EQ(game.Player(mover)->Team(), to.id);
    EXPECT_EQ(game.Player(mover)->m_bModified, 1u);
    EXPECT_EQ(game.m_bModified, 1u);
}

TEST(MovePlayer, TheSlotKeepsTheDepartedIdWhenTheWholeSquadIsInTheFirstXI)
{
    auto desc = MoveGame();
    auto* team = desc.TeamRecords()[2];
    for (auto id : team->squad) {
        if (std::find(team->firstXI.begin(), team->firstXI.end(), id) == team->firstXI.end())
            desc.FindPlayer(id)->SetTeam(tg::layout::kNoTeam);
    }
    team->squad = team->firstXI;
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    const auto mover = team->firstXI[0];
    ASSERT_TRUE(game.MovePlayer(mover, team->id, kNoTeam, false).ok());
    EXPECT_EQ(game.Team(team->id)->m_wPlayerCount, 10);
    EXPECT_EQ(game.Team(team->id)->m_firstXI[0], mover);
    EXPECT_EQ(game.Player(mover)->Team(), kNoTeam);
}

TEST(MovePlayer, ToHisOwnTeamChangesNothingAndMarksNothing)
{
    const auto desc = MoveGame();
    GameOnDisk file(desc);
    CGame game;
    RecordingListener listener;
    game.SetListener(&listener);
    ASSERT_TRUE(Loads(game, file.path));
    listener.calls.clear();
    const auto& team = *desc.TeamRecords()[0];
    const CTeam before = *game.Team(team.id);
    EXPECT_TRUE(game.MovePlayer(team.squad[0], team.id, team.id, true).ok());
    EXPECT_TRUE(game.Team(team.id)->SameContent(before));
    EXPECT_EQ(game.m_bModified, 0u);
    EXPECT_EQ(game.Player(team.squad[0])->m_bModified, 0u);
    EXPECT_TRUE(listener.calls.empty());
}

TEST(MovePlayer, IntoNoTeamAndBackFromIt)
{
    const auto desc = MoveGame();
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    const auto& team = *desc.TeamRecords()[5];
    const auto mover = team.squad.back();
    ASSERT_TRUE(game.MovePlayer(mover, team.id, kNoTeam, false).ok());
    EXPECT_EQ(game.Player(mover)->Team(), kNoTeam);
    for (const auto& t : game.m_teams) {
        if (t) {
            EXPECT_FALSE(t->HasInSquad(mover)) << "team " << t->m_wId;
        }
    }
    const auto loner = FreePlayer(desc);
    ASSERT_TRUE(game.MovePlayer(loner, kNoTeam, team.id, false).ok());
    EXPECT_EQ(SquadOf(*game.Team(team.id)).back(), loner);
    EXPECT_EQ(game.Player(loner)->Team(), team.id);
}

TEST(MovePlayer, IntoASquadOf256IsRefusedAndChangesNothing)
{
    auto desc = tg::MakeRealisticGame(41, 900);
    auto* full = desc.TeamRecords()[0];
    while (full->squad.size() < 256) {
        const auto id = FreePlayer(desc, 0);
        ASSERT_NE(id, 0) << "not enough free players";
        full->squad.push_back(id);
        desc.FindPlayer(id)->SetTeam(full->id);
    }
    GameOnDisk file(desc);
    CGame game;
    ASSERT_TRUE(Loads(game, file.path));
    const auto loner = FreePlayer(desc);
    const auto& other = *desc.TeamRecords()[1];
    const auto member = other.squad[0];

    const auto fromNoTeam = game.MovePlayer(loner, kNoTeam, full->id, false);
    EXPECT_FALSE(fromNoTeam.ok());
    EXPECT_FALSE(fromNoTeam.message().empty());
    const auto fromTeam = game.MovePlayer(member, other.id, full->id, false);
    EXPECT_FALSE(fromTeam.ok());

    EXPECT_EQ(game.Player(loner)->Team(), kNoTeam);
    EXPECT_EQ(game.Player(member)->Team(), other.id);
    EXPECT_EQ(SquadOf(*game.Team(other.id)), other.squad);
    EXPECT_EQ(SquadOf(*game.Team(full->id)), full->squad);
    EXPECT_EQ(game.m_bModified, 0u);
    EXPECT_EQ(game.Player(loner)->m_bModified, 0u);
    EXPECT_EQ(game.Player(member)->m_bModified, 0u);

    // Leaving a full squad is allowed.
    EXPECT_TRUE(game.MovePlayer(full->squad[0], full->id, kNoTeam, false).ok());
    EXPECT_EQ(game.Team(full->id)->m_wPlayerCount, 255);
}

TEST(ViewRequests, LoadMoveMarkAndSaveTellTheViewWhatChanged)
{
    const auto desc = MoveGame();
    GameOnDisk file(desc);
    CGame game;
    RecordingListener listener;
    game.SetListener(&listener);
    ASSERT_TRUE(Loads(game, file.path));
    EXPECT_TRUE(listener.Has("RebuildTree"));

    const auto& from = *desc.TeamRecords()[0];
    const auto& to = *desc.TeamRecords()[1];
    listener.calls.clear();
    ASSERT_TRUE(game.MovePlayer(from.squad[0], from.id, to.id, true).ok());
    const auto moved = "MovePlayerNode " + std::to_string(from.squad[0]) + " " + std::to_string(from.id) + " "
        + std::to_string(to.id) + " select";
    const int moveAt = listener.IndexOf(moved);
    const int selectAt = listener.IndexOf("SelectPlayerNode " + std::to_string(from.squad[0]));
    EXPECT_GE(moveAt, 0) << "calls: " << ::testing::PrintToString(listener.calls);
    EXPECT_GT(selectAt, moveAt);

    listener.calls.clear();
    ASSERT_TRUE(game.MovePlayer(from.squad[1], from.id, to.id, false).ok());
    EXPECT_TRUE(listener.Has("MovePlayerNode " + std::to_string(from.squad[1]) + " " + std::to_string(from.id) + " "
                             + std::to_string(to.id) + " keep"));
    EXPECT_FALSE(listener.Has("SelectPlayerNode " + std::to_string(from.squad[1])));

    listener.calls.clear();
    const auto& p = desc.players[0];
    game.MarkPlayerModified(p.id);
    EXPECT_TRUE(listener.Has("SetPlayerLabel " + std::to_string(p.id) + " "
                             + tg::DisplayName(p.givenNames, p.familyName) + "*"));

    listener.calls.clear();
    ASSERT_TRUE(Saves(game));
    EXPECT_TRUE(listener.Has("RefreshAllLabels"));
    EXPECT_EQ(game.PlayerLabel(*game.Player(p.id)), tg::DisplayName(p.givenNames, p.familyName));
}

} // namespace
