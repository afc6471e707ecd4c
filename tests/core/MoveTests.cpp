// Moving a player between squads, and what the view is told about it.
#include "CoreTestHelpers.h"
#include "FieldCodes.h"
#include "RecordingListener.h"

#include <algorithm>

namespace {

// Realistic squads of 15 to 30 with a First XI of eleven, loaded.
struct MoveGame
{
    explicit MoveGame(tg::GameDescription description = tg::MakeRealisticGame(31, 600))
        : desc(std::move(description)), file(desc)
    {
        game.SetListener(&listener);
        EXPECT_TRUE(Loads(game, file.path));
    }
    tg::GameDescription desc;
    GameOnDisk file;
    RecordingListener listener;
    CGame game;
};

bool InFirstXI(const tg::TeamRecordDescription& team, std::uint16_t id)
{
    return std::find(team.firstXI.begin(), team.firstXI.end(), id) != team.firstXI.end();
}

TEST(MovePlayer, TheSlotKeepsTheDepartedIdWhenTheWholeSquadIsInTheFirstXI)
{
    auto desc = tg::MakeRealisticGame(31, 600);
    auto* team = desc.TeamRecords()[2];
    for (auto id : team->squad) {
        if (!InFirstXI(*team, id))
            desc.FindPlayer(id)->SetTeam(tg::layout::kNoTeam);
    }
    team->squad = team->firstXI;
    MoveGame m(desc);
    const auto mover = team->firstXI[0];
    ASSERT_TRUE(m.game.MovePlayer(mover, team->id, kNoTeam, false).ok());
    EXPECT_EQ(m.game.Team(team->id)->m_wPlayerCount, 10);
    EXPECT_EQ(m.game.Team(team->id)->m_squad[10], 0u) << "the place left is cleared";
    EXPECT_EQ(m.game.Team(team->id)->m_firstXI[0], mover);
    EXPECT_EQ(m.game.Player(mover)->Team(), kNoTeam);
}

TEST(MovePlayer, IntoASquadOf256IsRefusedAndChangesNothing)
{
    auto desc = tg::MakeRealisticGame(41, 900);
    auto* full = desc.TeamRecords()[0];
    const auto free = FreePlayers(desc);
    ASSERT_GT(free.size(), 256 - full->squad.size()) << "not enough free players";
    for (std::size_t i = 0; full->squad.size() < 256; ++i) {
        full->squad.push_back(free[i]);
        desc.FindPlayer(free[i])->SetTeam(full->id);
    }
    MoveGame m(desc);
    const auto loner = FreePlayers(desc).at(0);
    const auto& other = *desc.TeamRecords()[1];
    const auto member = other.squad[0];

    const auto fromNoTeam = m.game.MovePlayer(loner, kNoTeam, full->id, false);
    EXPECT_FALSE(fromNoTeam.ok());
    EXPECT_FALSE(fromNoTeam.message().empty());
    EXPECT_FALSE(m.game.MovePlayer(member, other.id, full->id, false).ok());
    EXPECT_EQ(m.game.Player(loner)->Team(), kNoTeam);
    EXPECT_EQ(m.game.Player(member)->Team(), other.id);
    EXPECT_EQ(SquadOf(*m.game.Team(other.id)), other.squad);
    EXPECT_EQ(SquadOf(*m.game.Team(full->id)), full->squad);
    EXPECT_EQ(m.game.m_bModified, 0u);
    EXPECT_EQ(m.game.Player(loner)->m_bModified, 0u);
    EXPECT_EQ(m.game.Player(member)->m_bModified, 0u);

    // Leaving a full squad is allowed.
    EXPECT_TRUE(m.game.MovePlayer(full->squad[0], full->id, kNoTeam, false).ok());
    EXPECT_EQ(m.game.Team(full->id)->m_wPlayerCount, 255);
}

TEST(ViewRequests, LoadMoveMarkAndSaveTellTheViewWhatChangedAndAMoveHomeNothing)
{
    MoveGame m;
    EXPECT_TRUE(m.listener.Has("RebuildTree"));
    const auto& from = *m.desc.TeamRecords()[0];
    const auto& to = *m.desc.TeamRecords()[1];
    const auto node = [&](std::uint16_t id, const char* how) {
        return "MovePlayerNode " + std::to_string(id) + " " + std::to_string(from.id) + " " + std::to_string(to.id) + how;
    };

    // To his own team: no change, no mark, no request.
    m.listener.calls.clear();
    const CTeam before = *m.game.Team(from.id);
    EXPECT_TRUE(m.game.MovePlayer(from.squad[0], from.id, from.id, true).ok());
    EXPECT_TRUE(m.game.Team(from.id)->SameContent(before));
    EXPECT_EQ(m.game.m_bModified, 0u);
    EXPECT_EQ(m.game.Player(from.squad[0])->m_bModified, 0u);
    EXPECT_TRUE(m.listener.calls.empty());

    ASSERT_TRUE(m.game.MovePlayer(from.squad[0], from.id, to.id, true).ok());
    const int moveAt = m.listener.IndexOf(node(from.squad[0], " select"));
    EXPECT_GE(moveAt, 0) << "calls: " << ::testing::PrintToString(m.listener.calls);
    EXPECT_GT(m.listener.IndexOf("SelectPlayerNode " + std::to_string(from.squad[0])), moveAt);

    m.listener.calls.clear();
    ASSERT_TRUE(m.game.MovePlayer(from.squad[1], from.id, to.id, false).ok());
    EXPECT_TRUE(m.listener.Has(node(from.squad[1], " keep")));
    EXPECT_FALSE(m.listener.Has("SelectPlayerNode " + std::to_string(from.squad[1])));

    const auto& p = m.desc.players[0];
    const auto label = tg::DisplayName(p.givenNames, p.familyName);
    m.game.MarkPlayerModified(p.id);
    EXPECT_TRUE(m.listener.Has("SetPlayerLabel " + std::to_string(p.id) + " " + label + "*"));
    m.listener.calls.clear();
    ASSERT_TRUE(Saves(m.game));
    EXPECT_TRUE(m.listener.Has("RefreshAllLabels"));
    EXPECT_EQ(m.game.PlayerLabel(*m.game.Player(p.id)), label);
}

} // namespace
